// Shared set-up for window tests: offscreen Qt, a private settings store and data folder, recorded message boxes,
// a fixed random seed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "engine/globals.h"
#include "expr/eval.h"
#include "expr/operations.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/settings_store.h"
#include "tests/store_watch.h"
#include "window/frmmain.h"
#include "window/play_stats.h"
#include "window/players.h"
#include "window/verdict_check.h"

class GuiTest : public ::testing::Test {
protected:
    // Until the verdict has the level of the puzzle on the table (0: it has no answer; -1: never).
    static int WaitForLevel(frmMain& w) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            const TableVerdict* v = w.VerdictOnTable();
            if (v && (v->player.answers == 0 || v->level > 0)) return v->player.answers == 0 ? 0 : v->level;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return -1;
    }
    QTemporaryDir dir;
    QStringList messages;  // every message box shown, in order
    std::vector<QWidget*> messageOwners;  // the window each box stood over
    std::unique_ptr<frmMain> game;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetSettingsLocation(ScratchSettingsLocation(dir.path()));
        SetDataFolder(dir.path());  // the players' logs too
        MsgBoxHook = [this](const QString& text, QWidget* owner) {
            messages << text;
            messageOwners.push_back(owner);
        };
        CommonDialog::NeverShow = true;
        FixedRandomSeed = 1234;
        ScriptRandom({});
        Running = true;
        Solving = false;
    }
    void TearDown() override {
        game.reset();
        MsgBoxHook = nullptr;
        AskHook = nullptr;
        FixedRandomSeed.reset();
        FixedNowMs.reset();
        HeadStartUntil = 0;
        WaitingForGiveUp = false;
        SearchOrder = OperatorOrder::Game;
        SearchOperations = AllowedOperations::All;
        RemoveSettingsLocation(SettingsLocation());
        SetSettingsLocation({});
        SetDataFolder({});
    }

    // Creates, loads and shows the game window as the splash window does.
    frmMain& Start(const QString& commandLine = {}) {
        game = std::make_unique<frmMain>();
        game->Form_Load(commandLine);
        game->show();
        QCoreApplication::processEvents();
        return *game;
    }

    // Runs search steps until a solution is found or the limit is reached.
    static bool SearchUntilSolved(int limit = 200000) {
        for (int i = 0; i < limit && Solving; ++i) SearchStep();
        return !Solving;
    }

    // The store as the test sees it, beside the game: set up, or read back, key by key.
    QString Setting(const QString& section, const QString& key) {
        const TestsOwnStoreAccess own;
        return GetSetting("Pelorand", section, key, "<absent>");
    }
    void Store(const QString& section, const QString& key, const QString& value) {
        const TestsOwnStoreAccess own;
        SaveSetting("Pelorand", section, key, value);
    }
    // The tally as the store holds it, read afresh from the record.
    struct Wins {
        uint64_t player, hints, computer;
    };
    static Wins StoredWins() {
        const PlayRecord record = StoredRecord();
        return {record.PlayerFirst(), record.HintsFirst(), record.ComputerFirst()};
    }
};
