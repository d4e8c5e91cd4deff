#include "VgaPalette.h"

#include <array>

const QList<QRgb>& VgaPalette::colours() {
    static const QList<QRgb> list = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return list;
}

namespace {

int distance(int r, int g, int b, QRgb p) {
    const int dr = r - qRed(p);
    const int dg = g - qGreen(p);
    const int db = b - qBlue(p);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearestOf(int r, int g, int b) {
    const QList<QRgb>& list = VgaPalette::colours();
    int best = 0;
    int bestDistance = distance(r, g, b, list.at(0));
    for (int i = 1; i < list.size(); ++i) {
        const int d = distance(r, g, b, list.at(i));
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
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
            dst[x] = uchar(nearestOf(r, g, b));
        }
    }
    return out;
}
