// The players on one computer and where each one's log of play is kept.
//
// The first player is the computer account's user name and is always there: his values stay
// where they always were, so a game with one player looks as it always did. Others are added
// by name in View > Player. A player is "" for the first, else the name as typed; names are
// encoded wherever they become part of a settings section or a file name, never a path.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "player/play_log.h"

// The computer account's user name, from the environment (USERNAME on Windows, USER or LOGNAME
// elsewhere); "Player" when none is set.
QString AccountUserName();
// The players after the first, in the order added.
QStringList OtherPlayers();
// A player's name as shown: the account's user name for the first.
QString PlayerName(const QString& player);
// The longest name a player may have: its file name stays within what every file system takes.
inline constexpr int MaxPlayerName = 24;
// Why a name cannot be a new player's, in the reader's words; empty when it can.
QString NameProblem(const QString& name);
// Adds a player (trimmed); false when the name cannot be one (NameProblem).
bool AddPlayer(const QString& name);
// Removes a player after the first: his own settings rows, his log and his name. The first
// player is never removed. When he was playing, the first player plays on.
bool DeletePlayer(const QString& player);
// The player chosen, remembered for the next start ("" for the first).
void StoreCurrentPlayer(const QString& player);

// The folder of the players' logs: the per-user data folder; tests put it elsewhere.
QString DataFolder();
void SetDataFolder(const QString& folder);
// The file of a player's log: "log.txt" for the first, "log-<encoded name>.txt" for another.
QString LogFile(const QString& player);
// A player's log, oldest first; damaged lines left out.
std::vector<LogRow> ReadPlayerLog(const QString& player);
// One row added at the end of the player's log; false when it could not be written.
bool AppendPlayerLog(const QString& player, const LogRow& row);

