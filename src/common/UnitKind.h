#pragma once

#include <QString>

// The unit kinds of ingredients (`KENNUNG`) as the editors treat them.
class UnitKind {
public:
    enum Kind { Cl = 0, Gram = 1, Piece = 2, None = 3, Dash = 4 };

    // "cl", "g", "St", "dash"; none for kind 3 and for unknown kinds.
    static QString text(int kind);
    // cl and dash count as liquid: their amounts enter the alcohol value.
    static bool isLiquid(int kind) { return kind == Cl || kind == Dash; }
    // 1 for cl, 2 for dash, 0 for the other units: a change of it changes the alcohol values.
    static int liquidClass(int kind);
};
