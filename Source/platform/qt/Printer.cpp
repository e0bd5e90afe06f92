#include "Printer.h"

#include <QPrinter>

QPrinter &Printer()
{
    // Never freed: a printer destroyed after the application object has gone may touch
    // the print system that went with it.
    static QPrinter *const printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}
