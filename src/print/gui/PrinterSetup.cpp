#include "print/gui/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

PrinterSetup::Hook& hook() {
    static PrinterSetup::Hook h;
    return h;
}

} // namespace

PrinterSetup::Hook PrinterSetup::setHook(Hook h) {
    return std::exchange(hook(), std::move(h));
}

bool PrinterSetup::run(QPrinter& printer, QWidget* parent) {
    if (hook())
        return hook()(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

Notice PrinterSetup::failedNotice() {
    return Notice::error(QStringLiteral("Der Drucker konnte nicht angesprochen werden."), 1);
}

bool PrinterSetup::isUsable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

bool PrinterSetup::ready(QPrinter& printer, QWidget* parent) {
    return isUsable(printer) || (run(printer, parent) && isUsable(printer));
}
