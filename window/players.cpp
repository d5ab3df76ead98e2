// The players on one computer: their names in the settings and their logs in the data folder.
#include "window/players.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <sstream>

#include "window/settings.h"

namespace {

QString dataFolderOverride;

QString Encoded(const QString& name) { return EncodedPlayer(name); }

}  // namespace

QString AccountUserName() {
    for (const char* variable : {"USERNAME", "USER", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable).trimmed();
        if (!name.isEmpty()) return name.left(MaxPlayerName);
    }
    return QCoreApplication::translate("Players", "Player");
}

QStringList OtherPlayers() {
    QStringList names;
    for (const QString& encoded : ReadSettingText(PlayersSetting).split(' ', Qt::SkipEmptyParts))
        names << QUrl::fromPercentEncoding(encoded.toLatin1());
    return names;
}

QString PlayerName(const QString& player) { return player.isEmpty() ? AccountUserName() : player; }

QString NameProblem(const QString& typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty()) return QCoreApplication::translate("Players", "Type a name first.");
    if (name.size() > MaxPlayerName)
        return QCoreApplication::translate("Players", "A name can have at most %1 letters.").arg(MaxPlayerName);
    for (const QChar c : name)
        if (!c.isPrint()) return QCoreApplication::translate("Players", "A name cannot hold tabs or line breaks.");
    QStringList taken = OtherPlayers();
    taken << AccountUserName();
    // Apart from upper and lower case: on Windows two such names would share one log file.
    for (const QString& other : taken)
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Players", "There is a player called %1 already.").arg(other);
    return {};
}

bool AddPlayer(const QString& typed) {
    if (!NameProblem(typed).isEmpty()) return false;
    QStringList encoded;
    for (const QString& name : OtherPlayers()) encoded << Encoded(name);
    encoded << Encoded(typed.trimmed());
    WriteSetting(PlayersSetting, encoded.join(' '));
    return true;
}

bool DeletePlayer(const QString& player) {
    if (player.isEmpty() || !OtherPlayers().contains(player)) return false;
    const bool playing = CurrentPlayer() == player;
    RemovePlayerRows(player);
    QFile::remove(LogFile(player));
    QStringList encoded;
    for (const QString& name : OtherPlayers())
        if (name != player) encoded << Encoded(name);
    WriteSetting(PlayersSetting, encoded.join(' '));
    if (playing) StoreCurrentPlayer({});
    return true;
}

void StoreCurrentPlayer(const QString& player) { WriteSetting(CurrentPlayerSetting, player.isEmpty() ? QString() : Encoded(player)); }

QString DataFolder() {
    return dataFolderOverride.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : dataFolderOverride;
}

void SetDataFolder(const QString& folder) { dataFolderOverride = folder; }

QString LogFile(const QString& player) {
    return QDir(DataFolder()).filePath(player.isEmpty() ? QStringLiteral("log.txt") : "log-" + Encoded(player) + ".txt");
}

std::vector<LogRow> ReadPlayerLog(const QString& player) {
    QFile file(LogFile(player));
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::istringstream in(file.readAll().toStdString());
    return ReadLog(in);
}

bool AppendPlayerLog(const QString& player, const LogRow& row) {
    if (!QDir().mkpath(DataFolder())) return false;
    QFile file(LogFile(player));
    // Appended, never rewritten: what was there stays, whatever happens to this write.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QByteArray line = QByteArray::fromStdString(LogLine(row)) + '\n';
    return file.write(line) == line.size() && file.flush();
}

// Every operation for now: the one place a choice of operations will be read.
