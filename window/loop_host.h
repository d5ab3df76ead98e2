// The idle loop's services on Qt: the splash, event delivery, sleeping, releasing the window.
#pragma once

#include <QString>

#include "engine/mainloop.h"

class QtLoopHost : public LoopHost {
public:
    explicit QtLoopHost(QString commandLine) : commandLine_(std::move(commandLine)) {}
    void ShowSplash() override;
    void Sleep(int ms) override;
    void DoEvents() override;
    void ReleaseMainForm() override;

private:
    QString commandLine_;
};
