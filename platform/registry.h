// A registry stand-in: HKEY_LOCAL_MACHINE is a machine-wide INI file whose sections are key
// paths and whose entries are string values, for example
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=/usr/bin/hardinfo
// The file is /etc/pelorand/hklm.ini; key paths and value names are matched ignoring case.
#pragma once

#include <QString>

#include <cstdint>

using HKEY = intptr_t;
inline constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002);
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr unsigned long REG_SZ = 1;

long RegOpenKeyEx(HKEY root, const QString& keyName, HKEY* opened);
// Copies the value into buffer (at most *size characters, a terminating zero included) and
// sets *size to the characters written; *type gets REG_SZ.
long RegQueryValueEx(HKEY key, const QString& valueName, unsigned long* type, char16_t* buffer, unsigned long* size);
long RegCloseKey(HKEY key);

QString MachineRegistryFile();
void SetMachineRegistryFile(const QString& path);  // tests; empty: the default
