// The one place that shows a message box: OK only, the application title as caption.
#pragma once

#include <QString>

#include <functional>

class QWidget;

void MsgBox(const QString& text, QWidget* owner = nullptr);

// Tests: when set, receives the text instead of a modal box being shown.
extern std::function<void(const QString&)> MsgBoxHook;
