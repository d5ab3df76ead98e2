// The window tests' watch on the settings store, checked at the end of the run.
#include "tests/store_watch.h"

#include <gtest/gtest.h>

#include <mutex>

#include "platform/settings_store.h"
#include "window/settings.h"

namespace {

std::mutex guard;
int ownAccess = 0;  // nested TestsOwnStoreAccess alive
QStringList outside;

const char* NameOf(StoreAccess access) {
    switch (access) {
    case StoreAccess::Read: return "Read";
    case StoreAccess::Write: return "Write";
    case StoreAccess::Remove: return "Remove";
    case StoreAccess::List: return "List";
    }
    return "?";
}

void Seen(StoreAccess access, const QString& section, const QString& key) {
    std::lock_guard lock(guard);
    if (ownAccess > 0 || TableAllows(access, section, key)) return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString where = test ? QString("%1.%2").arg(test->test_suite_name(), test->name()) : QString("no test");
    const QString entry = QString("%1 %2/%3 in %4").arg(NameOf(access), section, key, where);
    if (!outside.contains(entry)) outside << entry;
}

class KeysAreRows : public ::testing::Environment {
public:
    void TearDown() override {
        const QStringList found = TakeKeysOutsideTheTable();
        EXPECT_TRUE(found.isEmpty()) << "the game asked the settings store for keys that are not rows of the settings table "
                                        "(window/settings.h), or wrote a retired one:\n  "
                                     << found.join("\n  ").toStdString();
        WatchSettings(nullptr);
    }
};

}  // namespace

TestsOwnStoreAccess::TestsOwnStoreAccess() {
    std::lock_guard lock(guard);
    ++ownAccess;
}

TestsOwnStoreAccess::~TestsOwnStoreAccess() {
    std::lock_guard lock(guard);
    --ownAccess;
}

void WatchTheGamesSettingsKeys() {
    WatchSettings(Seen);
    static const bool checked = [] {
        ::testing::AddGlobalTestEnvironment(new KeysAreRows);  // gtest owns it
        return true;
    }();
    Q_UNUSED(checked);
}

QStringList TakeKeysOutsideTheTable() {
    std::lock_guard lock(guard);
    QStringList found;
    found.swap(outside);
    return found;
}
