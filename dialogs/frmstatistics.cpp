// The Statistics window: one row per number of cards and level, as the record keeps them.
#include "dialogs/frmstatistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>

#include <iterator>
#include <QVBoxLayout>

#include "dialogs/record_chart.h"
#include "engine/globals.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "window/play_stats.h"

namespace {

const char* const Columns[] = {QT_TRANSLATE_NOOP("frmStatistics", "Cards"), QT_TRANSLATE_NOOP("frmStatistics", "Level"),
                               QT_TRANSLATE_NOOP("frmStatistics", "Dealt"), QT_TRANSLATE_NOOP("frmStatistics", "Solved"),
                               QT_TRANSLATE_NOOP("frmStatistics", "With hints"), QT_TRANSLATE_NOOP("frmStatistics", "Computer first"),
                               QT_TRANSLATE_NOOP("frmStatistics", "Given up"), QT_TRANSLATE_NOOP("frmStatistics", "Best time"),
                               QT_TRANSLATE_NOOP("frmStatistics", "Median time"), QT_TRANSLATE_NOOP("frmStatistics", "Current run"),
                               QT_TRANSLATE_NOOP("frmStatistics", "Longest run")};
QString Time(std::optional<int64_t> ms) { return ms ? QString::fromStdString(AnswerTimeText(*ms)) : QString::fromUtf8("\u2014"); }

QString OldRatingNote() {
    return QCoreApplication::translate("frmStatistics",
                                       "Rows marked (old rating) were recorded when the level counted a puzzle's plain answers; the level now comes "
                                       "from how hard people find its easiest answer. Those rows are kept as they were and no longer grow.");
}

const char* const Tips[] = {QT_TRANSLATE_NOOP("frmStatistics", "The number of face cards"),
                             QT_TRANSLATE_NOOP("frmStatistics", "The puzzle's difficulty, 1 easy to 5 hard; none: it has no answer, or its level was not yet known"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Puzzles put on the table"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Solved by you before the computer, without hints"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Solved by you before the computer, after a hint"),
                             QT_TRANSLATE_NOOP("frmStatistics", "The computer's search found a solution first"),
                             QT_TRANSLATE_NOOP("frmStatistics", "You let the computer start with Give Up"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Your fastest right answer"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Half your right answers were faster, half slower"),
                             QT_TRANSLATE_NOOP("frmStatistics", "Puzzles solved without hints in a row, up to now"),
                             QT_TRANSLATE_NOOP("frmStatistics", "The most puzzles solved without hints in a row")};

}  // namespace

frmStatistics::frmStatistics(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmStatistics");
    setWindowTitle(tr("Statistics"));
    tblRecord = new QTableWidget(0, static_cast<int>(std::size(Columns)), this);
    tblRecord->setObjectName("tblRecord");
    tblRecord->setAccessibleName(tr("Statistics by number of cards and level"));
    QStringList headers;
    for (const char* c : Columns) headers << tr(c);
    tblRecord->setHorizontalHeaderLabels(headers);
    tblRecord->verticalHeader()->hide();
    tblRecord->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRecord->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRecord->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int c = 0; c < static_cast<int>(std::size(Tips)); ++c) tblRecord->horizontalHeaderItem(c)->setToolTip(tr(Tips[c]));
    charts = new RecordCharts(FaceCards, this);  // next in the tab order
    lblEmpty = new QLabel(tr("No puzzles recorded yet: deal one and play."), this);
    lblEmpty->setObjectName("lblEmpty");
    lblOldRating = new QLabel(OldRatingNote(), this);
    lblOldRating->setObjectName("lblOldRating");
    lblOldRating->setWordWrap(true);
    lblDone = new QLabel(this);
    lblDone->setObjectName("lblDone");
    lblDone->setAccessibleName(tr("Export"));

    cmdExport = new QPushButton(tr("&Export as CSV..."), this);
    cmdExport->setObjectName("cmdExport");
    cmdReset = new QPushButton(tr("&Reset..."), this);
    cmdReset->setObjectName("cmdReset");
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setDefault(true);
    connect(cmdExport, &QPushButton::clicked, this, &frmStatistics::cmdExport_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmStatistics::cmdReset_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdReset);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* record = new QHBoxLayout;
    record->addWidget(tblRecord, 1);
    record->addWidget(charts, 1);  // a wider window widens the charts as much as the table
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(record);
    layout->addWidget(lblEmpty);
    layout->addWidget(lblOldRating);
    layout->addWidget(lblDone);
    layout->addLayout(buttons);
    Refresh();
    // Room for every row there can be in a season of play, without scrolling for the first few.
    // The charts beside it; the table scrolls rather than the window outgrowing the screen.
    const QSize wanted(tblRecord->horizontalHeader()->length() + 40 + charts->sizeHint().width(), std::max(420, charts->sizeHint().height() + 80));
    resize(wanted.boundedTo(screen()->availableGeometry().size() * 0.9));
}

void frmStatistics::Refresh() {
    const auto& rows = Record().Rows();
    const auto& firstRows = Record().FirstRatingRows();
    tblRecord->setRowCount(static_cast<int>(rows.size() + firstRows.size()));
    int r = 0;
    for (const auto* table : {&rows, &firstRows}) {
        for (const auto& [key, row] : *table) {
            const QStringList cells = {QString::number(key.first),
                                       QString::fromStdString(RecordLevelText(key.second, table == &firstRows)),
                                       QString::number(row.dealt),
                                       QString::number(row.solved),
                                       QString::number(row.withHints),
                                       QString::number(row.computerFirst),
                                       QString::number(row.gaveUp),
                                       Time(row.Best()),
                                       Time(row.Median()),
                                       QString::number(row.currentRun),
                                       QString::number(row.longestRun)};
            for (int c = 0; c < cells.size(); ++c) {
                auto* item = new QTableWidgetItem(cells[c]);
                item->setTextAlignment(c < 2 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
                if (table == &firstRows) item->setToolTip(OldRatingNote());
                tblRecord->setItem(r, c, item);
            }
            ++r;
        }
    }
    charts->ShowRecord(Record());
    charts->ShowRightAnswers({});  // until the game keeps when each right answer was given
    const bool empty = rows.empty() && firstRows.empty();
    lblEmpty->setVisible(empty);
    lblOldRating->setVisible(!firstRows.empty());
    cmdExport->setEnabled(!empty);
    cmdReset->setEnabled(!empty);
}

bool frmStatistics::WriteCsv(const QString& path) {
    QSaveFile file(path);
    const QByteArray text = QByteArray::fromStdString(Record().Csv());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        MsgBox(tr("The statistics could not be written to %1: %2.").arg(path, file.errorString()), this);
        return false;
    }
    lblDone->setText(tr("Written to %1.").arg(path));
    return true;
}

void frmStatistics::cmdExport_Click() {
    CommonDialog dialog;
    dialog.ShowSaveTable(this, tr("Export statistics"), QDir::home().filePath("pelorand-statistics.csv"));
    if (!dialog.FileName.isEmpty()) WriteCsv(dialog.FileName);
}

void frmStatistics::cmdReset_Click() {
    if (!AskYesNo(tr("Clear the statistics? Every count, time and run goes, and the Your Answer tally with them. "
                     "This cannot be undone."),
                  this))
        return;
    ResetRecord();
    Refresh();
}
