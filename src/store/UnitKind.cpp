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

QString UnitKind::line(int amount, int kind, const QString& name) {
    const Kind known = fromField(kind);
    if (known == None)
        return name;
    const QString number = amount != 0 ? QString::number(amount) + QLatin1Char(' ') : QString();
    return number + text(known) + QStringLiteral("  ") + name;
}

int UnitKind::liquidClass(int kind) {
    return kind == Cl ? 1 : kind == Dash ? 2 : 0;
}

UnitKind::Kind UnitKind::fromField(qint64 value) {
    return value >= Cl && value <= Dash ? Kind(value) : None;
}
