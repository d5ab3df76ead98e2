// Choosing the language: the environment read as GNU programs read it, the stored choice, and
// the translators installed for the windows and the core alike.
#include <QCoreApplication>
#include <QLocale>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "dialogs/contextids.h"
#include "gui_env.h"
#include "lang/translate.h"
#include "platform/language.h"
#include "window/settings.h"

namespace {

class Language : public GuiTest {
protected:
    void TearDown() override {
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) qunsetenv(v);
        for (const auto& [name, value] : saved_) qputenv(name.c_str(), value);
        UseLanguage("en");
        GuiTest::TearDown();
    }
    void SetUp() override {
        GuiTest::SetUp();
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            if (qEnvironmentVariableIsSet(v)) saved_.emplace_back(v, qgetenv(v));
    }
    static QString With(std::initializer_list<std::pair<const char*, const char*>> env) {
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) qunsetenv(v);
        for (const auto& [name, value] : env) qputenv(name, value);
        return SystemLanguage();
    }

private:
    std::vector<std::pair<std::string, QByteArray>> saved_;
};

}  // namespace

TEST_F(Language, TheEnvironmentIsReadAsGnuProgramsReadIt) {
    EXPECT_EQ(With({}), "en");
    EXPECT_EQ(With({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(With({{"LANG", "fr_CA"}}), "fr");
    EXPECT_EQ(With({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
    EXPECT_EQ(With({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}), "en");
    EXPECT_EQ(With({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de"}}), "fr");   // LANGUAGE first
    EXPECT_EQ(With({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "it:de"}}), "de");   // the first one spoken
    EXPECT_EQ(With({{"LANGUAGE", "de"}}), "de");                             // no locale at all
    EXPECT_EQ(With({{"LANG", "C"}, {"LANGUAGE", "de"}}), "en");              // C: LANGUAGE ignored
    EXPECT_EQ(With({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "fr"}}), "en");
    EXPECT_EQ(With({{"LANG", "es_ES.UTF-8"}}), "en");                        // not spoken: English
}

TEST_F(Language, TheChoiceInOptionsWinsOverTheSystem) {
    qputenv("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(StartLanguage(), "fr");
    StoreLanguage("de");
    EXPECT_EQ(StartLanguage(), "de");
    StoreLanguage("en");
    EXPECT_EQ(StartLanguage(), "en");
    StoreLanguage("xx");  // a language the game does not speak: the system's
    EXPECT_EQ(StartLanguage(), "fr");
    EXPECT_EQ(Languages(), QStringList({"de", "fr"}));  // each .ts file built in, the pseudo language aside
    EXPECT_EQ(NativeName("fr"), QString::fromUtf8("Fran\u00E7ais"));
}

TEST_F(Language, ATranslationServesTheWindowsAndTheCoreAndEnglishUndoesIt) {
    UseLanguage("pseudo");
    EXPECT_EQ(LanguageInUse(), "pseudo");
    EXPECT_TRUE(QCoreApplication::translate("BoardView", "Steps").startsWith(QString::fromUtf8("⟦")));
    EXPECT_EQ(QCoreApplication::translate("Tally", "You %1, the computer %2"), QString::fromUtf8("⟦You %1, the computer %2"));
    const std::string deck = lang::translate("Deck", "The file is not a valid puzzle deck: it holds a card of %1, above 99.");
    EXPECT_EQ(deck.rfind("⟦", 0), 0u) << deck;
    UseLanguage("en");
    EXPECT_EQ(LanguageInUse(), "en");
    EXPECT_EQ(QCoreApplication::translate("BoardView", "Steps"), "Steps");
    EXPECT_EQ(QCoreApplication::translate("Worksheet", "%n answer(s)", nullptr, 1), "1 answer");
    EXPECT_EQ(QCoreApplication::translate("Worksheet", "%n answer(s)", nullptr, 2), "2 answers");
    UseLanguage("xx");  // a language the game does not speak: English
    EXPECT_EQ(LanguageInUse(), "en");
}

TEST_F(Language, TheHelpFileIsTheLanguagesOwnWhereThereIsOne) {
    for (const char* name : {"PELORAND.HLP", "PELORAND_de.HLP"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString english = HelpFileIn(dir.path());
    EXPECT_EQ(HelpFileFor(english, "de"), dir.filePath("PELORAND_de.HLP"));
    EXPECT_EQ(HelpFileFor(english, "fr"), english);  // none in French here: the English one
    EXPECT_EQ(HelpFileFor(english, "en"), english);
}

