// The record of play as the game keeps it: loaded from the settings at first use, written back
// after every change, with the Your Answer tally's three totals beside it.
#pragma once

#include <QString>

#include "player/play_record.h"

// The record as the settings hold it, read afresh.
PlayRecord StoredRecord();
// The one record; loaded on first use.
PlayRecord& Record();
// A puzzle ended: the record's row, and the tally (player, hints, computer) with it.
void RecordEnd(PlayRecord::End how);
// The player's right answer (after hints when withHints): the record says how it ends the race.
PlayRecord::Right RecordRight(bool withHints);
// Your Answer opened for the puzzle on the table: played, but no race entered.
void RecordOpened();
// The player played the puzzle on the table (picked, typed, checked, asked for a hint): a race
// when the computer's search has not hit it yet.
void RecordPlayed();
// The computer's search hit the puzzle on the table: its win once the player has played it.
void RecordComputerHit();
// Writes the rows to the settings.
void SaveRecord();
// Clears every row and the tally, stored at once.
void ResetRecord();
// "You 4 (1 with hints), the computer 7".
QString TallyText();
