#pragma once

#include "print/ReportFont.h"

#include <QStringList>

// The natural size of a one-line label, in millimetres; the painting side measures with the fonts
// it draws with.
class ReportMeasurer {
public:
    virtual ~ReportMeasurer() = default;
    virtual double height(const ReportFont& font) const = 0;
    virtual double width(const ReportFont& font, const QString& text) const = 0;

    // The lines of a text wrapped at spaces to `width` millimetres; a line break (CR, LF or both)
    // starts a new line, and a word wider than a line is broken where it must be. Layout and
    // painting wrap through this, so that a box made for n lines shows exactly those lines.
    QStringList wrap(const ReportFont& font, const QString& text, double width) const;
};
