// A trace of start-up for whoever measures it: with PELORAND_TRACE_STARTUP set, each step's
// time since main() began goes to standard error. Nothing is written otherwise.
#pragma once

// Marks the end of a step of start-up; the first call starts the clock.
void TraceStartup(const char* step);
