// The settings store on QSettings, one INI file per user, every value kept as text.
#include "platform/settings_store.h"

#include <QSettings>

namespace {
QString overridePath;
}

QString SettingsFile() {
    if (!overridePath.isEmpty()) return overridePath;
    // Qt fixes the per-user folder once per run; asking again builds a whole QSettings.
    static const QString perUser = QSettings(QSettings::IniFormat, QSettings::UserScope, "Pelorand", "Pelorand").fileName();
    return perUser;
}

void SetSettingsFile(const QString& path) { overridePath = path; }

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& fallback) {
    QSettings store(SettingsFile(), QSettings::IniFormat);
    QVariant value = store.value(section + "/" + key);
    Q_UNUSED(app);  // one application per file: the file's name is the application's
    if (!value.isValid()) return fallback;
    // A hand-edited list ("a, b") comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
    return value.toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    Q_UNUSED(app);
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setValue(section + "/" + key, value);
}

QStringList SettingKeys(const QString& app, const QString& section) {
    Q_UNUSED(app);
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.beginGroup(section);
    return store.childKeys();
}

void DeleteSettingSection(const QString& app, const QString& section) {
    Q_UNUSED(app);
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.remove(section);
}
