#include "store/UnitKind.h"

QString UnitKind::text(int kind) {
    switch (kind) {
    case Cl:
        return QStringLiteral("cl");
    case Gram:
        return QStringLiteral("g");
    case Piece:
        return QStringLiteral("St");
    case Dash:
        return QStringLiteral("dash");
    default:
        return {};
    }
}

int UnitKind::liquidClass(int kind) {
    return kind == Cl ? 1 : kind == Dash ? 2 : 0;
}

UnitKind::Kind UnitKind::fromField(qint64 value) {
    return value >= Cl && value <= Dash ? Kind(value) : None;
}
