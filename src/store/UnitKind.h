#pragma once

#include <QString>

// The unit kinds of ingredients (`KENNUNG`), the one list every reader and calculation uses.
class UnitKind {
public:
    enum Kind { Cl = 0, Gram = 1, Piece = 2, None = 3, Dash = 4 };

    // The kind a stored `KENNUNG` stands for: a value outside the five kinds has no unit, so that the
    // view, the printouts and the calculators all treat it alike.
    static Kind fromField(qint64 value);
    // "cl", "g", "St", "dash"; none for kind 3 and for unknown kinds.
    static QString text(int kind);
    // "4 cl  Rum", "cl  Rum" without an amount, "Rum" without a unit (the amount is then not shown):
    // the one way the view, the editor and the printouts write an ingredient line.
    static QString line(int amount, int kind, const QString& name);
    // cl and dash count as liquid: their amounts enter the alcohol value.
    static bool isLiquid(int kind) { return kind == Cl || kind == Dash; }
    // 1 for cl, 2 for dash, 0 for the other units: a change of it changes the alcohol values.
    static int liquidClass(int kind);
};
