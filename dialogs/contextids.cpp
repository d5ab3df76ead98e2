// Help set-up at start, contents on F1, and the help window closed when the game closes.
#include "dialogs/contextids.h"

#include <QDir>

#include "platform/help_engine.h"

QPointer<QWidget> HelpWnd;
QString HelpFile;

QString HelpFileIn(const QString& folder) {
    const QString trimmed = folder.trimmed();
    const bool ends = trimmed.endsWith('/') || trimmed.endsWith(QDir::separator());
    return folder + (ends ? "" : "/") + "PELORAND.HLP";
}

void InitHelp(QWidget* hWnd, const QString& programFolder) {
    HelpWnd = hWnd;
    HelpFile = HelpFileIn(programFolder);
}

void ShowHelpContents() { WinHelp(HelpWnd, HelpFile, HELP_CONTENTS, 0); }

void QuitHelp() { WinHelp(HelpWnd, HelpFile, HELP_QUIT, 0); }
