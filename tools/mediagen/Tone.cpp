#include "Tone.h"

#include <QtMath>

#include <cmath>

QColor Tone::mix(const QColor& a, const QColor& b, double t) {
    t = qBound(0.0, t, 1.0);
    return QColor::fromRgbF(
        float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
        float(a.blueF() * (1 - t) + b.blueF() * t), float(a.alphaF() * (1 - t) + b.alphaF() * t));
}

QColor Tone::shade(const QColor& c, double factor) {
    if (factor >= 1)
        return mix(c, QColor(255, 255, 255, c.alpha()), factor - 1);
    return mix(c, QColor(0, 0, 0, c.alpha()), 1 - factor);
}

QColor Tone::alpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

double Tone::luminance(QRgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

QPen Tone::roundPen(const QColor& c, double width) {
    QPen p(c, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}
