// The background solution search, one random attempt per step.
//
// Each SearchStep shuffles the face cards into a random order, puts a random operator after
// each card (drawn from a pool that weights + and - 5/16 each, x and divide 3/16 each; the
// last card's operator is drawn and discarded), adds N-3 random bracket pairs with
// PlaceBrackets, evaluates the text with EvalExpr and judges it by the one hit rule (IsHit:
// the value is the answer card exactly, as doubles, and nothing was divided by zero). Steps remember nothing but StepCount, so an unsolvable puzzle is
// searched until the next deal. On a hit the attempt and its breakdown are turned into the
// display form ("05#(03x07)~02" becomes "5 + (3 * 7) - 2", expr/notation.h) and handed to
// the window.
#pragma once

#include <string>

// What a search step writes to the game window. The game window implements it; tests
// record it.
class SearchView {
public:
    virtual ~SearchView() = default;
    virtual void SetStatusPanel(int panel, const std::u16string& text) = 0;  // panel 1 or 2
    virtual void EnableAnswer() = 0;
    virtual void SetSolutionText(const std::u16string& text) = 0;  // the solution window's box
    virtual void SetProgress(const std::u16string& text) = 0;      // the progress label
    // The player's head start began (true) or ended (false): whatever lets the player end it.
    virtual void SetHeadStart(bool /*waiting*/) {}
};

// The computer's head start on a new puzzle: seconds > 0 holds the search back that long,
// seconds < 0 until GiveUp, 0 lets it start at once (as always). Writes the countdown.
void BeginHeadStart(int seconds);
// Lets the computer start at once.
void GiveUp();
// Whether the search is being held back now.
bool HeadStartRunning();

// One attempt on the puzzle in Deck at DeckPos with FaceCards cards; writes to MainForm.
// During the player's head start it makes none and counts none: it only writes the countdown.
void SearchStep();
