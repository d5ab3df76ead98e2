// Help set-up at start, contents on F1, and the help window closed when the game closes.
#include "dialogs/contextids.h"

#include <QDir>
#include <QFileInfo>

#include "platform/help_engine.h"
#include "platform/language.h"

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

QString HelpFileFor(const QString& file, const QString& language) {
    if (language == "en" || !file.endsWith(".HLP")) return file;
    const QString translated = file.left(file.size() - 4) + "_" + language + ".HLP";
    return QFileInfo::exists(translated) ? translated : file;
}

void ShowHelpContents() { WinHelp(HelpWnd, HelpFileFor(HelpFile, LanguageInUse()), HELP_CONTENTS, 0); }

void QuitHelp() { WinHelp(HelpWnd, HelpFile, HELP_QUIT, 0); }
