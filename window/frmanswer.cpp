// Your Answer: the board, the entry, Check, Hint, the game's reading of the answer, the tally.
#include "window/frmanswer.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "answer/answer.h"
#include "engine/globals.h"
#include "engine/search.h"
#include "player/board_hint.h"
#include "player/expression.h"
#include "player/player_solver.h"
#include "window/board_view.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/table.h"
#include "window/verdict_check.h"

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

frmAnswer::frmAnswer(QWidget* game, Table* table)
    : QDialog(game, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), table_(table) {
    setObjectName("frmAnswer");
    setWindowTitle(tr("Your Answer"));

    lblHeadStart = new QLabel(this);
    lblHeadStart->setObjectName("lblHeadStart");
    QFont countdown = lblHeadStart->font();
    countdown.setBold(true);
    lblHeadStart->setFont(countdown);
    cmdGiveUp = new QPushButton(tr("&Give Up"), this);
    cmdGiveUp->setObjectName("cmdGiveUp");
    cmdGiveUp->setToolTip(tr("Let the computer start looking now (Ctrl+G)"));
    cmdGiveUp->setAutoDefault(false);
    connect(cmdGiveUp, &QPushButton::clicked, table, &Table::GiveUp);
    // Ctrl+G where the player plays, as in the game window's Edit menu.
    auto* giveUp = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(giveUp, &QShortcut::activated, table, &Table::GiveUp);
    connect(table, &Table::ProgressChanged, this, [this](const QString& text) { ShowHeadStart(table_->CountingDown() ? text : QString()); });
    connect(table, &Table::NewPuzzle, this, &frmAnswer::NewPuzzle);
    connect(table, &Table::PlayerChanged, this, &frmAnswer::ShowTally);

    fraBoard = new BoardView(this);
    fraBoard->SetWholeNumbersOnly(ReadSettingInt(WholeNumbersOnlySetting) == 1);
    connect(fraBoard->chkWholeNumbers, &QCheckBox::toggled, this,
            [](bool on) { WriteSetting(WholeNumbersOnlySetting, QString(on ? "1" : "0")); });
    connect(fraBoard, &BoardView::Moved, this, [this] {
        boardLast_ = true;
        Played();
    });
    connect(fraBoard, &BoardView::Stepped, this, &frmAnswer::BoardStepped);
    // The log keeps the steps as played, with every undo and start over.
    connect(fraBoard, &BoardView::StepMade, this, [](const BoardStep& step) { AddLogStep({LogStep::Kind::Step, StepText(step)}); });
    connect(fraBoard, &BoardView::Undone, this, [] { AddLogStep({LogStep::Kind::Undo, {}}); });
    connect(fraBoard, &BoardView::StartedOver, this, [] { AddLogStep({LogStep::Kind::StartOver, {}}); });
    connect(fraBoard, &BoardView::Finished, this, &frmAnswer::BoardFinished);
    connect(fraBoard, &BoardView::Spoke, this, &frmAnswer::FitSoon);

    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName("lblPrompt");
    txtAnswer = new QLineEdit(this);
    txtAnswer->setObjectName("txtAnswer");
    txtAnswer->setAccessibleName(tr("Your answer"));
    lblPrompt->setBuddy(txtAnswer);

    cmdCheck = new QPushButton(tr("&Check"), this);
    cmdCheck->setObjectName("cmdCheck");
    cmdCheck->setDefault(true);  // Enter in the entry checks
    cmdHint = new QPushButton(tr("&Hint"), this);
    cmdHint->setObjectName("cmdHint");
    cmdHint->setAutoDefault(false);
    cmdHint->setToolTip(tr("Show one step of a solution"));
    cmdNoAnswer = new QPushButton(tr("&No answer"), this);
    cmdNoAnswer->setObjectName("cmdNoAnswer");
    cmdNoAnswer->setAutoDefault(false);
    cmdNoAnswer->setToolTip(tr("Say that no answer makes the answer card from these cards (N)"));
    // N on its own too, wherever it types no answer (the entry keeps its letters).
    auto* noAnswer = new QShortcut(QKeySequence(Qt::Key_N), this);
    connect(noAnswer, &QShortcut::activated, this, [this] {
        if (cmdNoAnswer->isVisible()) cmdNoAnswer_Click();
    });
    ShowOrder(SearchOrder);
    ShowOperations(SearchOperations);
    cmdClose = new QPushButton(tr("Close"), this);  // Esc rejects the dialog, which hides it
    cmdClose->setObjectName("cmdClose");
    cmdClose->setAutoDefault(false);

    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName("txtResult");
    txtResult->setReadOnly(true);
    txtResult->setAccessibleName(tr("Result"));
    txtResult->setMinimumHeight(150);
    // Read and copied from the keyboard too (Alt+R, then Ctrl+A, Ctrl+C).
    txtResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblResult = new QLabel(tr("&Result:"), this);
    lblResult->setObjectName("lblResult");
    lblResult->setBuddy(txtResult);
    lblTally = new QLabel(this);
    lblTally->setObjectName("lblTally");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdHint);
    buttons->addWidget(cmdNoAnswer);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* headStart = new QHBoxLayout;
    headStart->addWidget(lblHeadStart, 1);
    headStart->addWidget(cmdGiveUp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headStart);
    layout->addWidget(fraBoard);
    auto* line = new QFrame(this);  // the board above, typing below
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addWidget(lblPrompt);
    layout->addWidget(txtAnswer);
    layout->addLayout(buttons);
    layout->addWidget(lblResult);
    layout->addWidget(txtResult);
    layout->addWidget(lblTally);
    txtResult->setMinimumHeight(110);
    resultHeight_ = 110;
    ShowHeadStart(table_->CountingDown() ? table_->Progress() : QString());
    resize(sizeHint().expandedTo(QSize(460, 0)));

    txtResult->installEventFilter(this);
    connect(txtAnswer, &QLineEdit::textEdited, this, [this] {
        boardLast_ = false;
        Played();
    });
    connect(cmdCheck, &QPushButton::clicked, this, &frmAnswer::cmdCheck_Click);
    connect(cmdHint, &QPushButton::clicked, this, &frmAnswer::cmdHint_Click);
    connect(cmdNoAnswer, &QPushButton::clicked, this, &frmAnswer::cmdNoAnswer_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    fraBoard->SetPuzzle(FaceCardValues(), Deck[DeckPos]);  // the puzzle on the table when first opened
    cmdNoAnswer->setVisible(table_->NoAnswersInPlay());
    ShowTally();
}

void frmAnswer::ShowBesideGame() {
    if (!isVisible()) {
        // To the right of the game where it fits, else below it, so the cards stay in view.
        const QRect game = parentWidget()->frameGeometry();
        const QRect screen = parentWidget()->screen() ? parentWidget()->screen()->availableGeometry() : QRect();
        const QPoint right = game.topRight() + QPoint(1, 0), below = game.bottomLeft() + QPoint(0, 1);
        if (screen.contains(QRect(right, frameGeometry().size())))
            move(right);
        else if (screen.contains(QRect(below, frameGeometry().size())))
            move(below);
    }
    show();
    raise();
    activateWindow();
    RecordOpened();  // opened for the puzzle on the table: played, but no race entered
    ShowTally();
    ShowRaceTip();
    fraBoard->FocusBoard();
}

void frmAnswer::ShowRaceTip() {
    // Opened after the computer's hit, with no race entered: a player who never saw a race
    // could think he lost one. The first few times, one line says how to race fairly.
    const PlayRecord& record = Record();
    const int shown = ReadSettingInt(RaceTipsShownSetting);
    if (!record.ComputerHasHit() || record.Raced() || record.HasEnded() || shown >= 3 || !txtResult->toPlainText().isEmpty())
        return;
    WriteSetting(RaceTipsShownSetting, QString::number(shown + 1));
    txtResult->setPlainText(tr("The computer found an answer before you started, so this puzzle is no race. "
                               "To race it fairly, give yourself a head start: Options, \"Computer starts\"."));
    FitSoon();
}

void frmAnswer::ShowHeadStart(const QString& countdown) {
    lblHeadStart->setText(countdown);
    lblHeadStart->setAccessibleName(countdown);
    lblHeadStart->setVisible(!countdown.isEmpty());
    cmdGiveUp->setVisible(!countdown.isEmpty());
    FitSoon();
}

void frmAnswer::FitSoon() {
    // Once the new text is laid out: a label's height for its width is known only then.
    if (fitQueued_) return;
    fitQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        fitQueued_ = false;
        FitToContent();
    });
}

void frmAnswer::FitToContent() {
    // The result box grows to its whole text, so the deciding line never needs scrolling.
    const int margin = static_cast<int>(txtResult->document()->documentMargin());
    const int room = txtResult->width() - 2 * txtResult->frameWidth() - 2 * margin - txtResult->verticalScrollBar()->sizeHint().width();
    const QString text = txtResult->toPlainText();
    const int textHeight = text.isEmpty() ? 0
                               : txtResult->fontMetrics().boundingRect(QRect(0, 0, std::max(room, 1), 1 << 20), Qt::TextWordWrap, text).height();
    txtResult->setMinimumHeight(std::max(resultHeight_, textHeight + 2 * txtResult->frameWidth() + 2 * margin + 4));
    // The window as tall as its layout needs for its width, within the screen (a label's wrapped
    // text and the grown result box would otherwise overlap what stands below them).
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : layout()->totalMinimumSize().height();
    int most = needed;
    if (const QScreen* s = screen()) most = s->availableGeometry().height() - (frameGeometry().height() - height());
    if (height() < needed) resize(width(), std::min(needed, most));
}

void frmAnswer::Played() {
    RecordPlayed();
    ShowTally();  // the computer's earlier hit may count now
}

void frmAnswer::PlayCard(int faceCard) {
    ShowBesideGame();
    fraBoard->PickCard(faceCard);
}

void frmAnswer::BoardStepped() {
    // A hint says the step the board stood before; it goes once the board moves on.
    if (hintShown_) ShowHintText({});
    const std::optional<int> made = fraBoard->Model().LastMade();
    txtAnswer->setText(made ? QString::fromStdString(fraBoard->Model().AnswerText(*made, SearchOrder)) : QString());
    txtAnswer->setAccessibleDescription({});
}

void frmAnswer::BoardFinished() {
    cmdCheck_Click();
    fraBoard->Say(txtResult->accessibleDescription());
}

bool frmAnswer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtResult && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text()[0].isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        // After a step on the board, its keys go on on the board (Backspace takes the step back).
        const bool boardKey = key->key() == Qt::Key_Backspace || key->matches(QKeySequence::Undo) ||
                              (!key->text().isEmpty() && QString("1234567+-*/xX\u00D7\u00F7").contains(key->text()));
        if (boardLast_ && boardKey) {
            fraBoard->FocusBoard();
            QCoreApplication::sendEvent(focusWidget(), event);
            return true;
        }
        if (typing || key->key() == Qt::Key_Backspace) {
            txtAnswer->setFocus(Qt::OtherFocusReason);
            txtAnswer->deselect();
            QCoreApplication::sendEvent(txtAnswer, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAnswer::NewPuzzle() {
    ShowHeadStart(table_->CountingDown() ? table_->Progress() : QString());
    fraBoard->SetPuzzle(FaceCardValues(), Deck[DeckPos]);
    boardLast_ = false;
    cmdHint->setEnabled(true);
    cmdNoAnswer->setVisible(table_->NoAnswersInPlay());
    txtAnswer->clear();
    txtResult->clear();
    hintShown_ = false;
    raceDecided_ = false;
    hints_ = 0;
    ShowTally();
}

void frmAnswer::ShowTally() {
    lblTally->setText(TallyText());
    lblTally->setAccessibleName(tr("Tally: %1").arg(lblTally->text()));
}

void frmAnswer::ShowOrder(OperatorOrder order) {
    order_ = order;
    const bool game = order == OperatorOrder::Game;
    // The signs as a player types them.
    const QString signs = ops_ == AllowedOperations::All ? "+ - * /" : ops_ == AllowedOperations::AddSubtract ? "+ -" : "+ - *";
    //: %1: the operations allowed, as typed: "+ - * /"
    lblPrompt->setText(game ? tr("&Your answer, with every face card once (%1 and brackets), read in the game's own order:").arg(signs)
                            : tr("&Your answer, with every face card once (%1 and brackets), read in the school order:").arg(signs));
    lblPrompt->setToolTip(game ? tr("Brackets, then every *, then every /, then every +, then every -, each left to right")
                               : tr("Brackets, then * and / left to right, then + and - left to right"));
    cmdCheck->setToolTip(game ? tr("Check your answer in the game's own order of operations")
                              : tr("Check your answer in the order of operations taught at school"));
}

void frmAnswer::ShowOperations(AllowedOperations ops) {
    ops_ = ops;
    fraBoard->SetOperations(ops);
    ShowOrder(order_);
}

void frmAnswer::cmdCheck_Click() {
    Played();  // the computer's earlier hit, if any, is settled first
    // A typed answer is one of the player's steps; the board's own answer was logged step by step.
    if (!boardLast_) AddLogStep({LogStep::Kind::Check, txtAnswer->text().toStdString()});
    const AnswerCheck c = CheckAnswer(txtAnswer->text().toStdU16String(), FaceCardValues(), Deck[DeckPos], SearchOrder, SearchOperations);
    if (c.error.kind != AnswerError::Kind::None) {
        using K = AnswerError::Kind;
        // Where it went wrong, for those who cannot see the cursor standing there.
        const bool placed = c.error.kind != K::Empty && c.error.kind != K::TooLong && c.error.kind != K::LeftOut;
        txtResult->setPlainText(Q(c.verdict) + (placed ? " " + tr("(at character %1)").arg(c.error.offset + 1) : QString()));
        FitSoon();
        txtResult->setAccessibleDescription(Q(c.verdict));
        // Back in the entry where it went wrong; a screen reader hears why with the entry.
        txtAnswer->setAccessibleDescription(Q(c.verdict));
        txtAnswer->setFocus();
        txtAnswer->setCursorPosition(static_cast<int>(c.error.offset));
        return;
    }
    txtAnswer->setAccessibleDescription({});
    const QString value = c.dividedByZero ? tr("none: it divides by zero") : QString::fromStdString(c.value.ToText());
    QStringList lines;
    QString raceLine;
    lines << tr("The game reads it as: %1").arg(Q(c.shown)) << tr("Value: %1").arg(value);
    if (!c.steps.empty()) {
        lines << tr("Worked out exactly:");
        for (const std::string& step : c.steps) lines << "  " + QString::fromStdString(step);
    }
    lines << Q(c.verdict);
    if (c.solves && !raceDecided_) {
        raceDecided_ = true;
        // The record decides the race: the computer won only one the player entered.
        const PlayRecord::Right right = RecordRight(hints_ > 0);
        if (right.computerFirst) {
            raceLine = tr("The computer was first this time.");
            lines << raceLine;
        } else {
            if (right.first) {  // the search has not found one yet: the player wins this puzzle
                std::u16string solution = c.shown + u" = " + value.toStdU16String() + u"\r\n" + tr("Broken down like this:").toStdU16String();
                for (const std::string& step : c.steps) solution += u"\r\n" + QString::fromStdString(step).toStdU16String();
                table_->PlayerSolved(solution);
                raceLine = tr("You got it first!");
                lines << raceLine;
            }
        }
        ShowTally();
    }
    txtResult->setPlainText(lines.join('\n'));
    hintShown_ = false;
    FitSoon();
    // The verdict is what a screen reader says first when the focus lands on the result.
    txtResult->setAccessibleDescription(Q(c.verdict) + (raceLine.isEmpty() ? QString() : " " + raceLine));
    txtResult->setFocus(Qt::OtherFocusReason);
}

void frmAnswer::cmdHint_Click() {
    Played();
    const TableVerdict* verdict = table_->Verdict();
    if (!verdict) {
        ShowHintText(tr("The puzzle is still being checked. Ask again in a moment."));
        return;
    }
    if (verdict->player.NoAnswer() || verdict->player.listed.empty()) {
        if (table_->NoAnswersInPlay()) {
            ++hints_;  // it tells what "No answer" would claim: a claim after it is helped
            ShowHintText(tr("This puzzle has no answer at all: press \"No answer\"."));
        } else if (SearchOperations == AllowedOperations::All) {
            ShowHintText(tr("This puzzle has no solution at all: deal the next one."));
        } else {
            //: %1: the operations allowed, as signs ("+ −")
            ShowHintText(tr("This puzzle has no solution with %1: deal the next one.").arg(QString::fromStdString(OperationsText(SearchOperations))));
        }
        return;
    }
    const Expression& answer = verdict->player.listed.front();
    const Board& board = fraBoard->Model();
    const bool focusBoard = boardLast_ || fraBoard->isAncestorOf(focusWidget());
    QStringList lines;
    if (board.Steps().empty() || board.Tiles().size() <= 1) {
        // Nothing played on the board yet, or all of it: the simplest answer, one step more a
        // press, for typing it or playing it. The board picks the step the text ends with while
        // it can play it from the cards as dealt: the first.
        const std::vector<std::string> steps = ExactSteps(answer);
        const int shown = std::min<int>(++hints_, static_cast<int>(steps.size()));
        for (int i = 0; i < shown; ++i) lines << tr("Hint %1 of %2: %3").arg(i + 1).arg(steps.size()).arg(QString::fromStdString(steps[i]));
        if (shown > 0) AddLogStep({LogStep::Kind::Hint, steps[shown - 1]});
        if (shown == static_cast<int>(steps.size())) {
            lines << tr("That is a whole solution: %1").arg(QString::fromStdString(CleanText(answer, SearchOrder)));
            cmdHint->setEnabled(false);  // nothing more to show for this puzzle
            if (!boardLast_) txtAnswer->setFocus();
        }
        const std::optional<BoardHint> next = shown == 1 && board.Tiles().size() > 1 ? NextStep(board, answer) : std::nullopt;
        if (next) fraBoard->ShowHint(*next, focusBoard);
        else fraBoard->PutDownHint();
    } else if (board.Tiles().size() > 1) {
        // On the board: the next step from the tiles as they stand, picked, and said as it is.
        ++hints_;
        if (const std::optional<BoardHint> next = NextStep(board, answer)) {
            const QString step = QString::fromStdString(StepText(HintStep(board, *next)));
            AddLogStep({LogStep::Kind::Hint, step.toStdString()});
            if (next->followsSimplest)
                lines << tr("Hint %1 of %2: %3").arg(next->step).arg(next->of).arg(step);
            else
                lines << tr("Your steps have left the simplest answer. A next step from the cards as they stand: %1").arg(step);
            fraBoard->ShowHint(*next, focusBoard);
        } else {
            const QString stuck = tr("The cards on the board can no longer make %1: press Undo or Start Over.").arg(Deck[DeckPos]);
            AddLogStep({LogStep::Kind::Hint, {}});  // no step: the log says so in its reader's language
            lines << stuck;
            fraBoard->Say(stuck);
        }
    }
    ShowHintText(lines.join('\n'));
}

void frmAnswer::cmdNoAnswer_Click() {
    Played();
    // Once a right answer has settled the puzzle, a claim is judged but counts no more.
    const bool counts = !raceDecided_;
    const Table::NoAnswerClaim claim = counts ? table_->ClaimNoAnswer(hints_ > 0) : Table::NoAnswerClaim{};
    const bool right = counts ? claim.right : !PlayerCanSolve(FaceCardValues(), Deck[DeckPos], SearchOperations);
    if (right) raceDecided_ = true;
    // A wrong claim tells only that an answer exists, never which.
    const QString verdict = right ? tr("Right! There is no answer.") : tr("Not so: this puzzle has an answer. Keep looking, or give up.");
    txtResult->setPlainText(verdict);
    hintShown_ = false;
    FitSoon();
    txtResult->setAccessibleDescription(verdict);
    txtResult->setFocus(Qt::OtherFocusReason);
    fraBoard->Say(verdict);
    ShowTally();
}

void frmAnswer::ShowHintText(const QString& text) {
    txtResult->setPlainText(text);
    hintShown_ = !text.isEmpty();
    FitSoon();
}
