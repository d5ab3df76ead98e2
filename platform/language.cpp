// The environment's language, and the translators for the game, Qt and the core.
#include "platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "lang/translate.h"

namespace {

QString inUse = "en";

// English is the source language: every text stands as written, but for its plurals.
class English : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int n) const override {
        return n >= 0 ? QString::fromStdString(lang::EnglishPlural(source, n)) : QString();
    }
    bool isEmpty() const override { return false; }
};

std::unique_ptr<QTranslator> game, qt;

// "de_DE.UTF-8" -> "de"; nothing for what the game does not speak ("C", "en_GB" is English).
QString Spoken(QString name) {
    name = name.section('.', 0, 0).section('@', 0, 0).section('_', 0, 0).trimmed().toLower();
    if (name == "en" || Languages().contains(name)) return name;
    return {};
}

std::string CoreText(const char* context, const char* source, const char* comment, int n) {
    if (!game) return source;
    const QString text = game->translate(context, source, comment, n);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

std::string CoreNumber(int64_t value) { return QLocale().toString(static_cast<qlonglong>(value)).toStdString(); }

}  // namespace

QString SystemLanguage() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty()) break;
    }
    QStringList wanted;
    if (locale != "C" && locale != "POSIX" && !locale.startsWith("C.")) wanted = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& w : wanted)
        if (const QString spoken = Spoken(w); !spoken.isEmpty()) return spoken;
    return "en";
}

void UseLanguage(const QString& language) {
    static const QLocale original;  // English keeps the numbers as the system writes them, as always
    auto* app = QCoreApplication::instance();
    for (auto* t : {game.get(), qt.get()})
        if (t && app) QCoreApplication::removeTranslator(t);
    game.reset();
    qt.reset();
    inUse = "en";
    lang::Install(nullptr);
    lang::InstallNumbers(nullptr);
    QLocale::setDefault(original);
    if (language != "pseudo" && !Languages().contains(language)) {
        game = std::make_unique<English>();
    } else {
        game = std::make_unique<QTranslator>();
        if (!game->load(":/i18n/pelorand_" + language + ".qm")) game = std::make_unique<English>();
    }
    if (dynamic_cast<English*>(game.get())) {
        if (app) QCoreApplication::installTranslator(game.get());
        return;  // the core's plurals are English without a translator
    }
    inUse = language;
    if (language != "pseudo") {
        QLocale::setDefault(QLocale(language));
        qt = std::make_unique<QTranslator>();
        // Qt's own place for them (Debian's packages), else a folder beside the program (Windows).
        if (!qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            !(app && qt->load("qtbase_" + language, QCoreApplication::applicationDirPath() + "/translations")))
            qt.reset();
        lang::InstallNumbers(CoreNumber);
    }
    lang::Install(CoreText);
    if (app) {
        QCoreApplication::installTranslator(game.get());
        if (qt) QCoreApplication::installTranslator(qt.get());
    }
}

QString LanguageInUse() { return inUse; }

QStringList Languages() {
    // Built in, so listed once: start-up asks three times, and a name filter costs a regular
    // expression each time.
    static const QStringList out = [] {
        QStringList codes;
        for (const QString& file : QDir(":/i18n").entryList(QDir::Files, QDir::Name)) {
            if (!file.startsWith("pelorand_") || !file.endsWith(".qm")) continue;
            const QString code = file.mid(9, file.size() - 12);
            if (code != "pseudo") codes << code;
        }
        return codes;
    }();
    return out;
}

QString NativeName(const QString& language) {
    const QString name = QLocale(language).nativeLanguageName();
    return name.isEmpty() ? language : name.left(1).toUpper() + name.mid(1);
}
