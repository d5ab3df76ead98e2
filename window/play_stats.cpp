// The record of play in the settings: one key per row under "Statistics", and the wins it
// carried from the tally older versions kept apart.
#include "window/play_stats.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <map>
#include <memory>

#include "engine/globals.h"
#include "platform/settings_store.h"  // where the store is, to know when a test moves it
#include "window/players.h"
#include "window/settings.h"

namespace {

std::map<std::string, std::string> written;  // the rows as the settings file holds them
PuzzleLog tableLog;  // the row of the puzzle on the table, until its result

constexpr const Setting* OldTally[] = {&PlayerWinsSetting, &HintWinsSetting, &ComputerWinsSetting};

// An old tally's count as older versions read it: a whole number, fractions dropped.
uint64_t OldWins(const Setting& setting) { return static_cast<uint64_t>(ReadSetting(setting)); }

}  // namespace

PlayRecord StoredRecord() {
    PlayRecord record;
    std::map<std::string, std::string> saved;
    for (const QString& key : SettingFamilyKeys(RecordRowsSetting))
        saved[key.toStdString()] = ReadSettingText(RecordRowsSetting, key).toStdString();
    record.Load(saved);
    record.LoadEarlier(ReadSettingText(EarlierWinsSetting).toStdString());
    record.CarryTally(OldWins(PlayerWinsSetting), OldWins(HintWinsSetting), OldWins(ComputerWinsSetting));
    return record;
}

PlayRecord PlayerRecord(const QString& player) {
    if (player == CurrentPlayer()) return Record();
    PlayRecord record;
    std::map<std::string, std::string> saved;
    for (const QString& key : PlayerSettingFamilyKeys(RecordRowsSetting, player))
        saved[key.toStdString()] = ReadPlayerSettingText(RecordRowsSetting, key, player).toStdString();
    record.Load(saved);
    record.LoadEarlier(ReadPlayerSettingText(EarlierWinsSetting, player).toStdString());
    return record;
}

PlayRecord& Record() {
    static std::unique_ptr<PlayRecord> record;
    static QString loadedFrom;
    // A test that points the settings elsewhere gets the record stored there; each player his own.
    const QString from = SettingsLocation() + '\n' + CurrentPlayer();
    if (!record || loadedFrom != from) {
        record = std::make_unique<PlayRecord>(StoredRecord());
        loadedFrom = from;
        tableLog = PuzzleLog{};  // the row of a puzzle begun with other settings is not this record's
        written = record->Save();
        // The old tally's keys go only once the wins they carried are stored: carried twice, they
        // count once.
        if (std::any_of(std::begin(OldTally), std::end(OldTally), [](const Setting* s) { return HasSetting(*s); })) {
            WriteSetting(EarlierWinsSetting, QString::fromStdString(record->EarlierText()));
            for (const Setting* s : OldTally) RemoveSetting(*s);
        }
    }
    return *record;
}

void SaveRecord() {
    // Only the rows that changed: each write rewrites the settings file, and a deal changes one.
    Record();  // loaded, and what the file holds known
    for (const auto& [key, value] : Record().Save()) {
        auto [it, fresh] = written.try_emplace(key, value);
        if (!fresh && it->second == value) continue;
        it->second = value;
        WriteSetting(RecordRowsSetting, QString::fromStdString(key), QString::fromStdString(value));
    }
}

namespace {

void Logged(const std::optional<LogRow>& finished) {
    if (!finished) return;
    LogRow row = *finished;
    const QString player = CurrentPlayer();
    const QDateTime now = QDateTime::currentDateTime();
    row.whenMs = now.toMSecsSinceEpoch();
    row.offsetMinutes = now.offsetFromUtc() / 60;
    row.player = PlayerName(player).toStdString();
    AppendPlayerLog(player, row);  // a log that cannot be written loses a row, never the game
}

LogResult LogResultOf(PlayRecord::End how) {
    switch (how) {
    case PlayRecord::End::SolvedAlone: return LogResult::Solved;
    case PlayRecord::End::SolvedWithHints: return LogResult::SolvedWithHints;
    case PlayRecord::End::ComputerFirst: return LogResult::ComputerFirst;
    case PlayRecord::End::GaveUp: return LogResult::GaveUp;
    }
    return LogResult::Left;
}

// The record ended the puzzle: saved, and its row in the log.
void Settle(std::optional<PlayRecord::End> how) {
    if (!how) return;
    SaveRecord();
    Logged(tableLog.Result(LogResultOf(*how), NowMs()));
}

}  // namespace

void RecordEnd(PlayRecord::End how) {
    PlayRecord& record = Record();
    if (!record.Open() || record.HasEnded()) return;
    record.Ended(how, NowMs());
    Settle(how);
}

PlayRecord::Right RecordRight(bool withHints) {
    const PlayRecord::Right right = Record().RightAnswer(withHints, NowMs());
    Settle(right.ended);
    return right;
}

PlayRecord::Right RecordNoAnswerClaim(bool right, bool withHints) {
    tableLog.Add({LogStep::Kind::NoAnswerClaim, {}});
    const PlayRecord::Right claim = Record().ClaimedNoAnswer(right, withHints, NowMs());
    SaveRecord();
    // A right claim is the puzzle's end, logged as such; a wrong one is a step (and its row's
    // result if the puzzle is left so).
    if (claim.ended) Logged(tableLog.Result(LogResult::NoAnswerSpotted, NowMs()));
    return claim;
}

void RecordOpened() {
    tableLog.Played();
    Settle(Record().Opened(NowMs()));
}

void RecordPlayed() {
    tableLog.Played();
    Settle(Record().Played(NowMs()));
}

void RecordComputerHit() { Settle(Record().ComputerHit(NowMs())); }

void ResetRecord() {
    Record().Reset();
    RemoveSettingFamily(RecordRowsSetting);
    RemoveSetting(EarlierWinsSetting);
    written.clear();
}

QString TallyText() {
    const auto you = static_cast<qulonglong>(Record().PlayerFirst());
    const auto hints = static_cast<qulonglong>(Record().HintsFirst());
    const auto computer = static_cast<qulonglong>(Record().ComputerFirst());
    if (hints > 0) return QCoreApplication::translate("Tally", "You %1 (%2 with hints), the computer %3").arg(you).arg(hints).arg(computer);
    return QCoreApplication::translate("Tally", "You %1, the computer %2").arg(you).arg(computer);
}

void LogStarted(const std::vector<int>& cards, int answer) { tableLog.Started(cards, answer, LogOperations(SearchOperations), NowMs()); }

void LogLeft() { Logged(tableLog.Leave(NowMs())); }

void LogLevelKnown(int level) { tableLog.LevelKnown(level); }

void AddLogStep(LogStep step) { tableLog.Add(std::move(step)); }

std::vector<LogRow> PlayerLog() { return ReadPlayerLog(CurrentPlayer()); }

std::vector<RightAnswerAt> PlayerRightAnswerTimes() { return RightAnswerTimes(PlayerLog()); }

void SwitchPlayer(const QString& player, const std::vector<int>& cards, int answer, int level) {
    if (player == CurrentPlayer()) return;
    const bool onTable = Record().Open();
    LogLeft();
    Record().Left();
    SaveRecord();
    StoreCurrentPlayer(player);
    if (!onTable) return;
    Record().Started(static_cast<int>(cards.size()), NowMs());
    Record().Seen();
    LogStarted(cards, answer);
    if (level >= 0) {
        Record().LevelKnown(level);
        LogLevelKnown(level);
    }
}
