// Sleeping on Windows: kernel32's Sleep, and the multimedia timer's resolution for short ones.
#include "platform/sleep.h"

#include <windows.h>
#include <timeapi.h>

namespace {
bool held = false;
}

void Sleep(int ms) { ::Sleep(static_cast<DWORD>(ms)); }  // the DWORD overload: kernel32's, not this one

void FineTimer(bool on) {
    if (on == held) return;
    if (on) {
        held = timeBeginPeriod(1) == TIMERR_NOERROR;
    } else {
        timeEndPeriod(1);
        held = false;
    }
}

bool FineTimerHeld() { return held; }
