// Reading machine-wide registry values (HKEY_LOCAL_MACHINE), as System Info needs them: the real
// registry on Windows (registry_win.cpp); on Linux a stand-in (registry.cpp), a machine-wide INI
// file whose sections are key paths and whose entries are string values, for example
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=/usr/bin/hardinfo
// in /etc/pelorand/hklm.ini. Key paths and value names are matched ignoring case on both.
// The names differ from the Windows API's own so that the Windows file can include both.
#pragma once

#include <QString>

#include <cstdint>

using RegKey = intptr_t;
inline constexpr RegKey MachineRoot = static_cast<RegKey>(0x80000002);  // HKEY_LOCAL_MACHINE
inline constexpr long RegOk = 0;
inline constexpr unsigned long RegText = 1;  // REG_SZ

long OpenRegKey(RegKey root, const QString& keyName, RegKey* opened);
// Copies the value into buffer (at most *size characters, a terminating zero included) and sets
// *size to the characters written and *type to the value's type.
long QueryRegValue(RegKey key, const QString& valueName, unsigned long* type, char16_t* buffer, unsigned long* size);
long CloseRegKey(RegKey key);

// Tests: machine values come from a scratch place instead (an INI file on Linux, a key under
// HKEY_CURRENT_USER on Windows, so no administrator is needed); empty: the machine's own.
void SetMachineRegistry(const QString& scratch);
QString MachineRegistry();
// Tests: a scratch place of their own, named after a scratch folder.
QString ScratchMachineRegistry(const QString& folder);
// Tests: writes a text value into the scratch place; ClearMachineRegistry empties it.
bool WriteMachineValue(const QString& keyName, const QString& valueName, const QString& text);
void ClearMachineRegistry();
