// This process and others, on Windows.
#include "platform/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

// The command line after the program's name, skipped as Windows itself reads it: a quoted name
// ends at the next quote, an unquoted one at the first blank.
QString RawTail() {
    const QString line = QString::fromWCharArray(GetCommandLineW());
    qsizetype i = 0;
    if (line.startsWith('"')) {
        i = line.indexOf('"', 1);
        i = i < 0 ? line.size() : i + 1;
    } else {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    }
    return line.mid(i);
}

}  // namespace

QString CommandLineText() {
    const QString tail = RawTail();
    if (!QCoreApplication::instance()) return tail;
    // Qt removes its own options (-platform, -style) from what it hands on; when it took any,
    // the words it left are the deck's name.
    int count = 0;
    if (LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count)) LocalFree(words);
    const QStringList left = QCoreApplication::arguments();
    if (left.size() != count) return left.mid(1).join(' ');
    return tail;
}

QString ProgramFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return QFileInfo(QDir::fromNativeSeparators(QString::fromWCharArray(path, static_cast<int>(n)))).absolutePath();
}

void UseParentConsole() {
    // Started from a console, a windowed program's output goes nowhere; redirected, it has a place.
    const auto nowhere = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE || GetFileType(h) == FILE_TYPE_UNKNOWN;
    };
    const bool out = nowhere(STD_OUTPUT_HANDLE), err = nowhere(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}

bool StartProgram(const QString& path, const QString& arguments) {
    // The command line as Windows programs expect it: the program's name quoted, then the rest.
    std::wstring command = L"\"" + QDir::toNativeSeparators(path).toStdWString() + L"\"";
    if (!arguments.isEmpty()) command += L" " + arguments.trimmed().toStdWString();
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    const std::wstring program = QDir::toNativeSeparators(path).toStdWString();
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

double ProcessCpuSeconds() {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
    const auto seconds = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

QString PeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return "unknown";
    return QString::number(counters.PeakWorkingSetSize / 1024) + " kB";
}
