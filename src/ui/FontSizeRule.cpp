#include "ui/FontSizeRule.h"

FontSizeRule::Problem FontSizeRule::check(bool fontSelected, const QString& sizeText, int* size) {
    if (!fontSelected)
        return Problem::NoFont;
    bool ok = false;
    const int value = sizeText.trimmed().toInt(&ok);
    if (!ok)
        return Problem::NotANumber;
    if (value < 4 || value > 72)
        return Problem::OutOfRange;
    if (size)
        *size = value;
    return Problem::None;
}

QString FontSizeRule::message(Problem problem) {
    switch (problem) {
    case Problem::NoFont:
        return QStringLiteral("Wählen Sie eine Schriftart aus der Liste aus.");
    case Problem::NotANumber:
        return QStringLiteral("Die Schriftgröße muß eine Zahl sein.");
    case Problem::OutOfRange:
        return QStringLiteral("Die Schriftgröße muß zwischen 4 und 72 liegen.");
    case Problem::None:
        break;
    }
    return {};
}
