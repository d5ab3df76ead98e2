// The common dialog: file Open and Save As, and the printer dialog, behind one small wrapper.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

class CommonDialog {
public:
    // Shows the dialog; afterwards FileName is the full name chosen (empty: cancelled) and
    // FileTitle the name without folder.
    void ShowOpen(QWidget* owner);
    void ShowSave(QWidget* owner);
    // Save As for a spreadsheet table (.csv), offered as initialName.
    void ShowSaveTable(QWidget* owner, const QString& title, const QString& initialName);
    // Save As for a picture (.png), offered as initialName.
    void ShowSavePicture(QWidget* owner, const QString& title, const QString& initialName);
    // The printer dialog for printer; returns false when cancelled.
    bool ShowPrinter(QWidget* owner, QPrinter& printer);

    QString FileName;
    QString FileTitle;

    // The title ("Save puzzle") and the filter ("Puzzles (*.PLD)") are said in the reader's words.
    static inline const QString DefaultExt = "PLD";
    static inline const QString InitialName = "puzzle.pld";

    // Tests: each dialog takes the next scripted answer instead of showing itself (a file
    // name, or "" for Cancel; for the printer dialog "" is Cancel and anything else OK).
    static QStringList Scripted;
    static QStringList Shown;  // "open", "save", "save table", "save picture" or "printer", one per dialog asked for
    static inline bool NeverShow = false;  // tests: an unscripted dialog cancels, never blocks

private:
    void Show(QWidget* owner, bool save);
    void Choose(QWidget* owner, bool save, const QString& title, const QString& filter, const QString& suffix,
                const QString& initialName, const QString& kind);
};
