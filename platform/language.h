// Which language the game speaks, and its translations loaded: the game's own texts (built
// into the program) and Qt's (standard buttons, file and print dialogs) from the system.
#pragma once

#include <QString>
#include <QStringList>

// The languages the game is translated into, beside English, its source language: every
// translations/pelorand_<code>.ts built into the program ("de", "fr"), so a new language is a
// new file and nothing more.
QStringList Languages();
// A language's own name, as its speakers write it: "Deutsch", "Français".
QString NativeName(const QString& language);

// The language the environment asks for, as GNU programs read it: LC_ALL, else LC_MESSAGES,
// else LANG names the locale; LANGUAGE, a list such as "fr:de", comes first unless that locale
// is set to C or POSIX. The first of those the game speaks, else "en".
QString SystemLanguage();
// Loads the translations of a language ("en", "de", "fr", or "pseudo": every text marked, for
// the tests) and installs them for the application (when there is one) and for the core's
// texts; numbers are then written as that language writes them. "en" removes them again.
void UseLanguage(const QString& language);
// The language in use: "en" until UseLanguage says otherwise.
QString LanguageInUse();
