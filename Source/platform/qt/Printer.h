#ifndef IRRIKA_PLATFORM_QT_PRINTER_H
#define IRRIKA_PLATFORM_QT_PRINTER_H

// The program's one printer: the print dialogs set it up, the print operations of the
// bindings print on it. Tests point it at a PDF file.

class QPrinter;

QPrinter &Printer();

#endif
