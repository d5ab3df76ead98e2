// The program's one loop: search steps, sleeps and event delivery on one thread.
#include "engine/mainloop.h"

#include "engine/globals.h"
#include "engine/search.h"

void Main(LoopHost& host) {
    Running = true;
    Solving = false;
    host.ShowSplash();
    while (Running) {
        if (Solving) {
            SearchStep();
            host.Sleep(1);
            if (Solving) SearchStep();
        } else {
            host.Sleep(10);
        }
        host.DoEvents();
    }
    host.ReleaseMainForm();
    MainForm = nullptr;
}
