// The settings store on QSettings, every value kept as text: an INI file on Linux, the
// registry on Windows.
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString overrideLocation;
SettingsWatch watcher;

void Watch(StoreAccess access, const QString& section, const QString& key) {
    if (watcher) watcher(access, section, key);
}

#ifdef Q_OS_WIN
const QString perUserKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Pelorand");
#endif

// A location that names an .ini file is one, on Windows too (the settings fuzz check's inputs are
// such files); anything else there is a registry key.
QSettings::Format FormatOf(const QString& location) {
#ifdef Q_OS_WIN
    if (!location.endsWith(".ini", Qt::CaseInsensitive)) return QSettings::NativeFormat;
#endif
    Q_UNUSED(location);
    return QSettings::IniFormat;
}


}  // namespace

QString PerUserLocation() {
#ifdef Q_OS_WIN
    return perUserKey;
#else
    // Qt fixes the per-user folder once per run; asking again builds a whole QSettings.
    static const QString perUser = QSettings(QSettings::IniFormat, QSettings::UserScope, "Pelorand", "Pelorand").fileName();
    return perUser;
#endif
}

QString SettingsLocation() { return overrideLocation.isEmpty() ? PerUserLocation() : overrideLocation; }

void SetSettingsLocation(const QString& location) { overrideLocation = location; }

QString ScratchSettingsLocation(const QString& folder) {
#ifdef Q_OS_WIN
    return perUserKey + " Tests\\" + QFileInfo(folder).fileName();
#else
    return QDir(folder).filePath("Pelorand.ini");
#endif
}

void RemoveSettingsLocation(const QString& location) {
    if (location.isEmpty() || location == PerUserLocation()) return;  // never the player's own
#ifdef Q_OS_WIN
    if (FormatOf(location) == QSettings::NativeFormat) {
        QSettings(location.section('\\', 0, -2), QSettings::NativeFormat).remove(location.section('\\', -1));
        return;
    }
#endif
    QFile::remove(location);
}

void WatchSettings(SettingsWatch watch) { watcher = std::move(watch); }

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& fallback) {
    Q_UNUSED(app);  // one application per store: the store's name is the application's
    Watch(StoreAccess::Read, section, key);
    QSettings store(SettingsLocation(), FormatOf(SettingsLocation()));
    QVariant value = store.value(section + "/" + key);
    if (!value.isValid()) return fallback;
    // A hand-edited list ("a, b") comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
    return value.toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    Q_UNUSED(app);
    Watch(StoreAccess::Write, section, key);
    QSettings store(SettingsLocation(), FormatOf(SettingsLocation()));
    store.setValue(section + "/" + key, value);  // a QString: the registry keeps it as REG_SZ
}

bool SettingExists(const QString& app, const QString& section, const QString& key) {
    Q_UNUSED(app);
    Watch(StoreAccess::Read, section, key);
    return QSettings(SettingsLocation(), FormatOf(SettingsLocation())).contains(section + "/" + key);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key) {
    Q_UNUSED(app);
    Watch(StoreAccess::Remove, section, key);
    QSettings(SettingsLocation(), FormatOf(SettingsLocation())).remove(section + "/" + key);
}

QStringList SettingKeys(const QString& app, const QString& section) {
    Q_UNUSED(app);
    Watch(StoreAccess::List, section, {});
    QSettings store(SettingsLocation(), FormatOf(SettingsLocation()));
    store.beginGroup(section);
    return store.childKeys();
}
