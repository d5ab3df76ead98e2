// The record of play in the settings: one key per row under "Statistics", and the wins it
// carried from the tally older versions kept apart.
#include "window/play_stats.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <memory>

#include "engine/globals.h"
#include "platform/settings_store.h"  // where the store is, to know when a test moves it
#include "window/settings.h"

namespace {

std::map<std::string, std::string> written;  // the rows as the settings file holds them

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

PlayRecord& Record() {
    static std::unique_ptr<PlayRecord> record;
    static QString loadedFrom;
    // A test that points the settings elsewhere gets the record stored there.
    if (!record || loadedFrom != SettingsLocation()) {
        record = std::make_unique<PlayRecord>(StoredRecord());
        loadedFrom = SettingsLocation();
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

void Settle(std::optional<PlayRecord::End> how) {
    if (how) SaveRecord();
}

}  // namespace

void RecordEnd(PlayRecord::End how) {
    PlayRecord& record = Record();
    if (!record.Open() || record.HasEnded()) return;
    record.Ended(how, NowMs());
    SaveRecord();
}

PlayRecord::Right RecordRight(bool withHints) {
    const PlayRecord::Right right = Record().RightAnswer(withHints, NowMs());
    if (right.ended) SaveRecord();
    return right;
}

PlayRecord::Right RecordNoAnswerClaim(bool right, bool withHints) {
    const PlayRecord::Right claim = Record().ClaimedNoAnswer(right, withHints, NowMs());
    SaveRecord();
    return claim;
}

void RecordOpened() { Settle(Record().Opened(NowMs())); }

void RecordPlayed() { Settle(Record().Played(NowMs())); }

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
