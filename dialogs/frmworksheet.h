// Print Worksheet: a sheet of puzzles for a class, previewed and printed, or made again from its code.
#pragma once

#include <QDialog>

#include <optional>

#include "deal/worksheet.h"
#include "files/worksheet_print.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

class frmWorksheet : public QDialog {
    Q_OBJECT
public:
    explicit frmWorksheet(QWidget* owner);

    void cmdPreview_Click();  // Qt's preview of the pages
    void cmdPrint_Click();    // the print dialog, then the pages (a printer or a PDF file)
    void cmdNew_Click();      // other puzzles with the same settings: a new seed
    // Reads the "From code" field: its settings fill the dialog; false (and a message) when bad.
    bool UseCode();

    // The sheet as the dialog stands: its settings, its seed (or its code's).
    WorksheetSettings Settings() const;
    WorksheetLook Look() const;
    // Paints the sheet on printer; false (and a message) when no puzzle fits or painting fails.
    bool Paint(QPrinter& printer);

    QComboBox* cboCards;
    QComboBox* cboHigh;
    QComboBox* cboLevel;
    QComboBox* cboOperations;  // entry i is AllowedOperations i
    QLabel* lblAnswers;    // every puzzle on a sheet has an answer
    QSpinBox* spnCount;
    QComboBox* cboPerPage;
    QCheckBox* chkAnswers;
    QLineEdit* txtTitle;
    QLineEdit* txtCode;    // "From code"
    QLabel* lblCode;       // the code of the sheet the settings make now
    QPushButton* cmdNew;
    QPushButton* cmdPreview;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

private:
    void ShowCode();
    void SettingsChanged();
    const Worksheet& Sheet();  // made once per settings: the preview repaints often
    uint32_t seed_ = 0;
    WorksheetVersion version_ = NewWorksheetVersion;  // an old code's, once read
    bool readingCode_ = false;
    std::optional<Worksheet> sheet_;
};
