// The worksheet dialog: settings or a code in, the same pages in preview, on paper or in a PDF.
#include "dialogs/frmworksheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <chrono>

#include "dialogs/number_list.h"
#include "engine/globals.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "window/settings.h"

namespace {

uint32_t FreshSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count() ^
                       std::chrono::steady_clock::now().time_since_epoch().count();
    return NewWorksheetSeed(static_cast<uint64_t>(ticks));
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(entries);
    return list;
}


}  // namespace

frmWorksheet::frmWorksheet(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), seed_(FreshSeed()) {
    setObjectName("frmWorksheet");
    setWindowTitle(tr("Print Worksheet"));

    cboCards = List(this, "cboCards", {"3", "4", "5", "6", "7"});
    cboHigh = List(this, "cboHigh", {"5", "6", "7", "8", "9", "10", "12", "15", "20", "25", "30", "40", "50"});
    cboLevel = List(this, "cboLevel", {tr("any"), tr("1 (easy)"), "2", "3", "4", tr("5 (hard)")});
    // A sheet starts from the options in force, as Options shows them.
    ChooseNumber(cboCards, FaceCards);
    ChooseNumber(cboHigh, HighCard);
    cboLevel->setCurrentIndex(ReadSettingInt(DealLevelSetting));  // entry i is level i, "any" 0
    cboOperations = List(this, "cboOperations", {tr("All four"), tr("+ and \u2212 only"), tr("+, \u2212 and \u00D7")});
    cboOperations->setCurrentIndex(static_cast<int>(SearchOperations));  // those in force, as Options shows them
    // Options' "only puzzles with an answer" has no say here: a sheet holds nothing else.
    lblAnswers = new QLabel(tr("Every puzzle on a worksheet has an answer."), this);
    lblAnswers->setObjectName("lblAnswers");
    spnCount = new QSpinBox(this);
    spnCount->setObjectName("spnCount");
    spnCount->setRange(1, WorksheetMostPuzzles);
    spnCount->setValue(20);
    QStringList layouts;
    for (int n : WorksheetLayouts) layouts << QString::number(n);
    cboPerPage = List(this, "cboPerPage", layouts);
    cboPerPage->setCurrentText("8");
    chkAnswers = new QCheckBox(tr("Include an &answer page"), this);
    chkAnswers->setObjectName("chkAnswers");
    chkAnswers->setChecked(true);
    txtTitle = new QLineEdit(tr("Pelorand worksheet"), this);
    txtTitle->setObjectName("txtTitle");
    txtTitle->setMaxLength(120);
    txtCode = new QLineEdit(this);
    txtCode->setObjectName("txtCode");
    txtCode->setPlaceholderText(tr("a code from an earlier sheet"));
    lblCode = new QLabel(this);
    lblCode->setObjectName("lblCode");
    lblCode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* form = new QFormLayout;
    form->addRow(tr("Number of &cards:"), cboCards);
    form->addRow(tr("&Highest card:"), cboHigh);
    form->addRow(tr("&Difficulty:"), cboLevel);
    form->addRow(tr("&Operations:"), cboOperations);
    form->addRow("", lblAnswers);
    form->addRow(tr("&Number of puzzles:"), spnCount);
    form->addRow(tr("Puzzles per pa&ge:"), cboPerPage);
    form->addRow("", chkAnswers);
    form->addRow(tr("&Title line:"), txtTitle);
    form->addRow(tr("&From code:"), txtCode);
    form->addRow(tr("Code of this sheet:"), lblCode);
    // Each field's label names it for a screen reader too.
    for (int row = 0; row < form->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole) ? form->itemAt(row, QFormLayout::LabelRole)->widget() : nullptr);
        QWidget* field = form->itemAt(row, QFormLayout::FieldRole)->widget();
        if (label && !label->text().isEmpty() && field) field->setAccessibleName(label->text().remove('&').remove(':'));
    }

    cmdNew = new QPushButton(tr("New &puzzles"), this);
    cmdNew->setObjectName("cmdNew");
    cmdNew->setToolTip(tr("Other puzzles with the same settings"));
    cmdPreview = new QPushButton(tr("Pre&view..."), this);
    cmdPreview->setObjectName("cmdPreview");
    cmdPrint = new QPushButton(tr("P&rint..."), this);
    cmdPrint->setObjectName("cmdPrint");
    cmdClose = new QPushButton(tr("Close"), this);  // Esc too
    cmdClose->setObjectName("cmdClose");
    // No button answers Enter: Enter in "From code" reads the code, and nothing else happens.
    for (QPushButton* button : {cmdNew, cmdPreview, cmdPrint, cmdClose}) button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNew);
    buttons->addStretch();
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdNew, &QPushButton::clicked, this, &frmWorksheet::cmdNew_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmWorksheet::cmdPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWorksheet::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtCode, &QLineEdit::editingFinished, this, [this] {
        if (!txtCode->text().trimmed().isEmpty()) UseCode();
    });
    for (QComboBox* list : {cboCards, cboHigh, cboLevel, cboOperations}) connect(list, &QComboBox::currentIndexChanged, this, &frmWorksheet::SettingsChanged);
    connect(spnCount, &QSpinBox::valueChanged, this, &frmWorksheet::SettingsChanged);
    ShowCode();
}

WorksheetSettings frmWorksheet::Settings() const {
    WorksheetSettings settings;
    settings.seed = seed_;
    settings.version = version_;
    settings.cards = cboCards->currentText().toInt();
    settings.high = cboHigh->currentText().toInt();
    settings.level = cboLevel->currentIndex();  // entry i is level i, "any" 0
    settings.count = spnCount->value();
    settings.operations = static_cast<AllowedOperations>(cboOperations->currentIndex());
    settings.order = SearchOrder;  // the order in force, which the sheet names
    return settings;
}

WorksheetLook frmWorksheet::Look() const {
    WorksheetLook look;
    look.perPage = cboPerPage->currentText().toInt();
    look.answerPage = chkAnswers->isChecked();
    look.title = txtTitle->text();
    return look;
}

void frmWorksheet::ShowCode() { lblCode->setText(QString::fromStdString(WorksheetCode(Settings()))); }

void frmWorksheet::SettingsChanged() {
    // Settings changed by hand make a new sheet, which gets the new version of the code (the
    // same seed); those a code fills in keep the code's own.
    if (!readingCode_) version_ = NewWorksheetVersion;
    ShowCode();
}

void frmWorksheet::cmdNew_Click() {
    seed_ = FreshSeed();
    version_ = NewWorksheetVersion;
    txtCode->clear();
    ShowCode();
}

bool frmWorksheet::UseCode() {
    const ReadCode read = ReadWorksheetCode(txtCode->text().toStdString());
    if (!read.settings) {
        MsgBox(QString::fromStdString(read.error), this);
        txtCode->setFocus();
        return false;
    }
    seed_ = read.settings->seed;
    version_ = read.settings->version;  // an old code keeps the sheet it was printed with
    readingCode_ = true;
    ChooseNumber(cboCards, read.settings->cards);
    ChooseNumber(cboHigh, read.settings->high);
    cboLevel->setCurrentIndex(read.settings->level);
    cboOperations->setCurrentIndex(static_cast<int>(read.settings->operations));
    spnCount->setValue(read.settings->count);
    readingCode_ = false;
    ShowCode();
    return true;
}

const Worksheet& frmWorksheet::Sheet() {
    if (!sheet_ || !(sheet_->settings == Settings())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // sixty puzzles of seven cards take a moment
        sheet_ = MakeWorksheet(Settings());
        QGuiApplication::restoreOverrideCursor();
    }
    return *sheet_;
}

bool frmWorksheet::Paint(QPrinter& printer) {
    const Worksheet& sheet = Sheet();
    if (sheet.puzzles.empty()) {
        MsgBox(QString::fromStdString(sheet.error), this);
        return false;
    }
    if (!DrawWorksheet(printer, sheet, Look())) {
        ReplacePrinter();  // the failed one would refuse every later setting
        MsgBox(printer.outputFileName().isEmpty()
                   ? tr("Unable to print the worksheet: the printer could not be started.")
                   : tr("Unable to print the worksheet: the file %1 could not be written.").arg(printer.outputFileName()),
               this);
        return false;
    }
    return true;
}

void frmWorksheet::cmdPreview_Click() {
    if (!txtCode->text().trimmed().isEmpty() && !UseCode()) return;
    QPrintPreviewDialog preview(&CurrentPrinter(), this);
    preview.setWindowTitle(tr("Worksheet preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { Paint(*printer); });
    preview.exec();
}

void frmWorksheet::cmdPrint_Click() {
    if (!txtCode->text().trimmed().isEmpty() && !UseCode()) return;
    CommonDialog dialog;
    if (!dialog.ShowPrinter(this, CurrentPrinter())) return;
    Paint(CurrentPrinter());
}
