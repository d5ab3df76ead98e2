// Sleeping without holding the processor, on Linux.
#include "platform/sleep.h"

#include <chrono>
#include <thread>

namespace {
bool held = false;
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void FineTimer(bool on) { held = on; }
bool FineTimerHeld() { return held; }
