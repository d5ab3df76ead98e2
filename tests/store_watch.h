// The window tests' watch on the settings store: every key the game asks for must be a row of
// the settings table; what a test itself stores or reads back to set up or check is its own.
#pragma once

#include <QString>
#include <QStringList>

// While one lives, the store's accesses are the test's own and are not checked.
class TestsOwnStoreAccess {
public:
    TestsOwnStoreAccess();
    ~TestsOwnStoreAccess();
    TestsOwnStoreAccess(const TestsOwnStoreAccess&) = delete;
    TestsOwnStoreAccess& operator=(const TestsOwnStoreAccess&) = delete;
};

// Starts the watch for the whole run (again, after a test watched the store itself); the run
// fails at its end, naming each key the game asked for that the table does not allow, and the
// test that made it ask.
void WatchTheGamesSettingsKeys();
// What the watch has found so far ("Read Game/Nonsense in Suite.Test"), and forgets it.
QStringList TakeKeysOutsideTheTable();
