// The board in Your Answer: tiles to pick, the four operations, Undo, Start Over and the steps.
#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "player/board.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
struct BoardHint;

// A tile drawn as the table draws a card: a raised panel with large bold digits, a fraction
// standing as numerator over denominator. Picked it is sunk and highlighted; the tile a hint
// points to next is outlined.
class TileButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TileButton(QWidget* parent = nullptr);
    void SetValue(const Fraction& value);
    void SetHinted(bool hinted);
    bool Hinted() const { return hinted_; }
    QSize sizeHint() const override;

    // The digits as drawn: one line for a whole number, numerator and denominator for a
    // fraction, in one font shrunk until every line fits its room.
    struct Digits {
        QFont font;
        QStringList lines;
        std::vector<QRect> rooms;  // one per line
    };
    Digits Layout() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Fraction value_;
    bool hinted_ = false;
};

// Draws the board's model and turns clicks and keys into its moves. While it has the focus:
// 1 to 7 pick the tile in that place, + - * / (x, the times and divide signs) the operation,
// Backspace or Ctrl+Z undo, Escape starts over, the arrows move between tiles and buttons and
// Space or Enter picks what has the focus.
class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxTiles = 7;

    explicit BoardView(QWidget* parent = nullptr);

    void SetPuzzle(const std::vector<int>& cards, int answer);  // a fresh board of these cards
    // The table's face card i, picked as a tile when it still stands alone; never put down.
    void PickCard(int i);
    // Picks the hint's first tile and operation and outlines its second, which takes the focus
    // when asked (Space or Enter then plays it).
    void ShowHint(const BoardHint& hint, bool focus);
    void PutDownHint();  // a hint's picks put down again (a hint the board cannot show yet)
    void Say(const QString& text);         // the line under the board; empty clears it
    void FocusBoard();                     // the focus on the picked tile, else the first
    const Board& Model() const { return board_; }
    void SetWholeNumbersOnly(bool on);
    // Shows only the operations allowed; a key for another is answered with a sentence.
    void SetOperations(AllowedOperations ops);

    std::array<TileButton*, MaxTiles> cmdTile{};
    std::array<QPushButton*, 4> cmdOp{};  // + − × ÷
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdStartOver = nullptr;
    QCheckBox* chkWholeNumbers = nullptr;
    QListWidget* lstSteps = nullptr;
    QLabel* lblGoal = nullptr;   // what to make, and how
    QLabel* lblBoard = nullptr;  // why a step was refused, or what the last card makes

signals:
    void Moved();     // the player did something on the board
    void Stepped();   // a step was made, taken back or all undone: the tiles changed
    // Before Stepped: which of the three it was.
    void StepMade(const BoardStep& step);
    void Undone();
    void StartedOver();
    void Finished();  // one tile is left: the board's answer is ready to judge
    void Spoke();     // the line under the steps changed: the window may need to grow for it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PickTile(int place);
    void PickOp(BoardOp op);
    void Undo();
    void StartOver();
    void After(const Board::Outcome& outcome);
    void Refresh();
    bool Key(QKeyEvent* key);
    void MoveFocus(int across, int down);
    std::vector<QWidget*> Row(int row) const;  // the focusable controls of a row: tiles, then buttons

    Board board_;
    AllowedOperations ops_ = AllowedOperations::All;
    std::optional<int> hinted_;  // the place a hint points to next
    int stepRow_ = 0;            // the height of a row of the steps list
    void FitStepsList(int cards);
};
