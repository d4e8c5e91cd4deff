#include "exchange/Measure.h"

#include "common/TextFold.h"

#include <QHash>

#include <cmath>

namespace {

enum class Dimension { Volume, Mass, Count, Nothing };

Dimension dimensionOf(Measure::Unit unit) {
    switch (unit) {
    case Measure::None:
        return Dimension::Nothing;
    case Measure::Gram:
    case Measure::Kg:
    case Measure::Pinch:
        return Dimension::Mass;
    case Measure::Piece:
        return Dimension::Count;
    default:
        return Dimension::Volume;
    }
}

double clOf(double amount, Measure::Unit unit, int dashesPerCl) {
    switch (unit) {
    case Measure::Cl:
        return amount;
    case Measure::Ml:
        return amount / 10;
    case Measure::Liter:
        return amount * 100;
    case Measure::Oz:
        return amount * Measure::kClPerOz;
    case Measure::Splash:
        return amount * Measure::kClPerSplash;
    case Measure::Dash:
        return amount / dashesPerCl;
    case Measure::Drop:
        return amount * Measure::kClPerDrop;
    case Measure::Barspoon:
        return amount * Measure::kClPerBarspoon;
    case Measure::Teaspoon:
        return amount * Measure::kClPerTeaspoon;
    case Measure::Tablespoon:
        return amount * Measure::kClPerTablespoon;
    default:
        return 0;
    }
}

double gramOf(double amount, Measure::Unit unit) {
    switch (unit) {
    case Measure::Gram:
        return amount;
    case Measure::Kg:
        return amount * 1000;
    case Measure::Pinch:
        return amount * Measure::kGramPerPinch;
    default:
        return 0;
    }
}

} // namespace

std::optional<Measure::Unit> Measure::fromWord(const QString& word) {
    static const QHash<QString, Unit> words = [] {
        QHash<QString, Unit> h;
        const auto add = [&h](Unit unit, std::initializer_list<const char*> names) {
            for (const char* name : names)
                h.insert(QString::fromUtf8(name), unit);
        };
        add(Cl, {"cl", "centiliter", "zentiliter"});
        add(Ml, {"ml", "milliliter", "milliliters", "millilitre", "millilitres"});
        add(Liter, {"l", "liter", "liters", "litre", "litres"});
        add(Oz, {"oz", "ounce", "ounces", "unze", "unzen"});
        add(Splash, {"splash", "splashes", "schuss"});
        add(Dash, {"dash", "dashes", "spritzer"});
        add(Drop, {"drop", "drops", "tropfen"});
        add(Barspoon, {"barspoon", "barspoons", "barloffel"});
        add(Teaspoon, {"tsp", "teaspoon", "teaspoons", "tl", "teeloffel"});
        add(Tablespoon, {"tbsp", "tbs", "tablespoon", "tablespoons", "el", "essloffel"});
        add(Pinch, {"pinch", "pinches", "prise", "prisen"});
        add(Gram, {"g", "gr", "gram", "grams", "gramm"});
        add(Kg, {"kg", "kilogramm", "kilogram", "kilograms"});
        add(Piece, {"st", "stk", "stuck", "piece", "pieces", "pc", "pcs"});
        return h;
    }();
    QString folded = TextFold::fold(word);
    if (folded.endsWith(QLatin1Char('.')))
        folded.chop(1);
    const auto it = words.constFind(folded);
    return it == words.cend() ? std::nullopt : std::optional(*it);
}

QString Measure::word(Unit unit) {
    switch (unit) {
    case None:
        return {};
    case Cl:
        return QStringLiteral("cl");
    case Ml:
        return QStringLiteral("ml");
    case Liter:
        return QStringLiteral("l");
    case Oz:
        return QStringLiteral("oz");
    case Splash:
        return QStringLiteral("splash");
    case Dash:
        return QStringLiteral("dash");
    case Drop:
        return QStringLiteral("drops");
    case Barspoon:
        return QStringLiteral("barspoon");
    case Teaspoon:
        return QStringLiteral("tsp");
    case Tablespoon:
        return QStringLiteral("tbsp");
    case Pinch:
        return QStringLiteral("pinch");
    case Gram:
        return QStringLiteral("g");
    case Kg:
        return QStringLiteral("kg");
    case Piece:
        return QStringLiteral("St");
    }
    return {};
}

Measure::Unit Measure::fromKind(int kind) {
    switch (kind) {
    case UnitKind::Cl:
        return Cl;
    case UnitKind::Gram:
        return Gram;
    case UnitKind::Piece:
        return Piece;
    case UnitKind::Dash:
        return Dash;
    default:
        return None;
    }
}

int Measure::suggestedKind(Unit unit) {
    switch (unit) {
    case None:
        return UnitKind::None;
    case Dash:
    case Drop:
        return UnitKind::Dash;
    case Piece:
        return UnitKind::Piece;
    default:
        return dimensionOf(unit) == Dimension::Mass ? UnitKind::Gram : UnitKind::Cl;
    }
}

int Measure::roundWhole(double value) {
    // Taken to thousandths first, so that a half that arrives as 1.4999999 still rounds up.
    const double thousandths = std::floor(value * 1000 + 0.5);
    return int(std::floor((thousandths + 500) / 1000));
}

std::optional<int> Measure::convert(double amount, Unit unit, int kind, int dashesPerCl, double perPiece) {
    if (kind == UnitKind::None || unit == None)
        return 0;
    const int dashes = dashesPerCl > 0 ? dashesPerCl : 12;
    const Dimension from = dimensionOf(unit);
    double value = 0;
    switch (kind) {
    case UnitKind::Piece:
        if (from != Dimension::Count)
            return std::nullopt;
        value = amount * perPiece;
        break;
    case UnitKind::Cl:
    case UnitKind::Dash:
    case UnitKind::Gram: {
        if (from == Dimension::Count)
            return std::nullopt;
        const double cl =
            from == Dimension::Mass ? gramOf(amount, unit) / kGramPerCl : clOf(amount, unit, dashes);
        if (kind == UnitKind::Gram)
            value = from == Dimension::Mass ? gramOf(amount, unit) : cl * kGramPerCl;
        else if (kind == UnitKind::Dash)
            value = unit == Dash ? amount : cl * dashes;
        else
            value = cl;
        break;
    }
    default:
        return 0;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    if (value <= 0)
        return 0;
    return std::max(1, roundWhole(std::min(value, 1e9)));
}
