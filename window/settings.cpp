// Reading and writing the settings table through the store, never trusting what is stored.
#include "window/settings.h"

#include <cmath>

#include "deal/dealing.h"
#include "platform/language.h"
#include "platform/settings_store.h"

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

double ReadSetting(const Setting& setting) {
    return SettingValue(setting, GetSetting(AppTitle, setting.section, setting.key, setting.fallback));
}

int16_t ReadSettingInt(const Setting& setting) {
    return SettingValueInt(setting, GetSetting(AppTitle, setting.section, setting.key, setting.fallback));
}

void WriteSetting(const Setting& setting, const QString& value) {
    SaveSetting(AppTitle, setting.section, setting.key, value);
}

void WriteSetting(const Setting& setting, double value) {
    WriteSetting(setting, QString::number(value, 'g', 7));  // single precision, as text
}

OperatorOrder StoredOrder() { return ReadSettingInt(OrderSetting) == 1 ? OperatorOrder::School : OperatorOrder::Game; }

int StoredHeadStartSeconds() {
    static constexpr int Seconds[] = {0, 10, 30, 60, -1};
    return Seconds[ReadSettingInt(HeadStartSetting)];
}

DealRule StoredDealRule() {
    DealRule rule;
    rule.answerOnly = ReadSettingInt(DealAnswerOnlySetting) == 1;
    rule.level = ReadSettingInt(DealLevelSetting);
    return rule;
}

QString StoredLanguage() { return GetSetting(AppTitle, "Settings", "Language", QString()).trimmed(); }

void StoreLanguage(const QString& language) { SaveSetting(AppTitle, "Settings", "Language", language); }

QString StartLanguage() {
    const QString chosen = StoredLanguage();
    return chosen == "en" || Languages().contains(chosen) ? chosen : SystemLanguage();
}
