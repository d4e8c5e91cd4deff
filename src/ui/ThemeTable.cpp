#include "ui/ThemeTable.h"

#include <QStringList>

Theme ThemeTable::forMotif(int motif) {
    switch (motif) {
    case 1:
        return {1,
                QStringLiteral("Oriental"),
                QStringLiteral("ORIENT_F"),
                QStringLiteral("ORIENT_D"),
                QColor(14, 25, 123),
                QStringLiteral("K1_")};
    case 2:
        return {2,
                QStringLiteral("Beachcomber"),
                QStringLiteral("BEACH_F"),
                QStringLiteral("BEACH_D"),
                QColor(0, 167, 128),
                QStringLiteral("K2_")};
    case 3:
        return {3,
                QStringLiteral("Top of the World"),
                QStringLiteral("TOP2_F"),
                QStringLiteral("TOP_D"),
                QColor(14, 25, 123),
                QStringLiteral("K3_")};
    case 4:
        return {4,
                QStringLiteral("Shepard"),
                QStringLiteral("BEACH2_F"),
                QStringLiteral("BEACH_D"),
                QColor(207, 87, 0),
                QStringLiteral("K2_")};
    case 5:
        return {5,
                QStringLiteral("Raffles"),
                QStringLiteral("TOP_F"),
                QStringLiteral("ORIENT_F"),
                QColor(190, 110, 30),
                QStringLiteral("K1_")};
    case 6:
        return {6,
                QStringLiteral("Lexington"),
                QStringLiteral("TOP2_F"),
                QStringLiteral("BEACH2_F"),
                QColor(14, 25, 123),
                QStringLiteral("K2_")};
    default:
        return {7,
                QStringLiteral("Route 256"),
                QStringLiteral("LOW_F"),
                QStringLiteral("LOW_D"),
                QColor(0, 128, 128),
                QString()};
    }
}

QStringList ThemeTable::captions() {
    QStringList out;
    for (int m = 1; m <= 7; ++m)
        out << forMotif(m).caption;
    return out;
}
