// The game window: cards, buttons, menus, toolbar and status bar; deal, shuffle and answer.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/globals.h"
#include "engine/search.h"
#include "platform/common_dialog.h"

class QAction;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolBar;
class frmAnswer;
class frmOptions;
class frmSoln;
class StatusPanel;
class Table;
struct TableVerdict;

class frmMain : public QMainWindow, public SearchView {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, in the stated order: help, solution window, caption, placement, deck,
    // command-line deck, width. commandLine is the whole command-line text.
    void Form_Load(const QString& commandLine = {});

    // Game operations that several triggers share.
    void InitDeck();
    void cmdShuffle_Click();
    void cmdDeal_Click();
    void cmdAnswer_Click();
    void cmdExit_Click();
    void SetWidth();
    void tbToolBar_ButtonClick(const QString& key);
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOptions_Click();  // modal: the search waits while it is open
    // Options for this window: its Apply puts the options in force here.
    std::unique_ptr<frmOptions> NewOptions();
    // The record of play (defined in window/play_commands.cpp).
    void mnuViewStatistics_Click();  // modal, like Options
    void mnuViewPlayer_Click();      // who plays: chosen from the list or added, kept for next time
    void mnuViewClock_Click();       // shows or hides the clock on the puzzle, kept for next time
    void UpdateClock();              // the clock's text, from the record's time on the puzzle
    void mnuHelpAbout_Click();
    void munHelpShow_Click();

    // Deck files, Copy and Print (defined in files/).
    bool LoadFile(const QString& NewFile);  // true when the file's puzzle is on the table
    void StartupLoad(const QString& commandLine);
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuEditCopy_Click();
    void mnuFilePrintWorksheet_Click();  // a sheet of puzzles for a class
    void mnuEditYourAnswer_Click();  // the player's own answer, checked as the game counts
    void FaceCard_Click(int index);  // Your Answer, with that card picked on the board
    // A puzzle given as text (defined in files/set_puzzle.cpp): from the clipboard, or typed.
    void mnuEditPaste_Click();
    void mnuFileNewPuzzle_Click();
    void mnuFileToday_Click();  // the day's puzzle at the number of cards on the table
    // Puts the puzzle on the table in the deck's place, as a deal does; the highest card grows
    // to fit. cards: 3..7 of 1..99, answer 1..99.
    void SetPuzzle(const std::vector<int>& cards, int answer);

    // What putting a puzzle on the table does besides showing it and starting its search, its
    // verdict, its record and Your Answer afresh: each command names the steps it gives.
    struct TableSteps {
        bool hideSolution = false;        // the solution window goes
        bool newCount = false;            // StepCount starts again (a load does not: no deal)
        bool storeCounts = false;         // the number of cards and the highest card kept for next time
        bool fitWidth = false;            // the window fits the row of cards
        bool fitWidthForNewCount = false; // only when the number of cards changed
        bool noteNewCount = false;        // says so when later deals deal another number of cards
    };
    // The one place a puzzle comes onto the table. The old row's panels go, change writes the
    // new puzzle into the shared state (Deck, DeckPos, FaceCards, HighCard), the new row shows,
    // then the steps named and the new puzzle's start.
    void PutOnTable(const TableSteps& steps, const std::function<void()>& change);
    void mnuFilePrint_Click();
    void mnuFilePageSetup_Click();

    // Shows or hides face-card panels 0..FaceCards-1 (PutOnTable hides the old count's first
    // and shows the new count's after).
    void ShowFacePanels(bool visible);

    // The caption is always the file title followed by " - Pelorand".
    void SetCaption();
    QAction* MenuItem(const QString& name) const;  // by its name, e.g. "mnuFileSave"
    frmSoln* Soln() const { return soln_; }

    // The solver's verdict, offered to the table: kept unless it answers another puzzle.
    void ShowVerdict(const TableVerdict& verdict);
    const TableVerdict* VerdictOnTable() const;  // null until the solver has answered
    Table* OnTable() const { return table_; }

    frmAnswer* Answer() const { return answer_; }

    // SearchView: what the background search writes.
    void SetStatusPanel(int panel, const std::u16string& text) override;
    void EnableAnswer() override;
    void SetSolutionText(const std::u16string& text) override;
    void SetProgress(const std::u16string& text) override;
    void SetHeadStart(bool waiting) override;  // Give Up is offered while the computer waits
    void mnuEditGiveUp_Click();                // the computer starts looking now
    // The order of operations both sides read in from now on: the search, the verdict, Your
    // Answer and the windows that name it.
    void SetOrder(OperatorOrder order);
    // The operations answers may use from now on: the search's draws, the verdict and deals,
    // and Your Answer's board, check and Hint.
    void SetOperations(AllowedOperations ops);

    std::array<QLabel*, 7> FaceCard{};
    QLabel* AnswerCard = nullptr;
    QPushButton* cmdShuffle = nullptr;
    QPushButton* cmdDeal = nullptr;
    QPushButton* cmdAnswer = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblProgress = nullptr;
    QLabel* lblNote = nullptr;  // what a command changed beyond the table, until the next puzzle
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    std::array<StatusPanel*, 2> sbPanels{};
    StatusPanel* sbVerdict = nullptr;  // the solver's verdict on the puzzle on the table
    StatusPanel* sbClock = nullptr;    // the time on the puzzle, when the clock is on

    QString FileTitle = "Untitled";  // the current deck file without folder
    QString FilePath = "Untitled";   // its full name; Save writes here
    QPointer<QWidget> Splash;        // the splash, while it is on the screen
    CommonDialog dlgCommonDialog;

signals:
    void Activated();  // the window became active (the splash closes then)
    void Closing();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;  // a click on a face card
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateCommands();
    QAction* Command(const char* name) const;  // a command's action, by its name
    void CreateControls();
    void CreateActions();
    void CreateClock();
    void Form_Activate();
    void Form_QueryUnload();
    void ShowCards();
    void ShowProgress(const QString& text);
    bool WriteDeck(const QString& path);  // false, after a message, when nothing was written
    // Deal (from a freshly shuffled deck when shuffle) under the stored dealing options, with
    // cards face cards up to the highest card high; false, after a message, when none qualifies
    // and mayRefuse lets the puzzle on the table stay (else the next puzzle is dealt plainly).
    bool Deal(bool mayRefuse, bool shuffle, int16_t cards, int16_t high);
    // The next deal on copies of the deck and DeckPos (of a freshly shuffled deck when shuffle).
    bool NextDeal(uint8_t (&deck)[55], int16_t& pos, int16_t cards, int16_t high, bool mayRefuse, bool shuffle) const;
    void ApplyOptions();  // Options' Apply: the new options in force, two deals from a fresh deck
    void ShowTableVerdict();
    void ShowNote(const QString& text);
    void SetVerdictText(const QString& text, const QString& accessibleName = {}, const QString& toolTip = {});
    void FitVerdictPanel();

    frmSoln* soln_ = nullptr;
    Table* table_ = nullptr;
    frmAnswer* answer_ = nullptr;  // created on first use
    bool activatedOnce_ = false;
};

// The game window behind MainForm, or null when MainForm is something else or nothing.
inline frmMain* MainWindow() { return dynamic_cast<frmMain*>(MainForm); }
