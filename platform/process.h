// This process and others: the command line as one text, the console the command-line jobs
// print to, starting another program, and what this process has used. Linux in process.cpp,
// Windows in process_win.cpp.
#pragma once

#include <QString>
#include <QStringList>

// The text after the program's name on the command line, as the program was started: on
// Windows the command line itself, spaces and quotes as typed (Explorer quotes a deck's path,
// a shortcut may not); on Linux the arguments Qt left, joined by spaces. Call once the
// application object exists.
QString CommandLineText();

// The folder this program was started from, also before the application object exists.
QString ProgramFolder();

// A program without a console of its own that prints (the command-line jobs): on Windows, it
// attaches to the console of the program that started it when its output goes nowhere else.
void UseParentConsole();

// Starts a program with a normal window that gets the focus, and does not wait for it;
// arguments is the text of its command line after its name.
bool StartProgram(const QString& path, const QString& arguments = {});

// Processor time this process has used, in seconds; its peak resident memory, as text.
double ProcessCpuSeconds();
QString PeakMemory();
