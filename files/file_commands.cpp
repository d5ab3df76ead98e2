// The game window's deck-file commands: LoadFile, Open, Save, Save As and the start-up load.
#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>

#include <algorithm>

#include "files/deck.h"
#include "platform/msgbox.h"
#include "window/frmmain.h"
#include "window/settings.h"

namespace {

const QString Untitled = "Untitled";

void LoadFailed(const QString& description) { MsgBox(QCoreApplication::translate("frmMain", "Unable to load file: Error %1").arg(description)); }

}  // namespace

bool frmMain::LoadFile(const QString& NewFile) {
    const QFileInfo info(NewFile);
    if (!info.exists()) {
        // No such file in a real folder reads as an empty file: refused without a message.
        if (info.absoluteDir().exists()) return false;
        LoadFailed(tr("Path not found: %1").arg(info.absolutePath()));
        return false;
    }
    if (!info.isFile()) {  // a folder or a device: opening it could block or mislead
        LoadFailed(tr("Not a file: %1").arg(NewFile));
        return false;
    }
    QFile file(NewFile);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadFailed(file.errorString());
        return false;
    }
    if (file.size() != static_cast<qint64>(DeckFileSize)) return false;
    const QByteArray data = file.read(DeckFileSize);
    if (data.size() != static_cast<int>(DeckFileSize)) {
        LoadFailed(file.errorString());
        return false;
    }
    const DecodedDeck deck = DecodeDeck(reinterpret_cast<const uint8_t*>(data.constData()), data.size());
    if (deck.result == DecodedDeck::Result::WrongLength) return false;
    if (deck.result == DecodedDeck::Result::Unusable) {
        LoadFailed(QString::fromStdString(deck.reason));
        return false;
    }

    std::copy(deck.bytes.begin(), deck.bytes.end(), Deck);
    ShowFacePanels(false);
    FaceCards = deck.FaceCards();
    HighCard = deck.HighCard();
    DeckPos = deck.DeckPos();
    WriteSetting(FaceCardsSetting, QString::number(FaceCards));
    WriteSetting(HighCardSetting, QString::number(HighCard));
    ShowFacePanels(true);
    ShowCards();
    Solving = true;  // StepCount runs on: a load is not a deal
    cmdAnswer->setEnabled(false);
    ShowProgress(tr("Looking for a solution..."));
    PuzzleChanged();
    return true;
}

void frmMain::StartupLoad(const QString& commandLine) {
    // The whole text names the file. Explorer quotes a path with spaces ("%1"), a shortcut or a
    // console may not: one pair of quotes round all of it is no part of the name.
    QString name = commandLine.trimmed();
    if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"')) name = name.mid(1, name.size() - 2);
    const QFileInfo info(name);
    if (name.isEmpty() || !info.isFile()) return;
    if (LoadFile(name)) {
        FileTitle = info.fileName();
        FilePath = info.absoluteFilePath();  // a later change of folder must not move Save
        SetCaption();
        MenuItem("mnuFileSave")->setEnabled(true);
    } else {
        InitDeck();
        FileTitle = Untitled;
        FilePath = Untitled;
        SetCaption();
    }
}

void frmMain::mnuFileOpen_Click() {
    dlgCommonDialog.ShowOpen(this);
    if (dlgCommonDialog.FileName.isEmpty()) return;
    if (LoadFile(dlgCommonDialog.FileName)) {
        SetWidth();
        FileTitle = dlgCommonDialog.FileTitle;
        FilePath = dlgCommonDialog.FileName;
    } else {
        InitDeck();
        FileTitle = Untitled;
        FilePath = Untitled;
    }
    SetCaption();
}

bool frmMain::WriteDeck(const QString& path) {
    const DeckBytes bytes = EncodeDeck(Deck, HighCard, FaceCards, DeckPos);
    std::copy(bytes.begin(), bytes.begin() + 3, Deck);
    // Written to a temporary file and renamed over the old one: never half a deck on disk.
    // Where no temporary file can be made beside a deck the player may write (a read-only
    // folder), the deck is written in place; a read-only deck is still refused.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size()) == static_cast<qint64>(bytes.size()) &&
        file.commit())
        return true;
    MsgBox(tr("Unable to save file: Error %1").arg(file.errorString()));
    return false;
}

void frmMain::mnuFileSave_Click() {
    // With no current file (the toolbar's Save while Untitled) ask for a name first.
    if (FilePath == Untitled) {
        mnuFileSaveAs_Click();
        return;
    }
    WriteDeck(FilePath);
}

void frmMain::mnuFileSaveAs_Click() {
    dlgCommonDialog.ShowSave(this);
    if (dlgCommonDialog.FileName.isEmpty() || !WriteDeck(dlgCommonDialog.FileName)) return;
    FilePath = dlgCommonDialog.FileName;
    FileTitle = dlgCommonDialog.FileTitle;
    SetCaption();
    MenuItem("mnuFileSave")->setEnabled(true);
}
