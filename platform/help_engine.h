// A small help engine in place of the platform's: shows a help file in a viewer window.
#pragma once

#include <QString>

class QWidget;

inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_CONTENTS = 3;

// HELP_CONTENTS opens (or raises) the viewer on helpFile, an HTML text; a missing file gets
// the engine's own message naming it. HELP_QUIT closes the viewer. Returns false on failure.
bool WinHelp(QWidget* owner, const QString& helpFile, unsigned command, unsigned long data);

// The viewer window while it is open, else null (for tests and the close handling).
QWidget* HelpViewer();
