// The current printer: the one Page Setup chooses and Print uses; tests point it at a PDF.
#pragma once

class QPrinter;

QPrinter& CurrentPrinter();
// Puts a fresh printer in place of the current one. A QPrinter whose painting failed to begin
// stays marked active and refuses every later setting, so Print calls this after a failure.
void ReplacePrinter();
