#pragma once

#include "print/ReportMeasurer.h"

// Round figures instead of fonts: a line is half its point size high (mm), a character a fifth
// of its point size wide.
class FixedReportMeasurer : public ReportMeasurer {
public:
    double height(const ReportFont& font) const override { return font.pointSize * 0.5; }
    double width(const ReportFont& font, const QString& text) const override {
        return double(text.size()) * font.pointSize * 0.2;
    }
};
