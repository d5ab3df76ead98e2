// Choosing the language: the environment read as GNU programs read it, the stored choice, and
// the translators installed for the windows and the core alike.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "deal/dealing.h"
#include "dialogs/contextids.h"
#include "dialogs/frmoptions.h"
#include "dialogs/frmworksheet.h"
#include "gui_env.h"
#include "program_run.h"
#include "lang/translate.h"
#include "platform/language.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
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

namespace {

ProgramRun Pelorand(const QStringList& args, const QString& lang, const QString& language = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    env.insert("LANG", lang);
    if (!language.isEmpty()) env.insert("LANGUAGE", language);
    return RunPelorand(args, env);
}

// The text as the language at hand says it, with its places filled.
QString Said(const char* context, const char* text, std::initializer_list<std::string> args = {}) {
    return QString::fromStdString(lang::Args(lang::translate(context, text), args));
}

}  // namespace

TEST_F(Language, TheCommandLineSpeaksTheEnvironmentsLanguageAndCIsAsAlways) {
    const QStringList solve{"--solve", "3", "9", "3", "9", "17"}, check{"--check", "3", "9", "3", "9", "17", "9 + 9 - 3 / 3"},
        wrong{"--check", "3", "9", "3", "9", "17", "9 + 9 + 3 / 3"}, bad{"--check", "3", "9", "3", "9", "17", "9 + 9 - 3 / 4"};
    // C (and C with LANGUAGE asking for German, which GNU programs ignore there): as always.
    for (const QString& language : {QString(), QString("de")}) {
        EXPECT_EQ(Pelorand(solve, "C", language).out, "answers: 3\n9 + 9 - 3 / 3\n9 + (9 - 3 / 3)\n9 - (3 / 3 - 9)\n");
        EXPECT_EQ(Pelorand(check, "C", language).out, "9 + 9 - 3 / 3\nvalue: 17\nsolves\n");
        EXPECT_EQ(Pelorand(wrong, "C", language).out, "9 + 9 + 3 / 3\nvalue: 19\ndoes not solve\n");
        EXPECT_EQ(Pelorand(bad, "C", language).err, "error: column 13: Your answer uses 4, which is not on the table.\n");
        EXPECT_EQ(Pelorand({"--deal", "x"}, "C", language).err,
                  "pelorand: --deal: give how many puzzles to deal, a whole number from 1 to 10000\n"
                  "Try 'pelorand --help' for more information.\n");
        EXPECT_TRUE(Pelorand({"--help"}, "C", language).out.startsWith("Usage: pelorand [DECK-FILE]\n"));
    }
    const ProgramRun english = Pelorand({"--help"}, "C");
    for (const char* language : {"de", "fr"}) {
        UseLanguage(language);
        const QString locale = QString(language) + "_" + QString(language).toUpper() + ".UTF-8";
        const ProgramRun s = Pelorand(solve, locale), c = Pelorand(check, locale), w = Pelorand(wrong, locale), b = Pelorand(bad, locale);
        EXPECT_TRUE(s.out.startsWith(Said("Cli", "answers: %1", {"3"}) + "\n9 + 9 - 3 / 3\n")) << language << s.out.toStdString();
        EXPECT_EQ(c.out, "9 + 9 - 3 / 3\n" + Said("Cli", "value: %1", {"17"}) + "\n" + Said("Cli", "solves") + "\n") << language;
        EXPECT_EQ(w.out, "9 + 9 + 3 / 3\n" + Said("Cli", "value: %1", {"19"}) + "\n" + Said("Cli", "does not solve") + "\n") << language;
        const QString uses = Said("AnswerMessage", "Your answer uses %1, which is not on the table.", {"4"});
        EXPECT_EQ(b.err, Said("Cli", "error: column %1: %2", {"13", uses.toStdString()}) + "\n") << language;
        const ProgramRun help = Pelorand({"--help"}, locale), error = Pelorand({"--deal", "x"}, locale);
        EXPECT_NE(help.out, english.out) << language;
        EXPECT_TRUE(help.out.contains("--worksheet") && help.out.contains("--order")) << language;
        // Its lines of usage start under the first one's "pelorand", whatever the word before it.
        const QStringList usage = help.out.left(help.out.indexOf("\n\n")).split('\n');
        ASSERT_GT(usage.size(), 5) << language;
        for (const QString& line : usage) {
            if (line.contains("pelorand")) {
                EXPECT_EQ(line.indexOf("pelorand"), usage[0].indexOf("pelorand")) << language << ": " << line.toStdString();
            }
        }
        EXPECT_EQ(error.err, "pelorand: --deal: " + Said("Cli", "give how many puzzles to deal, a whole number from 1 to 10000") + "\n" +
                                 Said("Cli", "Try 'pelorand --help' for more information.") + "\n") << language;
        // Right only at school: the sentence that says so, in the language's own words.
        const char* atSchool = "At school this would make %1, but the game adds before it subtracts; you can choose the school order in Options > Rules.";
        const ProgramRun school = Pelorand({"--check", "10", "4", "3", "9", "10 - 4 + 3"}, locale);
        EXPECT_EQ(school.out, "10 - 4 + 3\n" + Said("Cli", "value: %1", {"3"}) + "\n" + Said("Cli", "does not solve") + "\n" +
                                  Said("AnswerCheck", atSchool, {"9"}) + "\n") << language;
        EXPECT_NE(Said("AnswerCheck", atSchool, {"9"}).left(9), QString(atSchool).left(9)) << language;
        // The texts above are the language's own, not the English ones.
        EXPECT_NE(Said("Cli", "does not solve"), "does not solve") << language;
        EXPECT_NE(uses, "Your answer uses 4, which is not on the table.") << language;
    }
}

// Every list of difficulties says which end is easy, in the words the language's other texts
// use for it, and what is stored is still the entry's place, 0 for any.
TEST_F(Language, TheDifficultyListsSayWhichEndIsEasy) {
    const struct {
        const char* language;
        QStringList entries;
    } languages[] = {
        {"en", {"any", "1 (easy)", "2", "3", "4", "5 (hard)"}},
        {"de", {"beliebig", "1 (leicht)", "2", "3", "4", "5 (schwer)"}},
        {"fr", {"toutes", "1 (facile)", "2", "3", "4", "5 (difficile)"}},
    };
    for (const auto& l : languages) {
        UseLanguage(l.language);
        frmMain& w = Start();
        auto* options = w.NewOptions().release();  // the game window's own, gone with it
        auto* sheet = new frmWorksheet(&w);
        for (QComboBox* list : {options->cboLevel, sheet->cboLevel}) {
            QStringList entries;
            for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
            EXPECT_EQ(entries.join(" | ").toStdString(), l.entries.join(" | ").toStdString())
                << l.language << " " << list->window()->objectName().toStdString();
        }
        for (int level : {5, 1, 0}) {
            options->cboLevel->setCurrentIndex(level);
            options->cmdApply_Click();
            EXPECT_EQ(Setting("Game", "DealLevel"), QString::number(level)) << l.language;
            EXPECT_EQ(StoredDealRule().level, level) << l.language;
            sheet->cboLevel->setCurrentIndex(level);
            EXPECT_EQ(sheet->Settings().level, level) << l.language;
        }
        game.reset();
    }
}

// The board's "whole numbers only" refuses a number below zero too, so each language names it
// for what it lets through (in German, "ganze Zahlen" take in -16), and the refusals and the
// help say the same; its access key is its own in the window.
TEST_F(Language, WholeNumbersOnlyIsNamedForWhatItLetsThrough) {
    const struct {
        const char* language;
        const char* help;
        QString box, fraction, belowZero;
    } languages[] = {
        {"en", "PELORAND.HLP", "Whole numbers only", "5 ÷ 2 makes 5/2, which is not a whole number. Only whole numbers are allowed.",
         "3 − 5 makes −2, which is below zero. Only whole numbers from 0 up are allowed."},
        {"de", "PELORAND_de.HLP", "Nur ganze Zahlen ab 0", "5 ÷ 2 ergibt 5/2, und das ist keine ganze Zahl. Nur ganze Zahlen ab 0 sind erlaubt.",
         "3 − 5 ergibt −2, und das ist kleiner als null. Nur ganze Zahlen ab 0 sind erlaubt."},
        {"fr", "PELORAND_fr.HLP", "Entiers naturels seulement",
         "5 ÷ 2 fait 5/2, qui n'est pas un nombre entier. Seuls les entiers naturels (0, 1, 2, 3...) sont permis.",
         "3 − 5 fait −2, qui est en dessous de zéro. Seuls les entiers naturels (0, 1, 2, 3...) sont permis."},
    };
    for (const auto& l : languages) {
        UseLanguage(l.language);
        frmMain& w = Start();
        w.SetPuzzle({3, 3, 5, 2}, 16);
        w.mnuEditYourAnswer_Click();
        frmAnswer* a = w.Answer();
        BoardView* b = a->fraBoard;
        EXPECT_EQ(b->chkWholeNumbers->text().remove('&').toStdString(), l.box.toStdString()) << l.language;
        b->chkWholeNumbers->setChecked(true);
        QTest::keyClicks(b->cmdTile[0], "3/4");  // 5 ÷ 2
        EXPECT_EQ(b->lblBoard->text().toStdString(), l.fraction.toStdString()) << l.language;
        QTest::keyClicks(a->focusWidget(), "31-3");  // the 5 put down, then 3 − 5
        EXPECT_EQ(b->lblBoard->text().toStdString(), l.belowZero.toStdString()) << l.language;

        // No other button or label of the window answers the same Alt key.
        const QString text = b->chkWholeNumbers->text();
        const QChar key = text.at(text.indexOf('&') + 1).toLower();
        QStringList sharing;
        for (QWidget* other : a->findChildren<QWidget*>()) {
            QString t;
            if (auto* button = qobject_cast<QAbstractButton*>(other)) t = button->text();
            if (auto* label = qobject_cast<QLabel*>(other); label && label->buddy()) t = label->text();
            const qsizetype at = t.indexOf(QRegularExpression("&[^&]"));
            if (other != b->chkWholeNumbers && at >= 0 && t.at(at + 1).toLower() == key) sharing << t;
        }
        EXPECT_TRUE(sharing.isEmpty()) << l.language << ": " << sharing.join(", ").toStdString();

        // The help names the box as the window does, and by no other name.
        QFile help(QString(PELORAND_SOURCE_DIR "/resources/") + l.help);
        ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << l.help;
        const QString page = QString::fromUtf8(help.readAll()).simplified();
        EXPECT_TRUE(page.contains("<b>" + l.box + "</b>")) << l.help;
        EXPECT_FALSE(page.contains("<b>Nur ganze Zahlen</b>") || page.contains("<b>Nombres entiers seulement</b>")) << l.help;
        game.reset();
    }
}
