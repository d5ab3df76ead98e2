// The board's tiles and buttons: drawing the model, and clicks and keys as its moves.
#include "window/board_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>
#include <qdrawutil.h>

#include <cstdlib>

#include "player/board_hint.h"
#include "window/fit_text.h"
#include "window/twips.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct OpButton {
    BoardOp op;
    const char* name;
    const char* spoken;
    const char* tip;
};
constexpr OpButton Ops[] = {
    {BoardOp::Add, "cmdAdd", QT_TRANSLATE_NOOP("BoardView", "Plus"), QT_TRANSLATE_NOOP("BoardView", "Add (key +)")},
    {BoardOp::Subtract, "cmdSubtract", QT_TRANSLATE_NOOP("BoardView", "Minus"), QT_TRANSLATE_NOOP("BoardView", "Subtract (key -)")},
    {BoardOp::Multiply, "cmdMultiply", QT_TRANSLATE_NOOP("BoardView", "Times"), QT_TRANSLATE_NOOP("BoardView", "Multiply (key * or x)")},
    {BoardOp::Divide, "cmdDivide", QT_TRANSLATE_NOOP("BoardView", "Divided by"), QT_TRANSLATE_NOOP("BoardView", "Divide (key /)")},
};

// The operation a typed character stands for.
std::optional<BoardOp> OpOfKey(const QString& text) {
    if (text.size() != 1) return std::nullopt;
    switch (text[0].unicode()) {
    case '+': return BoardOp::Add;
    case '-': case 0x2212: return BoardOp::Subtract;
    case '*': case 'x': case 'X': case 0x00D7: return BoardOp::Multiply;
    case '/': case 0x00F7: return BoardOp::Divide;
    default: return std::nullopt;
    }
}

QString Refused(Board::Refusal why, const std::optional<BoardStep>& step) {
    const QString made = step ? Q(TileText(step->result)) : QString();
    const QString tried = step ? Q(TileText(step->left) + " " + OpSign(step->op) + " " + TileText(step->right)) : QString();
    switch (why) {
    case Board::Refusal::DivideByZero: return QCoreApplication::translate("BoardView", "Nothing can be divided by 0. Pick another card or operation.");
    case Board::Refusal::Fraction:
        return QCoreApplication::translate("BoardView", "%1 makes %2, which is not a whole number. Only whole numbers are allowed.").arg(tried, made);
    case Board::Refusal::BelowZero:
        return QCoreApplication::translate("BoardView", "%1 makes %2, which is below zero. Only whole numbers from 0 up are allowed.").arg(tried, made);
    case Board::Refusal::TooLarge: return QCoreApplication::translate("BoardView", "That number is too large to work with. Pick another step.");
    case Board::Refusal::NotAllowed:  // said with the operation, by PickOp
    case Board::Refusal::None: break;
    }
    return {};
}

}  // namespace

TileButton::TileButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    QFont big("Arial", 36, QFont::Bold);
    big.setStyleHint(QFont::SansSerif);
    setFont(big);
    setFixedSize(Px(1050), Px(1545));  // three quarters of a card on the table
}

void TileButton::SetValue(const Fraction& value) {
    value_ = value;
    setText(Q(TileText(value)));
    //: A card on the board, for a screen reader: "Card 5/2"
    setAccessibleName(tr("Card %1").arg(text()));
    update();
}

void TileButton::SetHinted(bool hinted) {
    if (hinted_ == hinted) return;
    hinted_ = hinted;
    setAccessibleDescription(hinted ? tr("Hint: pick this card next") : QString());
    update();
}

QSize TileButton::sizeHint() const { return size(); }

TileButton::Digits TileButton::Layout() const {
    const QRect room = rect().adjusted(10, 10, -10, -10);
    Digits d;
    if (value_.IsWhole()) {
        d.lines << text();
        d.rooms.push_back(room);
        d.font = FittedFont(font(), text(), room.size());
        return d;
    }
    // Numerator over denominator, the sign before the numerator, one size for both.
    d.lines << Q(TileText(Fraction(value_.Num()))) << QString::number(value_.Den());
    const QFontMetrics m(font());
    const QString& wider = m.horizontalAdvance(d.lines[0]) >= m.horizontalAdvance(d.lines[1]) ? d.lines[0] : d.lines[1];
    const int half = room.height() / 2 - 4;
    d.font = FittedFont(font(), wider, QSize(room.width(), half));
    const int line = QFontMetrics(d.font).height();
    const int mid = room.center().y();
    d.rooms = {QRect(room.left(), mid - 3 - line, room.width(), line), QRect(room.left(), mid + 4, room.width(), line)};
    return d;
}

void TileButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const bool picked = isChecked();
    const QRect r = rect();
    p.fillRect(r, picked ? pal.highlight() : pal.window());
    qDrawShadePanel(&p, r, pal, picked || isDown(), 3);
    if (hinted_) {
        p.setPen(QPen(pal.highlight().color(), 3, Qt::DashLine));
        p.drawRect(r.adjusted(7, 7, -8, -8));
    }
    p.setPen(picked ? pal.highlightedText().color() : pal.windowText().color());
    const Digits digits = Layout();
    p.setFont(digits.font);
    for (int i = 0; i < digits.lines.size(); ++i) p.drawText(digits.rooms[i], Qt::AlignCenter, digits.lines[i]);
    if (digits.lines.size() == 2) {  // the fraction bar, as wide as the wider line
        const QFontMetrics m(digits.font);
        const int bar = std::max(m.horizontalAdvance(digits.lines[0]), m.horizontalAdvance(digits.lines[1]));
        const QRect& top = digits.rooms[0];
        p.fillRect(QRect(top.center().x() - bar / 2, top.bottom() + 3, bar, std::max(2, m.height() / 12)), p.pen().color());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setObjectName("fraBoard");
    lblGoal = new QLabel(this);
    lblGoal->setObjectName("lblGoal");
    lblGoal->setWordWrap(true);
    auto* tiles = new QHBoxLayout;
    tiles->setSpacing(Px(90));
    for (int i = 0; i < MaxTiles; ++i) {
        cmdTile[i] = new TileButton(this);
        cmdTile[i]->setObjectName(QString("cmdTile%1").arg(i));
        cmdTile[i]->setToolTip(tr("Pick this card (key %1)").arg(i + 1));
        tiles->addWidget(cmdTile[i]);
        connect(cmdTile[i], &QAbstractButton::clicked, this, [this, i] { PickTile(i); });
    }
    tiles->addStretch();

    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(OpSign(Ops[i].op)), this);
        b->setObjectName(Ops[i].name);
        b->setAccessibleName(tr(Ops[i].spoken));
        b->setToolTip(tr(Ops[i].tip));
        b->setCheckable(true);
        b->setAutoDefault(false);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 1.6);
        f.setBold(true);
        b->setFont(f);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance("\u00D7") * 3 + 16);
        buttons->addWidget(b);
        cmdOp[i] = b;
        const BoardOp op = Ops[i].op;
        connect(b, &QPushButton::clicked, this, [this, op] { PickOp(op); });
    }
    buttons->addSpacing(Px(180));
    cmdUndo = new QPushButton(tr("&Undo"), this);
    cmdUndo->setObjectName("cmdUndo");
    cmdUndo->setToolTip(tr("Take back the last step (Backspace or Ctrl+Z)"));
    cmdStartOver = new QPushButton(tr("Start &Over"), this);
    cmdStartOver->setObjectName("cmdStartOver");
    cmdStartOver->setToolTip(tr("Back to the cards on the table (Esc)"));
    for (QPushButton* b : {cmdUndo, cmdStartOver}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(cmdUndo, &QPushButton::clicked, this, &BoardView::Undo);
    connect(cmdStartOver, &QPushButton::clicked, this, &BoardView::StartOver);

    chkWholeNumbers = new QCheckBox(tr("&Whole numbers only"), this);
    chkWholeNumbers->setObjectName("chkWholeNumbers");
    chkWholeNumbers->setToolTip(tr("Refuse a step that makes a fraction or a number below zero"));
    connect(chkWholeNumbers, &QCheckBox::toggled, this, [this](bool on) { board_.SetWholeNumbersOnly(on); });

    lstSteps = new QListWidget(this);
    lstSteps->setObjectName("lstSteps");
    lstSteps->setAccessibleName(tr("Steps"));
    lstSteps->setSelectionMode(QAbstractItemView::NoSelection);
    lstSteps->addItem("0");  // one row, to measure a row's height in this style and font
    stepRow_ = std::max(lstSteps->sizeHintForRow(0), lstSteps->fontMetrics().height());
    lstSteps->clear();
    FitStepsList(4);
    auto* stepsLabel = new QLabel(tr("S&teps:"), this);
    stepsLabel->setBuddy(lstSteps);

    lblBoard = new QLabel(this);
    lblBoard->setObjectName("lblBoard");
    lblBoard->setWordWrap(true);
    lblBoard->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lower = new QGridLayout;
    lower->addWidget(stepsLabel, 0, 0);
    lower->addWidget(chkWholeNumbers, 0, 1, Qt::AlignRight);
    lower->addWidget(lstSteps, 1, 0, 1, 2);
    lower->addWidget(lblBoard, 2, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblGoal);
    layout->addLayout(tiles);
    layout->addLayout(buttons);
    layout->addLayout(lower);

    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    Refresh();
}

void BoardView::FitStepsList(int cards) {
    // A row for every step the cards can take, so that the steps never need scrolling.
    lstSteps->setFixedHeight(stepRow_ * std::max(3, cards - 1) + 2 * lstSteps->frameWidth() + 4);
}

void BoardView::SetPuzzle(const std::vector<int>& cards, int answer) {
    FitStepsList(static_cast<int>(cards.size()));
    board_ = Board(cards, answer);
    board_.SetWholeNumbersOnly(chkWholeNumbers->isChecked());
    board_.SetOperations(ops_);
    lblGoal->setText(tr("Make %1: pick a card, an operation and another card, and go on until one card is left.").arg(answer));
    hinted_.reset();
    Say({});
    Refresh();
}

void BoardView::SetWholeNumbersOnly(bool on) { chkWholeNumbers->setChecked(on); }

void BoardView::SetOperations(AllowedOperations ops) {
    ops_ = ops;
    board_.SetOperations(ops);
    for (int i = 0; i < 4; ++i) cmdOp[i]->setVisible(Allows(ops, Ops[i].op));
    Refresh();
}

void BoardView::PickCard(int i) {
    const std::optional<int> place = board_.PlaceOfCard(i);
    if (!place) return;
    if (board_.First() == place) {
        FocusBoard();
        return;
    }
    PickTile(*place);
}

void BoardView::PickTile(int place) {
    emit Moved();
    hinted_.reset();
    const Board::Outcome outcome = board_.PickTile(place);
    After(outcome);
    if (outcome.stepped && board_.Finished()) emit Finished();
}

void BoardView::PickOp(BoardOp op) {
    emit Moved();
    const Board::Outcome outcome = board_.PickOp(op);
    if (outcome.refused == Board::Refusal::NotAllowed) {
        //: %1: the operations allowed, as signs ("+ −"); %2: the sign of the one pressed
        Say(tr("Only %1 may be used now, not %2.").arg(Q(OperationsText(ops_)), QString::fromUtf8(OpSign(op))));
        return;
    }
    After(outcome);
}

void BoardView::Undo() {
    emit Moved();
    hinted_.reset();
    if (board_.Undo()) {
        Say({});
        Refresh();
        emit Undone();
        emit Stepped();
    } else {
        Refresh();
    }
}

void BoardView::StartOver() {
    emit Moved();
    hinted_.reset();
    const bool hadSteps = !board_.Steps().empty();
    board_.StartOver();
    Say({});
    Refresh();
    if (hadSteps) {
        emit StartedOver();
        emit Stepped();
    }
}

void BoardView::After(const Board::Outcome& outcome) {
    if (outcome.refused != Board::Refusal::None) Say(Refused(outcome.refused, outcome.step));
    else if (outcome.stepped) Say({});
    const bool focused = isAncestorOf(window()->focusWidget());
    Refresh();
    if (outcome.stepped) {
        if (outcome.step) emit StepMade(*outcome.step);
        emit Stepped();
        if (focused) FocusBoard();  // on the new tile, where the next step starts
    }
}

void BoardView::ShowHint(const BoardHint& hint, bool focus) {
    board_.PutDown();
    board_.PickTile(hint.first);
    board_.PickOp(hint.op);
    hinted_ = hint.second;
    Refresh();
    if (focus) cmdTile[hint.second]->setFocus(Qt::OtherFocusReason);
}

void BoardView::PutDownHint() {
    if (!hinted_) return;
    board_.PutDown();
    hinted_.reset();
    Refresh();
}

void BoardView::Say(const QString& text) {
    const bool changed = text != lblBoard->text();
    lblBoard->setText(text);
    lblBoard->setAccessibleName(text.isEmpty() ? tr("Board") : text);
    if (changed) emit Spoke();
}

void BoardView::FocusBoard() {
    const int count = static_cast<int>(board_.Tiles().size());
    if (count == 0) return;
    const int place = board_.First().value_or(0);
    cmdTile[std::min(place, count - 1)]->setFocus(Qt::OtherFocusReason);
}

void BoardView::Refresh() {
    const std::vector<Tile>& tiles = board_.Tiles();
    for (int i = 0; i < MaxTiles; ++i) {
        const bool shown = i < static_cast<int>(tiles.size());
        if (shown) {
            cmdTile[i]->SetValue(tiles[i].Value());
            cmdTile[i]->setChecked(board_.First() == i);
            cmdTile[i]->SetHinted(hinted_ == i);
        }
        cmdTile[i]->setVisible(shown);
    }
    for (int i = 0; i < 4; ++i) cmdOp[i]->setChecked(board_.Op() == Ops[i].op);
    cmdUndo->setEnabled(!board_.Steps().empty());
    cmdStartOver->setEnabled(!board_.Steps().empty());
    lstSteps->clear();
    int n = 0;
    for (const BoardStep& step : board_.Steps()) {
        auto* item = new QListWidgetItem(Q(StepText(step)), lstSteps);
        //: A step on the board, for a screen reader: "Step 2: 15 ÷ 6 = 5/2"
        item->setData(Qt::AccessibleTextRole, tr("Step %1: %2").arg(++n).arg(item->text()));
    }
    if (n > 0) lstSteps->scrollToBottom();
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == this || isAncestorOf(qobject_cast<QWidget*>(watched))) &&
        watched != lstSteps && Key(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool BoardView::Key(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (key->matches(QKeySequence::Undo) || (key->key() == Qt::Key_Backspace && mods == Qt::NoModifier)) {
        Undo();
        return true;
    }
    if (mods != Qt::NoModifier) return false;  // Alt keys and shortcuts go on to the window
    const QString text = key->text();
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '7') {
        const int place = text[0].unicode() - '1';
        if (place < static_cast<int>(board_.Tiles().size())) PickTile(place);
        return true;
    }
    if (const std::optional<BoardOp> op = OpOfKey(text)) {
        PickOp(*op);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Escape:
        // Nothing to start over: Escape closes the window, as in every dialog.
        if (board_.Steps().empty() && !board_.First() && !board_.Op()) return false;
        StartOver();
        return true;
    case Qt::Key_Left: MoveFocus(-1, 0); return true;
    case Qt::Key_Right: MoveFocus(1, 0); return true;
    case Qt::Key_Up: MoveFocus(0, -1); return true;
    case Qt::Key_Down: MoveFocus(0, 1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* b = qobject_cast<QAbstractButton*>(window()->focusWidget()); b && isAncestorOf(b)) {
            b->click();
            return true;
        }
        return false;
    default: return false;
    }
}

std::vector<QWidget*> BoardView::Row(int row) const {
    std::vector<QWidget*> out;
    if (row == 0) {
        for (int i = 0; i < static_cast<int>(board_.Tiles().size()); ++i) out.push_back(cmdTile[i]);
    } else {
        for (QPushButton* b : cmdOp)
            if (!b->isHidden()) out.push_back(b);  // only the operations allowed
        for (QWidget* w : {static_cast<QWidget*>(cmdUndo), static_cast<QWidget*>(cmdStartOver), static_cast<QWidget*>(chkWholeNumbers)})
            if (w->isEnabled()) out.push_back(w);
    }
    return out;
}

void BoardView::MoveFocus(int across, int down) {
    QWidget* now = window()->focusWidget();
    int row = 0, at = 0;
    for (int r = 0; r < 2; ++r) {
        const std::vector<QWidget*> items = Row(r);
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            if (items[i] == now) {
                row = r;
                at = i;
            }
    }
    row = std::clamp(row + down, 0, 1);
    const std::vector<QWidget*> items = Row(row);
    if (items.empty()) return;
    at = std::clamp(at + across, 0, static_cast<int>(items.size()) - 1);
    items[at]->setFocus(Qt::TabFocusReason);
}
