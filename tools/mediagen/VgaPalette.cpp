#include "VgaPalette.h"

#include <array>
#include <cmath>

const QList<QRgb>& VgaPalette::colours() {
    static const QList<QRgb> list = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return list;
}

namespace {

struct Lab {
    double l, a, b;
};

// CIE L*a*b* (D65): distances there follow what the eye sees, so a muted red becomes maroon
// rather than grey or olive.
Lab toLab(int r, int g, int b) {
    const auto linear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double lr = linear(r);
    const double lg = linear(g);
    const double lb = linear(b);
    const double x = (0.4124 * lr + 0.3576 * lg + 0.1805 * lb) / 0.95047;
    const double y = 0.2126 * lr + 0.7152 * lg + 0.0722 * lb;
    const double z = (0.0193 * lr + 0.1192 * lg + 0.9505 * lb) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// Colour counts twice as much as lightness: with only sixteen colours a picture keeps its hues.
double distance(const Lab& p, const Lab& q) {
    return (p.l - q.l) * (p.l - q.l) + 4 * ((p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

// For dithering, plain weighted RGB: the Bayer offsets are added in RGB, and mixing neighbouring
// pixels averages in RGB as well.
int rgbNearest(int r, int g, int b) {
    const QList<QRgb>& list = VgaPalette::colours();
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < list.size(); ++i) {
        const int dr = r - qRed(list.at(i));
        const int dg = g - qGreen(list.at(i));
        const int db = b - qBlue(list.at(i));
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

int nearestOf(int r, int g, int b) {
    static const QList<Lab> palette = [] {
        QList<Lab> out;
        for (QRgb c : VgaPalette::colours())
            out.append(toLab(qRed(c), qGreen(c), qBlue(c)));
        return out;
    }();
    const Lab lab = toLab(r, g, b);
    int best = 0;
    for (int i = 1; i < palette.size(); ++i) {
        if (distance(lab, palette.at(i)) < distance(lab, palette.at(best)))
            best = i;
    }
    return best;
}

// The 4 x 4 Bayer matrix: thresholds spread evenly so flat areas keep their average colour.
constexpr std::array<int, 16> kBayer = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};

} // namespace

int VgaPalette::nearest(QRgb c) {
    return nearestOf(qRed(c), qGreen(c), qBlue(c));
}

bool VgaPalette::contains(QRgb c) {
    return colours().contains(c | 0xff000000u);
}

QImage VgaPalette::reduce(const QImage& image, bool dither) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(colours());
    // The spread is about half the distance between neighbouring palette levels (0, 128, 192, 255).
    constexpr int kSpread = 72;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            int offset = 0;
            if (dither)
                offset = (kBayer[std::size_t((y & 3) * 4 + (x & 3))] * 2 - 15) * kSpread / 32;
            const int r = qBound(0, qRed(in[x]) + offset, 255);
            const int g = qBound(0, qGreen(in[x]) + offset, 255);
            const int b = qBound(0, qBlue(in[x]) + offset, 255);
            dst[x] = uchar(dither ? rgbNearest(r, g, b) : nearestOf(r, g, b));
        }
    }
    return out;
}
