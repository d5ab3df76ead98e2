// Statistics: the record of play per number of cards and level, exported as CSV or reset.
#pragma once

#include <QDialog>

class QLabel;
class RecordCharts;
class QPushButton;
class QTableWidget;

class frmStatistics : public QDialog {
    Q_OBJECT
public:
    explicit frmStatistics(QWidget* owner);

    void Refresh();           // the table as the record stands
    void cmdExport_Click();   // asks for a file name, writes the CSV there
    void cmdReset_Click();    // asks first, then clears the record and the tally
    // Writes the record's CSV to path; false (after a message) when it could not.
    bool WriteCsv(const QString& path);

    QTableWidget* tblRecord;
    RecordCharts* charts;  // beside the table, from the same record
    QLabel* lblEmpty;
    QLabel* lblOldRating;  // shown while there are rows of the first rating
    QLabel* lblDone;  // where the last export went
    QPushButton* cmdExport;
    QPushButton* cmdReset;
    QPushButton* cmdClose;
};
