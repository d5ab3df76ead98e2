// The per-user settings store: text values addressed by application, section and key.
#pragma once

#include <QString>
#include <QStringList>

// Reads a value; returns fallback when the key is absent.
QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& fallback);
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);

// Every key of a section, and a whole section removed.
QStringList SettingKeys(const QString& app, const QString& section);
void DeleteSettingSection(const QString& app, const QString& section);

// The INI file behind the store: per user by default; tests point it at a temporary file.
QString SettingsFile();
void SetSettingsFile(const QString& path);  // empty: back to the per-user default
