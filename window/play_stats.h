// The record of play as the game keeps it: loaded from the settings at first use, written back
// after every change; the Your Answer tally is its sum.
#pragma once

#include <QString>

#include <vector>

#include "player/play_log.h"
#include "player/play_record.h"

// The record as the settings hold it, read afresh; an older version's separate tally, when the
// settings still hold it, carried in.
PlayRecord StoredRecord();
// Any player's record as stored, to be shown: the current player's as it stands.
PlayRecord PlayerRecord(const QString& player);
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

// The log of play. Each puzzle's row is added to the player's log when the record ends the
// puzzle (the ends above), or when it leaves the table played but unended.
// A new puzzle on the table: its row starts.
void LogStarted(const std::vector<int>& cards, int answer);
// The puzzle on the table leaves it: its row, as left unsolved, when it was played.
void LogLeft();
void LogLevelKnown(int level);
// Something the player did on the puzzle on the table, in order.
void AddLogStep(LogStep step);
// The current player's log, oldest first; and when each of his right answers was given.
std::vector<LogRow> PlayerLog();
std::vector<RightAnswerAt> PlayerRightAnswerTimes();
// Another player plays on: the puzzle on the table leaves the record and log of the one
// before and starts afresh in the new one's (with its level when known: level >= 0).
void SwitchPlayer(const QString& player, const std::vector<int>& cards, int answer, int level);
