// The help calls: the help file beside the program, shown by the help engine.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

extern QPointer<QWidget> HelpWnd;  // the game window, named in every help call
extern QString HelpFile;           // the program's folder and "PELORAND.HLP"

// The help file in folder, joined with exactly one separator.
QString HelpFileIn(const QString& folder);
// The help file in the language in use: PELORAND_de.HLP beside PELORAND.HLP when there is one,
// else the English one.
QString HelpFileFor(const QString& file, const QString& language);

// The folder that holds the help file: the program's own folder when the file is there (a build
// tree, or an install that keeps it beside the program), else the installed data folder, which
// lies at the same place relative to the program wherever it was installed (share/games/pelorand).
QString HelpFolder(const QString& programFolder = QCoreApplication::applicationDirPath());

void InitHelp(QWidget* hWnd, const QString& programFolder = HelpFolder());
void ShowHelpContents();
void QuitHelp();
