#include "browser/RecipeLoader.h"

#include "common/Aliases.h"
#include "common/GlassStrength.h"
#include "common/IceNames.h"
#include "common/MyDrinks.h"
#include "common/RecipeBook.h"
#include "common/RecipeCost.h"
#include "store/Fields.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString fact(const QString& text) {
    return QChar(RecipeDisplay::kFactMark) + text;
}

// The n-th entry (1-based) of a classification list; empty outside the list.
QString nth(const QStringList& list, qint64 n) {
    return n >= 1 && n <= list.size() ? list.at(n - 1) : QString();
}

// "auch:" and the names with commas, a new line before a name that would take one past 50
// characters: no longer than the estimate in the glass, the longest fact line.
QStringList otherNameLines(const QStringList& names) {
    constexpr qsizetype kLineLength = 50;
    QStringList lines;
    QString line = QStringLiteral("auch:");
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names.at(i) + (i + 1 < names.size() ? QStringLiteral(",") : QString());
        if (line.size() + 1 + name.size() > kLineLength && !line.endsWith(u':')) {
            lines << line;
            line = name;
        } else {
            line += QLatin1Char(' ') + name;
        }
    }
    return lines << line;
}

} // namespace

QString RecipeLoader::InstructionText(const QString& memo) {
    if (memo.isEmpty())
        return QString();
    QString instructions;
    QString remark;
    RecipeMemo::split(memo, &instructions, &remark);
    QString text = kLineBreak + instructions;
    if (!remark.isEmpty())
        text += kLineBreak + kLineBreak + QStringLiteral("Bemerkung: ") + kLineBreak + remark;
    return text.left(kInstructionLength);
}

void RecipeLoader::addLine(RecipeDisplay& d, const QString& text) {
    DisplayLine line;
    line.text = text;
    d.lines.append(line);
}

RecipeDisplay RecipeLoader::LoadRecipe(const Sources& s) {
    RecipeDisplay d;
    const RecipeRecord recipe = RecipeBook(s.recipes, s.ingredients).read(s.recipes.RecNo());
    d.recNo = recipe.recNo;
    d.name = recipe.name;
    d.marked = recipe.marked;
    d.photoName = recipe.ownPhoto;
    if (d.photoName.isEmpty()) {
        d.photoName = recipe.picture;
        d.collectionPhoto = true;
    }
    if (s.aliases)
        addOtherNames(d, s.aliases->ofDrink(recipe.name));
    const Measured measured = addIngredientLines(d, recipe, s);
    addFactLines(d, s, recipe, measured);
    d.instructionText = InstructionText(recipe.memo);
    if (s.myDrinks) {
        d.stars = s.myDrinks->stars(d.recNo);
        d.note = s.myDrinks->note(d.recNo);
        if (const QString mixed = s.myDrinks->mixedLine(d.recNo); !mixed.isEmpty()) {
            d.mixedLine = int(d.lines.size());
            addLine(d, fact(mixed));
        }
    }
    d.firstTextLine = int(d.lines.size());
    d.lastLine = d.firstTextLine - 1;
    return d;
}

void RecipeLoader::addOtherNames(RecipeDisplay& d, const QStringList& names) {
    if (names.isEmpty())
        return;
    for (const QString& line : otherNameLines(names)) {
        addLine(d, fact(line));
        d.lineIngredient.append(-1);
    }
    addLine(d, kLineBreak);
    d.lineIngredient.append(-1);
    d.firstIngredientLine = int(d.lines.size());
}

// Ingredients with a unit first, those without one (and the missing ones) after them.
RecipeLoader::Measured RecipeLoader::addIngredientLines(RecipeDisplay& d, const RecipeRecord& recipe,
                                                        const Sources& s) {
    QList<std::pair<QString, int>> measured;
    QList<std::pair<QString, int>> unitless;
    AlcoholValue::Known known;
    Measured found;
    for (const RecipeRecord::Line& slot : recipe.lines) {
        const IngredientRecord& ingredient = slot.ingredient;
        if (ingredient.found) {
            known.insert(ingredient.number, {ingredient.unit, ingredient.alcohol});
            found.ice = found.ice || IceNames::isIce(ingredient.name);
        }
        const QString line = QChar(RecipeDisplay::kFactMark) +
                             DisplayUnit::line(slot.amount, ingredient.unit, ingredient.name, s.unit);
        (ingredient.unit == UnitKind::None ? unitless : measured).append({line, ingredient.number});
    }
    d.recipeAmount = recipe.clTotal();
    for (const auto& [line, number] : measured + unitless) {
        addLine(d, line);
        d.lineIngredient.append(number);
    }
    d.lastIngredientLine = int(d.lines.size()) - 1;
    addLine(d, kLineBreak);
    found.mix = AlcoholValue::measure(recipe.packedLines(), AlcoholValue::lookupIn(known), s.dashesPerCl);
    return found;
}

void RecipeLoader::addFactLines(RecipeDisplay& d, const Sources& s, const RecipeRecord& recipe,
                                const Measured& measured) {
    d.alcoholLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Alkohol: ") + QString::number(recipe.alcohol) + QLatin1Char('%')));
    addGlassLine(d, measured, recipe.instructions(), s.unit);
    // What a glass costs, under the strength lines; like the estimate, shown only.
    if (const QString cost = RecipeCost::text(RecipeCost::of(recipe, s.dashesPerCl)); !cost.isEmpty()) {
        d.costLine = int(d.lines.size());
        addLine(d, fact(cost));
    }
    d.categoryName = nth(s.categories, recipe.category);
    d.categoryLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Kategorie: ") + d.categoryName));
    if (recipe.taste >= 1)
        addLine(d, fact(QStringLiteral("Geschmack: ") + nth(s.tastes, recipe.taste)));
    d.decoration = recipe.decoration;
    bool readable = false;
    const QString decoration =
        d.decoration > 0 ? decorationName(s.decorations, d.decoration, &readable) : QString();
    if (readable) {
        d.decorationLine = int(d.lines.size());
        addLine(d, fact(QStringLiteral("Dekoration: ") + decoration));
    }
    d.amountLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Menge: ") + DisplayUnit::volume(d.recipeAmount, s.unit)));
}

// The estimate in the glass, right under the stored value of the undiluted mix.
void RecipeLoader::addGlassLine(RecipeDisplay& d, const Measured& measured, const QString& instructions,
                                DisplayUnit::Kind unit) {
    const auto estimate =
        GlassStrength::estimate(measured.mix, GlassStrength::methodOf(instructions, measured.ice));
    if (!estimate)
        return;
    d.glassLine = int(d.lines.size());
    addLine(d, fact(GlassStrength::text(*estimate, unit)));
}

// A decoration number beyond the table, or a table that cannot be read, leaves the line out.
QString RecipeLoader::decorationName(TApollo& decorations, int recNo, bool* ok) {
    *ok = false;
    try {
        decorations.Go(recNo);
        if (decorations.Eof())
            return QString();
        const QString name = decorations.GetTrimString(Fields::Term::Name);
        *ok = true;
        return name;
    } catch (const StoreError&) {
        return QString();
    }
}
