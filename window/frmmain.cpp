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
#include "window/frmsplash.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/status_panel.h"
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

    struct Button { QPushButton** slot; const char* name; const char* caption; const char* tip;
                    QStyle::StandardPixmap icon; double left; void (frmMain::*handler)(); };
    const Button buttons[] = {
        {&cmdShuffle, "cmdShuffle", QT_TR_NOOP("&Shuffle"), QT_TR_NOOP("Shuffle the deck"), QStyle::SP_BrowserReload, 1920, &frmMain::cmdShuffle_Click},
        {&cmdDeal, "cmdDeal", QT_TR_NOOP("&Deal"), QT_TR_NOOP("Deal, new puzzle"), QStyle::SP_ArrowRight, 3300, &frmMain::cmdDeal_Click},
        {&cmdAnswer, "cmdAnswer", QT_TR_NOOP("&Answer"), QT_TR_NOOP("Show the answer to the puzzle"), QStyle::SP_DialogApplyButton, 4680, &frmMain::cmdAnswer_Click},
        {&cmdExit, "cmdExit", QT_TR_NOOP("E&xit"), QT_TR_NOOP("Exit back to windows"), QStyle::SP_DialogCloseButton, 6060, &frmMain::cmdExit_Click},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(DeferredStandardIcon(b.icon), tr(b.caption), client);
        button->setObjectName(b.name);
        button->setToolTip(tr(b.tip));
        button->setGeometry(TwipsRect(b.left, 3420, 1215, 975));
        button->setIconSize(QSize(24, 24));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.handler);
        *b.slot = button;
    }
    FitText({cmdShuffle, cmdDeal, cmdAnswer, cmdExit});
    cmdAnswer->setEnabled(false);

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

    verdict_ = new VerdictCheck(this);
    verdict_->OnVerdict = [this](const TableVerdict& v) { ShowVerdict(v); };
}

void frmMain::CreateActions() {
    using Handler = void (frmMain::*)();
    struct Item { const char* name; const char* caption; QKeySequence key; bool enabled; bool ticked; Handler run; };
    struct Menu { const char* name; const char* caption; std::vector<Item> items; };
    const QKeySequence none;
    const Menu menus[] = {
        {"mnuFile", QT_TR_NOOP("&File"), {
            {"mnuFileNewPuzzle", QT_TR_NOOP("&New Puzzle..."), QKeySequence::New, true, false, &frmMain::mnuFileNewPuzzle_Click},
            {"mnuFileToday", QT_TR_NOOP("&Today's Puzzle"), QKeySequence(Qt::CTRL | Qt::Key_T), true, false, &frmMain::mnuFileToday_Click},
            {"mnuFileOpen", QT_TR_NOOP("&Open"), QKeySequence::Open, true, false, &frmMain::mnuFileOpen_Click},
            {"mnuFileBar1", "-", none, true, false, nullptr},
            {"mnuFileSave", QT_TR_NOOP("&Save"), QKeySequence::Save, false, false, &frmMain::mnuFileSave_Click},
            {"mnuFileSaveAs", QT_TR_NOOP("Save &As..."), none, true, false, &frmMain::mnuFileSaveAs_Click},
            {"mnuFileBar2", "-", none, true, false, nullptr},
            {"mnuFilePageSetup", QT_TR_NOOP("Page Set&up..."), none, true, false, &frmMain::mnuFilePageSetup_Click},
            {"mnuFilePrint", QT_TR_NOOP("&Print..."), QKeySequence::Print, true, false, &frmMain::mnuFilePrint_Click},
            {"mnuFilePrintWorksheet", QT_TR_NOOP("Print &Worksheet..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), true, false, &frmMain::mnuFilePrintWorksheet_Click},
            {"mnuFileBar4", "-", none, true, false, nullptr},
            {"mnuFileExit", QT_TR_NOOP("E&xit"), none, true, false, &frmMain::cmdExit_Click}}},
        {"mnuEdit", QT_TR_NOOP("&Edit"), {
            {"mnuEditUndo", QT_TR_NOOP("&Undo"), QKeySequence::Undo, false, false, nullptr},
            {"mnuEditBar1", "-", none, true, false, nullptr},
            {"mnuEditCut", QT_TR_NOOP("Cu&t"), QKeySequence::Cut, false, false, nullptr},
            {"mnuEditCopy", QT_TR_NOOP("&Copy"), QKeySequence::Copy, true, false, &frmMain::mnuEditCopy_Click},
            {"mnuEditPaste", QT_TR_NOOP("&Paste Puzzle"), QKeySequence::Paste, true, false, &frmMain::mnuEditPaste_Click},
            {"mnuEditPasteSpecial", QT_TR_NOOP("Paste &Special..."), none, false, false, nullptr},
            {"mnuEditBar2", "-", none, true, false, nullptr},
            {"mnuEditYourAnswer", QT_TR_NOOP("&Your Answer..."), QKeySequence(Qt::CTRL | Qt::Key_E), true, false, &frmMain::mnuEditYourAnswer_Click},
            {"mnuEditGiveUp", QT_TR_NOOP("&Give Up"), QKeySequence(Qt::CTRL | Qt::Key_G), false, false, &frmMain::mnuEditGiveUp_Click}}},
        {"mnuView", QT_TR_NOOP("&View"), {
            {"mnuViewToolbar", QT_TR_NOOP("&Toolbar"), none, true, true, &frmMain::mnuViewToolbar_Click},
            {"mnuViewStatusBar", QT_TR_NOOP("Status &Bar"), none, true, true, &frmMain::mnuViewStatusBar_Click},
            {"mnuViewBar2", "-", none, true, false, nullptr},
            {"mnuViewOptions", QT_TR_NOOP("&Options..."), none, true, false, &frmMain::mnuViewOptions_Click},
            {"mnuViewBar3", "-", none, true, false, nullptr},
            {"mnuViewStatistics", QT_TR_NOOP("&Statistics..."), none, true, false, &frmMain::mnuViewStatistics_Click},
            {"mnuViewClock", QT_TR_NOOP("&Clock"), none, true, true, &frmMain::mnuViewClock_Click}}},
        {"mnuhelp", QT_TR_NOOP("&Help"), {
            {"munHelpShow", QT_TR_NOOP("&Help"), QKeySequence::HelpContents, true, false, &frmMain::munHelpShow_Click},
            {"mnuHelpSep1", "-", none, true, false, nullptr},
            {"mnuHelpAbout", QT_TR_NOOP("&About Pelorand..."), none, true, false, &frmMain::mnuHelpAbout_Click}}},
    };
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(tr(m.caption));
        menu->setObjectName(m.name);
        for (const Item& item : m.items) {
            QAction* action = item.caption == QString("-") ? menu->addSeparator() : menu->addAction(tr(item.caption));
            action->setParent(this);
            action->setObjectName(item.name);
            action->setShortcut(item.key);
            action->setEnabled(item.enabled);
            action->setCheckable(item.ticked);
            action->setChecked(item.ticked);
            if (item.run) connect(action, &QAction::triggered, this, item.run);
        }
    }

    // name: what a screen reader calls the button; icon: the style's, or one drawn for the game.
    struct Tool { const char* key; const char* name; const char* tip; QStyle::StandardPixmap icon; const char* drawn; };
    const Tool tools[] = {
        {"Open", QT_TR_NOOP("Open"), QT_TR_NOOP("Load saved deck"), QStyle::SP_DialogOpenButton, nullptr},
        {"Save", QT_TR_NOOP("Save"), QT_TR_NOOP("Save this deck"), QStyle::SP_DialogSaveButton, nullptr},
        {"Print", QT_TR_NOOP("Print"), QT_TR_NOOP("Print this puzzle"), QStyle::SP_FileDialogDetailedView, nullptr},
        {"Shuffle", QT_TR_NOOP("Shuffle"), QT_TR_NOOP("Shuffle the deck"), QStyle::SP_BrowserReload, nullptr},
        {"Deal", QT_TR_NOOP("Deal"), QT_TR_NOOP("Deal a card, next puzzle"), QStyle::SP_ArrowRight, nullptr},
        {"Answer", QT_TR_NOOP("Answer"), QT_TR_NOOP("Display the answer"), QStyle::SP_DialogApplyButton, nullptr},
        {"YourAnswer", QT_TR_NOOP("Your Answer"), QT_TR_NOOP("Check your own answer"), QStyle::SP_CustomBase, "your-answer"},
    };
    for (const Tool& t : tools) {
        QAction* button = tbToolBar->addAction(t.drawn ? DeferredIcon([name = QString(t.drawn)] { return GameIcon(name); }) : DeferredStandardIcon(t.icon), tr(t.name));
        button->setObjectName(QString("tbToolBar") + t.key);
        button->setToolTip(tr(t.tip));
        button->setData(QString(t.key));
        if (QWidget* widget = tbToolBar->widgetForAction(button)) widget->setAccessibleName(tr(t.name));
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* button) { tbToolBar_ButtonClick(button->data().toString()); });
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
    InitDeck();
    StartupLoad(commandLine);
    SetWidth();
}

void frmMain::InitDeck() {
    ShowFacePanels(false);  // the stored count may be lower than the one on the table
    FaceCards = ReadSettingInt(FaceCardsSetting);
    HighCard = ReadSettingInt(HighCardSetting);
    DeckPos = StartGame(FaceCards, std::nullopt);
    cmdShuffle_Click();
    ShowFacePanels(true);
    StepCount = 0;
    Solving = true;
    SetWidth();
}

void frmMain::cmdShuffle_Click() {
    uint8_t before[55];
    std::copy(std::begin(Deck), std::end(Deck), before);
    const int16_t wasAt = DeckPos;
    ShuffleCards(Deck, HighCard);
    // With dealing options that no puzzle meets, the puzzle on the table stays, and with it
    // the deck it came from (unless there was none yet: then the fresh deck deals plainly).
    if (!Deal(Deck[wasAt] != 0)) {
        std::copy(std::begin(before), std::end(before), Deck);
        DeckPos = wasAt;
    }
}

void frmMain::cmdDeal_Click() { Deal(true); }

bool frmMain::Deal(bool mayRefuse) {
    if (soln_) soln_->hide();
    const DealRule rule = StoredDealRule();
    if (!rule.Active()) {
        DeckPos = NextDeckPos(DeckPos);
    } else if (!DealQualifying(Deck, DeckPos, FaceCards, HighCard, rule)) {
        MsgBox(QString::fromStdString(NothingQualifiesMessage(rule, mayRefuse)));
        if (mayRefuse) return false;
        DeckPos = NextDeckPos(DeckPos);
    }
    StartPuzzle();
    return true;
}

void frmMain::StartPuzzle() {
    ShowCards();
    Solving = true;
    StepCount = 0;
    cmdAnswer->setEnabled(false);
    ShowProgress(tr("Looking for a solution..."));
    PuzzleChanged();
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

void frmMain::PuzzleChanged() {
    ShowNote({});
    const int headStart = StoredHeadStartSeconds();
    Record().Started(FaceCards, NowMs(), headStart != 0);  // the puzzle before leaves the record's table
    SaveRecord();
    // Seen once the window shows it: the first of two deals in one command is never counted.
    QTimer::singleShot(0, this, [] { Record().Seen(); });
    BeginHeadStart(headStart);
    SetVerdictText(tr("Checking..."));
    tableVerdict_.reset();
    verdict_->Start(FaceCardValues(), Deck[DeckPos], SearchOrder);
    if (answer_) answer_->NewPuzzle();
}

const TableVerdict* frmMain::VerdictOnTable() const { return tableVerdict_.get(); }

void frmMain::PlayerSolved(const std::u16string& solutionText) {
    GiveUp();  // a head start still running ends with the puzzle
    Solving = false;  // the search for this puzzle ends, as after its own success
    SolnText = solutionText;
    SetSolutionText(solutionText);
    EnableAnswer();
    ShowProgress(tr("You got it first!"));
}

void frmMain::mnuFilePrintWorksheet_Click() {
    frmWorksheet dialog(this);
    dialog.exec();
}

void frmMain::mnuEditYourAnswer_Click() {
    if (!answer_) answer_ = new frmAnswer(this);
    answer_->ShowBesideGame();
}

void frmMain::FaceCard_Click(int index) {
    if (!answer_) answer_ = new frmAnswer(this);
    answer_->PlayCard(index);
}

void frmMain::ShowVerdict(const TableVerdict& verdict) {
    // Deal, Shuffle and Open never wait for the worker: a verdict for another puzzle is late.
    if (verdict.player.cards != FaceCardValues() || verdict.player.answer != Deck[DeckPos]) return;
    tableVerdict_ = std::make_unique<TableVerdict>(verdict);
    SetVerdictText(VerdictText(verdict), VerdictAccessibleName(verdict), VerdictToolTip(verdict));
    if (verdict.player.status == PlayerVerdict::Status::Complete && (verdict.player.answers == 0 || verdict.level > 0))
        Record().LevelKnown(verdict.player.answers == 0 ? 0 : verdict.level);
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
    if (!cmdAnswer->isEnabled()) return;  // the toolbar calls this whatever the button's state
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
    const std::pair<const char*, void (frmMain::*)()> keys[] = {
        {"Open", &frmMain::mnuFileOpen_Click}, {"Save", &frmMain::mnuFileSave_Click}, {"Print", &frmMain::mnuFilePrint_Click},
        {"Deal", &frmMain::cmdDeal_Click}, {"Shuffle", &frmMain::cmdShuffle_Click}, {"Answer", &frmMain::cmdAnswer_Click},
        {"YourAnswer", &frmMain::mnuEditYourAnswer_Click},
    };
    for (const auto& [name, run] : keys) {
        if (key == QLatin1String(name)) {
            if (run) (this->*run)();
            return;
        }
    }
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

void frmMain::mnuViewOptions_Click() {
    frmOptions dialog(this);
    dialog.exec();
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
    cmdAnswer->setEnabled(true);
}

void frmMain::SetHeadStart(bool waiting) {
    if (QAction* giveUp = MenuItem("mnuEditGiveUp")) giveUp->setEnabled(waiting);
}

void frmMain::SetOrder(OperatorOrder order) {
    SearchOrder = order;
    if (soln_) soln_->ShowOrder(order);
    if (answer_) answer_->ShowOrder(order);
}

void frmMain::mnuEditGiveUp_Click() {
    if (!HeadStartRunning()) return;
    RecordEnd(PlayRecord::End::GaveUp);
    GiveUp();
}

void frmMain::SetSolutionText(const std::u16string& text) {
    if (!soln_) soln_ = new frmSoln(this);
    soln_->lblSoln->setPlainText(QString::fromStdU16String(text));
}

void frmMain::SetProgress(const std::u16string& text) {
    ShowProgress(QString::fromStdU16String(text));
    // The countdown where the player plays too.
    if (answer_) answer_->ShowHeadStart(HeadStartRunning() ? lblProgress->text() : QString());
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

void frmMain::Form_Activate() {
    if (Splash) Splash->CloseOnceDrawn();
}

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
    Record().Left();
    SaveRecord();
    Solving = false;
    verdict_->Cancel();
    QuitHelp();
    if (Splash) Splash->close();
    delete soln_;
    soln_ = nullptr;
    delete answer_;
    answer_ = nullptr;
    Running = false;
}
