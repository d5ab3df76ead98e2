// The Statistics window: one row per number of cards and level, as the record keeps them, and
// the log of the puzzles played.
#include "dialogs/frmstatistics.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "dialogs/record_chart.h"
#include "engine/globals.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "window/play_stats.h"
#include "window/players.h"
#include "window/settings.h"

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

const char* const LogColumns[] = {QT_TRANSLATE_NOOP("frmStatistics", "When"), QT_TRANSLATE_NOOP("frmStatistics", "Cards"),
                                  QT_TRANSLATE_NOOP("frmStatistics", "Answer card"), QT_TRANSLATE_NOOP("frmStatistics", "Level"),
                                  QT_TRANSLATE_NOOP("frmStatistics", "Operations"), QT_TRANSLATE_NOOP("frmStatistics", "Result"),
                                  QT_TRANSLATE_NOOP("frmStatistics", "Time"), QT_TRANSLATE_NOOP("frmStatistics", "Steps")};

// Newest first, as a teacher reads a log; rows of the same moment the later written first.
void NewestFirst(std::vector<LogRow>& rows) {
    std::reverse(rows.begin(), rows.end());
    std::stable_sort(rows.begin(), rows.end(), [](const LogRow& a, const LogRow& b) { return a.whenMs > b.whenMs; });
}

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
    // Whose statistics: the one playing, or, for a teacher, any player's (shown only, never reset).
    lblPlayer = new QLabel(tr("Pla&yer:"), this);
    lblPlayer->setObjectName("lblPlayer");
    cboPlayer = new QComboBox(this);
    cboPlayer->setObjectName("cboPlayer");
    cboPlayer->setAccessibleName(tr("Player"));
    lblPlayer->setBuddy(cboPlayer);
    for (const QString& player : QStringList{QString()} + OtherPlayers()) cboPlayer->addItem(PlayerName(player), player);
    cboPlayer->setCurrentIndex(std::max(0, cboPlayer->findData(CurrentPlayer())));
    connect(cboPlayer, &QComboBox::currentIndexChanged, this, &frmStatistics::Refresh);
    tabStatistics = new QTabWidget(this);
    tabStatistics->setObjectName("tabStatistics");
    tblLog = new QTableWidget(0, static_cast<int>(std::size(LogColumns)), this);
    tblLog->setObjectName("tblLog");
    tblLog->setAccessibleName(tr("Every puzzle played, newest first"));
    QStringList logHeaders;
    for (const char* c : LogColumns) logHeaders << tr(c);
    tblLog->setHorizontalHeaderLabels(logHeaders);
    tblLog->verticalHeader()->hide();
    tblLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblLog->setWordWrap(false);
    tblLog->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblLog->horizontalHeader()->setStretchLastSection(true);
    lblLogEmpty = new QLabel(tr("No puzzles played yet."), this);
    lblLogEmpty->setObjectName("lblLogEmpty");
    cmdExportLog = new QPushButton(tr("Export &log as CSV..."), this);
    cmdExportLog->setObjectName("cmdExportLog");
    cmdExportAll = new QPushButton(tr("Export &all players' logs..."), this);
    cmdExportAll->setObjectName("cmdExportAll");
    cmdExportAll->setToolTip(tr("One table with the log of every player on this computer, for a teacher"));
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
    connect(cmdExportLog, &QPushButton::clicked, this, &frmStatistics::cmdExportLog_Click);
    connect(cmdExportAll, &QPushButton::clicked, this, &frmStatistics::cmdExportAll_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    // The record's page: its table in a row of its own, where more views of it can stand beside it.
    auto* recordPage = new QWidget;
    layRecord = new QHBoxLayout;
    layRecord->addWidget(tblRecord, 1);
    layRecord->addWidget(charts, 1);  // a wider window widens the charts as much as the table
    auto* recordButtons = new QHBoxLayout;
    recordButtons->addWidget(cmdExport);
    recordButtons->addWidget(cmdReset);
    recordButtons->addStretch();
    auto* record = new QVBoxLayout(recordPage);
    record->addLayout(layRecord);
    record->addWidget(lblEmpty);
    record->addWidget(lblOldRating);
    record->addLayout(recordButtons);
    auto* logPage = new QWidget;
    auto* logButtons = new QHBoxLayout;
    logButtons->addWidget(cmdExportLog);
    logButtons->addWidget(cmdExportAll);
    logButtons->addStretch();
    auto* log = new QVBoxLayout(logPage);
    log->addWidget(tblLog);
    log->addWidget(lblLogEmpty);
    log->addLayout(logButtons);
    tabStatistics->addTab(recordPage, tr("Re&cord"));
    tabStatistics->addTab(logPage, tr("L&og"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblDone, 1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    auto* player = new QHBoxLayout;
    player->addWidget(lblPlayer);
    player->addWidget(cboPlayer);
    player->addStretch();
    layout->addLayout(player);
    layout->addWidget(tabStatistics);
    // One player alone never meets the choice.
    lblPlayer->setVisible(cboPlayer->count() > 1);
    cboPlayer->setVisible(cboPlayer->count() > 1);
    setTabOrder(cboPlayer, tabStatistics);
    layout->addLayout(buttons);
    Refresh();
    // Room for every row there can be in a season of play, without scrolling for the first few,
    // and the charts beside it; the table scrolls rather than the window outgrowing the screen.
    const QSize wanted(tblRecord->horizontalHeader()->length() + 70 + charts->sizeHint().width(), std::max(460, charts->sizeHint().height() + 140));
    resize(wanted.boundedTo(screen()->availableGeometry().size() * 0.9));
}

QString frmStatistics::ShownPlayer() const { return cboPlayer->currentData().toString(); }

void frmStatistics::Refresh() {
    const QString player = ShownPlayer();
    const PlayRecord record = PlayerRecord(player);
    const std::vector<LogRow> played = ReadPlayerLog(player);
    const auto& rows = record.Rows();
    const auto& firstRows = record.FirstRatingRows();
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
    charts->ShowRecord(record);
    std::vector<int64_t> rightAt;
    for (const RightAnswerAt& right : RightAnswerTimes(played)) rightAt.push_back(right.whenMs);
    charts->ShowRightAnswers(rightAt);
    const bool empty = rows.empty() && firstRows.empty();
    lblEmpty->setVisible(empty);
    lblOldRating->setVisible(!firstRows.empty());
    cmdExport->setEnabled(!empty);
    cmdReset->setEnabled(!empty && player == CurrentPlayer());  // only the one playing clears his own

    std::vector<LogRow> log = played;
    NewestFirst(log);
    tblLog->setRowCount(static_cast<int>(log.size()));
    for (int r = 0; r < static_cast<int>(log.size()); ++r) {
        const LogRow& row = log[r];
        const QStringList cells = {QString::fromStdString(LogWhenText(row)),
                                   QString::fromStdString(LogCardsText(row)),
                                   QString::number(row.answer),
                                   QString::fromStdString(RecordLevelText(row.level, false)),
                                   QString::fromStdString(LogOperationsText(row.operations)),
                                   QString::fromStdString(LogResultText(row.result)),
                                   QString::fromStdString(AnswerTimeText(row.timeMs)),
                                   QString::fromStdString(LogStepsText(row.steps))};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 6) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 7) item->setToolTip(QString::fromStdString(LogStepsText(row.steps)).replace("; ", "\n"));
            tblLog->setItem(r, c, item);
        }
    }
    lblLogEmpty->setVisible(log.empty());
    cmdExportLog->setEnabled(!log.empty());
}

bool frmStatistics::WriteLogCsv(const QString& path, bool allPlayers) {
    std::vector<LogRow> rows = ReadPlayerLog(allPlayers ? QString() : ShownPlayer());
    if (allPlayers)
        for (const QString& player : OtherPlayers()) {
            const std::vector<LogRow> more = ReadPlayerLog(player);
            rows.insert(rows.end(), more.begin(), more.end());
        }
    NewestFirst(rows);
    const QString mark = QLocale().decimalPoint();
    const QByteArray text = QByteArray::fromStdString(LogCsv(rows, CsvStyleFor(mark.isEmpty() ? '.' : mark[0].toLatin1())));
    return WriteExport(path, text, tr("The log could not be written to %1: %2."));
}

bool frmStatistics::WriteExport(const QString& path, const QByteArray& text, const QString& failed) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        MsgBox(failed.arg(path, file.errorString()), this);
        return false;
    }
    lblDone->setText(tr("Written to %1.").arg(path));
    return true;
}

void frmStatistics::cmdExportLog_Click() {
    CommonDialog dialog;
    dialog.ShowSaveTable(this, tr("Export the log"), QDir::home().filePath("pelorand-log.csv"));
    if (!dialog.FileName.isEmpty()) WriteLogCsv(dialog.FileName, false);
}

void frmStatistics::cmdExportAll_Click() {
    CommonDialog dialog;
    dialog.ShowSaveTable(this, tr("Export every player's log"), QDir::home().filePath("pelorand-log-all.csv"));
    if (!dialog.FileName.isEmpty()) WriteLogCsv(dialog.FileName, true);
}

bool frmStatistics::WriteCsv(const QString& path) {
    return WriteExport(path, QByteArray::fromStdString(PlayerRecord(ShownPlayer()).Csv()), tr("The statistics could not be written to %1: %2."));
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
