// Sleeping without holding the processor.
#include "platform/sleep.h"

#include <chrono>
#include <thread>

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
