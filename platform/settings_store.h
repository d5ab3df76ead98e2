// The per-user settings store: text values addressed by application, section and key. On Linux
// an INI file per user; on Windows the registry, HKEY_CURRENT_USER\Software\Pelorand, a key per
// section and every value a string (REG_SZ).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Only the settings table (window/settings.cpp) calls these: every key the game stores is a
// row of it.
// Reads a value; returns fallback when the key is absent.
QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& fallback);
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
// Whether a key is there at all, and one key removed.
bool SettingExists(const QString& app, const QString& section, const QString& key);
void DeleteSetting(const QString& app, const QString& section, const QString& key);
// Every key of a section.
QStringList SettingKeys(const QString& app, const QString& section);

// Tests: told of every key the store is asked for, and how (a listing names no key).
enum class StoreAccess { Read, Write, Remove, List };
using SettingsWatch = std::function<void(StoreAccess access, const QString& section, const QString& key)>;
void WatchSettings(SettingsWatch watch);

// The player's own store, and where the store is now: the INI file's path, or the registry key's ("HKEY_CURRENT_USER\...").
QString PerUserLocation();
QString SettingsLocation();
// Tests point the store elsewhere; empty: back to the per-user default.
void SetSettingsLocation(const QString& location);
// Tests: a fresh place of their own for the store, named after a scratch folder (a file in it,
// or a registry key named after it that side-by-side tests do not share), and its removal.
QString ScratchSettingsLocation(const QString& folder);
void RemoveSettingsLocation(const QString& location);
