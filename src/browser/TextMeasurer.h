#pragma once

#include <QString>

// Measures text in the recipe font; the GUI implements it with QFontMetrics, tests with fixed
// widths.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int width(const QString& text) const = 0;
    // The height of a line of text (the height of "A").
    virtual int height() const = 0;
};
