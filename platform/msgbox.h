// The one place that shows a message box: OK only, the application title as caption.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// owner null: the game's active window, else the game window, so the box stands over the game.
void MsgBox(const QString& text, QWidget* owner = nullptr);

// Tests: when set, receives the text and the owner the box would have, instead of a modal box.
extern std::function<void(const QString& text, QWidget* owner)> MsgBoxHook;

// A question with Yes and No, No the default; true for Yes. Same owner rule as MsgBox.
bool AskYesNo(const QString& text, QWidget* owner = nullptr);
// Tests: when set, answers instead of a modal box.
extern std::function<bool(const QString& text)> AskHook;
