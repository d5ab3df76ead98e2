// The worksheet as a teacher gets it: the PDF from the command line and from the dialog, read
// back as text.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include "answer/answer.h"
#include "deal/worksheet.h"
#include "dialogs/frmoptions.h"
#include "dialogs/frmworksheet.h"
#include "engine/globals.h"
#include "gui_env.h"
#include "program_run.h"
#include "platform/printer.h"

namespace {

// pdftotext (poppler-utils) reads the PDF back; it is a Linux program, so under Wine the tests
// that read a sheet say why they cannot run.
bool CanReadPdf() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }
constexpr const char* NoPdfReader = "pdftotext (poppler-utils), which reads the PDF back, is not a program of this platform";

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << "pdftotext " << pdf.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The answer page's lines: "12.  3 3 8 8 => 24   (1 answer):   8 / (3 - 8 / 3)".
struct AnswerLine {
    int number;
    std::vector<int> cards;
    int answer;
    QString example;
};
std::vector<AnswerLine> AnswerLines(const QString& text) {
    std::vector<AnswerLine> lines;
    static const QRegularExpression line(R"((\d+)\.\s+([\d ]+?) => (\d+)\s+\(\d+ answers?\):\s+(.+?)\s*$)",
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        AnswerLine a{m.captured(1).toInt(), {}, m.captured(3).toInt(), m.captured(4)};
        for (const QString& c : m.captured(2).split(' ', Qt::SkipEmptyParts)) a.cards.push_back(c.toInt());
        lines.push_back(a);
    }
    return lines;
}

int RunProgram(const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
    const ProgramRun run = RunPelorand(args);  // no display at all
    if (out) *out = run.out;
    if (err) *err = run.err;
    return run.code;
}

}  // namespace

using WorksheetWindow = GuiTest;

// Every puzzle and every answer in the PDF, every answer right by the player's rule in the game's
// order and read by the school order too, and the same code the same sheet.
TEST_F(WorksheetWindow, TheCommandLineWritesTheSheetWithoutADisplay) {
    const QString pdf = dir.filePath("sheet.pdf"), again = dir.filePath("again.pdf");
    QString out, err;
    // The seed comes from the clock, so the settings must find 14 puzzles for any seed: level 1
    // of cards up to 10 always does (level 2 runs out for about one seed in seventy).
    ASSERT_EQ(RunProgram({"--worksheet", "--cards", "4", "--high", "10", "--level", "1", "--count", "14", "--per-page", "6", "-o", pdf}, &out, &err), 0)
        << err.toStdString();
    const QString code = out.trimmed();
    const ReadCode read = ReadWorksheetCode(code.toStdString());
    ASSERT_TRUE(read.settings) << code.toStdString();
    EXPECT_EQ(read.settings->cards, 4);
    EXPECT_EQ(read.settings->level, 1);
    EXPECT_EQ(read.settings->count, 14);
    EXPECT_EQ(code.size(), 13);  // a new sheet, a code of the new version
    EXPECT_EQ(read.settings->version, WorksheetVersion::NoRepeats);
    // An eleven-character code from before makes its own sheet, typed any way.
    ASSERT_EQ(RunProgram({"--worksheet", "--code", "xydn-gc9u h5v", "-o", again}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, "XYDNGC9UH5V\n");

    // Bad arguments: a message and status 2; nothing that cannot be met: status 1.
    for (const QStringList& bad : {QStringList{"--worksheet", "--per-page", "5", "-o", pdf}, QStringList{"--worksheet", "--count", "61", "-o", pdf},
                                   QStringList{"--worksheet", "--count", "3"}, QStringList{"--worksheet", "--code", code, "--cards", "4", "-o", pdf},
                                   QStringList{"--worksheet", "--code", "NOTACODE", "-o", pdf}}) {
        EXPECT_EQ(RunProgram(bad, &out, &err), 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(err.startsWith("pelorand: --worksheet: ")) << err.toStdString();
    }
    EXPECT_EQ(RunProgram({"--worksheet", "--cards", "3", "--high", "1", "--level", "5", "-o", pdf}, &out, &err), 1);
    EXPECT_TRUE(err.contains("No puzzle of difficulty 5")) << err.toStdString();

    // What is left reads the sheets back.
    if (!CanReadPdf()) GTEST_SKIP() << NoPdfReader;
    ASSERT_EQ(RunProgram({"--worksheet", "--code", code, "--per-page", "6", "-o", pdf}, &out), 0);  // the bad runs may have touched it
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Worksheet code " + code));
    EXPECT_TRUE(text.contains("Page 4 of 4"));  // 14 puzzles at 6 a page, then the answers
    for (int n = 1; n <= 14; ++n) EXPECT_TRUE(text.contains(QString("%1.").arg(n))) << n;
    const std::vector<AnswerLine> answers = AnswerLines(text);
    ASSERT_EQ(answers.size(), 14u) << text.toStdString();
    const Worksheet sheet = MakeWorksheet(*read.settings);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(answers[i].number, static_cast<int>(i + 1));
        EXPECT_EQ(answers[i].cards, sheet.puzzles[i].cards);
        EXPECT_EQ(answers[i].answer, sheet.puzzles[i].answer);
        const AnswerCheck c = CheckAnswer(answers[i].example.toStdU16String(), answers[i].cards, answers[i].answer);
        EXPECT_TRUE(c.solves) << answers[i].example.toStdString();
        // A pupil who reads the printed answer by the school order reads it right too.
        const AnswerCheck school = CheckAnswer(answers[i].example.toStdU16String(), answers[i].cards, answers[i].answer, OperatorOrder::School);
        EXPECT_TRUE(school.solves) << answers[i].example.toStdString();
    }
    // The old code's sheet as it always was, its puzzle asked twice included.
    const QString old = PdfText(again);
    EXPECT_TRUE(old.contains("Worksheet code XYDNGC9UH5V"));
    const Worksheet oldSheet = MakeWorksheet(*ReadWorksheetCode("XYDNGC9UH5V").settings);
    const std::vector<AnswerLine> oldAnswers = AnswerLines(old);
    ASSERT_EQ(oldAnswers.size(), 12u) << old.toStdString();
    for (std::size_t i = 0; i < oldAnswers.size(); ++i) {
        EXPECT_EQ(oldAnswers[i].cards, oldSheet.puzzles[i].cards);
        EXPECT_EQ(oldAnswers[i].answer, oldSheet.puzzles[i].answer);
    }
    EXPECT_EQ(oldAnswers[1].cards, std::vector<int>({10, 2, 1, 5}));
    EXPECT_EQ(oldAnswers[6].cards, std::vector<int>({5, 1, 2, 10}));

    ASSERT_EQ(RunProgram({"--worksheet", "--code", code.toLower(), "--per-page", "6", "-o", again}, &out), 0);
    EXPECT_EQ(out.trimmed(), code);
    EXPECT_EQ(PdfText(again), text);
}

TEST_F(WorksheetWindow, TheDialogMakesTheSheetOfACodeAndPrintsIt) {
    frmMain& w = Start();
    ASSERT_NE(w.MenuItem("mnuFilePrintWorksheet"), nullptr);
    EXPECT_EQ(w.MenuItem("mnuFilePrintWorksheet")->shortcut(), QKeySequence("Ctrl+Shift+P"));
    const WorksheetSettings settings{31337, 5, 15, 3, 9};
    frmWorksheet dialog(&w);
    dialog.txtCode->setText(QString::fromStdString(WorksheetCode(settings)));
    ASSERT_TRUE(dialog.UseCode());
    EXPECT_EQ(dialog.Settings(), settings);  // the dialog shows the code's settings
    EXPECT_EQ(dialog.cboCards->currentText(), "5");
    EXPECT_EQ(dialog.spnCount->value(), 9);
    EXPECT_EQ(dialog.lblCode->text().toStdString(), WorksheetCode(settings));

    // Enter in "From code" reads the code and prints nothing.
    const WorksheetSettings other{4242, 4, 10, 0, 5};
    dialog.show();
    dialog.txtCode->setFocus();
    dialog.txtCode->setText(QString::fromStdString(WorksheetCode(other)));
    const qsizetype dialogsBefore = CommonDialog::Shown.size();
    QTest::keyClick(dialog.txtCode, Qt::Key_Return);
    EXPECT_EQ(dialog.Settings(), other);
    EXPECT_EQ(CommonDialog::Shown.size(), dialogsBefore);

    dialog.txtCode->setText("ABCDEFGHJK2");  // a typo somewhere
    EXPECT_FALSE(dialog.UseCode());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("typing error")) << messages[0].toStdString();
    dialog.txtCode->clear();

    dialog.txtCode->setText(QString::fromStdString(WorksheetCode(settings)));
    ASSERT_TRUE(dialog.UseCode());
    dialog.txtCode->clear();
    const QString pdf = dir.filePath("class.pdf");
    CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
    CurrentPrinter().setOutputFileName(pdf);
    CommonDialog::Scripted = {"ok"};
    dialog.cmdPrint_Click();
    EXPECT_EQ(CommonDialog::Shown.last(), "printer");
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
    CurrentPrinter().setOutputFileName({});
    if (!CanReadPdf()) GTEST_SKIP() << NoPdfReader;
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Worksheet code " + QString::fromStdString(WorksheetCode(settings))));
    EXPECT_EQ(AnswerLines(text).size(), 9u);
}

// Print Worksheet starts from the options in force, as the player set them in Options: the
// number of cards, the highest card and the level; the answer-only choice has no say, since a
// sheet holds only puzzles with an answer, and the dialog says so.
TEST_F(WorksheetWindow, TheDialogStartsFromTheOptionsInForce) {
    frmMain& w = Start();
    const struct {
        const char* cards;
        const char* high;
        int level;
        bool answerOnly;
    } chosen[] = {{"6", "20", 4, true}, {"3", "5", 1, false}, {"7", "50", 5, true}, {"5", "25", 0, false}};
    for (const auto& c : chosen) {
        auto* options = w.NewOptions().release();  // the game window's own, gone with it
        options->cboCardCnt->setCurrentText(c.cards);
        options->cboHighCard->setCurrentText(c.high);
        options->cboLevel->setCurrentIndex(c.level);
        options->chkAnswerOnly->setChecked(c.answerOnly);
        options->cmdOK_Click();
        frmWorksheet dialog(&w);
        EXPECT_EQ(dialog.cboCards->currentText(), c.cards);
        EXPECT_EQ(dialog.cboHigh->currentText(), c.high);
        EXPECT_EQ(dialog.cboLevel->currentIndex(), c.level) << c.cards << " " << c.high;
        const WorksheetSettings settings = dialog.Settings();
        EXPECT_EQ(settings.cards, QString(c.cards).toInt());
        EXPECT_EQ(settings.high, QString(c.high).toInt());
        EXPECT_EQ(settings.level, c.level);
        dialog.show();
        EXPECT_TRUE(dialog.lblAnswers->isVisible());
        EXPECT_EQ(dialog.lblAnswers->text(), "Every puzzle on a worksheet has an answer.");
    }
    // A deck of its own may set a highest card neither list offers: both show it, in its place.
    HighCard = 13;
    FaceCards = 4;
    const auto optionsOwned = w.NewOptions();
    frmOptions& options = *optionsOwned;
    frmWorksheet dialog(&w);
    EXPECT_EQ(options.cboHighCard->currentText(), "13");
    EXPECT_EQ(dialog.cboHigh->currentText(), "13");
    EXPECT_EQ(dialog.cboHigh->itemText(dialog.cboHigh->currentIndex() - 1), "12");
    EXPECT_EQ(dialog.cboHigh->itemText(dialog.cboHigh->currentIndex() + 1), "15");
    EXPECT_EQ(dialog.Settings().high, 13);
    EXPECT_EQ(dialog.Settings().cards, 4);
}

// An eleven-character code fills the dialog and keeps its own sheet and code; a setting changed
// by hand after it makes a new sheet, with a code of the new version and the same seed.
TEST_F(WorksheetWindow, AnOldCodeKeepsItsSheetUntilASettingIsChanged) {
    frmMain& w = Start();
    frmWorksheet dialog(&w);
    EXPECT_EQ(dialog.lblCode->text().size(), 13);  // a new sheet
    dialog.txtCode->setText("xydn-gc9u-h5v");
    ASSERT_TRUE(dialog.UseCode());
    EXPECT_EQ(dialog.lblCode->text(), "XYDNGC9UH5V");
    const WorksheetSettings old = dialog.Settings();
    EXPECT_EQ(old, *ReadWorksheetCode("XYDNGC9UH5V").settings);
    EXPECT_EQ(old.version, WorksheetVersion::MeasuredRating);
    EXPECT_EQ(dialog.cboCards->currentText(), "4");
    EXPECT_EQ(dialog.cboHigh->currentText(), "10");
    EXPECT_EQ(dialog.spnCount->value(), 12);

    dialog.spnCount->setValue(13);
    WorksheetSettings changed = old;
    changed.count = 13;
    changed.version = WorksheetVersion::NoRepeats;
    EXPECT_EQ(dialog.Settings(), changed);
    EXPECT_EQ(dialog.lblCode->text().toStdString(), WorksheetCode(changed));

    // A code of a highest card the list does not offer (made on the command line) adds it in its place.
    const WorksheetSettings odd{2024, 4, 11, 0, 6};
    dialog.txtCode->setText(QString::fromStdString(WorksheetCode(odd)));
    ASSERT_TRUE(dialog.UseCode());
    EXPECT_EQ(dialog.Settings(), odd);
    EXPECT_EQ(dialog.cboHigh->itemText(dialog.cboHigh->currentIndex() + 1), "12");
    dialog.cmdNew_Click();  // other puzzles: a new seed, the new version
    EXPECT_EQ(dialog.Settings().version, WorksheetVersion::NoRepeats);
    EXPECT_EQ(dialog.lblCode->text().size(), 13);
}

// A sheet of + and − only: its code holds them, its heading names them, and every answer on it
// keeps to them; the dialog starts from the choice in force and takes a code's.
TEST_F(WorksheetWindow, ASheetOfFewerOperationsNamesThemAndKeepsToThem) {
    const QString pdf = dir.filePath("plus.pdf");
    QString out, err;
    ASSERT_EQ(RunProgram({"--worksheet", "--ops", "+-", "--cards", "4", "--high", "10", "--count", "8", "-o", pdf}, &out, &err), 0)
        << err.toStdString();
    const ReadCode read = ReadWorksheetCode(out.trimmed().toStdString());
    ASSERT_TRUE(read.settings) << out.toStdString();
    EXPECT_EQ(read.settings->operations, AllowedOperations::AddSubtract);

    frmMain& w = Start();
    SearchOperations = AllowedOperations::AddSubtractMultiply;
    {
        frmWorksheet dialog(&w);
        EXPECT_EQ(dialog.cboOperations->currentIndex(), 2);
        EXPECT_EQ(dialog.Settings().operations, AllowedOperations::AddSubtractMultiply);
        dialog.txtCode->setText(out.trimmed());
        ASSERT_TRUE(dialog.UseCode());
        EXPECT_EQ(dialog.cboOperations->currentIndex(), 1);
        EXPECT_EQ(dialog.lblCode->text(), out.trimmed());
    }
    SearchOperations = AllowedOperations::All;

    if (!CanReadPdf()) GTEST_SKIP() << NoPdfReader;
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Use + \u2212 only. Worked in the game's order")) << text.toStdString();
    const std::vector<AnswerLine> answers = AnswerLines(text);
    ASSERT_EQ(answers.size(), 8u) << text.toStdString();
    for (const AnswerLine& a : answers) {
        const AnswerCheck c = CheckAnswer(a.example.toStdU16String(), a.cards, a.answer, OperatorOrder::Game, AllowedOperations::AddSubtract);
        EXPECT_TRUE(c.solves) << a.example.toStdString() << ": " << QString::fromStdU16String(c.verdict).toStdString();
    }
    // A sheet of all four says nothing of them, as before.
    ASSERT_EQ(RunProgram({"--worksheet", "--cards", "4", "--high", "10", "--count", "8", "-o", pdf}, &out, &err), 0);
    EXPECT_FALSE(PdfText(pdf).contains("Use +"));
}
