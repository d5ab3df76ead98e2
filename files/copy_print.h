// Copy the puzzle as one line of text; print a picture of the game on the current printer.
#pragma once

#include <QString>

class QPixmap;

// The puzzle on the table to the clipboard as one line of text, and nothing else with it.
void CopyPuzzleText();

// Prints image on the current printer, fitted to the page; empty when printed, else the message.
QString PrintImage(const QPixmap& image);
