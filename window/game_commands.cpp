// The game window's commands on files, text and the printer: Open, Save, Save As and the
// start-up load; Copy, Paste Puzzle, New Puzzle and Today's Puzzle; Print and Page Setup.
// The work is in files/ and deal/; here each command puts its puzzle on the table.
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

#include <algorithm>

#include "deal/puzzle_text.h"
#include "deal/today.h"
#include "dialogs/frmnewpuzzle.h"
#include "files/copy_print.h"
#include "files/deck_file.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "window/frmmain.h"

namespace {

const QString Untitled = "Untitled";

}  // namespace

bool frmMain::LoadFile(const QString& NewFile) {
    const DeckFileRead read = ReadDeckFile(NewFile);
    if (read.result == DeckFileRead::Result::Failed) MsgBox(read.message);
    if (read.result != DeckFileRead::Result::Read) return false;
    // StepCount runs on: a load is not a deal.
    PutOnTable({.storeCounts = true}, [&] {
        std::copy(read.deck.bytes.begin(), read.deck.bytes.end(), Deck);
        FaceCards = read.deck.FaceCards();
        HighCard = read.deck.HighCard();
        DeckPos = read.deck.DeckPos();
    });
    return true;
}

void frmMain::StartupLoad(const QString& commandLine) {
    const QString name = CommandLineFile(commandLine);  // the whole text names the file
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
    const QString failed = WriteDeckFile(path, bytes);
    if (failed.isEmpty()) return true;
    MsgBox(failed);
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

void frmMain::mnuEditCopy_Click() { CopyPuzzleText(); }

void frmMain::mnuFilePrint_Click() {
    const QString failed = PrintImage(centralWidget()->grab());
    if (!failed.isEmpty()) MsgBox(failed, this);
}

void frmMain::mnuFilePageSetup_Click() { dlgCommonDialog.ShowPrinter(this, CurrentPrinter()); }

void frmMain::SetPuzzle(const std::vector<int>& cards, int answer) {
    // Into the deck at the place of the puzzle on the table, so that Save keeps it; the highest
    // card grows to hold the cards given, and never shrinks for a puzzle.
    const int highest = std::max(answer, *std::max_element(cards.begin(), cards.end()));
    PutOnTable({.hideSolution = true, .newCount = true, .storeCounts = true, .fitWidthForNewCount = true, .noteNewCount = true}, [&] {
        FaceCards = static_cast<int16_t>(cards.size());
        for (int16_t i = 0; i < FaceCards; ++i) Deck[RingPos(DeckPos, FaceCards, i)] = static_cast<uint8_t>(cards[i]);
        Deck[DeckPos] = static_cast<uint8_t>(answer);
        HighCard = static_cast<int16_t>(std::max<int>(HighCard, highest));
    });
}

void frmMain::mnuEditPaste_Click() {
    const QString text = QGuiApplication::clipboard()->text();
    const PuzzleRead read = ReadPuzzleText(text.left(1000).toStdString());
    if (!read.Ok()) {
        MsgBox(tr("The clipboard does not hold a puzzle, so the table stays as it is. %1").arg(QString::fromStdString(read.error)));
        return;
    }
    SetPuzzle(read.cards, read.answer);
}

void frmMain::mnuFileNewPuzzle_Click() {
    frmNewPuzzle dialog(this, QString::fromStdString(PlainPuzzleText(FaceCardValues(), Deck[DeckPos])));
    if (dialog.exec() != QDialog::Accepted) return;
    SetPuzzle(dialog.Puzzle().cards, dialog.Puzzle().answer);
}

void frmMain::mnuFileToday_Click() {
    const QDate today = QDate::currentDate();
    const std::optional<DayPuzzle> puzzle = PuzzleOfTheDay(today.year(), today.month(), today.day(), FaceCards);
    if (!puzzle) {
        MsgBox(tr("No puzzle with an answer turned up for today, so the table stays as it is."));
        return;
    }
    SetPuzzle(puzzle->cards, puzzle->answer);
}
