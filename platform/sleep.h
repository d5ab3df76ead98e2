// Sleeping, as the idle loop asks, and the timer's resolution while it sleeps briefly.
#pragma once

void Sleep(int ms);

// Windows rounds a short sleep up to its timer tick (about 15.6 ms) unless a program asks for
// a finer one, which costs power: the loop asks for 1 ms while it searches and gives it back
// when it idles. FineTimer(true) asks (once, however often called), FineTimer(false) gives it
// back. Linux's sleeps are already fine: there it only keeps the state.
void FineTimer(bool on);
bool FineTimerHeld();
