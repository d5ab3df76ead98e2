// Replays every seed and every input the fuzzers ever found against the same checks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/checks.h"

namespace {

using Check = std::string (*)(const uint8_t*, std::size_t);

int Replay(const char* target, Check check) {
    int files = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        QDir dir(QString(PELORAND_SOURCE_DIR "/fuzz/%1/%2").arg(kind, target));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            QFile file(info.filePath());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(check(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size()), "")
                << info.filePath().toStdString();
            ++files;
        }
    }
    return files;
}

}  // namespace

TEST(FuzzReplay, EveryKeptInputStillPasses) {
    EXPECT_GT(Replay("eval", CheckEval), 0);
    EXPECT_GT(Replay("search", CheckSearch), 0);
    EXPECT_GT(Replay("deck", CheckDeckFile), 0);
    EXPECT_GT(Replay("settings", CheckSettings), 0);
    EXPECT_GT(Replay("solver", CheckSolverFast), 0);
    EXPECT_GT(Replay("answer", CheckAnswerText), 0);
    EXPECT_GT(Replay("player", CheckPlayerSolver), 0);
    EXPECT_GT(Replay("counter", CheckCounter), 0);
    EXPECT_GT(Replay("puzzletext", CheckPuzzleText), 0);
    EXPECT_GT(Replay("record", CheckPlayRecord), 0);
    EXPECT_GT(Replay("log", CheckPlayLog), 0);
    EXPECT_GT(Replay("board", CheckBoard), 0);
    EXPECT_GT(Replay("level", CheckLevel), 0);
    EXPECT_GT(Replay("levelsmall", CheckLevelSmall), 0);
    EXPECT_GT(Replay("answervalue", CheckAnswerValue), 0);
    EXPECT_GT(Replay("countersmall", CheckCounterSmall), 0);
    EXPECT_GT(Replay("settingvalues", CheckSettingValues), 0);
}
