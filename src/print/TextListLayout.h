#pragma once

#include "print/PageSetup.h"
#include "print/PrintFonts.h"
#include "print/ReportDocument.h"
#include "print/ReportMeasurer.h"

#include <QStringList>

// A plain list as a report: the first line as the title in the heading font, then one band per
// line in the text font. Tabs split a line into columns (name, amount, the rest), so a shopping
// list prints in aligned columns; an empty line leaves half a line of space.
class TextListLayout {
public:
    static constexpr double kNameColumn = 0.45;   // share of the width before the second column
    static constexpr double kAmountColumn = 0.20; // share of the second column

    static ReportDocument document(const QStringList& lines, const PageSetup& page, const PrintFonts& fonts,
                                   const ReportMeasurer& measurer);
};
