#include "editors/AmountField.h"

#include "store/UnitKind.h"

QString AmountField::initial(int kind) {
    return kind == UnitKind::None ? noAmount() : QStringLiteral("1 ") + UnitKind::text(kind);
}

AmountField::Text AmountField::normalise(const QString& text, int kind) {
    if (kind == UnitKind::None)
        return {noAmount(), int(noAmount().size())};
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return {digits + QLatin1Char(' ') + UnitKind::text(kind), int(digits.size())};
}

AmountField::Text AmountField::typed(const QString& previous, int previousCaret, const QString& text,
                                     int kind) {
    if (text.size() > kMaxLength)
        return {previous, previousCaret};
    return normalise(text, kind);
}

int AmountField::value(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return kInvalid;
    bool ok = false;
    const int number = text.left(blank).toInt(&ok);
    return ok && number > 0 ? number : kInvalid;
}

AmountField::Text AmountField::stepped(const QString& text, int delta, int kind) {
    const int current = value(text);
    const int next = delta < 0 ? qMax(1, current - 1) : qMin(kMaxAmount, current + 1);
    return normalise(QString::number(next), kind);
}

QString AmountField::tooLarge(int kind) {
    return QStringLiteral("Mehr als 9999 ") + UnitKind::text(kind) +
           QStringLiteral(" können nicht eingegeben werden");
}
