#pragma once

#include "SkinStyle.h"

#include <QImage>

// Paints the four frame bitmaps of a skin. Every skin works both as a dialog skin (24-pixel top
// band, 7-pixel edges, caps at the ends) and as a main-window skin (44-pixel band, edges of 11,
// 12 and 11 pixels, separator strips), because two themes use a dialog skin for the main window:
//   "O" 1600 x 44: the band; row 0 highlight; columns 0-2 and the last 3 are the end caps.
//   "U" 1600 x 11: bottom edge; its bottom 7 rows form the dialog edge, all 11 the main edge.
//   "L" 11 x 1200: left edge; columns 0-6 the dialog edge, all 11 the main edge, columns 0-7
//                  the main window's separator strips; its last 3 rows the bottom-left corner.
//   "R" 15 x 1200: right edge; its rightmost 7 columns the dialog edge, the rightmost 12 the main
//                  edge; its bottom 7 rows the dialog's bottom-right corner (mitred).
// The bitmaps are long enough that a window never repeats a cap or corner inside an edge.
class SkinPainter {
public:
    static constexpr int kBandWidth = 1600;
    static constexpr int kBandHeight = 44;
    static constexpr int kEdgeLength = 1200;
    static constexpr int kLeftWidth = 11;
    static constexpr int kRightWidth = 15;
    static constexpr int kBottomHeight = 11;

    // part: 'O', 'U', 'R' or 'L'.
    static QImage paint(const SkinStyle& style, char part);

private:
    static QImage band(const SkinStyle& style);
    static QImage edge(const SkinStyle& style, char part);
};
