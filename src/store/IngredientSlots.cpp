#include "store/IngredientSlots.h"

QString IngredientSlots::FormatNumber5(int number) {
    if (number == 0)
        return QString(kSlotWidth, QLatin1Char(' '));
    return QString::number(number).rightJustified(kSlotWidth, QLatin1Char(' '));
}

int IngredientSlots::decodeSlot(const QString& padded, int k) {
    if (k < 0 || k >= kMaxSlots)
        return 0;
    QStringView digits = QStringView(padded).mid(qsizetype(k) * kSlotWidth + 1).left(4);
    while (!digits.isEmpty() && digits.front() == QLatin1Char(' '))
        digits = digits.mid(1);
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}

IngredientSlots::IngredientSlots(const QString& zPadded, const QString& zmengePadded)
    : m_z(zPadded), m_zmenge(zmengePadded) {}

QList<IngredientSlots::Line> IngredientSlots::lines() const {
    QList<Line> out;
    for (int k = 0; k < kMaxSlots; ++k) {
        const int number = ingredientNumber(k);
        if (number == 0)
            break;
        out.append({number, amount(k)});
    }
    return out;
}

QString IngredientSlots::encodeNumbers(const QList<Line>& lines) {
    QString out;
    for (const Line& l : lines)
        out += FormatNumber5(l.ingredient);
    return out;
}

QString IngredientSlots::encodeAmounts(const QList<Line>& lines) {
    QString out;
    for (const Line& l : lines)
        out += FormatNumber5(l.amount);
    return out;
}
