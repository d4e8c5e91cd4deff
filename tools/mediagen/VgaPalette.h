#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The 16 standard VGA colours in the order of the Windows 16-colour palette, and the reduction of
// any picture to them (for the low-colour pictures shown on displays of 8 bits or less).
class VgaPalette {
public:
    enum Index {
        Black,
        Maroon,
        Green,
        Olive,
        Navy,
        Purple,
        Teal,
        Silver,
        Grey,
        Red,
        Lime,
        Yellow,
        Blue,
        Fuchsia,
        Aqua,
        White
    };

    static const QList<QRgb>& colours();
    static QColor colour(Index index) { return QColor::fromRgb(colours().at(index)); }
    // Index of the palette colour closest to c (weighted for the eye's sensitivity).
    static int nearest(QRgb c);
    static bool contains(QRgb c);
    // An 8-bit indexed picture using the 16 colours. Ordered dithering softens gradients; without it
    // every pixel takes its nearest colour, which keeps line art crisp.
    static QImage reduce(const QImage& image, bool dither);
};
