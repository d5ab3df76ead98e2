// One printer object at a time for the whole run, so a choice made in Page Setup reaches Print.
#include "platform/printer.h"

#include <QPrinter>

#include <memory>

namespace {
std::unique_ptr<QPrinter> printer;
}

QPrinter& CurrentPrinter() {
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

void ReplacePrinter() { printer = std::make_unique<QPrinter>(QPrinter::HighResolution); }
