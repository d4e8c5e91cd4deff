#include "editors/AlcoholField.h"

AlcoholField::Text AlcoholField::normalise(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return {digits + QLatin1Char('%'), int(digits.size())};
}

AlcoholField::Text AlcoholField::typed(const QString& previous, int previousCaret, const QString& text) {
    if (text.size() > kMaxLength)
        return {previous, previousCaret};
    return normalise(text);
}

int AlcoholField::value(const QString& text) {
    const qsizetype percent = text.indexOf(QLatin1Char('%'));
    bool ok = false;
    const int number = (percent < 0 ? text : text.left(percent)).trimmed().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

AlcoholField::Text AlcoholField::stepped(const QString& text, int delta) {
    const int current = value(text);
    return normalise(QString::number(delta < 0 ? qMax(0, current - 1) : qMin(kMax, current + 1)));
}
