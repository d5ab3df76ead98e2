// The record of play through the game: outcomes, the tally, the Statistics window and the clock.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include "dialogs/frmoptions.h"
#include "dialogs/frmstatistics.h"
#include "gui_env.h"
#include "player/play_record.h"
#include "window/frmanswer.h"
#include "window/play_stats.h"
#include "window/status_panel.h"
#include "window/verdict_check.h"

namespace {

class Statistics : public GuiTest {
protected:
    static uint64_t Sum(uint64_t RecordRow::*field) {
        uint64_t n = 0;
        for (const auto& [key, row] : Record().Rows()) n += row.*field;
        return n;
    }
};

}  // namespace

TEST_F(Statistics, EachOutcomeCountsOnceInTheTallyAndSurvivesARestart) {
    FixedNowMs = 0;
    frmMain& w = Start();  // the first deal: on the table, not yet counted

    w.SetPuzzle({5, 3, 7, 2}, 24);  // the computer first, in a race the player entered
    WaitForLevel(w);
    w.mnuEditYourAnswer_Click();
    QTest::keyClicks(w.Answer()->txtAnswer, "5");
    ASSERT_TRUE(SearchUntilSolved());
    EXPECT_EQ(StoredWins().computer, 1u);

    FixedNowMs = 100'000;
    w.SetPuzzle({3, 9, 3, 9}, 17);  // the player first, 42 s later
    const int level = WaitForLevel(w);
    ASSERT_GT(level, 0);
    FixedNowMs = 142'000;
    w.mnuEditYourAnswer_Click();
    w.Answer()->txtAnswer->setText("9 + 9 - 3 / 3");
    w.Answer()->cmdCheck->click();
    EXPECT_EQ(w.Answer()->lblTally->text(), "You 1, the computer 1");
    const RecordRow& row = Record().Rows().at({4, level});
    EXPECT_EQ(row.solved, 1u);
    EXPECT_EQ(row.Best(), 42'000);
    EXPECT_EQ(row.currentRun, 1u);

    Store("Game", "HeadStart", "4");
    w.SetPuzzle({5, 3, 7, 2}, 24);  // given up
    w.MenuItem("mnuEditGiveUp")->trigger();
    ASSERT_TRUE(SearchUntilSolved());  // the computer's hit after giving up is no second end
    Store("Game", "HeadStart", "0");
    w.cmdDeal_Click();
    QCoreApplication::processEvents();  // on the screen: counted when it leaves

    EXPECT_EQ(Sum(&RecordRow::dealt), 4u);  // the first deal, passed over, and three more
    EXPECT_EQ(Sum(&RecordRow::computerFirst), 1u);
    EXPECT_EQ(Sum(&RecordRow::solved), 1u);
    EXPECT_EQ(Sum(&RecordRow::gaveUp), 1u);
    EXPECT_EQ(StoredWins().player, 1u);
    EXPECT_EQ(StoredWins().computer, 1u);

    w.close();  // the puzzle on the table leaves with the game
    EXPECT_EQ(Sum(&RecordRow::dealt), 5u);
    EXPECT_EQ(StoredRecord().Rows(), Record().Rows());
}

TEST_F(Statistics, TheWindowShowsTheRowsExportsThemAndResetsOnlyWhenAsked) {
    frmMain& w = Start();
    w.SetPuzzle({3, 9, 3, 9}, 17);
    RecordEnd(PlayRecord::End::SolvedWithHints);
    w.SetPuzzle({1, 1, 1}, 99);
    w.cmdDeal_Click();

    frmStatistics dialog(&w);
    ASSERT_EQ(dialog.tblRecord->rowCount(), static_cast<int>(Record().Rows().size()));
    EXPECT_FALSE(dialog.lblEmpty->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.tblRecord->horizontalHeaderItem(5)->text(), "Computer first");
    int hinted = -1;
    for (int r = 0; r < dialog.tblRecord->rowCount(); ++r)
        if (dialog.tblRecord->item(r, 4)->text() == "1") hinted = r;
    ASSERT_GE(hinted, 0);
    EXPECT_EQ(dialog.tblRecord->item(hinted, 0)->text(), "4");

    const QString path = dir.filePath("stats.csv");
    CommonDialog::Scripted = {path};
    CommonDialog::Shown.clear();
    dialog.cmdExport_Click();
    EXPECT_EQ(CommonDialog::Shown, QStringList{"save table"});
    EXPECT_EQ(dialog.lblDone->text(), "Written to " + path + ".");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_EQ(csv.toStdString(), Record().Csv());
    EXPECT_TRUE(csv.startsWith("Cards,Level,Dealt,"));
    EXPECT_EQ(csv.count("\r\n"), static_cast<qsizetype>(Record().Rows().size() + 1));
    EXPECT_FALSE(dialog.WriteCsv(dir.filePath("no-such-folder/stats.csv")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The statistics could not be written to ")) << messages[0].toStdString();

    QString asked;
    AskHook = [&](const QString& text) {
        asked = text;
        return false;
    };
    dialog.cmdReset_Click();
    EXPECT_TRUE(asked.startsWith("Clear the statistics?"));
    EXPECT_FALSE(Record().Rows().empty());
    AskHook = [](const QString&) { return true; };
    dialog.cmdReset_Click();
    EXPECT_TRUE(Record().Rows().empty());
    EXPECT_TRUE(StoredRecord().Rows().empty());
    EXPECT_EQ(dialog.tblRecord->rowCount(), 0);
    EXPECT_TRUE(dialog.lblEmpty->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.cmdExport->isEnabled());
    EXPECT_FALSE(dialog.cmdReset->isEnabled());
    EXPECT_EQ(TallyText(), "You 0, the computer 0");
}

// A record kept before the level was fitted to people: its rows are shown marked, with a note
// saying why, and play goes into rows of the current rating beside them.
TEST_F(Statistics, RowsOfTheOldRatingAreMarkedAndKeptAsTheyWere) {
    Store("Statistics", "4_2", "3 1 0 1 1 0 1 8000");
    frmMain& w = Start();
    w.SetPuzzle({3, 9, 3, 9}, 17);
    RecordEnd(PlayRecord::End::SolvedAlone);
    ASSERT_EQ(Record().FirstRatingRows().size(), 1u);
    frmStatistics dialog(&w);
    const int rows = dialog.tblRecord->rowCount();
    ASSERT_EQ(rows, static_cast<int>(Record().Rows().size() + 1));
    EXPECT_EQ(dialog.tblRecord->item(rows - 1, 1)->text(), "2 (old rating)");  // after the current rows
    EXPECT_EQ(dialog.tblRecord->item(rows - 1, 2)->text(), "3");
    EXPECT_TRUE(dialog.tblRecord->item(rows - 1, 1)->toolTip().contains("no longer grow"));
    EXPECT_TRUE(dialog.lblOldRating->isVisibleTo(&dialog));
    for (int r = 0; r + 1 < rows; ++r) EXPECT_FALSE(dialog.tblRecord->item(r, 1)->text().contains("old")) << r;
    w.close();
    EXPECT_EQ(Setting("Statistics", "4_2"), "3 1 0 1 1 0 1 8000");  // as it was
    EXPECT_EQ(StoredRecord().FirstRatingRows(), Record().FirstRatingRows());
    // Without old rows the note stays hidden.
    ResetRecord();
    frmStatistics fresh(&w);
    EXPECT_FALSE(fresh.lblOldRating->isVisibleTo(&fresh));
}

TEST_F(Statistics, TheClockShowsTheTimeOnThePuzzleWhenItIsOn) {
    FixedNowMs = 1000;
    frmMain& w = Start();
    QAction* clock = w.MenuItem("mnuViewClock");
    EXPECT_FALSE(clock->isChecked());
    EXPECT_FALSE(w.sbClock->isVisibleTo(&w));  // off by default
    clock->trigger();
    EXPECT_TRUE(clock->isChecked());
    EXPECT_TRUE(w.sbClock->isVisibleTo(&w));
    EXPECT_EQ(Setting("Settings", "ShowClock"), "1");
    FixedNowMs = 43'500;
    w.UpdateClock();
    EXPECT_EQ(w.sbClock->text(), "0:42");
    EXPECT_EQ(w.sbClock->SpokenName(), "Time on this puzzle: 0:42");
    w.cmdDeal_Click();
    w.UpdateClock();
    EXPECT_EQ(w.sbClock->text(), "0:00");

    game.reset();
    frmMain& again = Start();
    EXPECT_TRUE(again.MenuItem("mnuViewClock")->isChecked());
    EXPECT_TRUE(again.sbClock->isVisibleTo(&again));
    // On the screen, inside the status bar, beside the verdict, at every number of cards.
    for (const std::vector<int>& cards : {std::vector<int>{3, 3, 8}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6, 7}}) {
        again.SetPuzzle(cards, 10);
        QCoreApplication::processEvents();
        const QRect bar = again.sbStatusBar->rect(), shown = again.sbClock->geometry();
        EXPECT_TRUE(bar.contains(shown)) << cards.size() << " cards: clock at " << shown.x() << "+" << shown.width() << " in a bar " << bar.width() << " wide";
        EXPECT_FALSE(shown.intersects(again.sbVerdict->geometry())) << cards.size() << " cards";
    }
}

TEST_F(Statistics, OnlyPuzzlesThePlayerCouldSeeCountAsDealt) {
    frmMain& w = Start();
    QCoreApplication::processEvents();  // the first puzzle is on the screen
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    dialog.cmdApply_Click();  // deals twice: the first of the two never shows
    QCoreApplication::processEvents();
    w.cmdDeal_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Sum(&RecordRow::dealt), 2u);  // the first puzzle and the one Apply left on the table
}
