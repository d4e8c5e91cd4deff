#include "calc/PartyPlan.h"

#include "common/IceNames.h"
#include "store/UnitKind.h"

#include <QLocale>

#include <algorithm>

namespace {

QString number(qint64 n) {
    return QLocale(QLocale::German, QLocale::Germany).toString(n);
}

qint64 wholeUnits(qint64 amount, int size) {
    return (amount + size - 1) / size;
}

bool inSet(const IngredientSet& set, int number) {
    return number >= 0 && number < int(set.size()) && set.test(std::size_t(number));
}

PartyPlan::Place placeOf(int number, const IngredientSet& atHand, const IngredientSet& atHome) {
    if (inSet(atHome, number))
        return PartyPlan::Place::AlwaysAtHome;
    return inSet(atHand, number) ? PartyPlan::Place::InBar : PartyPlan::Place::Buy;
}

// A summed line sits under its ingredient number and unit.
qsizetype find(const QList<PartyPlan::Line>& lines, int number, int unit) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].number == number && lines[i].unit == unit)
            return i;
    }
    return -1;
}

// A sum in cl: as the other sums in cl (with the thousands point), converted in another shown unit.
QString clText(qint64 cl, DisplayUnit::Kind unit) {
    return unit == DisplayUnit::Cl ? number(cl) + QStringLiteral(" cl")
                                   : DisplayUnit::volume(double(cl), unit);
}

void appendSection(QStringList& out, const QString& heading, const QList<PartyPlan::Line>& lines,
                   PartyPlan::Place place, DisplayUnit::Kind unit) {
    QStringList section;
    for (const PartyPlan::Line& line : lines) {
        if (line.place == place)
            section << PartyPlan::lineText(line, unit);
    }
    if (!section.isEmpty())
        out << QString() << heading << section;
}

} // namespace

QList<PartyPlan::Line> PartyPlan::lines(const QList<Drink>& drinks, const IngredientSet& atHand,
                                        const IngredientSet& atHome) {
    QList<Line> out;
    for (const Drink& drink : drinks) {
        if (drink.glasses <= 0)
            continue;
        for (const QuantityRecipe::Line& in : drink.recipe.lines) {
            qsizetype i = find(out, in.number, in.unit);
            if (i < 0) {
                const QString name = in.name.isEmpty() ? unknownName(in.number) : in.name;
                Line line{in.number, name, in.unit, 0, placeOf(in.number, atHand, atHome)};
                line.alcoholic = in.alcohol > 0;
                line.ice = in.unit == UnitKind::None && IceNames::isIce(name);
                out.append(line);
                i = out.size() - 1;
            }
            const qint64 perGlass = out[i].ice ? kIceGramsPerGlass : qMax(in.amount, 0);
            out[i].amount += perGlass * drink.glasses;
        }
    }
    return out;
}

int PartyPlan::drinksFor(int guests, int hours) {
    if (guests <= 0 || hours <= 0)
        return 0;
    return guests * 2 + guests * (hours - 1);
}

QList<int> PartyPlan::share(int total, const QList<int>& weights) {
    QList<int> out(weights.size(), 0);
    if (weights.isEmpty())
        return out;
    qint64 sum = 0;
    for (int w : weights)
        sum += qMax(w, 0);
    const auto weightOf = [&](qsizetype i) { return sum > 0 ? qint64(qMax(weights.at(i), 0)) : qint64(1); };
    const qint64 all = sum > 0 ? sum : weights.size();
    // Whole shares first, then the glasses left one each to the largest remainders (earlier on ties).
    QList<std::pair<qint64, qsizetype>> remainders;
    int given = 0;
    for (qsizetype i = 0; i < weights.size(); ++i) {
        const qint64 exact = qint64(total) * weightOf(i);
        out[i] = int(exact / all);
        given += out[i];
        remainders.append({exact % all, i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (qsizetype k = 0; given < total && k < remainders.size(); ++k, ++given)
        ++out[remainders.at(k).second];
    for (int& glasses : out)
        glasses = qBound(1, glasses, kMaxGlasses);
    return out;
}

QList<PartyPlan::Fruit> PartyPlan::fruitFor(const QList<Line>& lines) {
    QList<Fruit> out;
    const struct {
        const char16_t* juice;
        const char16_t* fruit;
        int ml;
    } kinds[] = {{u"Zitronensaft", u"Zitronen", kLemonJuiceMl}, {u"Limettensaft", u"Limetten", kLimeJuiceMl}};
    for (const auto& kind : kinds) {
        for (const Line& line : lines) {
            if (line.unit == UnitKind::Cl && line.amount > 0 &&
                line.name.compare(QString::fromUtf16(kind.juice), Qt::CaseInsensitive) == 0)
                out.append({QString::fromUtf16(kind.fruit), int(wholeUnits(line.amount * 10, kind.ml)),
                            line.name, line.amount});
        }
    }
    return out;
}

QStringList PartyPlan::partyText(int guests, int hours, const QList<Drink>& drinks, const QList<Line>& lines,
                                 DisplayUnit::Kind unit) {
    QStringList out;
    if (guests <= 0)
        return out;
    int kinds = 0;
    qint64 planned = 0;
    for (const Drink& drink : drinks) {
        if (drink.glasses > 0) {
            ++kinds;
            planned += drink.glasses;
        }
    }
    out << QString() << QStringLiteral("Für %1 Gäste in %2 Stunden:").arg(number(guests), number(hours));
    out << QStringLiteral("Gläser	%1 St").arg(number(qMin(planned, qint64(guests) * kinds)));
    out << QStringLiteral("Eis zum Kühlen	ca. %1 kg")
               .arg(number(wholeUnits(qint64(guests) * kChillingIceGramsPerGuest, 1000)));
    for (const Fruit& fruit : fruitFor(lines))
        out << QStringLiteral("%1	%2 St	für %3 %4")
                   .arg(fruit.name, number(fruit.pieces), clText(fruit.juiceCl, unit), fruit.juice);
    return out;
}

QString PartyPlan::amountText(const Line& line, DisplayUnit::Kind unit) {
    if (!line.measured())
        return {};
    // Ice is bought by the bag: whole kilograms, rounded up.
    if (line.ice)
        return QStringLiteral("ca. %1 kg").arg(number(wholeUnits(line.amount, 1000)));
    if (line.unit == UnitKind::Cl)
        return clText(line.amount, unit);
    return number(line.amount) + QLatin1Char(' ') + UnitKind::text(line.unit);
}

QString PartyPlan::purchaseText(const Line& line) {
    if (!line.measured())
        return neededText();
    if (line.ice)
        return amountText(line);
    switch (line.unit) {
    case UnitKind::Cl:
        if (line.alcoholic)
            return QStringLiteral("%1 × 0,7 l oder %2 × 1 l")
                .arg(number(wholeUnits(line.amount, kBottleSmallCl)),
                     number(wholeUnits(line.amount, kBottleLargeCl)));
        return QStringLiteral("%1 × 1 l oder %2 × 0,33 l")
            .arg(number(wholeUnits(line.amount, kPackLargeCl)),
                 number(wholeUnits(line.amount, kPackSmallCl)));
    case UnitKind::Gram:
    case UnitKind::Piece:
        return amountText(line);
    default:
        return neededText();
    }
}

QString PartyPlan::lineText(const Line& line, DisplayUnit::Kind unit) {
    QStringList parts{line.name};
    const QString amount = amountText(line, unit);
    if (!amount.isEmpty())
        parts << amount;
    const QString purchase = purchaseText(line);
    if (line.place == Place::Buy && purchase != amount)
        parts << purchase;
    return parts.join(QLatin1Char('\t'));
}

PartyPlan::PurchaseCost PartyPlan::purchaseCost(const QList<Line>& lines,
                                                const std::function<Price(int)>& priceOf, int dashesPerCl) {
    PurchaseCost cost;
    for (const Line& line : lines) {
        if (line.place != Place::Buy || !line.measured() || line.ice)
            continue;
        const Price price = priceOf(line.number);
        if (price.cents <= 0 || price.pack <= 0) {
            if (!cost.missing.contains(line.name))
                cost.missing << line.name;
            continue;
        }
        // Dashes are bought by the cl; everything in whole bottles or packs.
        const qint64 needed =
            line.unit == UnitKind::Dash ? wholeUnits(line.amount, qMax(dashesPerCl, 1)) : line.amount;
        cost.cents += wholeUnits(needed, price.pack) * price.cents;
        ++cost.priced;
    }
    return cost;
}

QString PartyPlan::purchaseCostText(const PurchaseCost& cost) {
    if (cost.priced == 0)
        return {};
    const QString euros = QLocale(QLocale::German, QLocale::Germany).toString(cost.cents / 100.0, 'f', 2) +
                          QStringLiteral(" €");
    if (cost.missing.isEmpty())
        return QStringLiteral("Kosten des Einkaufs\tca. ") + euros;
    QString missing = cost.missing.mid(0, 3).join(QStringLiteral(", "));
    if (cost.missing.size() > 3)
        missing += QStringLiteral(" …");
    return QStringLiteral("Kosten des Einkaufs\tab %1\tohne Preis: %2").arg(euros, missing);
}

QStringList PartyPlan::listText(const QList<Drink>& drinks, const QList<Line>& lines, const QString& barName,
                                const QString& costText, DisplayUnit::Kind unit) {
    QStringList out{QStringLiteral("Partyplaner")};
    for (const Drink& drink : drinks) {
        if (drink.glasses > 0)
            out << QStringLiteral("%1 × %2").arg(number(drink.glasses), drink.recipe.name);
    }
    out << QString() << QStringLiteral("Einkaufen:");
    const qsizetype purchases = out.size();
    for (const Line& line : lines) {
        if (line.place == Place::Buy)
            out << lineText(line, unit);
    }
    if (out.size() == purchases)
        out << QStringLiteral("nichts");
    else if (!costText.isEmpty())
        out << costText;
    appendSection(out, QStringLiteral("Immer im Haus:"), lines, Place::AlwaysAtHome, unit);
    appendSection(out, QStringLiteral("Vorhanden in %1:").arg(barName), lines, Place::InBar, unit);
    return out;
}
