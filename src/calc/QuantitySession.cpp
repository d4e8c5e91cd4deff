#include "calc/QuantitySession.h"

#include "calc/BatchBottle.h"
#include "common/HalfEven.h"
#include "common/RecipeBook.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

#include <QLocale>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The field's number: anything that is not a positive number counts as 0.
qint64 parseQuantity(const QString& text) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

// Two decimals with the German decimal comma, from hundredths.
QString hundredths(qint64 value) {
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    value = qAbs(value);
    return sign + QString::number(value / 100) + QLatin1Char(',') +
           QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

bool QuantitySession::begin(int recNo) {
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return false;
    m_recipes.Go(recNo);
    if (m_recipes.Eof())
        return false;
    const RecipeRecord stored = RecipeBook(m_recipes, m_ingredients).read(recNo);
    m_recipe = QuantityRecipe::from(stored);
    m_instructions = stored.instructions();
    return true;
}

QString QuantitySession::headingText(Unit unit) {
    switch (unit) {
    case Unit::Stueck:
        return QStringLiteral(" ");
    case Unit::Milliliter:
        return QStringLiteral(" ml ");
    case Unit::Centiliter:
        return QStringLiteral(" cl ");
    case Unit::Pint:
        return QStringLiteral(" Pint ");
    case Unit::Liter:
        return QStringLiteral(" Liter ");
    }
    return QString();
}

int QuantitySession::millilitres(Unit unit) {
    switch (unit) {
    case Unit::Stueck:
        return 0;
    case Unit::Milliliter:
        return 1;
    case Unit::Centiliter:
        return 10;
    case Unit::Pint:
        return 568;
    case Unit::Liter:
        return 1000;
    }
    return 0;
}

QString QuantitySession::noVolumeText() {
    return QStringLiteral("Dieses Rezept enthält keine Zutaten in cl. Es lässt sich nur nach Stück "
                          "umrechnen.");
}

const QuantitySession::Result& QuantitySession::recompute(const QString& quantityText, Unit unit, bool litres,
                                                          bool batch) {
    const qint64 parsed = parseQuantity(quantityText);
    // 0 becomes 1; more than the field can hold becomes its largest value.
    const int n = parsed == 0 ? 1 : int(qMin<qint64>(parsed, kMaxQuantity));
    m_result.field = parsed == n ? QString() : QString::number(n);
    m_result.heading = QString::number(n) + headingText(unit) + m_recipe.name;
    m_result.output.clear();
    if (batch) {
        recomputeBatch(n, unit);
        return m_result;
    }

    const Output shown = m_unit == DisplayUnit::Ml   ? Output::Ml
                         : m_unit == DisplayUnit::Oz ? Output::Oz
                                                     : Output::Cl;
    const Output output = litres ? Output::Litres : unit == Unit::Milliliter ? Output::Ml : shown;
    Factor f{n, 1};
    if (unit != Unit::Stueck) {
        // F = D / (10 V): the number of drinks that fill D millilitres.
        const qint64 volume = m_recipe.volumeCl();
        if (volume <= 0) {
            m_result.output = noVolumeText();
            return m_result;
        }
        f = {qint64(n) * millilitres(unit), 10 * volume};
        if (f.numerator < f.denominator) {
            m_result.output = tooSmallText();
            return m_result;
        }
    }
    for (const QuantityRecipe::Line& ingredient : m_recipe.lines)
        m_result.output += line(ingredient, f, output) + kLineEnd;
    return m_result;
}

QString QuantitySession::line(const QuantityRecipe::Line& ingredient, const Factor& f, Output output) const {
    const qint64 amount = ingredient.amount;
    const auto scaled = [&f](qint64 a) { return HalfEven::divide(f.numerator * a, f.denominator); };
    switch (ingredient.unit) {
    case UnitKind::Cl:
        if (output == Output::Ml)
            return QString::number(scaled(10 * amount)) + QStringLiteral(" ml ") + ingredient.name;
        if (output == Output::Oz)
            return DisplayUnit::volume(double(f.numerator * amount) / double(f.denominator),
                                       DisplayUnit::Oz) +
                   QLatin1Char(' ') + ingredient.name;
        if (output == Output::Litres)
            return hundredths(scaled(amount)) + QStringLiteral(" Liter ") + ingredient.name;
        return QString::number(scaled(amount)) + QStringLiteral(" cl ") + ingredient.name;
    case UnitKind::Gram:
    case UnitKind::Piece:
    case UnitKind::Dash: {
        // Not volumes: scaled by the same factor, in their own unit.
        const QString unit = UnitKind::text(ingredient.unit) + QLatin1Char(' ');
        if (amount == 0)
            return unit + ingredient.name;
        return QString::number(scaled(amount)) + QLatin1Char(' ') + unit + ingredient.name;
    }
    default:
        return ingredient.name;
    }
}

void QuantitySession::recomputeBatch(int quantity, Unit unit) {
    m_result.heading += QStringLiteral(" als Vorratsflasche");
    if (unit == Unit::Stueck) {
        m_result.output = batchNeedsVolumeText();
        return;
    }
    const BatchBottle::Plan plan =
        BatchBottle::make(m_recipe, m_instructions, quantity * millilitres(unit), m_dashesPerCl);
    if (plan.empty) {
        m_result.output = BatchBottle::nothingToBottleText();
        return;
    }
    if (plan.glasses < 1) {
        m_result.output = tooSmallText();
        return;
    }
    for (const BatchBottle::Line& line : plan.bottle)
        m_result.output += bottleLine(line) + kLineEnd;
    if (plan.waterMl > 0)
        m_result.output +=
            DisplayUnit::millilitres(plan.waterMl, m_unit) + QStringLiteral(" Wasser") + kLineEnd;
    m_result.output += kLineEnd +
                       QStringLiteral("Je Glas %1 einschenken (ca. %2 Gläser).")
                           .arg(DisplayUnit::millilitres(plan.perGlassMl, m_unit),
                                QLocale(QLocale::German).toString(plan.glasses, 'f', 1)) +
                       kLineEnd;
    for (const BatchBottle::Line& line : plan.atServing)
        m_result.output += QStringLiteral("Beim Servieren je Glas: %1").arg(bottleLine(line)) + kLineEnd;
    m_result.output += plan.serving + kLineEnd;
}

QString QuantitySession::bottleLine(const BatchBottle::Line& line) const {
    if (line.unit.isEmpty())
        return line.name;
    if (line.unit == QStringLiteral("ml"))
        return DisplayUnit::millilitres(line.amount, m_unit) + QLatin1Char(' ') + line.name;
    return QStringLiteral("%1 %2 %3").arg(line.amount).arg(line.unit, line.name);
}

QString QuantitySession::clipboardText() const {
    return m_result.heading + kLineEnd + kLineEnd + m_result.output;
}
