#pragma once

#include <QImage>

// The tiles behind the recipe text: "K1_" damask (Oriental, Raffles), "K2_" woven linen
// (Beachcomber, Shepard, Lexington), "K3_" marble (Top of the World), each dark ("D", under white
// text) and light ("H", under black text). Every tile repeats without a seam, and its contrast is
// kept low so the text stays easy to read.
class BackgroundPainter {
public:
    static constexpr int kTile = 160;

    // family 1, 2 or 3; dark selects the "D" variant.
    static QImage tile(int family, bool dark);
};
