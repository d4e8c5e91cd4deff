#pragma once

#include <QStringList>

// The screen fonts the recipe text may use: TrueType outlines only (no bitmap or CFF fonts), each
// family once. The Windows names "Arial", "Times New Roman" and "Courier New" are offered too when
// the system stands in for them with a metric-compatible TrueType family.
class TrueTypeFonts {
public:
    static QStringList families();
    static bool isTrueType(const QString& family);
};
