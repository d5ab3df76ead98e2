// Deck files on disk: read with every check, written safely, with the player's messages.
#include "files/deck_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

DeckFileRead Failed(const QString& description) {
    DeckFileRead read;
    read.result = DeckFileRead::Result::Failed;
    read.message = QCoreApplication::translate("frmMain", "Unable to load file: Error %1").arg(description);
    return read;
}

}  // namespace

DeckFileRead ReadDeckFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        // No such file in a real folder reads as an empty file: refused without a message.
        if (info.absoluteDir().exists()) return {};
        return Failed(QCoreApplication::translate("frmMain", "Path not found: %1").arg(info.absolutePath()));
    }
    if (!info.isFile()) return Failed(QCoreApplication::translate("frmMain", "Not a file: %1").arg(path));  // a folder or a device could block or mislead
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Failed(file.errorString());
    if (file.size() != static_cast<qint64>(DeckFileSize)) return {};
    const QByteArray data = file.read(DeckFileSize);
    if (data.size() != static_cast<int>(DeckFileSize)) return Failed(file.errorString());
    DeckFileRead read;
    read.deck = DecodeDeck(reinterpret_cast<const uint8_t*>(data.constData()), data.size());
    if (read.deck.result == DecodedDeck::Result::WrongLength) return {};
    if (read.deck.result == DecodedDeck::Result::Unusable) return Failed(QString::fromStdString(read.deck.reason));
    read.result = DeckFileRead::Result::Read;
    return read;
}

QString WriteDeckFile(const QString& path, const DeckBytes& bytes) {
    // Written to a temporary file and renamed over the old one: never half a deck on disk.
    // Where no temporary file can be made beside a deck the player may write (a read-only
    // folder), the deck is written in place; a read-only deck is still refused.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size()) == static_cast<qint64>(bytes.size()) &&
        file.commit())
        return {};
    return QCoreApplication::translate("frmMain", "Unable to save file: Error %1").arg(file.errorString());
}

QString CommandLineFile(const QString& commandLine) {
    // Explorer quotes a path with spaces ("%1"), a shortcut or a console may not.
    QString name = commandLine.trimmed();
    if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"')) name = name.mid(1, name.size() - 2);
    return name;
}
