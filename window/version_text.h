// The version as the splash and the About box show it.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "version.h"

// "Version 1.0.0" from the build's version number.
inline QString VersionText() {
    return QCoreApplication::translate("frmSplash", "Version %1.%2.%3").arg(PELORAND_VERSION_MAJOR).arg(PELORAND_VERSION_MINOR).arg(PELORAND_VERSION_PATCH);
}
