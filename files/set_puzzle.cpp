// Setting a puzzle on the table from text: Paste Puzzle and New Puzzle.
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QPushButton>

#include <algorithm>

#include "deal/puzzle_text.h"
#include "deal/today.h"
#include "dialogs/frmnewpuzzle.h"
#include "files/deck.h"
#include "platform/msgbox.h"
#include "window/frmmain.h"
#include "window/frmsoln.h"
#include "window/settings.h"

void frmMain::SetPuzzle(const std::vector<int>& cards, int answer) {
    if (soln_) soln_->hide();
    // Into the deck at the place of the puzzle on the table, so that Save keeps it.
    const bool otherCount = FaceCards != static_cast<int16_t>(cards.size());
    ShowFacePanels(false);
    FaceCards = static_cast<int16_t>(cards.size());
    for (int16_t i = 0; i < FaceCards; ++i) Deck[RingPos(DeckPos, FaceCards, i)] = static_cast<uint8_t>(cards[i]);
    Deck[DeckPos] = static_cast<uint8_t>(answer);
    // The highest card grows to hold the cards given; it never shrinks for a puzzle.
    const int highest = std::max(answer, *std::max_element(cards.begin(), cards.end()));
    HighCard = static_cast<int16_t>(std::max<int>(HighCard, highest));
    WriteSetting(FaceCardsSetting, QString::number(FaceCards));
    WriteSetting(HighCardSetting, QString::number(HighCard));
    ShowFacePanels(true);
    if (otherCount) SetWidth();  // a window the player has widened stays so for the same row
    StartPuzzle();
    // Later deals keep the puzzle's number of cards, as after a loaded deck: said where it
    // happens, so that Options is never changed behind the player's back.
    if (otherCount)
        ShowNote(tr("From now on Deal deals %n card(s), as this puzzle has; Options, \"Number of puzzle cards\", changes that.",
                    "", FaceCards));
}

void frmMain::mnuEditPaste_Click() {
    const QString text = QGuiApplication::clipboard()->text();
    const PuzzleRead read = ReadPuzzleText(text.left(1000).toStdString());
    if (!read.Ok()) {
        MsgBox(tr("The clipboard does not hold a puzzle, so the table stays as it is. %1").arg(QString::fromStdString(read.error)));
        return;
    }
    SetPuzzle(read.cards, read.answer);
}

void frmMain::mnuFileNewPuzzle_Click() {
    frmNewPuzzle dialog(this, QString::fromStdString(PlainPuzzleText(FaceCardValues(), Deck[DeckPos])));
    if (dialog.exec() != QDialog::Accepted) return;
    SetPuzzle(dialog.Puzzle().cards, dialog.Puzzle().answer);
}

void frmMain::mnuFileToday_Click() {
    const QDate today = QDate::currentDate();
    const std::optional<DayPuzzle> puzzle = PuzzleOfTheDay(today.year(), today.month(), today.day(), FaceCards);
    if (!puzzle) {
        MsgBox(tr("No puzzle with an answer turned up for today, so the table stays as it is."));
        return;
    }
    SetPuzzle(puzzle->cards, puzzle->answer);
}
