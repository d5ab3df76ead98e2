// The settings reader under any file content: every value comes back usable.
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
    SetSettingsFile(path);
    for (const Setting* s : {&MainLeft, &MainTop, &MainWidth, &MainHeight, &FaceCardsSetting, &HighCardSetting}) {
        const double value = ReadSetting(*s);
        if (!std::isfinite(value) || value < s->low || value > s->high) return std::string("bad value for ") + s->key;
    }
    const int16_t faces = ReadSettingInt(FaceCardsSetting);
    const int16_t high = ReadSettingInt(HighCardSetting);
    SetSettingsFile({});
    if (faces < 3 || faces > 7) return "face cards out of range";
    if (high < 1 || high > 99) return "highest card out of range";
    return {};
}
