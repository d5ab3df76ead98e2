// Copy the puzzle as one line of text, print the game window, choose the printer.
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "files/deck.h"
#include "files/print_layout.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "window/frmmain.h"

void frmMain::mnuEditCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();  // other formats must not outlive the copy
    clipboard->setText(QString::fromStdString(PuzzleText(Deck, DeckPos, FaceCards)));
}

void frmMain::mnuFilePrint_Click() {
    QPrinter& printer = CurrentPrinter();
    const QPixmap image = centralWidget()->grab();
    QPainter painter;
    if (!painter.begin(&printer)) {
        QString why;
        if (!printer.outputFileName().isEmpty())
            why = "the file " + printer.outputFileName() + " could not be written.";
        else if (printer.printerName().isEmpty())
            why = "no printer is available. Choose one with Page Setup.";
        else
            why = "the printer " + printer.printerName() + " could not be started.";
        ReplacePrinter();  // the failed one would refuse Page Setup's choices from now on
        MsgBox("Unable to print: " + why, this);
        return;
    }
    painter.drawPixmap(PrintArea(image.size(), printer.resolution(), painter.viewport()), image);
    if (!painter.end()) {
        ReplacePrinter();
        MsgBox("Unable to print: the page could not be finished.", this);
    }
}

void frmMain::mnuFilePageSetup_Click() { dlgCommonDialog.ShowPrinter(this, CurrentPrinter()); }
