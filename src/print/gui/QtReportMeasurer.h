#pragma once

#include "print/ReportMeasurer.h"

#include <QFont>

// Measures report labels with the fonts the report painter draws with. Reports draw in units of
// a hundredth of a millimetre, so fonts are sized in those units and the layout does not depend
// on the resolution of the printer, the PDF or the screen.
class QtReportMeasurer : public ReportMeasurer {
public:
    static constexpr double kUnitsPerMm = 100;

    static QFont fontFor(const ReportFont& font);
    // The text as it is drawn: symbol font codes become the symbols they stand for.
    static QString shownText(const ReportFont& font, const QString& text);

    double height(const ReportFont& font) const override;
    double width(const ReportFont& font, const QString& text) const override;
};
