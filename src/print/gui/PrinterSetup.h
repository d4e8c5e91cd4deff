#pragma once

#include "common/Notice.h"

#include <functional>

class QPrinter;
class QWidget;

// The printer set-up of a report: which printer (or PDF file) it prints on. Tests install a hook
// in place of the modal system dialog.
class PrinterSetup {
public:
    using Hook = std::function<bool(QPrinter&)>;

    // Shows the set-up for the printer; true when the user confirmed it.
    static bool run(QPrinter& printer, QWidget* parent);
    // A printer that can be printed on: one the system knows or a PDF file. Without one the set-up
    // is offered first; false when the user cancelled it.
    static bool ready(QPrinter& printer, QWidget* parent);
    static bool isUsable(const QPrinter& printer);
    // The message when the printer (or the PDF file) could not take the printout.
    static Notice failedNotice();
    // Returns the previous hook.
    static Hook setHook(Hook hook);
};
