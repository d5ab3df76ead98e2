// The registry stand-in on Linux: keys are read from the machine file at open and kept until closed.
#include "platform/registry.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {

constexpr long notFound = 2;  // ERROR_FILE_NOT_FOUND
QString scratchFile;
std::map<RegKey, QHash<QString, QString>> openKeys;  // handle -> values by lower-case name
RegKey nextHandle = 0x1000;

QString MachineFile() { return scratchFile.isEmpty() ? "/etc/pelorand/hklm.ini" : scratchFile; }

}  // namespace

QString MachineRegistry() { return MachineFile(); }
void SetMachineRegistry(const QString& scratch) { scratchFile = scratch; }

QString ScratchMachineRegistry(const QString& folder) { return folder + "/hklm.ini"; }

bool WriteMachineValue(const QString& keyName, const QString& valueName, const QString& text) {
    if (scratchFile.isEmpty()) return false;  // never the machine's own file
    QFile file(scratchFile);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return false;
    QTextStream(&file) << '[' << keyName << "]\n" << valueName << '=' << text << '\n';
    return true;
}

void ClearMachineRegistry() {
    if (!scratchFile.isEmpty()) QFile::remove(scratchFile);
}

long OpenRegKey(RegKey root, const QString& keyName, RegKey* opened) {
    if (root != MachineRoot) return notFound;
    QFile file(MachineFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return notFound;
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
    if (!found) return notFound;
    *opened = nextHandle++;
    openKeys[*opened] = values;
    return RegOk;
}

long QueryRegValue(RegKey key, const QString& valueName, unsigned long* type, char16_t* buffer, unsigned long* size) {
    auto k = openKeys.find(key);
    if (k == openKeys.end() || !k->second.contains(valueName.toLower())) return notFound;
    const QString value = k->second.value(valueName.toLower());
    const auto n = std::min<unsigned long>(static_cast<unsigned long>(value.size()) + 1, *size);
    for (unsigned long i = 0; i < n; ++i) buffer[i] = i < static_cast<unsigned long>(value.size()) ? value[i].unicode() : 0;
    *size = n;
    *type = RegText;
    return RegOk;
}

long CloseRegKey(RegKey key) { return openKeys.erase(key) ? RegOk : notFound; }
