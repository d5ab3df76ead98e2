// The settings reader under any file content, and the judgement of any stored text: every value
// comes back usable.
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

#include "fuzz/checks.h"
#include "platform/settings_store.h"
#include "window/settings.h"

std::string CheckSettings(const uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("Pelorand.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SetSettingsLocation(path);
    for (const Setting* s : {&MainLeft, &MainTop, &MainWidth, &MainHeight, &FaceCardsSetting, &HighCardSetting}) {
        const double value = ReadSetting(*s);
        if (!std::isfinite(value) || value < s->low || value > s->high) return std::string("bad value for ") + s->key;
    }
    const int16_t faces = ReadSettingInt(FaceCardsSetting);
    const int16_t high = ReadSettingInt(HighCardSetting);
    SetSettingsLocation({});
    if (faces < 3 || faces > 7) return "face cards out of range";
    if (high < 1 || high > 99) return "highest card out of range";
    return {};
}

// The same judgement without the file: the bytes are cut into one stored text per setting
// (UTF-8, at each newline), and every setting of the table must come back as a usable number.
std::string CheckSettingValues(const uint8_t* data, std::size_t size) {
    const QList<QByteArray> texts = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\n');
    std::size_t i = 0;
    for (const Setting* s : AllSettings) {
        const QString stored = QString::fromUtf8(texts[static_cast<qsizetype>(i++ % texts.size())]);
        const double value = SettingValue(*s, stored);
        if (!std::isfinite(value) || value < s->low || value > s->high) return std::string("bad value for ") + s->key;
        if (s->high > 32767) continue;  // the tallies are read as numbers, never as 16-bit counts
        const int16_t whole = SettingValueInt(*s, stored);
        if (whole < s->low || whole > s->high) return std::string("bad whole value for ") + s->key;
        if (whole != std::nearbyint(value) && whole != QString(s->fallback).toDouble()) return std::string("whole value is neither the value nor the default for ") + s->key;
    }
    return {};
}
