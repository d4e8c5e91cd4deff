#pragma once

#include <QtGlobal>

// Rounding to the nearest integer with halves going to the even neighbour (2.5 gives 2, 3.5 gives
// 4), done on exact fractions so that values such as 37.5 never suffer from binary noise.
class HalfEven {
public:
    // numerator / denominator rounded; the denominator must be positive.
    static qint64 divide(qint64 numerator, qint64 denominator);
    // A value computed in floating point: first taken to the nearest thousandth, so that a half
    // that arrives as 6.4999999 or 6.5000001 still counts as a half.
    static qint64 nearest(double value);
};
