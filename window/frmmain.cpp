// The game window: its controls, its command table, the deck and the deal, start and close.
#include "window/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "deal/dealing.h"
#include "dialogs/contextids.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmoptions.h"
#include "dialogs/frmworksheet.h"
#include "lang/translate.h"
#include "platform/msgbox.h"
#include "window/fit_text.h"
#include "window/deferred_icon.h"
#include "window/frmanswer.h"
#include "window/frmsoln.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/status_panel.h"
#include "window/table.h"
#include "window/twips.h"
#include "window/verdict_check.h"

namespace {

// The right edge of Exit, the last of the row of buttons (twips).
constexpr int ExitRightEdge = 6060 + 1215;

constexpr int PanelCount = 7;

QLabel* MakeCard(QWidget* parent, const QString& name, const QRect& place) {
    auto* card = new QLabel(parent);
    card->setObjectName(name);
    card->setGeometry(place);
    card->setFrameStyle(QFrame::Panel | QFrame::Raised);
    card->setLineWidth(3);
    card->setAlignment(Qt::AlignCenter);
    card->setAutoFillBackground(true);
    QFont font("Arial", 48, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    card->setFont(font);
    return card;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    MainForm = this;  // the search writes here from now on
    CreateCommands();
    CreateControls();
    CreateActions();
    CreateClock();
    resize(Px(7605), Px(5385));
}

frmMain::~frmMain() {
    if (MainForm == this) MainForm = nullptr;
}

void frmMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    tbToolBar = new QToolBar(client);
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setMovable(false);

    for (int i = 0; i < PanelCount; ++i) {
        FaceCard[i] = MakeCard(client, QString("FaceCard%1").arg(i), TwipsRect(120 + 1500 * i, 540, 1395, 2055));
        FaceCard[i]->setVisible(i == 0);
        // A click plays the card on the board.
        FaceCard[i]->setCursor(Qt::PointingHandCursor);
        FaceCard[i]->setToolTip(tr("Play with this card"));
        FaceCard[i]->installEventFilter(this);
    }
    AnswerCard = MakeCard(client, "AnswerCard", TwipsRect(120, 2820, 1395, 2055));

    // The row of buttons shows the commands' own actions: enabling a command enables its button.
    struct Button { QPushButton** slot; const char* command; const char* tip; double left; };
    const Button buttons[] = {
        {&cmdShuffle, "cmdShuffle", QT_TR_NOOP("Shuffle the deck"), 1920},
        {&cmdDeal, "cmdDeal", QT_TR_NOOP("Deal, new puzzle"), 3300},
        {&cmdAnswer, "cmdAnswer", QT_TR_NOOP("Show the answer to the puzzle"), 4680},
        {&cmdExit, "mnuFileExit", QT_TR_NOOP("Exit back to windows"), 6060},
    };
    for (const Button& b : buttons) {
        QAction* command = Command(b.command);
        auto* button = new QPushButton(command->icon(), command->text(), client);
        button->setObjectName(b.command == QString("mnuFileExit") ? "cmdExit" : b.command);
        button->setToolTip(tr(b.tip));
        button->setGeometry(TwipsRect(b.left, 3420, 1215, 975));
        button->setIconSize(QSize(24, 24));
        button->setAutoDefault(false);
        button->setEnabled(command->isEnabled());
        connect(command, &QAction::changed, button, [button, command] { button->setEnabled(command->isEnabled()); });
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        *b.slot = button;
    }
    FitText({cmdShuffle, cmdDeal, cmdAnswer, cmdExit});

    lblProgress = new QLabel("Label1", client);
    lblProgress->setObjectName("lblProgress");
    lblProgress->setGeometry(TwipsRect(1920, 4620, 4155, 255));
    // A line under the progress for what a command changed beyond the table (a pasted puzzle's
    // number of cards), until the next puzzle.
    lblNote = new QLabel(client);
    lblNote->setObjectName("lblNote");
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNote->hide();

    sbStatusBar = statusBar();
    sbStatusBar->setObjectName("sbStatusBar");
    sbStatusBar->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        sbPanels[i] = new StatusPanel(i == 0 ? tr("Status") : QString(), sbStatusBar);
        sbPanels[i]->setObjectName(QString("sbStatusBarPanel%1").arg(i + 1));
        sbPanels[i]->setMinimumWidth(Px(1200));
        sbPanels[i]->setSpokenPrefix(i == 0 ? tr("Last attempt: ") : tr("Attempts: "));
        sbStatusBar->addWidget(sbPanels[i], i == 0 ? 4 : 1);
    }
    // The search's own words in the first panel show whole, in every language ("Got it, do you
    // give up?"); only a long attempt may be cut at its end.
    const QString gotIt = QString::fromStdString(lang::translate("Search", "Got it, do you give up?"));
    sbPanels[0]->setMinimumWidth(std::max(Px(1200), sbPanels[0]->fontMetrics().horizontalAdvance(gotIt) + 2 * sbPanels[0]->frameWidth() + 8));
    sbVerdict = new StatusPanel("", sbStatusBar);
    sbVerdict->setObjectName("sbStatusBarPanel3");
    sbVerdict->setMinimumWidth(Px(1800));
    sbStatusBar->addWidget(sbVerdict, 2);

    table_ = new Table(this);
    connect(table_, &Table::VerdictChanged, this, &frmMain::ShowTableVerdict);
    connect(table_, &Table::SolvedFirst, this, [this](const std::u16string& solution) {
        SetSolutionText(solution);
        EnableAnswer();
        ShowProgress(tr("You got it first!"));
    });
}

void frmMain::CreateCommands() {
    // Every command once: its text, shortcut, tip (the tool bar's), icon and handler. The menus,
    // the tool bar and the row of buttons show these actions.
    using Handler = void (frmMain::*)();
    constexpr auto none = QStyle::SP_CustomBase;
    struct Item { const char* name; const char* text; QKeySequence key; const char* tip; QStyle::StandardPixmap icon; const char* drawn;
                  bool enabled; bool ticked; Handler run; };
    const Item commands[] = {
        {"mnuFileNewPuzzle", QT_TR_NOOP("&New Puzzle..."), QKeySequence::New, nullptr, none, nullptr, true, false, &frmMain::mnuFileNewPuzzle_Click},
        {"mnuFileToday", QT_TR_NOOP("&Today's Puzzle"), QKeySequence(Qt::CTRL | Qt::Key_T), nullptr, none, nullptr, true, false, &frmMain::mnuFileToday_Click},
        {"mnuFileOpen", QT_TR_NOOP("&Open"), QKeySequence::Open, QT_TR_NOOP("Load saved deck"), QStyle::SP_DialogOpenButton, nullptr, true, false, &frmMain::mnuFileOpen_Click},
        {"mnuFileSave", QT_TR_NOOP("&Save"), QKeySequence::Save, nullptr, none, nullptr, false, false, &frmMain::mnuFileSave_Click},
        // The tool bar's Save runs whatever the menu's state: with no file yet it asks for a name.
        {"tbToolBarSave", QT_TR_NOOP("Save"), {}, QT_TR_NOOP("Save this deck"), QStyle::SP_DialogSaveButton, nullptr, true, false, &frmMain::mnuFileSave_Click},
        {"mnuFileSaveAs", QT_TR_NOOP("Save &As..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuFileSaveAs_Click},
        {"mnuFilePageSetup", QT_TR_NOOP("Page Set&up..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuFilePageSetup_Click},
        {"mnuFilePrint", QT_TR_NOOP("&Print..."), QKeySequence::Print, QT_TR_NOOP("Print this puzzle"), QStyle::SP_FileDialogDetailedView, nullptr, true, false, &frmMain::mnuFilePrint_Click},
        {"mnuFilePrintWorksheet", QT_TR_NOOP("Print &Worksheet..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), nullptr, none, nullptr, true, false, &frmMain::mnuFilePrintWorksheet_Click},
        {"mnuFileExit", QT_TR_NOOP("E&xit"), {}, nullptr, QStyle::SP_DialogCloseButton, nullptr, true, false, &frmMain::cmdExit_Click},
        {"mnuEditUndo", QT_TR_NOOP("&Undo"), QKeySequence::Undo, nullptr, none, nullptr, false, false, nullptr},
        {"mnuEditCut", QT_TR_NOOP("Cu&t"), QKeySequence::Cut, nullptr, none, nullptr, false, false, nullptr},
        {"mnuEditCopy", QT_TR_NOOP("&Copy"), QKeySequence::Copy, nullptr, none, nullptr, true, false, &frmMain::mnuEditCopy_Click},
        {"mnuEditPaste", QT_TR_NOOP("&Paste Puzzle"), QKeySequence::Paste, nullptr, none, nullptr, true, false, &frmMain::mnuEditPaste_Click},
        {"mnuEditPasteSpecial", QT_TR_NOOP("Paste &Special..."), {}, nullptr, none, nullptr, false, false, nullptr},
        {"mnuEditYourAnswer", QT_TR_NOOP("&Your Answer..."), QKeySequence(Qt::CTRL | Qt::Key_E), QT_TR_NOOP("Check your own answer"), none, "your-answer", true, false, &frmMain::mnuEditYourAnswer_Click},
        {"mnuEditGiveUp", QT_TR_NOOP("&Give Up"), QKeySequence(Qt::CTRL | Qt::Key_G), nullptr, none, nullptr, false, false, &frmMain::mnuEditGiveUp_Click},
        {"mnuViewToolbar", QT_TR_NOOP("&Toolbar"), {}, nullptr, none, nullptr, true, true, &frmMain::mnuViewToolbar_Click},
        {"mnuViewStatusBar", QT_TR_NOOP("Status &Bar"), {}, nullptr, none, nullptr, true, true, &frmMain::mnuViewStatusBar_Click},
        {"mnuViewOptions", QT_TR_NOOP("&Options..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuViewOptions_Click},
        {"mnuViewStatistics", QT_TR_NOOP("&Statistics..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuViewStatistics_Click},
        {"mnuViewPlayer", QT_TR_NOOP("&Player..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuViewPlayer_Click},
        {"mnuViewClock", QT_TR_NOOP("&Clock"), {}, nullptr, none, nullptr, true, true, &frmMain::mnuViewClock_Click},
        {"munHelpShow", QT_TR_NOOP("&Help"), QKeySequence::HelpContents, nullptr, none, nullptr, true, false, &frmMain::munHelpShow_Click},
        {"mnuHelpAbout", QT_TR_NOOP("&About Pelorand..."), {}, nullptr, none, nullptr, true, false, &frmMain::mnuHelpAbout_Click},
        {"cmdShuffle", QT_TR_NOOP("&Shuffle"), {}, QT_TR_NOOP("Shuffle the deck"), QStyle::SP_BrowserReload, nullptr, true, false, &frmMain::cmdShuffle_Click},
        {"cmdDeal", QT_TR_NOOP("&Deal"), {}, QT_TR_NOOP("Deal a card, next puzzle"), QStyle::SP_ArrowRight, nullptr, true, false, &frmMain::cmdDeal_Click},
        {"cmdAnswer", QT_TR_NOOP("&Answer"), {}, QT_TR_NOOP("Display the answer"), QStyle::SP_DialogApplyButton, nullptr, false, false, &frmMain::cmdAnswer_Click},
    };
    for (const Item& c : commands) {
        auto* action = new QAction(tr(c.text), this);
        action->setObjectName(c.name);
        action->setShortcut(c.key);
        if (c.tip) action->setToolTip(tr(c.tip));
        if (c.drawn) action->setIcon(DeferredIcon([name = QString(c.drawn)] { return GameIcon(name); }));
        else if (c.icon != none) action->setIcon(DeferredStandardIcon(c.icon));
        action->setEnabled(c.enabled);
        action->setCheckable(c.ticked);
        action->setChecked(c.ticked);
        if (c.run) connect(action, &QAction::triggered, this, c.run);
    }
}

QAction* frmMain::Command(const char* name) const { return findChild<QAction*>(name, Qt::FindDirectChildrenOnly); }

void frmMain::CreateActions() {
    // The menus and the tool bar: which commands each shows, in its order ("-" a separator).
    struct Menu { const char* name; const char* caption; std::vector<const char*> items; };
    const Menu menus[] = {
        {"mnuFile", QT_TR_NOOP("&File"), {"mnuFileNewPuzzle", "mnuFileToday", "mnuFileOpen", "-mnuFileBar1", "mnuFileSave", "mnuFileSaveAs",
                                          "-mnuFileBar2", "mnuFilePageSetup", "mnuFilePrint", "mnuFilePrintWorksheet", "-mnuFileBar4", "mnuFileExit"}},
        {"mnuEdit", QT_TR_NOOP("&Edit"), {"mnuEditUndo", "-mnuEditBar1", "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuEditPasteSpecial",
                                          "-mnuEditBar2", "mnuEditYourAnswer", "mnuEditGiveUp"}},
        {"mnuView", QT_TR_NOOP("&View"), {"mnuViewToolbar", "mnuViewStatusBar", "-mnuViewBar2", "mnuViewOptions", "-mnuViewBar3",
                                          "mnuViewStatistics", "mnuViewPlayer", "mnuViewClock"}},
        {"mnuhelp", QT_TR_NOOP("&Help"), {"munHelpShow", "-mnuHelpSep1", "mnuHelpAbout"}},
    };
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(tr(m.caption));
        menu->setObjectName(m.name);
        for (const char* item : m.items) {
            if (*item == '-') {
                QAction* bar = menu->addSeparator();
                bar->setParent(menu);
                bar->setObjectName(item + 1);
            } else {
                menu->addAction(Command(item));
            }
        }
    }

    // key: the tool bar's name for a button (tbToolBar_ButtonClick); name: what a screen reader calls it.
    struct Tool { const char* key; const char* command; const char* name; };
    const Tool tools[] = {
        {"Open", "mnuFileOpen", QT_TR_NOOP("Open")}, {"Save", "tbToolBarSave", QT_TR_NOOP("Save")},
        {"Print", "mnuFilePrint", QT_TR_NOOP("Print")}, {"Shuffle", "cmdShuffle", QT_TR_NOOP("Shuffle")},
        {"Deal", "cmdDeal", QT_TR_NOOP("Deal")}, {"Answer", "cmdAnswer", QT_TR_NOOP("Answer")},
        {"YourAnswer", "mnuEditYourAnswer", QT_TR_NOOP("Your Answer")},
    };
    for (const Tool& t : tools) {
        QAction* command = Command(t.command);
        command->setData(QString(t.key));
        tbToolBar->addAction(command);
        if (QWidget* widget = tbToolBar->widgetForAction(command)) widget->setAccessibleName(tr(t.name));
    }
    tbToolBar->setGeometry(0, 0, Px(7605), tbToolBar->sizeHint().height());
    centralWidget()->installEventFilter(this);  // the tool bar spans the window, whatever its width
}

QAction* frmMain::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void frmMain::SetCaption() {
    // "Untitled" stays the game's own mark for no file; only the caption says it in the reader's words.
    setWindowTitle((FileTitle == "Untitled" ? tr("Untitled") : FileTitle) + " - Pelorand");
}

void frmMain::Form_Load(const QString& commandLine) {
    InitHelp(this);
    soln_ = new frmSoln(this);
    soln_->hide();
    FileTitle = "Untitled";
    FilePath = FileTitle;
    SetCaption();

    move(Px(ReadSetting(MainLeft)), Px(ReadSetting(MainTop)));
    resize(Px(ReadSetting(MainWidth)), Px(ReadSetting(MainHeight)));
    // A placement on no screen at all (a monitor since unplugged) would hide the game.
    QRect placed(pos(), size());
    bool visible = false;
    for (QScreen* screen : QGuiApplication::screens()) visible = visible || screen->availableGeometry().intersects(placed);
    if (!visible && QGuiApplication::primaryScreen()) {
        QRect home = QGuiApplication::primaryScreen()->availableGeometry();
        move(home.topLeft() + QPoint(Px(1000), Px(1000)));
    }

    SetOrder(StoredOrder());
    SetOperations(StoredOperations());
    InitDeck();
    StartupLoad(commandLine);
    SetWidth();
}

void frmMain::InitDeck() {
    const auto cards = static_cast<int16_t>(ReadSettingInt(FaceCardsSetting));
    const auto high = static_cast<int16_t>(ReadSettingInt(HighCardSetting));
    // A fresh deck at the first place of the ring for the stored number of cards.
    const int16_t start = StartGame(cards, std::nullopt);
    uint8_t deck[55];
    std::copy(std::begin(Deck), std::end(Deck), deck);
    int16_t pos = start;
    if (!NextDeal(deck, pos, cards, high, deck[pos] != 0, true)) {
        std::copy(std::begin(Deck), std::end(Deck), deck);  // the deck there was stays
        pos = start;
    }
    PutOnTable({.newCount = true, .fitWidth = true}, [&] {
        std::copy(std::begin(deck), std::end(deck), Deck);
        DeckPos = pos;
        FaceCards = cards;
        HighCard = high;
    });
}

void frmMain::cmdShuffle_Click() {
    // With dealing options that no puzzle meets, the puzzle on the table stays, and with it
    // the deck it came from (unless there was none yet: then the fresh deck deals plainly).
    Deal(Deck[DeckPos] != 0, true, FaceCards, HighCard);
}

void frmMain::cmdDeal_Click() { Deal(true, false, FaceCards, HighCard); }

bool frmMain::NextDeal(uint8_t (&deck)[55], int16_t& pos, int16_t cards, int16_t high, bool mayRefuse, bool shuffle) const {
    if (shuffle) ShuffleCards(deck, high);
    const DealRule rule = StoredDealRule();
    if (!rule.Active()) {
        pos = NextDeckPos(pos);
    } else if (!DealQualifying(deck, pos, cards, high, rule)) {
        MsgBox(QString::fromStdString(NothingQualifiesMessage(rule, mayRefuse)));
        if (mayRefuse) return false;
        pos = NextDeckPos(pos);
    }
    return true;
}

bool frmMain::Deal(bool mayRefuse, bool shuffle, int16_t cards, int16_t high) {
    if (soln_) soln_->hide();  // the command's first step, whether a puzzle qualifies or not
    // Worked out on copies: a refused deal leaves the table and its deck as they were.
    uint8_t deck[55];
    std::copy(std::begin(Deck), std::end(Deck), deck);
    int16_t pos = DeckPos;
    if (!NextDeal(deck, pos, cards, high, mayRefuse, shuffle)) return false;
    PutOnTable({.newCount = true}, [&] {
        std::copy(std::begin(deck), std::end(deck), Deck);
        DeckPos = pos;
        FaceCards = cards;
        HighCard = high;
    });
    return true;
}

void frmMain::PutOnTable(const TableSteps& steps, const std::function<void()>& change) {
    if (steps.hideSolution && soln_) soln_->hide();
    const int16_t countBefore = FaceCards;
    ShowFacePanels(false);  // the old row may be longer than the new one
    change();
    if (steps.storeCounts) {
        WriteSetting(FaceCardsSetting, QString::number(FaceCards));
        WriteSetting(HighCardSetting, QString::number(HighCard));
    }
    ShowFacePanels(true);
    const bool otherCount = FaceCards != countBefore;
    // A window the player has widened stays so for the same row.
    if (steps.fitWidth || (steps.fitWidthForNewCount && otherCount)) SetWidth();
    ShowCards();
    Solving = true;
    if (steps.newCount) StepCount = 0;
    Command("cmdAnswer")->setEnabled(false);
    ShowProgress(tr("Looking for a solution..."));
    ShowNote({});
    table_->Started();
    // Later deals keep the puzzle's number of cards, as after a loaded deck: said where it
    // happens, so that Options is never changed behind the player's back.
    if (steps.noteNewCount && otherCount)
        ShowNote(tr("From now on Deal deals %n card(s), as this puzzle has; Options, \"Number of puzzle cards\", changes that.",
                    "", FaceCards));
}

void frmMain::ShowNote(const QString& text) {
    lblNote->setText(text);
    lblNote->setVisible(!text.isEmpty());
    if (text.isEmpty()) return;
    // From the progress line's left to the window's right margin, down to the client's foot.
    const int left = Px(1920), top = Px(4905);
    lblNote->setGeometry(left, top, std::max(Px(1200), centralWidget()->width() - left - Px(120)), Px(480));
    FitText(lblNote);
}

const TableVerdict* frmMain::VerdictOnTable() const { return table_->Verdict(); }

void frmMain::mnuFilePrintWorksheet_Click() {
    frmWorksheet dialog(this);
    dialog.exec();
}

void frmMain::mnuEditYourAnswer_Click() {
    if (!answer_) answer_ = new frmAnswer(this, table_);
    answer_->ShowBesideGame();
}

void frmMain::FaceCard_Click(int index) {
    if (!answer_) answer_ = new frmAnswer(this, table_);
    answer_->PlayCard(index);
}

void frmMain::ShowVerdict(const TableVerdict& verdict) { table_->Offer(verdict); }

void frmMain::ShowTableVerdict() {
    if (table_->KeepsVerdict())
        SetVerdictText(KeptVerdictText(), KeptVerdictAccessibleName(), KeptVerdictToolTip());
    else if (const TableVerdict* verdict = table_->Verdict())
        SetVerdictText(VerdictText(*verdict), VerdictAccessibleName(*verdict), VerdictToolTip(*verdict));
    else
        SetVerdictText(tr("Checking..."));
}

void frmMain::SetVerdictText(const QString& text, const QString& accessibleName, const QString& toolTip) {
    sbVerdict->setText(text);
    if (activatedOnce_) FitVerdictPanel();  // else once the window is on the screen
    // The tooltip holds the whole text whatever the width, and why the puzzle has its level.
    sbVerdict->setToolTip(toolTip.isEmpty() ? text : toolTip);
    // A screen reader hears what it is.
    sbVerdict->setAccessibleName(accessibleName.isEmpty() ? tr("Verdict: %1").arg(text) : accessibleName);
}

void frmMain::FitVerdictPanel() {
    // Room for the longest verdict where the window allows ("1 answer · ★★★★★ · beyond the
    // computer" is wider than the panel's share of a narrow window): the attempt panel gives
    // way, always by the same amount, so the panels stand still from deal to deal. Measuring
    // the stars looks for a font that has them, which can take longer than building the whole
    // window (about 90 ms under Wine), so the first time waits until the window is shown.
    const QString longest = LongestVerdictText();
    const int wanted = sbVerdict->fontMetrics().horizontalAdvance(longest) + sbVerdict->fontMetrics().averageCharWidth() * 2;
    // Within what the other two panels leave: the search's words in the first show whole.
    const int spacing = sbStatusBar->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) + 8;
    const int clock = sbClock && sbClock->isVisibleTo(this) ? sbClock->minimumWidth() + std::max(spacing, 8) : 0;
    const int left = width() - sbPanels[0]->minimumWidth() - sbPanels[1]->minimumWidth() - clock - 3 * std::max(spacing, 8);
    sbVerdict->setMinimumWidth(std::max(Px(1200), std::min({wanted, width() * 3 / 5, left})));
}

void frmMain::ShowFacePanels(bool visible) {
    for (int i = 0; i < FaceCards && i < PanelCount; ++i) FaceCard[i]->setVisible(visible);
}

// Shows the puzzle at DeckPos; the search reads the deck itself, never these captions.
void frmMain::ShowCards() {
    // A screen reader reads the name: it carries the role and the value together.
    AnswerCard->setText(QString::number(Deck[DeckPos]));
    AnswerCard->setAccessibleName(tr("Answer card %1").arg(AnswerCard->text()));
    for (int i = 0; i < FaceCards && i < PanelCount; ++i) {
        FaceCard[i]->setText(QString::number(FaceCardValue(static_cast<int16_t>(i))));
        FaceCard[i]->setAccessibleName(tr("Face card %1: %2").arg(i + 1).arg(FaceCard[i]->text()));
    }
}

void frmMain::ShowProgress(const QString& text) {
    lblProgress->setText(text);
    lblProgress->setAccessibleName(tr("Progress: %1").arg(text));
}

void frmMain::cmdAnswer_Click() {
    if (!Command("cmdAnswer")->isEnabled()) return;  // nothing to show before the search's hit
    if (!soln_->isVisible()) {
        // Below the game window where it fits, so the cards stay in view.
        QPoint below = frameGeometry().bottomLeft() + QPoint(0, 1);
        QScreen* screen = this->screen();
        if (screen && screen->availableGeometry().contains(QRect(below, soln_->frameGeometry().size())))
            soln_->move(below);
    }
    soln_->show();
    soln_->raise();
}

void frmMain::cmdExit_Click() { close(); }

void frmMain::SetWidth() {
    auto width = static_cast<float>(Twips(this->width()));
    if (width > 7710) width = 7710;
    auto least = static_cast<int16_t>(FaceCards * 1500 + 210);
    // Three or four cards leave the row of buttons wider than the cards: Exit (its right edge at
    // 7275) shows whole, with the margin the row of five cards keeps at its right.
    if (least < ExitRightEdge + 195) least = ExitRightEdge + 195;
    if (width < least) width = least;
    resize(Px(width), height());
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    for (QAction* button : tbToolBar->actions())
        if (button->data().toString() == key) button->trigger();  // keys are exact
}

void frmMain::mnuViewToolbar_Click() {
    QAction* item = MenuItem("mnuViewToolbar");
    tbToolBar->setVisible(!tbToolBar->isVisible());
    item->setChecked(tbToolBar->isVisible());
}

void frmMain::mnuViewStatusBar_Click() {
    QAction* item = MenuItem("mnuViewStatusBar");
    sbStatusBar->setVisible(!sbStatusBar->isVisible());
    item->setChecked(sbStatusBar->isVisible());
}

void frmMain::mnuViewOptions_Click() { NewOptions()->exec(); }

std::unique_ptr<frmOptions> frmMain::NewOptions() {
    auto dialog = std::make_unique<frmOptions>(this);
    connect(dialog.get(), &frmOptions::Applied, this, &frmMain::ApplyOptions);
    return dialog;
}

void frmMain::ApplyOptions() {
    SetOrder(StoredOrder());
    SetOperations(StoredOperations());
    // A fresh deck and two deals with the options' number of cards and highest card.
    const auto cards = static_cast<int16_t>(ReadSettingInt(FaceCardsSetting));
    const auto high = static_cast<int16_t>(ReadSettingInt(HighCardSetting));
    Deal(Deck[DeckPos] != 0, true, cards, high);
    Deal(true, false, cards, high);
    SetWidth();
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout dialog(this);
    dialog.exec();
}

void frmMain::munHelpShow_Click() { ShowHelpContents(); }

void frmMain::SetStatusPanel(int panel, const std::u16string& text) {
    sbPanels[panel == 1 ? 0 : 1]->setText(QString::fromStdU16String(text));
}

void frmMain::EnableAnswer() {
    RecordComputerHit();  // the computer's win only on a puzzle the player plays
    if (answer_) answer_->ShowTally();
    Command("cmdAnswer")->setEnabled(true);
}

void frmMain::SetHeadStart(bool waiting) {
    Command("mnuEditGiveUp")->setEnabled(waiting);
}

void frmMain::SetOrder(OperatorOrder order) {
    SearchOrder = order;
    if (soln_) soln_->ShowOrder(order);
    if (answer_) answer_->ShowOrder(order);
}

void frmMain::SetOperations(AllowedOperations ops) {
    SearchOperations = ops;
    if (answer_) answer_->ShowOperations(ops);
}

void frmMain::mnuEditGiveUp_Click() { table_->GiveUp(); }

void frmMain::SetSolutionText(const std::u16string& text) {
    if (!soln_) soln_ = new frmSoln(this);
    soln_->lblSoln->setPlainText(QString::fromStdU16String(text));
}

void frmMain::SetProgress(const std::u16string& text) {
    ShowProgress(QString::fromStdU16String(text));
    table_->SetProgress(lblProgress->text());  // the countdown where the player plays too
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == centralWidget() && e->type() == QEvent::Resize) tbToolBar->resize(centralWidget()->width(), tbToolBar->height());
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const auto card = std::find(FaceCard.begin(), FaceCard.end(), watched);
        if (card != FaceCard.end()) {
            FaceCard_Click(static_cast<int>(card - FaceCard.begin()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

bool frmMain::event(QEvent* e) {
    if (e->type() == QEvent::Show && !activatedOnce_) {
        activatedOnce_ = true;
        activateWindow();  // so the splash closes even where nothing else activates us
        raise();
        // Drawn for the window manager in five sizes: once the window is on the screen, not before.
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(GameIcon("pelorand"));
            FitVerdictPanel();
        });
    }
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QMainWindow::event(e);
}

void frmMain::Form_Activate() { emit Activated(); }

void frmMain::closeEvent(QCloseEvent* e) {
    Form_QueryUnload();
    e->accept();
}

void frmMain::Form_QueryUnload() {
    if (!isMinimized()) {
        WriteSetting(MainLeft, Twips(pos().x()));
        WriteSetting(MainTop, Twips(pos().y()));
        WriteSetting(MainWidth, Twips(width()));
        WriteSetting(MainHeight, Twips(height()));
    }
    WriteSetting(FaceCardsSetting, QString::number(FaceCards));
    WriteSetting(HighCardSetting, QString::number(HighCard));
    table_->Closed();
    Solving = false;
    QuitHelp();
    emit Closing();
    delete soln_;
    soln_ = nullptr;
    delete answer_;
    answer_ = nullptr;
    Running = false;
}
