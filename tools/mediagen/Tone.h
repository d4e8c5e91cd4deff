#pragma once

#include <QColor>
#include <QPen>

// Colour arithmetic used by all painters.
class Tone {
public:
    // a at t = 0, b at t = 1.
    static QColor mix(const QColor& a, const QColor& b, double t);
    // factor above 1 lightens towards white, below 1 darkens towards black.
    static QColor shade(const QColor& c, double factor);
    static QColor alpha(const QColor& c, int alpha);
    // A pen with round caps and joins, as every drawing of the generators uses.
    static QPen roundPen(const QColor& c, double width);
    // Relative luminance (sRGB) in [0, 1].
    static double luminance(QRgb c);
};
