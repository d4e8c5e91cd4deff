#include "print/gui/ListPrintCommand.h"

#include "common/Notice.h"
#include "print/TextListLayout.h"
#include "print/gui/PrinterSetup.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "ui/Meldungsfenster.h"

#include <QApplication>

bool ListPrintCommand::print(const QStringList& lines, QWidget* parent) {
    QWidget* owner = parent ? parent : m_parent;
    if (!PrinterSetup::ready(m_printer, owner))
        return false;
    const QtReportMeasurer measurer;
    ReportPainter report(TextListLayout::document(lines, PageSetup{}, PrintFonts(), measurer));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = report.print(m_printer);
    QApplication::restoreOverrideCursor();
    if (!printed)
        Meldungsfenster::show(PrinterSetup::failedNotice());
    return printed;
}
