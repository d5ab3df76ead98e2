// Help set-up at start, contents on F1, and the help window closed when the game closes.
#include "dialogs/contextids.h"

#include <QDir>
#include <QFileInfo>

#include "platform/help_engine.h"

QPointer<QWidget> HelpWnd;
QString HelpFile;

QString HelpFileIn(const QString& folder) {
    const QString trimmed = folder.trimmed();
    const bool ends = trimmed.endsWith('/') || trimmed.endsWith(QDir::separator());
    return folder + (ends ? "" : "/") + "PELORAND.HLP";
}

QString HelpFolder(const QString& programFolder) {
    if (QFileInfo::exists(HelpFileIn(programFolder))) return programFolder;
    return QDir::cleanPath(programFolder + "/" + PELORAND_DATA_FROM_PROGRAM);
}

void InitHelp(QWidget* hWnd, const QString& programFolder) {
    HelpWnd = hWnd;
    HelpFile = HelpFileIn(programFolder);
}

void ShowHelpContents() { WinHelp(HelpWnd, HelpFile, HELP_CONTENTS, 0); }

void QuitHelp() { WinHelp(HelpWnd, HelpFile, HELP_QUIT, 0); }
