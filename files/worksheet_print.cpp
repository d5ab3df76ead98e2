// The worksheet's pages: puzzles as large cards with room to write, then a page of answers.
#include "files/worksheet_print.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRectF>

#include <algorithm>
#include <chrono>
#include <ostream>

#include "lang/translate.h"
#include "cli/command_line.h"

namespace {

QRectF Q(const SheetRect& r) { return {r.x, r.y, r.width, r.height}; }

QFont Font(double pixels, bool bold = false) {
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// Text at the given size, or smaller until it fits the box's width (down to about half),
// cut with an ellipsis only if even that is too wide.
double TextWidth(QPainter& p, const QString& text) { return p.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, text).width(); }

void DrawFitted(QPainter& p, const QRectF& box, int flags, const QString& text, double pixels, bool bold = false) {
    QFont font = Font(pixels, bold);
    p.setFont(font);
    const double width = TextWidth(p, text);
    if (width > box.width()) {
        font.setPixelSize(std::max(1, static_cast<int>(std::max(pixels * 0.45, pixels * box.width() / width * 0.98))));
        p.setFont(font);
    }
    p.drawText(box, flags, QFontMetricsF(p.fontMetrics()).elidedText(text, Qt::ElideRight, box.width()));
}

// The answer page's lines: how many fit between the title and the footer.
int AnswerLinesPerPage(const SheetLayout& layout) {
    const double top = layout.title.y + layout.title.height * 1.4, bottom = layout.footer.y;
    return std::max(1, static_cast<int>((bottom - top) / (layout.title.height * 0.5)));
}

int PuzzlePages(const Worksheet& sheet, const WorksheetLook& look) {
    return (static_cast<int>(sheet.puzzles.size()) + look.perPage - 1) / look.perPage;
}

void Card(QPainter& p, const QRectF& box, int value, bool answer) {
    QPainterPath path;
    path.addRoundedRect(box, box.width() * 0.12, box.width() * 0.12);
    p.setPen(QPen(Qt::black, box.width() * (answer ? 0.07 : 0.04)));
    p.fillPath(path, answer ? QColor(225, 225, 225) : QColor(Qt::white));
    p.drawPath(path);
    p.setFont(Font(box.height() * 0.46, true));  // one size for every card, one or two digits
    p.drawText(box, Qt::AlignCenter, QString::number(value));
}

void Puzzle(QPainter& p, const QRectF& cell, int number, const WorksheetPuzzle& puzzle) {
    const double n = static_cast<double>(puzzle.cards.size());
    // Cards as large as the box allows: n face cards, an "=" and the answer card in a row.
    const double unit = std::min(cell.width() / (n + 2.6), cell.height() * 0.42 / 1.35);
    const double cardWidth = unit * 0.9, cardHeight = unit * 1.2;
    p.setPen(Qt::black);
    p.setFont(Font(unit * 0.38, true));
    p.drawText(QRectF(cell.left(), cell.top(), unit * 1.2, unit * 0.5), Qt::AlignLeft | Qt::AlignVCenter, QString("%1.").arg(number));
    // The level as dots, filled up to it, at the top right.
    const double dot = unit * 0.16;
    for (int i = 0; i < 5; ++i) {
        const QRectF d(cell.right() - (5 - i) * dot * 1.6, cell.top() + unit * 0.17, dot, dot);
        p.setPen(QPen(Qt::black, dot * 0.15));
        p.setBrush(i < puzzle.level ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        p.drawEllipse(d);
    }
    p.setBrush(Qt::NoBrush);
    const double top = cell.top() + unit * 0.6;
    double x = cell.left() + unit * 0.3;
    for (int value : puzzle.cards) {
        Card(p, QRectF(x, top, cardWidth, cardHeight), value, false);
        x += unit;
    }
    p.setPen(Qt::black);
    p.setFont(Font(unit * 0.5, true));
    p.drawText(QRectF(x, top, unit * 0.7, cardHeight), Qt::AlignCenter, "=");
    Card(p, QRectF(x + unit * 0.7, top, cardWidth, cardHeight), puzzle.answer, true);
    // Room to write: ruled lines under the cards, a hand's height apart however large the box.
    p.setPen(QPen(QColor(170, 170, 170), std::max(1.0, unit * 0.015)));
    const double lineGap = std::min(unit * 0.55, cell.height() * 0.09);
    for (double y = top + cardHeight + lineGap; y < cell.bottom() - unit * 0.1; y += lineGap)
        p.drawLine(QPointF(cell.left() + unit * 0.3, y), QPointF(cell.right() - unit * 0.3, y));
}

void Frame(QPainter& p, const SheetLayout& layout, const QString& title, const QString& code, int page, int pages,
           OperatorOrder order, AllowedOperations ops) {
    p.setPen(Qt::black);
    QRectF heading = Q(layout.title), orderLine = heading;
    heading.setHeight(heading.height() * 0.62);
    orderLine.setTop(heading.bottom());
    DrawFitted(p, heading, Qt::AlignLeft | Qt::AlignVCenter, title, layout.title.height * 0.45, true);
    // The answers hold only in one order, and with the operations allowed: say which, where
    // every pupil sees it.
    //: %1: the operations allowed, as signs ("+ −"); %2: the sentence on the order of operations
    const QString allowed = QCoreApplication::translate("Worksheet", "Use %1 only. %2");
    const QString orderText = order == OperatorOrder::Game
                   ? QCoreApplication::translate("Worksheet", "Worked in the game's order: brackets, then *, then /, then +, then -, each left to right "
                                                          "(so 8 / 2 * 2 is 2, and 5 - 2 + 1 is 2).")
                   : QCoreApplication::translate("Worksheet", "Worked in the school order: brackets, then * and / left to right, then + and - left "
                                                          "to right (so 8 / 2 * 2 is 8, and 5 - 2 + 1 is 4).");
    DrawFitted(p, orderLine, Qt::AlignLeft | Qt::AlignVCenter,
               ops == AllowedOperations::All ? orderText : allowed.arg(QString::fromStdString(OperationsText(ops)), orderText),
               layout.title.height * 0.22);
    p.setFont(Font(layout.footer.height * 0.5));
    p.drawText(Q(layout.footer), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Worksheet", "Worksheet code %1").arg(code));
    p.drawText(Q(layout.footer), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Worksheet", "Page %1 of %2").arg(page).arg(pages));
}

QString AnswerLine(int number, const WorksheetPuzzle& puzzle) {
    QString line = QString("%1.  ").arg(number);
    for (int c : puzzle.cards) line += QString::number(c) + " ";
    // The count before the example, so that a long example is all that may ever be cut.
    line += QString("=> %1   (%2):   %3")
                .arg(puzzle.answer)
                .arg(QCoreApplication::translate("Worksheet", "%n answer(s)", nullptr, puzzle.answers))
                .arg(QString::fromStdString(puzzle.example));
    return line;
}

}  // namespace

int WorksheetPages(const Worksheet& sheet, const WorksheetLook& look) {
    int pages = PuzzlePages(sheet, look);
    if (look.answerPage && !sheet.puzzles.empty()) {
        const SheetLayout layout = LayOutWorksheet({0, 0, 1000, 1414}, look.perPage);
        const int lines = AnswerLinesPerPage(layout);
        pages += (static_cast<int>(sheet.puzzles.size()) + lines - 1) / lines;
    }
    return pages;
}

bool DrawWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look) {
    QPainter p;
    if (!p.begin(&device)) return false;
    p.setRenderHint(QPainter::Antialiasing);
    const SheetRect page{0, 0, static_cast<double>(device.width()), static_cast<double>(device.height())};
    const SheetLayout layout = LayOutWorksheet(page, look.perPage);
    const QString code = QString::fromStdString(sheet.code);
    const int pages = WorksheetPages(sheet, look);
    int pageNumber = 0;
    auto nextPage = [&] { return ++pageNumber == 1 || device.newPage(); };
    for (std::size_t first = 0; first < sheet.puzzles.size(); first += look.perPage) {
        if (!nextPage()) return false;
        Frame(p, layout, look.title, code, pageNumber, pages, sheet.settings.order, sheet.settings.operations);
        for (std::size_t i = first; i < std::min(sheet.puzzles.size(), first + look.perPage); ++i)
            Puzzle(p, Q(layout.puzzles[i - first]), static_cast<int>(i + 1), sheet.puzzles[i]);
    }
    if (look.answerPage) {
        const int lines = AnswerLinesPerPage(LayOutWorksheet({0, 0, 1000, 1414}, look.perPage));
        const double lineHeight = (layout.footer.y - layout.title.y - layout.title.height * 1.4) / lines;
        for (std::size_t first = 0; first < sheet.puzzles.size(); first += lines) {
            if (!nextPage()) return false;
            Frame(p, layout, QCoreApplication::translate("Worksheet", "Answers: %1").arg(look.title), code, pageNumber, pages, sheet.settings.order, sheet.settings.operations);
            for (std::size_t i = first; i < std::min(sheet.puzzles.size(), first + lines); ++i) {
                const double y = layout.title.y + layout.title.height * 1.4 + (i - first) * lineHeight;
                const QRectF box(page.x, y, page.width, lineHeight);
                const QString line = AnswerLine(static_cast<int>(i + 1), sheet.puzzles[i]);
                p.setFont(Font(lineHeight * 0.6));
                if (TextWidth(p, line) * 0.8 <= box.width()) {
                    DrawFitted(p, box, Qt::AlignLeft | Qt::AlignVCenter, line, lineHeight * 0.6);
                } else {  // a long answer of many cards: two rows in the same space, never cut
                    p.setFont(Font(lineHeight * 0.36));
                    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, line);
                }
            }
        }
    }
    return p.end();
}

int RunWorksheetCommand(const CommandLineRequest& r, std::ostream& out, std::ostream& err) {
    WorksheetSettings settings;
    if (!r.code.empty()) {
        const ReadCode read = ReadWorksheetCode(r.code);
        if (!read.settings) {
            err << "pelorand: --worksheet: " << read.error << '\n' << lang::translate("Cli", "Try 'pelorand --help' for more information.") << '\n';
            return 2;
        }
        settings = *read.settings;
    } else {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        settings.seed = NewWorksheetSeed(static_cast<uint64_t>(ticks));
        if (r.faceCards) settings.cards = r.faceCards;
        if (r.highCard) settings.high = r.highCard;
        settings.level = r.level;
        if (r.count) settings.count = r.count;
        settings.operations = r.operations.value_or(AllowedOperations::All);
    }
    settings.order = r.order;
    const Worksheet sheet = MakeWorksheet(settings);
    if (sheet.puzzles.empty()) {
        err << "pelorand: --worksheet: " << sheet.error << '\n';
        return 1;
    }
    WorksheetLook look;
    if (r.perPage) look.perPage = r.perPage;
    look.answerPage = !r.noAnswers;
    look.title = QString::fromStdString(r.title);
    QPdfWriter pdf(QString::fromStdString(r.outFile));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(look.title);
    pdf.setCreator("Pelorand");
    if (!DrawWorksheet(pdf, sheet, look)) {
        err << lang::Args(lang::translate("Cli", "pelorand: --worksheet: the file %1 could not be written"), {r.outFile}) << '\n';
        return 1;
    }
    out << sheet.code << '\n';
    return 0;
}
