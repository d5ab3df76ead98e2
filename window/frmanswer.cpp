// Your Answer: entry, Check, Hint, the game's reading of the answer, and the race's tally.
#include "window/frmanswer.h"

#include <QGuiApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "answer/answer.h"
#include "engine/globals.h"
#include "player/expression.h"
#include "window/frmmain.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/verdict_check.h"

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

frmAnswer::frmAnswer(frmMain* game)
    : QDialog(game, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), game_(game) {
    setObjectName("frmAnswer");
    setWindowTitle("Your Answer");

    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName("lblPrompt");
    txtAnswer = new QLineEdit(this);
    txtAnswer->setObjectName("txtAnswer");
    txtAnswer->setAccessibleName("Your answer");
    lblPrompt->setBuddy(txtAnswer);

    cmdCheck = new QPushButton("&Check", this);
    cmdCheck->setObjectName("cmdCheck");
    cmdCheck->setDefault(true);  // Enter in the entry checks
    cmdCheck->setToolTip("Check your answer in the game's own order of operations");
    cmdHint = new QPushButton("&Hint", this);
    cmdHint->setObjectName("cmdHint");
    cmdHint->setAutoDefault(false);
    cmdHint->setToolTip("Show one step of a solution");
    ShowOrder(SearchOrder);
    cmdClose = new QPushButton("Close", this);  // Esc rejects the dialog, which hides it
    cmdClose->setObjectName("cmdClose");
    cmdClose->setAutoDefault(false);

    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName("txtResult");
    txtResult->setReadOnly(true);
    txtResult->setAccessibleName("Result");
    txtResult->setMinimumHeight(150);
    // Read and copied from the keyboard too (Alt+R, then Ctrl+A, Ctrl+C).
    txtResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblResult = new QLabel("&Result:", this);
    lblResult->setObjectName("lblResult");
    lblResult->setBuddy(txtResult);
    lblTally = new QLabel(this);
    lblTally->setObjectName("lblTally");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdHint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addWidget(txtAnswer);
    layout->addLayout(buttons);
    layout->addWidget(lblResult);
    layout->addWidget(txtResult);
    layout->addWidget(lblTally);
    resize(460, 320);

    txtResult->installEventFilter(this);
    connect(cmdCheck, &QPushButton::clicked, this, &frmAnswer::cmdCheck_Click);
    connect(cmdHint, &QPushButton::clicked, this, &frmAnswer::cmdHint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    ShowTally();
}

void frmAnswer::ShowBesideGame() {
    if (!isVisible()) {
        // To the right of the game where it fits, else below it, so the cards stay in view.
        const QRect game = game_->frameGeometry();
        const QRect screen = game_->screen() ? game_->screen()->availableGeometry() : QRect();
        const QPoint right = game.topRight() + QPoint(1, 0), below = game.bottomLeft() + QPoint(0, 1);
        if (screen.contains(QRect(right, frameGeometry().size())))
            move(right);
        else if (screen.contains(QRect(below, frameGeometry().size())))
            move(below);
    }
    show();
    raise();
    activateWindow();
    txtAnswer->setFocus();
}

bool frmAnswer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtResult && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text()[0].isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
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
    cmdHint->setEnabled(true);
    txtAnswer->clear();
    txtResult->clear();
    raceDecided_ = false;
    hints_ = 0;
    ShowTally();
}

void frmAnswer::ShowTally() {
    lblTally->setText(TallyText());
    lblTally->setAccessibleName("Tally: " + lblTally->text());
}

void frmAnswer::ShowOrder(OperatorOrder order) {
    const bool game = order == OperatorOrder::Game;
    lblPrompt->setText(game ? "&Your answer, with every face card once (+ - * / and brackets), read in the game's own order:"
                            : "&Your answer, with every face card once (+ - * / and brackets), read in the school order:");
    lblPrompt->setToolTip(game ? "Brackets, then every *, then every /, then every +, then every -, each left to right"
                               : "Brackets, then * and / left to right, then + and - left to right");
    cmdCheck->setToolTip(game ? "Check your answer in the game's own order of operations"
                              : "Check your answer in the order of operations taught at school");
}

void frmAnswer::cmdCheck_Click() {
    const AnswerCheck c = CheckAnswer(txtAnswer->text().toStdU16String(), FaceCardValues(), Deck[DeckPos], SearchOrder);
    if (c.error.kind != AnswerError::Kind::None) {
        using K = AnswerError::Kind;
        // Where it went wrong, for those who cannot see the cursor standing there.
        const bool placed = c.error.kind != K::Empty && c.error.kind != K::TooLong && c.error.kind != K::LeftOut;
        txtResult->setPlainText(Q(c.verdict) + (placed ? QString(" (at character %1)").arg(c.error.offset + 1) : QString()));
        txtResult->setAccessibleDescription(Q(c.verdict));
        // Back in the entry where it went wrong; a screen reader hears why with the entry.
        txtAnswer->setAccessibleDescription(Q(c.verdict));
        txtAnswer->setFocus();
        txtAnswer->setCursorPosition(static_cast<int>(c.error.offset));
        return;
    }
    txtAnswer->setAccessibleDescription({});
    const QString value = c.dividedByZero ? QString("none: it divides by zero") : QString::fromStdString(c.value.ToText());
    QStringList lines;
    QString raceLine;
    lines << "The game reads it as: " + Q(c.shown) << "Value: " + value;
    if (!c.steps.empty()) {
        lines << "Worked out exactly:";
        for (const std::string& step : c.steps) lines << "  " + QString::fromStdString(step);
    }
    lines << Q(c.verdict);
    if (c.solves && !raceDecided_) {
        raceDecided_ = true;
        if (Solving) {  // the search has not found one yet: the player wins this puzzle
            std::u16string solution = c.shown + u" = " + value.toStdU16String() + u"\r\nBroken down like this:";
            for (const std::string& step : c.steps) solution += u"\r\n" + QString::fromStdString(step).toStdU16String();
            RecordEnd(hints_ > 0 ? PlayRecord::End::SolvedWithHints : PlayRecord::End::SolvedAlone);
            game_->PlayerSolved(solution);
            raceLine = "You got it first!";
            lines << raceLine;
        } else {  // the record counted the computer's win when its search hit
            raceLine = "The computer was first this time.";
            lines << raceLine;
        }
        ShowTally();
    }
    txtResult->setPlainText(lines.join('\n'));
    // The verdict is what a screen reader says first when the focus lands on the result.
    txtResult->setAccessibleDescription(Q(c.verdict) + (raceLine.isEmpty() ? QString() : " " + raceLine));
    txtResult->setFocus(Qt::OtherFocusReason);
}

void frmAnswer::cmdHint_Click() {
    const TableVerdict* verdict = game_->VerdictOnTable();
    if (!verdict) {
        txtResult->setPlainText("The puzzle is still being checked. Ask again in a moment.");
        return;
    }
    if (verdict->player.NoAnswer() || verdict->player.listed.empty()) {
        txtResult->setPlainText("This puzzle has no solution at all: deal the next one.");
        return;
    }
    // One step of the simplest answer a press, the whole answer with the last.
    const Expression& answer = verdict->player.listed.front();
    const std::vector<std::string> steps = ExactSteps(answer);
    const int shown = std::min<int>(++hints_, static_cast<int>(steps.size()));
    QStringList lines;
    for (int i = 0; i < shown; ++i) lines << QString("Hint %1 of %2: %3").arg(i + 1).arg(steps.size()).arg(QString::fromStdString(steps[i]));
    if (shown == static_cast<int>(steps.size())) {
        lines << "That is a whole solution: " + QString::fromStdString(CleanText(answer, SearchOrder));
        cmdHint->setEnabled(false);  // nothing more to show for this puzzle
        txtAnswer->setFocus();
    }
    txtResult->setPlainText(lines.join('\n'));
}
