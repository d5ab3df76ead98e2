// The record of play as the game keeps it: loaded from the settings at first use, written back
// after every change; the Your Answer tally is its sum.
#pragma once

#include <QString>

#include "player/play_record.h"

// The record as the settings hold it, read afresh; an older version's separate tally, when the
// settings still hold it, carried in.
PlayRecord StoredRecord();
// The one record; loaded on first use, when an older version's tally is carried in for good and
// its keys removed.
PlayRecord& Record();
// A puzzle ended: the record's row, and so the tally (player, hints, computer).
void RecordEnd(PlayRecord::End how);
// The player's right answer (after hints when withHints): the record says how it ends the race.
PlayRecord::Right RecordRight(bool withHints);
// The player said the puzzle on the table has no answer; right: it has none.
PlayRecord::Right RecordNoAnswerClaim(bool right, bool withHints);
// Your Answer opened for the puzzle on the table: played, but no race entered.
void RecordOpened();
// The player played the puzzle on the table (picked, typed, checked, asked for a hint): a race
// when the computer's search has not hit it yet.
void RecordPlayed();
// The computer's search hit the puzzle on the table: its win once the player has played it.
void RecordComputerHit();
// Writes the rows to the settings.
void SaveRecord();
// Clears every row and so the tally, stored at once.
void ResetRecord();
// "You 4 (1 with hints), the computer 7".
QString TallyText();
