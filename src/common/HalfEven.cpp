#include "common/HalfEven.h"

#include <cmath>

qint64 HalfEven::divide(qint64 numerator, qint64 denominator) {
    Q_ASSERT(denominator > 0);
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor division, so that the remainder counts upward from the quotient
        --quotient;
        remainder += denominator;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

qint64 HalfEven::nearest(double value) {
    return divide(std::llround(value * 1000.0), 1000);
}
