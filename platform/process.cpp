// This process and others, on Linux.
#include "platform/process.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <ctime>

QString CommandLineText() {
    // The shell has taken the quotes off already; Qt has taken its own options.
    if (!QCoreApplication::instance()) return {};
    QStringList words = QCoreApplication::arguments().mid(1);
    if (!words.isEmpty() && words.first() == "--") words.removeFirst();  // the desktop entry's end of options
    return words.join(' ');
}

QString ProgramFolder() { return QFileInfo(QFile::symLinkTarget("/proc/self/exe")).absolutePath(); }

void UseParentConsole() {}  // a Linux program always has its parent's output

bool StartProgram(const QString& path, const QString& arguments) {
    return QProcess::startDetached(path, QProcess::splitCommand(arguments));
}

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

QString PeakMemory() {
    // The kernel's own account; a /proc file has no size, so it is read whole, not to its "end".
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return "unknown";
    for (const QString& line : QString::fromLatin1(status.readAll()).split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed();
    return "unknown";
}
