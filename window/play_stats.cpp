// The record of play in the settings: one key per row under "Statistics".
#include "window/play_stats.h"

#include <QCoreApplication>

#include <map>
#include <memory>

#include "engine/globals.h"
#include "platform/settings_store.h"
#include "window/settings.h"

namespace {

constexpr const char* Section = "Statistics";
std::map<std::string, std::string> written;  // the rows as the settings file holds them

void AddToTally(const Setting& setting) { WriteSetting(setting, QString::number(static_cast<qint64>(ReadSetting(setting)) + 1)); }

}  // namespace

PlayRecord StoredRecord() {
    PlayRecord record;
    std::map<std::string, std::string> saved;
    for (const QString& key : SettingKeys(AppTitle, Section))
        saved[key.toStdString()] = GetSetting(AppTitle, Section, key, QString()).toStdString();
    record.Load(saved);
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
        SaveSetting(AppTitle, Section, QString::fromStdString(key), QString::fromStdString(value));
    }
}

namespace {

// The tally follows the record's ends, one for each.
void Tally(PlayRecord::End how) {
    using End = PlayRecord::End;
    if (how == End::SolvedAlone || how == End::SolvedWithHints) AddToTally(PlayerWinsSetting);
    if (how == End::SolvedWithHints) AddToTally(HintWinsSetting);
    if (how == End::ComputerFirst) AddToTally(ComputerWinsSetting);
    SaveRecord();
}

void Settle(std::optional<PlayRecord::End> how) {
    if (how) Tally(*how);
}

}  // namespace

void RecordEnd(PlayRecord::End how) {
    PlayRecord& record = Record();
    if (!record.Open() || record.HasEnded()) return;
    record.Ended(how, NowMs());
    Tally(how);
}

PlayRecord::Right RecordRight(bool withHints) {
    const PlayRecord::Right right = Record().RightAnswer(withHints, NowMs());
    if (right.ended) Tally(*right.ended);
    return right;
}

void RecordOpened() { Settle(Record().Opened(NowMs())); }

void RecordPlayed() { Settle(Record().Played(NowMs())); }

void RecordComputerHit() { Settle(Record().ComputerHit(NowMs())); }

void ResetRecord() {
    Record().Reset();
    DeleteSettingSection(AppTitle, Section);
    written.clear();
    for (const Setting* s : {&PlayerWinsSetting, &HintWinsSetting, &ComputerWinsSetting}) WriteSetting(*s, QString("0"));
}

QString TallyText() {
    const auto you = static_cast<qint64>(ReadSetting(PlayerWinsSetting));
    const auto hints = static_cast<qint64>(ReadSetting(HintWinsSetting));
    const auto computer = static_cast<qint64>(ReadSetting(ComputerWinsSetting));
    if (hints > 0) return QCoreApplication::translate("Tally", "You %1 (%2 with hints), the computer %3").arg(you).arg(hints).arg(computer);
    return QCoreApplication::translate("Tally", "You %1, the computer %2").arg(you).arg(computer);
}
