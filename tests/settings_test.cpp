// The settings table: how each row judges what is stored, where a player's rows live, which keys
// the store may be asked for, and a settings file an older version wrote read as the same game.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <set>

#include "dialogs/frmoptions.h"
#include "gui_env.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/settings.h"
#include "window/twips.h"

namespace {

QString KeyOf(const Setting& s) { return QString("%1/%2").arg(s.section, s.key); }

}  // namespace

// Every row's default is a value it reads back as itself, and no two rows claim one key.
TEST(SettingsTable, EveryRowHasAUsableDefaultAndAKeyOfItsOwn) {
    std::set<QString> keys;
    for (const Setting* s : AllSettings) {
        EXPECT_TRUE(keys.insert(KeyOf(*s)).second) << KeyOf(*s).toStdString();
        if (!s->textFits) {
            const double fallback = QString(s->fallback).toDouble();
            EXPECT_TRUE(fallback >= s->low && fallback <= s->high) << KeyOf(*s).toStdString();
            EXPECT_EQ(SettingValue(*s, s->fallback), fallback) << KeyOf(*s).toStdString();
        } else if (!s->keyFits) {
            EXPECT_TRUE(s->textFits(s->fallback)) << KeyOf(*s).toStdString();
        }
        for (const Setting* other : AllSettings) {
            if (other != s && s->keyFits && QString(other->section) == s->section) {
                EXPECT_FALSE(s->keyFits(other->key)) << KeyOf(*s).toStdString() << " claims " << KeyOf(*other).toStdString();
            }
        }
    }
}

// Texts are judged by their row's check: a text it passes is kept (trimmed), any other reads as
// the row's default.
TEST(SettingsTable, EachTextRowKeepsOnlyWhatItsCheckPasses) {
    struct Case {
        const Setting* row;
        const char* stored;
        const char* read;
    };
    const Case cases[] = {
        {&LanguageSetting, "de", "de"},
        {&LanguageSetting, " fr ", "fr"},
        {&LanguageSetting, "en", "en"},
        {&LanguageSetting, "", ""},
        {&LanguageSetting, "xx", ""},      // not spoken: the system's
        {&LanguageSetting, "DE", ""},
        {&LanguageSetting, "pseudo", ""},  // the tests' marked texts are no player's language
        {&RecordRowsSetting, "3 1 0 1 1 0 1 8000", "3 1 0 1 1 0 1 8000"},
        {&RecordRowsSetting, "1 2 three", ""},
        {&EarlierWinsSetting, "5 1 2", "5 1 2"},
        {&EarlierWinsSetting, "5 1", "0 0 0"},
        {&EarlierWinsSetting, "-1 0 0", "0 0 0"},
    };
    for (const Case& c : cases) EXPECT_EQ(SettingText(*c.row, c.stored), c.read) << KeyOf(*c.row).toStdString() << " " << c.stored;
}

// Today's one player keeps every row where it always was; another player's own rows go under
// a group of their own, the name made safe for the store, and the table knows them there.
TEST(SettingsTable, APlayersOwnRowsLiveUnderThePlayerAndTheFirstPlayersWhereTheyWere) {
    for (const Setting* s : AllSettings) EXPECT_EQ(SettingSection(*s, CurrentPlayer()), s->section) << KeyOf(*s).toStdString();
    struct Case {
        const Setting* row;
        const char* player;
        const char* section;
    };
    const Case cases[] = {
        {&FaceCardsSetting, "Ann", "Game"},  // the computer's, shared by everyone on it
        {&LanguageSetting, "Ann", "Settings"},
        {&RecordRowsSetting, "", "Statistics"},
        {&RecordRowsSetting, "Ann", "Player/Ann/Statistics"},
        {&EarlierWinsSetting, "Ann", "Player/Ann/Statistics"},
        {&PlayerWinsSetting, "Ann", "Player/Ann/Game"},
        {&RecordRowsSetting, "A/B\\C", "Player/A%2FB%5CC/Statistics"},
        {&RecordRowsSetting, "Zo\u00eb", "Player/Zo%C3%AB/Statistics"},
    };
    for (const Case& c : cases) {
        const QString section = SettingSection(*c.row, QString::fromUtf8(c.player));
        EXPECT_EQ(section, c.section) << c.player;
        const QString key = c.row->keyFits ? QString("5_3_r2") : QString(c.row->key);
        EXPECT_TRUE(TableAllows(StoreAccess::Read, section, key)) << c.player << " " << key.toStdString();
    }
}

// What the store may be asked for: a row's key in its section, a family's keys in their form, a
// player's own rows under any player; a retired row read and removed, never written.
TEST(SettingsTable, AllowsTheStoreOnlyItsOwnKeys) {
    using A = StoreAccess;
    struct Case {
        A access;
        const char* section;
        const char* key;
        bool allowed;
    };
    const Case cases[] = {
        {A::Read, "Game", "FaceCards", true},
        {A::Write, "Game", "FaceCards", true},
        {A::Read, "Settings", "Language", true},
        {A::Write, "Settings", "Language", true},
        {A::Read, "Game", "Language", false},  // a key in another row's section
        {A::Read, "Settings", "language", false},
        {A::Read, "Game", "Nonsense", false},
        {A::Read, "Game", "PlayerWins", true},
        {A::Remove, "Game", "HintWins", true},
        {A::Write, "Game", "PlayerWins", false},  // retired: never written again
        {A::Write, "Game", "ComputerWins", false},
        {A::Read, "Statistics", "5_3_r2", true},
        {A::Write, "Statistics", "5_3", true},
        {A::Read, "Statistics", "8_3_r2", false},
        {A::Write, "Statistics", "EarlierWins", true},
        {A::Read, "Game", "5_3_r2", false},
        {A::List, "Statistics", "", true},
        {A::List, "Game", "", false},
        {A::List, "Player/Ann/Statistics", "", true},
        {A::Read, "Player/Ann/Statistics", "4_1_r2", true},
        {A::Read, "Player/Ann/Game", "FaceCards", false},  // shared: never a player's
        {A::Read, "Player/Ann/Game", "PlayerWins", true},
        {A::Read, "Player/Ann/Statistics", "PlayerWins", false},  // a player's row in another of the player's sections
        {A::Read, "Player/Ann/Game", "4_1_r2", false},
        {A::Read, "Player//Statistics", "4_1_r2", false},
        {A::Read, "Player/Ann/Bob/Statistics", "4_1_r2", false},
        {A::Read, "Players/Ann/Statistics", "4_1_r2", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TableAllows(c.access, c.section, c.key), c.allowed) << static_cast<int>(c.access) << " " << c.section << "/" << c.key;
}

// The watch on the store sees every kind of access the table makes, so no key slips past it.
TEST(SettingsTable, TheStoresWatchSeesEveryAccess) {
    QTemporaryDir dir;
    SetSettingsLocation(ScratchSettingsLocation(dir.path()));
    QStringList seen;
    WatchSettings([&](StoreAccess access, const QString& section, const QString& key) {
        seen << QString("%1 %2/%3").arg(static_cast<int>(access)).arg(section, key);
    });
    WriteSetting(FaceCardsSetting, QString("4"));
    ReadSettingInt(FaceCardsSetting);
    HasSetting(PlayerWinsSetting);
    RemoveSetting(PlayerWinsSetting);
    WriteSetting(RecordRowsSetting, "4_2_r2", "1 1 0 0 0 1 1");
    SettingFamilyKeys(RecordRowsSetting);
    WatchTheGamesSettingsKeys();  // put the tests' own watch back
    RemoveSettingsLocation(SettingsLocation());
    SetSettingsLocation({});
    // A player's own row asks whose turn it is, once for the store; a shared row never does.
    EXPECT_EQ(seen, QStringList({"1 Game/FaceCards", "0 Game/FaceCards", "0 Settings/Player", "0 Game/PlayerWins", "2 Game/PlayerWins",
                                 "1 Statistics/4_2_r2", "3 Statistics/"}));
}

namespace {

class OldSettings : public GuiTest {
protected:
    // The store as an older version left it: the tally kept apart from the record.
    static constexpr const char* OldFile =
        "[Game]\n"
        "ComputerWins=3\nDealAnswerOnly=1\nDealLevel=3\nFaceCards=4\nHeadStart=2\nHighCard=12\nHintWins=2\nOrder=1\n"
        "PlayerWins=7\nRaceTipsShown=2\nWholeNumbersOnly=1\n\n"
        "[Settings]\n"
        "Language=de\nMainHeight=6500\nMainLeft=1500\nMainTop=1500\nMainWidth=7710\nShowClock=1\n\n"
        "[Statistics]\n"
        "4_2=3 1 0 1 1 0 1 8000\n"
        "4_3_r2=3 1 1 1 0 0 1 500 700\n";

    void SetUp() override {
        GuiTest::SetUp();
        // A file on every system (an .ini location is a file on Windows too), written as it was.
        SetSettingsLocation(dir.filePath("old/Pelorand.ini"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("old"));
        QFile file(SettingsLocation());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(OldFile);
    }
    void ExpectOldTallyKeysGone() {
        for (const char* key : {"PlayerWins", "HintWins", "ComputerWins"}) EXPECT_EQ(Setting("Game", key), "<absent>") << key;
    }
};

}  // namespace

TEST_F(OldSettings, AFileAnOlderVersionWroteGivesTheSameGame) {
    frmMain& w = Start();
    // Every number as it was stored.
    const std::pair<const ::Setting*, double> numbers[] = {
        {&FaceCardsSetting, 4}, {&HighCardSetting, 12}, {&DealAnswerOnlySetting, 1}, {&DealLevelSetting, 3},
        {&HeadStartSetting, 2}, {&OrderSetting, 1},     {&RaceTipsShownSetting, 2},  {&WholeNumbersOnlySetting, 1},
        {&MainLeft, 1500},      {&MainTop, 1500},       {&MainWidth, 7710},          {&MainHeight, 6500},
        {&ShowClockSetting, 1}};
    for (const auto& [row, value] : numbers) EXPECT_EQ(ReadSetting(*row), value) << row->key;
    // And the game they make.
    EXPECT_EQ(w.pos(), QPoint(Px(1500), Px(1500)));
    EXPECT_EQ(FaceCards, 4);
    EXPECT_EQ(HighCard, 12);
    EXPECT_EQ(SearchOrder, OperatorOrder::School);
    EXPECT_EQ(StoredHeadStartSeconds(), 30);
    EXPECT_TRUE(w.MenuItem("mnuViewClock")->isChecked());
    EXPECT_EQ(StartLanguage(), "de");
    {
        frmOptions options(&w);
        EXPECT_TRUE(options.chkAnswerOnly->isChecked());
        EXPECT_EQ(options.cboLevel->currentIndex(), 3);
        EXPECT_EQ(options.cboHeadStart->currentIndex(), 2);
        EXPECT_EQ(options.cboOrder->currentIndex(), 1);
        EXPECT_EQ(options.cboLanguage->currentData().toString(), "de");
    }
    EXPECT_EQ(Record().FirstRatingRows().at({4, 2}).dealt, 3u);
    EXPECT_EQ(Record().Rows().at({4, 3}).times, (std::vector<int64_t>{500, 700}));
    EXPECT_EQ(Setting("Statistics", "4_2"), "3 1 0 1 1 0 1 8000");

    // The tally as the older version showed it, now the record's: the rows hold 3 wins of the
    // player's (1 with hints) and 2 of the computer's, the rest is carried beside them once.
    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->fraBoard->chkWholeNumbers->isChecked());
    EXPECT_EQ(a->lblTally->text(), "You 7 (2 with hints), the computer 3");
    EXPECT_EQ(Setting("Statistics", "EarlierWins"), "4 1 1");
    ExpectOldTallyKeysGone();

    // A win adds to it, and the old keys are not written again.
    w.SetPuzzle({5, 3, 7, 2}, 24);
    a->txtAnswer->setText("5 + 3 * 7 - 2");
    a->cmdCheck->click();
    ASSERT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    EXPECT_EQ(a->lblTally->text(), "You 8 (2 with hints), the computer 3");
    EXPECT_EQ(StoredWins().player, 8u);
    ExpectOldTallyKeysGone();

    // The next start carries nothing twice.
    w.close();
    game.reset();
    frmMain& again = Start();
    again.mnuEditYourAnswer_Click();
    EXPECT_EQ(again.Answer()->lblTally->text(), "You 8 (2 with hints), the computer 3");
    EXPECT_EQ(Setting("Statistics", "EarlierWins"), "4 1 1");
    ExpectOldTallyKeysGone();
}

// Clearing the statistics clears the wins carried from the old tally too, for good.
TEST_F(OldSettings, ResetClearsTheCarriedWinsForGood) {
    frmMain& w = Start();
    EXPECT_EQ(TallyText(), "You 7 (2 with hints), the computer 3");
    ResetRecord();
    EXPECT_EQ(TallyText(), "You 0, the computer 0");
    w.close();
    game.reset();
    Start();
    EXPECT_EQ(TallyText(), "You 0, the computer 0");
    EXPECT_EQ(Setting("Statistics", "EarlierWins"), "<absent>");
    ExpectOldTallyKeysGone();
}
