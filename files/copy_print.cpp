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
            why = tr("the file %1 could not be written.").arg(printer.outputFileName());
        else if (printer.printerName().isEmpty())
            why = tr("no printer is available. Choose one with Page Setup.");
        else
            why = tr("the printer %1 could not be started.").arg(printer.printerName());
        ReplacePrinter();  // the failed one would refuse Page Setup's choices from now on
        MsgBox(tr("Unable to print: %1").arg(why), this);
        return;
    }
    painter.drawPixmap(PrintArea(image.size(), printer.resolution(), painter.viewport()), image);
    if (!painter.end()) {
        ReplacePrinter();
        MsgBox(tr("Unable to print: the page could not be finished."), this);
    }
}

void frmMain::mnuFilePageSetup_Click() { dlgCommonDialog.ShowPrinter(this, CurrentPrinter()); }
