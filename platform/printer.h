// The current printer: the one Page Setup chooses and Print uses; tests point it at a PDF.
#pragma once

class QPrinter;

QPrinter& CurrentPrinter();
