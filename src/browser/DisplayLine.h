#pragma once

#include <QString>

// One line of the recipe view. Fact and ingredient lines begin with the character 0x8D, which is
// not drawn; the others are instruction lines (or the empty line, which holds only a line break).
struct DisplayLine {
    QString text;
    // Justified lines: the width of each word gap, and the pixels handed out one each to the first
    // gaps so that the line ends exactly at the right margin.
    bool justified = false;
    int gapWidth = 0;
    int remainder = 0;
    // Measured at the last arrangement: the line's height, and for fact and ingredient lines the
    // horizontal extent of the drawn text (`LineLeft`, `LineRight`).
    int height = 0;
    int left = 0;
    int right = 0;
};
