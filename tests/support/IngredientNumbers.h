#pragma once

#include "store/IngredientSlots.h"

#include <QList>
#include <QString>

// Ingredient lists for recipe tests: the packed field `Z`, number ranges, and slot lines.
inline QString packedZ(const QList<int>& numbers) {
    QString z;
    for (int n : numbers)
        z += IngredientSlots::FormatNumber5(n);
    return z;
}

inline QList<int> numberRange(int from, int to) {
    QList<int> out;
    for (int n = from; n <= to; ++n)
        out.append(n);
    return out;
}

// One line per number, each with the amount 1.
inline QList<IngredientSlots::Line> slotLines(const QList<int>& numbers) {
    QList<IngredientSlots::Line> out;
    for (int n : numbers)
        out.append({n, 1});
    return out;
}
