#include "print/ListPrintCommand.h"

#include "common/Notice.h"
#include "print/PrinterSetup.h"
#include "print/QtReportMeasurer.h"
#include "print/ReportPainter.h"
#include "print/TextListLayout.h"
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
