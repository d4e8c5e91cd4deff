#include "search/NumberText.h"

#include <limits>

namespace {
bool allDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}
} // namespace

NumberText::Edited NumberText::percent(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return {digits + QLatin1Char('%'), int(digits.size())};
}

int NumberText::digitsValue(const QString& digits) {
    if (!allDigits(digits))
        return -1;
    bool ok = false;
    const int value = digits.toInt(&ok);
    // A run of digits too long for an int is still far above every limit.
    return ok ? value : std::numeric_limits<int>::max();
}

int NumberText::percentValue(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('%'));
    if (at < 0)
        return 0;
    return qMax(0, digitsValue(text.left(at)));
}

int NumberText::plainValue(const QString& text) {
    return digitsValue(text);
}

int NumberText::stepped(int value, int delta, int maximum) {
    if (delta > 0 && value < maximum)
        return value + 1;
    if (delta < 0 && value > 0)
        return value - 1;
    return value;
}
