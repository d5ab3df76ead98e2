// One printer object for the whole run, so a choice made in Page Setup reaches Print.
#include "platform/printer.h"

#include <QPrinter>

QPrinter& CurrentPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
