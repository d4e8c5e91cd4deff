#include "browser/RecipeLoader.h"

#include "browser/GlassStrength.h"
#include "common/IceNames.h"
#include "common/IngredientLookup.h"
#include "common/UnitKind.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"

#include <QHash>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString fact(const QString& text) {
    return QChar(RecipeDisplay::kFactMark) + text;
}

// The n-th entry (1-based) of a classification list; empty outside the list.
QString nth(const QStringList& list, qint64 n) {
    return n >= 1 && n <= list.size() ? list.at(n - 1) : QString();
}

} // namespace

QString RecipeLoader::ingredientLine(int amount, int kind, const QString& name) {
    QString line = QChar(RecipeDisplay::kFactMark);
    if (amount != 0 && kind != kNoAmount)
        line += QString::number(amount) + QLatin1Char(' ');
    if (kind != kNoAmount)
        line += UnitKind::text(kind) + QStringLiteral("  ");
    return line + name;
}

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
    TApollo& re = s.recipes;
    d.recNo = re.RecNo();
    d.name = re.GetTrimString(Fields::Recipe::Name);
    d.marked = re.GetInteger(Fields::Recipe::Mark) != 0;
    d.photoName = re.GetTrimString(Fields::Recipe::OwnPhoto).trimmed();
    if (d.photoName.isEmpty()) {
        d.photoName = re.GetTrimString(Fields::Recipe::Picture).trimmed();
        d.collectionPhoto = true;
    }
    const QString memo =
        re.IsEmpty(Fields::Recipe::Instructions) ? QString() : re.GetMemo(Fields::Recipe::Instructions);
    const Measured measured = addIngredientLines(d, s);
    addFactLines(d, s, measured, memo);
    d.instructionText = InstructionText(memo);
    d.firstTextLine = d.amountLine + 1;
    d.lastLine = d.amountLine;
    return d;
}

// Ingredients with a unit first, those without one (and the missing ones) after them.
RecipeLoader::Measured RecipeLoader::addIngredientLines(RecipeDisplay& d, const Sources& s) {
    const IngredientSlots packed(s.recipes.GetPaddedString(Fields::Recipe::Ingredients),
                                 s.recipes.GetPaddedString(Fields::Recipe::Amounts));
    QList<std::pair<QString, int>> measured;
    QList<std::pair<QString, int>> unitless;
    AlcoholValue::Known known;
    Measured found;
    for (const IngredientSlots::Line& slot : packed.lines()) {
        QString name = missingIngredient();
        int kind = kNoAmount;
        if (IngredientLookup::seek(s.ingredients, slot.ingredient)) {
            name = s.ingredients.GetTrimString(Fields::Ingredient::Name).left(kIngredientNameLength);
            kind = int(s.ingredients.GetInteger(Fields::Ingredient::Unit));
            known.insert(slot.ingredient, {kind, int(s.ingredients.GetInteger(Fields::Ingredient::Alcohol))});
            found.ice = found.ice || IceNames::isIce(name);
        }
        const QString line = ingredientLine(slot.amount, kind, name);
        (kind == kNoAmount ? unitless : measured).append({line, slot.ingredient});
        if (kind == 0)
            d.recipeAmount += slot.amount;
    }
    for (const auto& [line, number] : measured + unitless) {
        addLine(d, line);
        d.lineIngredient.append(number);
    }
    d.lastIngredientLine = int(d.lines.size()) - 1;
    addLine(d, kLineBreak);
    found.mix = AlcoholValue::measure(packed.lines(), AlcoholValue::lookupIn(known), s.dashesPerCl);
    return found;
}

void RecipeLoader::addFactLines(RecipeDisplay& d, const Sources& s, const Measured& measured,
                                const QString& memo) {
    TApollo& re = s.recipes;
    d.alcoholLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Alkohol: ") + QString::number(re.GetInteger(Fields::Recipe::Alcohol)) +
                    QLatin1Char('%')));
    addGlassLine(d, measured, memo);
    d.categoryName = nth(s.categories, re.GetInteger(Fields::Recipe::Category));
    d.categoryLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Kategorie: ") + d.categoryName));
    const qint64 taste = re.GetInteger(Fields::Recipe::Taste);
    if (taste >= 1)
        addLine(d, fact(QStringLiteral("Geschmack: ") + nth(s.tastes, taste)));
    d.decoration = int(re.GetInteger(Fields::Recipe::Decoration));
    bool readable = false;
    const QString decoration =
        d.decoration > 0 ? decorationName(s.decorations, d.decoration, &readable) : QString();
    if (readable) {
        d.decorationLine = int(d.lines.size());
        addLine(d, fact(QStringLiteral("Dekoration: ") + decoration));
    }
    d.amountLine = int(d.lines.size());
    addLine(d, fact(QStringLiteral("Menge: ") + QString::number(d.recipeAmount) + QStringLiteral(" cl")));
}

// The estimate in the glass, right under the stored value of the undiluted mix.
void RecipeLoader::addGlassLine(RecipeDisplay& d, const Measured& measured, const QString& memo) {
    QString instructions;
    QString remark;
    RecipeMemo::split(memo, &instructions, &remark);
    const auto estimate =
        GlassStrength::estimate(measured.mix, GlassStrength::methodOf(instructions, measured.ice));
    if (!estimate)
        return;
    d.glassLine = int(d.lines.size());
    addLine(d, fact(GlassStrength::text(*estimate)));
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
