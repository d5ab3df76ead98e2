// The registry on Windows: the real API, read as wide text.
#include "platform/registry.h"

#include <QFileInfo>

#include <windows.h>

#include <string>

namespace {

QString scratchKey;  // under HKEY_CURRENT_USER, for tests

std::wstring Wide(const QString& text) { return text.toStdWString(); }

}  // namespace

QString MachineRegistry() { return scratchKey.isEmpty() ? QStringLiteral("HKEY_LOCAL_MACHINE") : "HKEY_CURRENT_USER\\" + scratchKey; }
void SetMachineRegistry(const QString& scratch) { scratchKey = scratch; }

QString ScratchMachineRegistry(const QString& folder) {
    return "Software\\Pelorand Tests\\machine " + QFileInfo(folder).fileName();
}

bool WriteMachineValue(const QString& keyName, const QString& valueName, const QString& text) {
    if (scratchKey.isEmpty()) return false;  // never the machine's own keys
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(scratchKey + "\\" + keyName).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring data = Wide(text);
    const LONG rc = RegSetValueExW(key, Wide(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void ClearMachineRegistry() {
    if (!scratchKey.isEmpty()) RegDeleteTreeW(HKEY_CURRENT_USER, Wide(scratchKey).c_str());
}

long OpenRegKey(RegKey root, const QString& keyName, RegKey* opened) {
    HKEY key = nullptr;
    HKEY base = reinterpret_cast<HKEY>(root);
    QString name = keyName;
    if (root == MachineRoot && !scratchKey.isEmpty()) {
        base = HKEY_CURRENT_USER;
        name = scratchKey + "\\" + keyName;
    }
    const LONG rc = RegOpenKeyExW(base, Wide(name).c_str(), 0, KEY_READ, &key);
    *opened = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
    return rc;
}

long QueryRegValue(RegKey key, const QString& valueName, unsigned long* type, char16_t* buffer, unsigned long* size) {
    const unsigned long capacity = *size;
    DWORD kind = 0;
    DWORD bytes = static_cast<DWORD>(capacity * sizeof(char16_t));
    const LONG rc = RegQueryValueExW(reinterpret_cast<HKEY>(key), Wide(valueName).c_str(), nullptr, &kind,
                                     reinterpret_cast<BYTE*>(buffer), &bytes);
    if (rc != ERROR_SUCCESS) return rc;
    *size = bytes / sizeof(char16_t);
    *type = kind == REG_SZ || kind == REG_EXPAND_SZ ? RegText : kind;
    if (kind == REG_EXPAND_SZ) {  // a path such as %ProgramFiles%\...: expanded, as a program can be started from it
        const std::wstring raw(reinterpret_cast<const wchar_t*>(buffer), *size);
        const DWORD n = ExpandEnvironmentStringsW(raw.c_str(), reinterpret_cast<wchar_t*>(buffer), static_cast<DWORD>(capacity));
        if (n == 0 || n > capacity) return ERROR_MORE_DATA;
        *size = n;  // the terminating zero included, as a query reports it
    }
    return RegOk;
}

long CloseRegKey(RegKey key) { return RegCloseKey(reinterpret_cast<HKEY>(key)); }
