// The file and printer dialogs, on Qt's own widgets so they behave the same everywhere.
#include "platform/common_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

QStringList CommonDialog::Scripted;
QStringList CommonDialog::Shown;

void CommonDialog::ShowOpen(QWidget* owner) { Show(owner, false); }
void CommonDialog::ShowSave(QWidget* owner) { Show(owner, true); }

void CommonDialog::Show(QWidget* owner, bool save) {
    Choose(owner, save, QCoreApplication::translate("CommonDialog", "Save puzzle"), QCoreApplication::translate("CommonDialog", "Puzzles (*.PLD)"), DefaultExt,
           InitialName, save ? "save" : "open");
}

void CommonDialog::ShowSaveTable(QWidget* owner, const QString& title, const QString& initialName) {
    Choose(owner, true, title, QCoreApplication::translate("CommonDialog", "Spreadsheet tables (*.csv)"), "csv", initialName, "save table");
}

void CommonDialog::ShowSavePicture(QWidget* owner, const QString& title, const QString& initialName) {
    Choose(owner, true, title, QCoreApplication::translate("CommonDialog", "PNG pictures (*.png)"), "png", initialName, "save picture");
}

void CommonDialog::Choose(QWidget* owner, bool save, const QString& title, const QString& filter, const QString& suffix,
                          const QString& initialName, const QString& kind) {
    Shown << kind;
    QString chosen;
    if (!Scripted.isEmpty() || NeverShow) {
        chosen = Scripted.isEmpty() ? QString() : Scripted.takeFirst();
    } else {
        QFileDialog dialog(owner, title);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // Qt's own dialog matches name filters regardless of case, so *.PLD lists puzzle.pld
        // too; a native dialog on Linux might not.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilter(filter);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(initialName);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    FileName = chosen.isEmpty() ? QString() : QFileInfo(chosen).absoluteFilePath();
    FileTitle = chosen.isEmpty() ? QString() : QFileInfo(chosen).fileName();
}

bool CommonDialog::ShowPrinter(QWidget* owner, QPrinter& printer) {
    Shown << "printer";
    if (!Scripted.isEmpty() || NeverShow) return !Scripted.isEmpty() && !Scripted.takeFirst().isEmpty();
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}
