// Reading and writing the settings table through the store, never trusting what is stored.
#include "window/settings.h"

#include <QRegularExpression>
#include <QUrl>

#include <cmath>

#include "deal/dealing.h"
#include "platform/language.h"
#include "platform/settings_store.h"
#include "player/play_record.h"

namespace {

// Who plays, as last read from the store at a location.
struct {
    QString location;
    QString player;
    bool known = false;
} playing;

// A shared row never asks whose it is: the current player is itself a shared row.
QString SectionOf(const Setting& setting) {
    return setting.scope == SettingScope::Shared ? QString(setting.section) : SettingSection(setting, CurrentPlayer());
}

// Whether a section of the store is the row's: its own, or a per-player row's for any player.
bool InSection(const Setting& row, const QString& section) {
    if (section == row.section) return true;
    if (row.scope != SettingScope::PerPlayer) return false;
    const QStringList parts = section.split('/');
    return parts.size() == 3 && parts[0] == "Player" && !parts[1].isEmpty() && parts[2] == row.section;
}

// The row a key of the store is, if any.
const Setting* RowOf(const QString& section, const QString& key) {
    for (const Setting* s : AllSettings)
        if (InSection(*s, section) && (s->keyFits ? s->keyFits(key) : key == s->key)) return s;
    return nullptr;
}

}  // namespace

double SettingValue(const Setting& setting, const QString& stored) {
    bool ok = false;
    double value = stored.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < setting.low || value > setting.high)
        return QString(setting.fallback).toDouble();
    return value;
}

int16_t SettingValueInt(const Setting& setting, const QString& stored) {
    double value = std::nearbyint(SettingValue(setting, stored));
    if (value < setting.low || value > setting.high) value = QString(setting.fallback).toDouble();
    return static_cast<int16_t>(value);
}

QString SettingText(const Setting& setting, const QString& stored) {
    const QString text = stored.trimmed();
    return setting.textFits && setting.textFits(text) ? text : QString(setting.fallback);
}

double ReadSetting(const Setting& setting) {
    return SettingValue(setting, GetSetting(AppTitle, SectionOf(setting), setting.key, setting.fallback));
}

int16_t ReadSettingInt(const Setting& setting) {
    return SettingValueInt(setting, GetSetting(AppTitle, SectionOf(setting), setting.key, setting.fallback));
}

QString ReadSettingText(const Setting& setting) {
    return SettingText(setting, GetSetting(AppTitle, SectionOf(setting), setting.key, setting.fallback));
}

void WriteSetting(const Setting& setting, const QString& value) {
    SaveSetting(AppTitle, SectionOf(setting), setting.key, value);
    if (&setting == &CurrentPlayerSetting || &setting == &PlayersSetting) playing.known = false;
}

void WriteSetting(const Setting& setting, double value) {
    WriteSetting(setting, QString::number(value, 'g', 7));  // single precision, as text
}

bool HasSetting(const Setting& setting) { return SettingExists(AppTitle, SectionOf(setting), setting.key); }

void RemoveSetting(const Setting& setting) { DeleteSetting(AppTitle, SectionOf(setting), setting.key); }

// A shared family never asks whose it is (as SectionOf).
static QString OwnerOf(const Setting& family) { return family.scope == SettingScope::Shared ? QString() : CurrentPlayer(); }

QStringList SettingFamilyKeys(const Setting& family) { return PlayerSettingFamilyKeys(family, OwnerOf(family)); }

QString ReadSettingText(const Setting& family, const QString& key) { return ReadPlayerSettingText(family, key, OwnerOf(family)); }

void WriteSetting(const Setting& family, const QString& key, const QString& value) {
    SaveSetting(AppTitle, SectionOf(family), key, value);
}

void RemoveSettingFamily(const Setting& family) {
    for (const QString& key : SettingFamilyKeys(family)) DeleteSetting(AppTitle, SectionOf(family), key);
}

QString ReadPlayerSettingText(const Setting& setting, const QString& player) {
    return SettingText(setting, GetSetting(AppTitle, SettingSection(setting, player), setting.key, setting.fallback));
}

QStringList PlayerSettingFamilyKeys(const Setting& family, const QString& player) {
    QStringList keys = SettingKeys(AppTitle, SettingSection(family, player));
    keys.removeIf([&](const QString& key) { return !family.keyFits(key); });
    return keys;
}

QString ReadPlayerSettingText(const Setting& family, const QString& key, const QString& player) {
    return SettingText(family, GetSetting(AppTitle, SettingSection(family, player), key, family.fallback));
}

QString SettingSection(const Setting& setting, const QString& player) {
    if (setting.scope == SettingScope::Shared || player.isEmpty()) return setting.section;
    // Percent-encoded: a name may hold what the store reads as a group's end ('/', '\').
    return "Player/" + EncodedPlayer(player) + "/" + setting.section;
}

QString EncodedPlayer(const QString& player) { return QString::fromLatin1(QUrl::toPercentEncoding(player, {}, ".")); }

QString CurrentPlayer() {
    // Asked before every read of a player's own row (the clock asks the record four times a
    // second): read from the store once per store, and again only after the table wrote it.
    if (playing.known && playing.location == SettingsLocation()) return playing.player;
    // Only a player of the list: a name removed, or edited by hand, is the first player's turn.
    const QString chosen = ReadSettingText(CurrentPlayerSetting);
    const bool listed = !chosen.isEmpty() && !chosen.contains(' ') && ReadSettingText(PlayersSetting).split(' ').contains(chosen);
    playing = {SettingsLocation(), listed ? QUrl::fromPercentEncoding(chosen.toLatin1()) : QString(), true};
    return playing.player;
}

void RemovePlayerRows(const QString& player) {
    for (const Setting* s : AllSettings) {
        if (s->scope != SettingScope::PerPlayer || s->retired) continue;
        const QString section = SettingSection(*s, player);
        if (!s->keyFits) {
            DeleteSetting(AppTitle, section, s->key);
            continue;
        }
        for (const QString& key : SettingKeys(AppTitle, section))
            if (s->keyFits(key)) DeleteSetting(AppTitle, section, key);
    }
}

bool TableAllows(StoreAccess access, const QString& section, const QString& key) {
    if (access == StoreAccess::List) {
        for (const Setting* s : AllSettings)
            if (s->keyFits && InSection(*s, section)) return true;
        return false;
    }
    const Setting* row = RowOf(section, key);
    return row && !(access == StoreAccess::Write && row->retired);
}

OperatorOrder StoredOrder() { return ReadSettingInt(OrderSetting) == 1 ? OperatorOrder::School : OperatorOrder::Game; }

AllowedOperations StoredOperations() { return static_cast<AllowedOperations>(ReadSettingInt(OperationsSetting)); }

int StoredHeadStartSeconds() {
    static constexpr int Seconds[] = {0, 10, 30, 60, -1};
    return Seconds[ReadSettingInt(HeadStartSetting)];
}

DealRule StoredDealRule() {
    DealRule rule;
    rule.answerOnly = ReadSettingInt(DealAnswerOnlySetting) == 1;
    rule.level = ReadSettingInt(DealLevelSetting);
    rule.noAnswers = ReadSettingInt(DealNoAnswersSetting) == 1;
    rule.operations = StoredOperations();
    return rule;
}

bool IsLanguageChoice(const QString& text) { return text.isEmpty() || text == "en" || Languages().contains(text); }

QString StoredLanguage() { return ReadSettingText(LanguageSetting); }

void StoreLanguage(const QString& language) { WriteSetting(LanguageSetting, language); }

QString StartLanguage() {
    const QString chosen = StoredLanguage();
    return chosen.isEmpty() ? SystemLanguage() : chosen;
}

bool IsRecordRowKey(const QString& key) { return PlayRecord::IsRowKey(key.toStdString()); }

bool IsRecordRowText(const QString& text) { return PlayRecord::IsRowText(text.toStdString()); }

bool IsPlayersText(const QString& text) {
    // Encoded names only (EncodedPlayer), one space between two.
    static const QRegularExpression form("^([A-Za-z0-9_~-]|%[0-9A-F]{2})+( ([A-Za-z0-9_~-]|%[0-9A-F]{2})+)*$");
    return text.isEmpty() || form.match(text).hasMatch();
}

bool IsEarlierWinsText(const QString& text) { return PlayRecord().LoadEarlier(text.toStdString()); }
