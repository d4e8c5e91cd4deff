#pragma once

#include "print/ReportFont.h"

// The natural size of a one-line label, in millimetres; the painting side measures with the fonts
// it draws with.
class ReportMeasurer {
public:
    virtual ~ReportMeasurer() = default;
    virtual double height(const ReportFont& font) const = 0;
    virtual double width(const ReportFont& font, const QString& text) const = 0;
};
