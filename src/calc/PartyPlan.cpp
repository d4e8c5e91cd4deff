#include "calc/PartyPlan.h"

#include "common/UnitKind.h"

#include <QLocale>

namespace {

QString number(qint64 n) {
    return QLocale(QLocale::German, QLocale::Germany).toString(n);
}

qint64 bottles(qint64 cl, int size) {
    return (cl + size - 1) / size;
}

bool inSet(const IngredientSet& set, int number) {
    return number >= 0 && number < int(set.size()) && set.test(std::size_t(number));
}

// A summed line sits under its ingredient number and unit.
qsizetype find(const QList<PartyPlan::Line>& lines, int number, int unit) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].number == number && lines[i].unit == unit)
            return i;
    }
    return -1;
}

} // namespace

QList<PartyPlan::Line> PartyPlan::lines(const QList<Drink>& drinks, const IngredientSet& atHand) {
    QList<Line> out;
    for (const Drink& drink : drinks) {
        if (drink.glasses <= 0)
            continue;
        for (const QuantityRecipe::Line& in : drink.recipe.lines) {
            qsizetype i = find(out, in.number, in.unit);
            if (i < 0) {
                const QString name = in.name.isEmpty() ? unknownName(in.number) : in.name;
                out.append(Line{in.number, name, in.unit, 0, inSet(atHand, in.number)});
                i = out.size() - 1;
            }
            out[i].amount += qint64(qMax(in.amount, 0)) * drink.glasses;
        }
    }
    return out;
}

QString PartyPlan::amountText(const Line& line) {
    if (!line.measured())
        return {};
    return number(line.amount) + QLatin1Char(' ') + UnitKind::text(line.unit);
}

QString PartyPlan::purchaseText(const Line& line) {
    if (!line.measured())
        return neededText();
    switch (line.unit) {
    case QuantityRecipe::Cl:
        return QStringLiteral("%1 × 0,7 l oder %2 × 1 l")
            .arg(number(bottles(line.amount, kBottleSmallCl)), number(bottles(line.amount, kBottleLargeCl)));
    case QuantityRecipe::Gram:
    case QuantityRecipe::Piece:
        return amountText(line);
    default:
        return neededText();
    }
}

QString PartyPlan::lineText(const Line& line, bool atHand) {
    QStringList parts{line.name};
    const QString amount = amountText(line);
    if (!amount.isEmpty())
        parts << amount;
    const QString purchase = purchaseText(line);
    if (!atHand && purchase != amount)
        parts << purchase;
    return parts.join(QLatin1Char('\t'));
}

QStringList PartyPlan::listText(const QList<Drink>& drinks, const QList<Line>& lines,
                                const QString& barName) {
    QStringList out{QStringLiteral("Partyplaner")};
    for (const Drink& drink : drinks) {
        if (drink.glasses > 0)
            out << QStringLiteral("%1 × %2").arg(number(drink.glasses), drink.recipe.name);
    }
    out << QString() << QStringLiteral("Einkaufen:");
    const qsizetype purchases = out.size();
    for (const Line& line : lines) {
        if (!line.atHand)
            out << lineText(line, false);
    }
    if (out.size() == purchases)
        out << QStringLiteral("nichts");
    QStringList shelf;
    for (const Line& line : lines) {
        if (line.atHand)
            shelf << lineText(line, true);
    }
    if (!shelf.isEmpty())
        out << QString() << QStringLiteral("Vorhanden in %1:").arg(barName) << shelf;
    return out;
}
