#include "SkinPainter.h"

#include "Noise.h"
#include "Tone.h"
#include "VgaPalette.h"

#include <QtMath>

#include <cmath>
#include <stdexcept>

namespace {

using Texture = SkinStyle::Texture;

bool isVga(const SkinStyle& s) {
    return s.texture == Texture::Vga || s.texture == Texture::VgaNavy;
}

// The band's material at (along, across), without ornaments; across 0 is the outer edge.
QColor material(const SkinStyle& s, int along, int across) {
    const double t = qBound(0.0, across / 43.0, 1.0);
    QColor base = Tone::mix(s.body, s.bodyDark, t * 0.85);
    const double x = along;
    const double y = across;
    switch (s.texture) {
    case Texture::Lacquer: {
        const bool lattice = (along + across) % 14 == 0 || ((along - across) % 14 + 14) % 14 == 0;
        base = Tone::shade(base, 1.0 + 0.05 * std::sin(x / 37.0) + (lattice ? 0.10 : 0.0));
        break;
    }
    case Texture::Mosaic: {
        const int cx = std::abs(along % 12 - 6);
        const int cy = std::abs((across + 3) % 12 - 6);
        if (cx == 0 && cy == 0)
            base = Tone::mix(base, s.accent, 0.75);
        else if (cx + cy <= 4 || std::max(cx, cy) <= 2)
            base = Tone::mix(base, s.bodyDark, 0.55);
        else if (cx + cy == 5)
            base = Tone::mix(base, s.accent, 0.22);
        break;
    }
    case Texture::Lagoon: {
        const double phase = y + 2.5 * std::sin(x * 2 * M_PI / 48 + y * 0.3);
        const double stripe = std::sin(phase * 2 * M_PI / 9);
        base = Tone::shade(base, 1.0 + 0.08 * stripe);
        if (Noise::white(along, across, 7) > 0.994)
            base = Tone::mix(base, s.light, 0.6);
        break;
    }
    case Texture::Driftwood:
    case Texture::Teak: {
        const double grain = y * 0.9 + 7 * Noise::fractal(x, y * 5, 120, 3, 11);
        const double ring = std::sin(grain * 1.6);
        const double fine = Noise::white(along / 3, across, 12) - 0.5;
        base = Tone::shade(base, 1.0 + 0.09 * ring + 0.06 * fine);
        break;
    }
    case Texture::Terracotta: {
        const double grit = Noise::fractal(x, y, 7, 3, 21) - 0.5;
        base = Tone::shade(base, 1.0 + 0.22 * grit);
        if (Noise::white(along, across, 22) > 0.985)
            base = Tone::mix(base, s.accent, 0.25);
        break;
    }
    case Texture::Steel: {
        const double streak = Noise::fractal(x * 0.03, y, 1.5, 2, 31) - 0.5;
        const double sheen = std::sin((x + 3 * y) / 90.0);
        base = Tone::shade(base, 1.0 + 0.14 * streak + 0.05 * sheen);
        break;
    }
    case Texture::Glacier: {
        // A range of peaks: each a steep triangle, the ridge the highest of them, snow on top.
        double ridge = 44;
        double litSide = 0;
        for (int k = -1; k < 25; ++k) {
            const double centre = k * 68 + 30 * Noise::white(k, 1, 45);
            const double height = 16 + 20 * Noise::white(k, 2, 45);
            const double top =
                44 - std::max(0.0, height - std::abs(x - centre) * (0.55 + 0.3 * Noise::white(k, 3, 45)));
            if (top < ridge) {
                ridge = top;
                litSide = x < centre ? 1 : 0;
            }
        }
        ridge += 1.5 * (Noise::smooth(x, 0, 4, 46) - 0.5);
        if (y > ridge) {
            const bool snow = y < ridge + 3 + 3 * Noise::smooth(x, y, 5, 42) && y < 30;
            base = snow ? Tone::mix(s.accent, s.light, litSide > 0 ? 0.1 : 0.45)
                        : Tone::mix(s.shadow, s.bodyDark, litSide > 0 ? 0.75 : 0.45);
        } else {
            base = Tone::mix(s.body, s.bodyDark, y / 44.0);
            if (Noise::white(along, across, 44) > 0.992)
                base = Tone::mix(base, s.accent, 0.8);
        }
        break;
    }
    case Texture::Vga:
    case Texture::VgaNavy:
        base = s.body;
        break;
    }
    return base;
}

// Ornaments across the band: the top border and the foot rules of the dialog (rows 21-23) and
// the main window (rows 41-43).
QColor bandPixel(const SkinStyle& s, int x, int y) {
    if (y == 0)
        return s.light;
    if (isVga(s)) {
        if (y == 1)
            return VgaPalette::colour(VgaPalette::Silver);
        if (s.texture == Texture::VgaNavy && y % 6 == 3)
            return VgaPalette::colour(VgaPalette::Teal);
        if (y == 22 || y == 42)
            return VgaPalette::colour(VgaPalette::Silver);
        if (y == 23 || y == 43)
            return VgaPalette::colour(VgaPalette::Black);
        return s.body;
    }
    const QColor m = material(s, x, y);
    const bool footRule = s.texture != Texture::Glacier && (y >= 21 && y <= 23);
    if (footRule || (y >= 41 && y <= 43)) {
        if (y == 21 || y == 41)
            return Tone::mix(s.accent, s.shadow, 0.45);
        if (y == 22 || y == 42)
            return s.accent;
        return s.shadow;
    }
    switch (s.texture) {
    case Texture::Lacquer:
        if (y >= 2 && y <= 3 && x % 6 >= 2 && x % 6 <= 3)
            return s.accent;
        if (y == 4 && x % 6 >= 2 && x % 6 <= 3)
            return Tone::mix(s.accent, s.shadow, 0.6);
        break;
    case Texture::Mosaic:
    case Texture::Steel:
    case Texture::Teak:
        if (y == 2)
            return s.accent;
        if (y == 3)
            return Tone::mix(s.accent, s.shadow, 0.5);
        break;
    case Texture::Lagoon:
        if (y <= 3) {
            const double foam = Noise::smooth(x, y * 3, 6, 51);
            return Tone::mix(m, s.accent, (4 - y) * 0.22 + foam * 0.3);
        }
        break;
    case Texture::Driftwood:
        if (y >= 2 && y <= 3)
            return Tone::shade(s.accent, y == 2 ? 1.1 : 0.85);
        break;
    case Texture::Terracotta:
        if (y >= 1 && y <= 4) {
            const int strand = ((x + 2 * y) % 8 + 8) % 8;
            return strand < 4 ? Tone::shade(s.accent, 1.0 - strand * 0.05)
                              : Tone::mix(s.accent, s.shadow, 0.45);
        }
        break;
    default:
        break;
    }
    return m;
}

// Colour at a depth across a moulding (0 = the window's outer edge). "Lit" edges are the top and
// left ones; bottom and right ones are in shadow, as with every raised frame.
QColor profile(const SkinStyle& s, int depth, bool lit, int along) {
    if (isVga(s)) {
        using V = VgaPalette;
        static const V::Index litSide[] = {V::Silver, V::White, V::Silver, V::Teal, V::Teal,
                                           V::Teal,   V::Grey,  V::Silver, V::Teal, V::Teal,
                                           V::Grey,   V::Teal,  V::Teal,   V::Teal, V::Teal};
        static const V::Index darkSide[] = {V::Black, V::Grey,  V::Silver, V::Teal, V::Teal,
                                            V::Teal,  V::White, V::Silver, V::Teal, V::Teal,
                                            V::White, V::Teal,  V::Teal,   V::Teal, V::Teal};
        V::Index i = lit ? litSide[depth] : darkSide[depth];
        if (s.texture == Texture::VgaNavy && i == V::Teal)
            i = depth == 8 ? V::Teal : V::Navy;
        return V::colour(i);
    }
    // The mountains belong to the band only; the glacier's mouldings are plain night blue.
    const QColor m = s.texture == Texture::Glacier
                         ? Tone::shade(Tone::mix(s.body, s.bodyDark, 0.45),
                                       1.0 + 0.06 * (Noise::smooth(along, 0, 40, 47) - 0.5))
                         : material(s, along, 8 + depth);
    switch (depth) {
    case 0:
        return lit ? s.light : s.shadow;
    case 1:
        return lit ? Tone::mix(s.light, m, 0.5) : Tone::mix(s.shadow, m, 0.45);
    case 2:
        return Tone::mix(s.accent, m, 0.25);
    case 3:
        return Tone::shade(m, lit ? 1.06 : 0.98);
    case 4:
        return m;
    case 5:
        return Tone::shade(m, 0.92);
    case 6:
        return lit ? Tone::mix(s.shadow, m, 0.3) : Tone::mix(s.light, m, 0.35);
    case 7:
    case 9:
        return Tone::shade(m, 0.8);
    case 8:
        return Tone::mix(s.accent, s.shadow, 0.5);
    case 10:
        return lit ? s.shadow : Tone::mix(s.light, m, 0.4);
    default:
        return Tone::shade(m, 0.72);
    }
}

} // namespace

QImage SkinPainter::band(const SkinStyle& s) {
    QImage img(kBandWidth, kBandHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBandHeight; ++y) {
        for (int x = 0; x < kBandWidth; ++x) {
            QColor c = bandPixel(s, x, y);
            // End caps, mitred against the top edge.
            if (x < 3 && y >= x)
                c = profile(s, x, true, y);
            const int fromRight = kBandWidth - 1 - x;
            if (fromRight < 3 && y > fromRight)
                c = profile(s, fromRight, false, y);
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

QImage SkinPainter::edge(const SkinStyle& s, char part) {
    const bool vertical = part == 'L' || part == 'R';
    const int thickness = part == 'L' ? kLeftWidth : part == 'R' ? kRightWidth : kBottomHeight;
    const int length = vertical ? kEdgeLength : kBandWidth;
    QImage img = vertical ? QImage(thickness, length, QImage::Format_RGB32)
                          : QImage(length, thickness, QImage::Format_RGB32);
    for (int along = 0; along < length; ++along) {
        for (int across = 0; across < thickness; ++across) {
            const int depth = part == 'L' ? across : thickness - 1 - across;
            QColor c = profile(s, depth, part == 'L', along);
            const int fromEnd = length - 1 - along;
            // Bottom-left corner of "L" and bottom-right corner of "R": the bottom edge's
            // profile wins where it lies nearer the outside.
            if (part == 'L' && fromEnd < 3 && fromEnd < depth)
                c = profile(s, fromEnd, false, across);
            if (part == 'R' && fromEnd < 7 && fromEnd < depth)
                c = profile(s, fromEnd, false, across);
            const int x = vertical ? across : along;
            const int y = vertical ? along : across;
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

QImage SkinPainter::paint(const SkinStyle& style, char part) {
    switch (part) {
    case 'O':
        return band(style);
    case 'U':
    case 'R':
    case 'L':
        return edge(style, part);
    default:
        throw std::invalid_argument("unknown skin part");
    }
}
