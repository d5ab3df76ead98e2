// Statistics: the record of play per number of cards and level, exported as CSV or reset, and
// beside it the log of every puzzle played.
#pragma once

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QLabel;
class RecordCharts;
class QPushButton;
class QTableWidget;
class QTabWidget;

class frmStatistics : public QDialog {
    Q_OBJECT
public:
    explicit frmStatistics(QWidget* owner);

    void Refresh();           // the table as the record stands
    void cmdExport_Click();   // asks for a file name, writes the CSV there
    void cmdReset_Click();    // asks first, then clears the record and the tally
    // Writes the record's CSV to path; false (after a message) when it could not.
    bool WriteCsv(const QString& path);
    // The log: the player's, or every player's (for a teacher), as CSV in the reader's language.
    void cmdExportLog_Click();
    void cmdExportAll_Click();
    bool WriteLogCsv(const QString& path, bool allPlayers);

    QString ShownPlayer() const;  // whose statistics are shown ("" for the first player)

    QLabel* lblPlayer;     // "Player:", shown only when more than one plays here
    QComboBox* cboPlayer;  // whose statistics: the one playing first, any other for a teacher
    QTabWidget* tabStatistics;  // the record, the log
    QHBoxLayout* layRecord;     // the record's table, with room beside it
    QTableWidget* tblRecord;
    RecordCharts* charts;  // beside the table, from the same record
    QLabel* lblEmpty;
    QLabel* lblOldRating;  // shown while there are rows of the first rating
    QLabel* lblDone;  // where the last export went
    QPushButton* cmdExport;
    QPushButton* cmdReset;
    QTableWidget* tblLog;  // one row per puzzle played, newest first
    QLabel* lblLogEmpty;
    QPushButton* cmdExportLog;
    QPushButton* cmdExportAll;
    QPushButton* cmdClose;

private:
    // Writes an export whole or not at all; failed says so, with the path (%1) and why (%2).
    bool WriteExport(const QString& path, const QByteArray& text, const QString& failed);
};
