// The real program run as a command, the way a shell runs it: its exit status and what it
// printed. On Windows it writes CR LF at each line's end, as console programs there do; the
// tests compare the text with Linux's line ends.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int code = -1;
    QString out, err;
};

// Runs the program with env, or with this process's environment less any display (the jobs
// need none).
inline ProgramRun RunPelorand(const QStringList& args, QProcessEnvironment env = {}) {
    if (env.isEmpty()) {
        env = QProcessEnvironment::systemEnvironment();
        for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(PELORAND_BUILD_DIR "/pelorand", args);
    if (!p.waitForFinished(60000)) p.kill();
    auto text = [](const QByteArray& bytes) { return QString::fromUtf8(bytes).remove('\r'); };
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, text(p.readAllStandardOutput()), text(p.readAllStandardError())};
}
