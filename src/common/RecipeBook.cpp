#include "common/RecipeBook.h"

#include "common/IngredientLookup.h"
#include "store/Fields.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

IngredientRecord IngredientRecord::missing(int number) {
    IngredientRecord r;
    r.number = number;
    r.name = missingName();
    return r;
}

QString RecipeRecord::instructions() const {
    QString instructions;
    QString remark;
    RecipeMemo::split(memo, &instructions, &remark);
    return instructions;
}

int RecipeRecord::clTotal() const {
    int total = 0;
    for (const Line& line : lines)
        if (line.ingredient.unit == UnitKind::Cl)
            total += line.amount;
    return total;
}

QList<IngredientSlots::Line> RecipeRecord::packedLines() const {
    QList<IngredientSlots::Line> out;
    for (const Line& line : lines)
        out.append({line.ingredient.number, line.amount});
    return out;
}

RecipeBook::RecipeBook(TApollo& recipes, TApollo& ingredients)
    : m_recipes(recipes), m_ingredients(ingredients) {}

RecipeRecord RecipeBook::read(int recNo, bool withMemo) {
    namespace F = Fields::Recipe;
    TApollo& re = m_recipes;
    if (re.Eof() || re.RecNo() != recNo) // a pass that walks the table stands on it already
        re.Go(recNo);
    RecipeRecord r;
    r.recNo = re.RecNo();
    r.name = re.GetTrimString(F::Name);
    r.picture = re.GetTrimString(F::Picture).trimmed();
    r.ownPhoto = re.GetTrimString(F::OwnPhoto).trimmed();
    r.category = int(re.GetInteger(F::Category));
    r.taste = int(re.GetInteger(F::Taste));
    r.decoration = int(re.GetInteger(F::Decoration));
    r.alcohol = int(re.GetInteger(F::Alcohol));
    r.marked = re.GetInteger(F::Mark) != 0;
    r.assistantCode = int(re.GetInteger(F::AssistantCode));
    if (withMemo && !re.IsEmpty(F::Instructions))
        r.memo = re.GetMemo(F::Instructions);
    const IngredientSlots packed(re.GetPaddedString(F::Ingredients), re.GetPaddedString(F::Amounts));
    for (int k = 0; k < IngredientSlots::kMaxSlots; ++k) {
        const int number = packed.ingredientNumber(k);
        if (number == 0)
            break;
        r.lines.append({k, packed.amount(k), ingredient(number)});
    }
    return r;
}

IngredientRecord RecipeBook::ingredient(int number) {
    const auto it = m_known.constFind(number);
    if (it != m_known.constEnd())
        return it.value();
    IngredientRecord found = IngredientRecord::missing(number);
    if (number > 0 && IngredientLookup::seek(m_ingredients, number)) {
        namespace F = Fields::Ingredient;
        found.found = true;
        found.name = m_ingredients.GetTrimString(F::Name).left(IngredientRecord::kNameLength);
        found.unit = UnitKind::fromField(m_ingredients.GetInteger(F::Unit));
        found.alcohol = int(m_ingredients.GetInteger(F::Alcohol));
        found.unprinted = m_ingredients.GetInteger(F::NoPrint) == 1;
        found.priceCents = int(qMax<qint64>(0, m_ingredients.GetInteger(F::Price)));
        found.packSize = int(qMax<qint64>(0, m_ingredients.GetInteger(F::Volume)));
    }
    m_known.insert(number, found);
    return found;
}

QString RecipeBook::name(const TApollo& recipes) {
    return recipes.GetTrimString(Fields::Recipe::Name);
}

QString RecipeBook::nameOf(const TApollo& recipes, int recNo) {
    return recipes.GetTrimStringOf(recNo, Fields::Recipe::Name);
}

QByteArray RecipeBook::rawName(const TApollo& recipes) {
    return recipes.GetRawBytes(Fields::Recipe::Name);
}

QString RecipeBook::memo(const TApollo& recipes) {
    return recipes.IsEmpty(Fields::Recipe::Instructions) ? QString()
                                                         : recipes.GetMemo(Fields::Recipe::Instructions);
}

RecipeBook::Classification RecipeBook::classification(const TApollo& recipes) {
    namespace F = Fields::Recipe;
    return {int(recipes.GetInteger(F::Category)), int(recipes.GetInteger(F::Taste)),
            int(recipes.GetInteger(F::Decoration))};
}

int RecipeBook::alcohol(const TApollo& recipes) {
    return int(recipes.GetInteger(Fields::Recipe::Alcohol));
}

QList<IngredientSlots::Line> RecipeBook::packedLines(const TApollo& recipes) {
    // Digits and blanks only: the quick Latin-1 reading of the bytes will do, as for the numbers.
    return IngredientSlots(QString::fromLatin1(recipes.GetRawBytes(Fields::Recipe::Ingredients)),
                           QString::fromLatin1(recipes.GetRawBytes(Fields::Recipe::Amounts)))
        .lines();
}

QList<int> RecipeBook::ingredientNumbers(const TApollo& recipes) {
    // Only digits and blanks matter here, so the quick Latin-1 reading of the bytes will do.
    return numbersIn(QString::fromLatin1(recipes.GetRawBytes(Fields::Recipe::Ingredients)));
}

QList<int> RecipeBook::numbersIn(const QString& z) {
    QList<int> numbers;
    for (int k = 0; k < IngredientSlots::kMaxSlots; ++k) {
        const int number = IngredientSlots::decodeSlot(z, k);
        if (number == 0)
            break;
        numbers.append(number);
    }
    return numbers;
}
