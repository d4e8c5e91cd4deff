#include "BackgroundPainter.h"

#include "Noise.h"
#include "Tone.h"

#include <QtMath>

#include <cmath>

namespace {

constexpr int kCell = 80; // the ornament repeat; two of them make a tile

// Damask: a medallion of eight petals on one lattice, a small four-point star on the other.
double damask(int x, int y) {
    const auto motif = [](double lx, double ly) {
        const double r = std::hypot(lx, ly);
        const double a = std::atan2(ly, lx);
        const double petal = 15 + 6 * std::cos(8 * a);
        double v = 0;
        if (r < petal)
            v = 1.0 - 0.35 * (r / petal);
        if (std::abs(r - 25) < 1.3)
            v = std::max(v, 0.7);
        return v;
    };
    const double lx = (x % kCell) - kCell / 2.0;
    const double ly = (y % kCell) - kCell / 2.0;
    const double ox = ((x + kCell / 2) % kCell) - kCell / 2.0;
    const double oy = ((y + kCell / 2) % kCell) - kCell / 2.0;
    double v = motif(lx, ly);
    const double star = std::abs(ox) + std::abs(oy) * 3.0;
    const double star2 = std::abs(oy) + std::abs(ox) * 3.0;
    if (std::min(star, star2) < 10)
        v = std::max(v, 0.8);
    return v;
}

double linen(int x, int y) {
    const double weave = ((x / 2 + y / 2) % 2 == 0) ? 0.5 : -0.5;
    const double slubX = Noise::fractal(x, 0, 8, 2, 61, BackgroundPainter::kTile / 8) - 0.5;
    const double slubY = Noise::fractal(0, y, 8, 2, 62, 1, BackgroundPainter::kTile / 8) - 0.5;
    const double grain =
        Noise::fractal(x, y, 10, 2, 63, BackgroundPainter::kTile / 10, BackgroundPainter::kTile / 10);
    return 0.35 * weave + 0.9 * slubX + 0.9 * slubY + 0.6 * (grain - 0.5);
}

double marble(int x, int y) {
    const int period = BackgroundPainter::kTile / 32;
    const double turbulence = Noise::fractal(x, y, 32, 5, 71, period, period);
    const double wave = std::sin((x + y) * 2 * M_PI / BackgroundPainter::kTile + turbulence * 4.0);
    const double fine =
        std::sin((x - y + BackgroundPainter::kTile) * 4 * M_PI / BackgroundPainter::kTile + turbulence * 6.0);
    return 0.75 * std::pow(1 - std::abs(wave), 7) + 0.35 * std::pow(1 - std::abs(fine), 12);
}

} // namespace

QImage BackgroundPainter::tile(int family, bool dark) {
    QImage img(kTile, kTile, QImage::Format_RGB32);
    QColor base;
    QColor accent;
    switch (family) {
    case 1:
        base = dark ? QColor(30, 20, 46) : QColor(246, 238, 220);
        accent = dark ? QColor(50, 36, 72) : QColor(228, 212, 182);
        break;
    case 2:
        base = dark ? QColor(32, 38, 42) : QColor(238, 231, 212);
        accent = dark ? QColor(48, 56, 60) : QColor(220, 210, 186);
        break;
    default:
        base = dark ? QColor(20, 26, 40) : QColor(243, 244, 247);
        accent = dark ? QColor(56, 66, 92) : QColor(196, 204, 218);
        break;
    }
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            QColor c;
            if (family == 1) {
                const double fine = Noise::white(x % kTile, y % kTile, 51) - 0.5;
                c = Tone::mix(base, accent, damask(x, y) * 0.9 + fine * 0.12);
            } else if (family == 2) {
                c = Tone::mix(base, accent, 0.45 + linen(x, y) * 0.45);
            } else {
                const double cloud = Noise::fractal(x, y, 20, 3, 72, kTile / 20, kTile / 20);
                c = Tone::mix(base, accent, marble(x, y) * 0.85 + (cloud - 0.5) * 0.25);
            }
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}
