// The start-up trace: milliseconds since the first mark, to standard error, when asked for.
#include "window/startup_trace.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <cstdio>

void TraceStartup(const char* step) {
    static const bool on = qEnvironmentVariableIsSet("PELORAND_TRACE_STARTUP");
    if (!on) return;
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    std::fprintf(stderr, "startup %8.3f ms  %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6, step);
}
