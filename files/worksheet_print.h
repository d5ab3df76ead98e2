// Drawing a worksheet on paper: one function for preview, printer and PDF alike.
#pragma once

#include <QString>

#include <iosfwd>

#include "deal/worksheet.h"

class QPagedPaintDevice;
struct CommandLineRequest;

struct WorksheetLook {
    int perPage = 8;        // one of WorksheetLayouts
    bool answerPage = true; // the answers on pages of their own, after the puzzles
    QString title = "Pelorand worksheet";
};

// Pages of puzzles, then the answers; every page with the title, and a footer with the code
// and the page number. False when a page could not be started or finished.
bool DrawWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look);

// How many pages DrawWorksheet makes.
int WorksheetPages(const Worksheet& sheet, const WorksheetLook& look);

// pelorand --worksheet: makes the sheet, writes the PDF, prints the code. Needs a
// QGuiApplication (offscreen does). Exit status as the command line's help says.
int RunWorksheetCommand(const CommandLineRequest& request, std::ostream& out, std::ostream& err);
