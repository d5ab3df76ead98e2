// Copy the puzzle as one line of text; print a picture of the game on the current printer.
#include "files/copy_print.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "engine/globals.h"
#include "files/deck.h"
#include "files/print_layout.h"
#include "platform/printer.h"

void CopyPuzzleText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();  // other formats must not outlive the copy
    clipboard->setText(QString::fromStdString(PuzzleText(Deck, DeckPos, FaceCards)));
}

QString PrintImage(const QPixmap& image) {
    QPrinter& printer = CurrentPrinter();
    QPainter painter;
    if (!painter.begin(&printer)) {
        QString why;
        if (!printer.outputFileName().isEmpty())
            why = QCoreApplication::translate("frmMain", "the file %1 could not be written.").arg(printer.outputFileName());
        else if (printer.printerName().isEmpty())
            why = QCoreApplication::translate("frmMain", "no printer is available. Choose one with Page Setup.");
        else
            why = QCoreApplication::translate("frmMain", "the printer %1 could not be started.").arg(printer.printerName());
        ReplacePrinter();  // the failed one would refuse Page Setup's choices from now on
        return QCoreApplication::translate("frmMain", "Unable to print: %1").arg(why);
    }
    painter.drawPixmap(PrintArea(image.size(), printer.resolution(), painter.viewport()), image);
    if (!painter.end()) {
        ReplacePrinter();
        return QCoreApplication::translate("frmMain", "Unable to print: the page could not be finished.");
    }
    return {};
}
