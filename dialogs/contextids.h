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

void InitHelp(QWidget* hWnd, const QString& programFolder = QCoreApplication::applicationDirPath());
void ShowHelpContents();
void QuitHelp();
