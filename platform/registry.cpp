// The registry stand-in: keys are read from the machine file at open and kept until closed.
#include "platform/registry.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {

QString registryFile;
std::map<HKEY, QHash<QString, QString>> openKeys;  // handle -> values by lower-case name
HKEY nextHandle = 0x1000;

}  // namespace

QString MachineRegistryFile() { return registryFile.isEmpty() ? "/etc/pelorand/hklm.ini" : registryFile; }
void SetMachineRegistryFile(const QString& path) { registryFile = path; }

long RegOpenKeyEx(HKEY root, const QString& keyName, HKEY* opened) {
    if (root != HKEY_LOCAL_MACHINE) return ERROR_FILE_NOT_FOUND;
    QFile file(MachineRegistryFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return ERROR_FILE_NOT_FOUND;
    QTextStream in(&file);
    bool inKey = false, found = false;
    QHash<QString, QString> values;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inKey = line.mid(1, line.size() - 2).trimmed().compare(keyName, Qt::CaseInsensitive) == 0;
            found = found || inKey;
        } else if (inKey && line.contains('=') && !line.startsWith(';')) {
            const qsizetype eq = line.indexOf('=');
            values.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed());
        }
    }
    if (!found) return ERROR_FILE_NOT_FOUND;
    *opened = nextHandle++;
    openKeys[*opened] = values;
    return ERROR_SUCCESS;
}

long RegQueryValueEx(HKEY key, const QString& valueName, unsigned long* type, char16_t* buffer, unsigned long* size) {
    auto k = openKeys.find(key);
    if (k == openKeys.end() || !k->second.contains(valueName.toLower())) return ERROR_FILE_NOT_FOUND;
    const QString value = k->second.value(valueName.toLower());
    const auto n = std::min<unsigned long>(static_cast<unsigned long>(value.size()) + 1, *size);
    for (unsigned long i = 0; i < n; ++i) buffer[i] = i < static_cast<unsigned long>(value.size()) ? value[i].unicode() : 0;
    *size = n;
    *type = REG_SZ;
    return ERROR_SUCCESS;
}

long RegCloseKey(HKEY key) { return openKeys.erase(key) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND; }
