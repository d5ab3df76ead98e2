// Main and the idle loop that interleaves search steps with window events.
#pragma once

// The services the loop needs from the window system and the operating system.
class LoopHost {
public:
    virtual ~LoopHost() = default;
    virtual void ShowSplash() = 0;       // shows the splash window, which loads the game window
    virtual void Sleep(int ms) = 0;
    virtual void DoEvents() = 0;         // delivers every pending window event, then returns
    virtual void ReleaseMainForm() = 0;  // drops the game window after the loop
};

// Sets Running and clears Solving, shows the splash window, then loops while Running: a pass
// runs a search step, sleeps 1 ms and runs a second step if Solving is still set, or sleeps
// 10 ms when nothing is searched; every pass ends by delivering window events. The flags are
// read only at those points. All handlers therefore run between steps, never inside one.
void Main(LoopHost& host);
