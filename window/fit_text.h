// Fitting a caption into the fixed place the game gives it.
#pragma once

#include <QFont>

#include <initializer_list>

class QLabel;
class QPushButton;

// The game's controls have fixed places; a desktop may choose a larger font than they were
// drawn for. These shrink the widget's font, half a point at a time, until its text fits
// (never below 6 points), and leave it alone when it already does.
void FitText(QPushButton* button);
// A row of buttons keeps one size: the smallest any of them needs.
void FitText(std::initializer_list<QPushButton*> row);
void FitText(QLabel* label);  // a word-wrapped label must fit its height once wrapped
// For a widget that draws its own text: the font, shrunk the same way (half a point at a time,
// never below 6 points), whose text fits room on one line.
QFont FittedFont(const QFont& font, const QString& text, const QSize& room);
