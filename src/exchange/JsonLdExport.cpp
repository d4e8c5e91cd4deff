#include "exchange/JsonLdExport.h"

#include "common/IngredientLookup.h"
#include "exchange/JsonLdRecipe.h"
#include "store/AtomicFile.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/PhotoPath.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString listName(const QStringList& list, qint64 number) {
    return number >= 1 && number <= list.size() ? list.at(int(number - 1)).trimmed() : QString();
}

QString decorationName(const QList<ListEntry>& decorations, qint64 recNo) {
    for (const ListEntry& entry : decorations)
        if (recNo != 0 && entry.data == recNo)
            return entry.text.trimmed();
    return {};
}

} // namespace

QString JsonLdExport::imageUrl(const QString& bild, const QString& eigen) {
    if (!eigen.trimmed().isEmpty())
        return QStringLiteral("EIGENE/") + eigen.trimmed() + QStringLiteral(".BMP");
    const QString collection = PhotoPath::collectionPath(bild);
    return collection.isEmpty() ? QString() : QStringLiteral("BILDER/") + collection;
}

ExchangeRecipe JsonLdExport::read(TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                                  int recNo) {
    recipes.Go(recNo);
    ExchangeRecipe recipe;
    recipe.name = recipes.GetTrimString(Fields::Recipe::Name).trimmed();
    const IngredientSlots packed(recipes.GetPaddedString(Fields::Recipe::Ingredients),
                                 recipes.GetPaddedString(Fields::Recipe::Amounts));
    for (const IngredientSlots::Line& line : packed.lines()) {
        if (!IngredientLookup::seek(ingredients, line.ingredient))
            continue;
        const int kind = int(ingredients.GetInteger(Fields::Ingredient::Unit));
        recipe.lines.append({UnitKind::text(kind).isEmpty() ? 0 : line.amount, kind,
                             ingredients.GetTrimString(Fields::Ingredient::Name).trimmed()});
    }
    recipe.category = listName(lists.categories, recipes.GetInteger(Fields::Recipe::Category));
    recipe.taste = listName(lists.tastes, recipes.GetInteger(Fields::Recipe::Taste));
    recipe.decoration = decorationName(lists.decorations, recipes.GetInteger(Fields::Recipe::Decoration));
    RecipeMemo::split(recipes.GetMemo(Fields::Recipe::Instructions), &recipe.instructions, &recipe.remark);
    recipe.image = imageUrl(recipes.GetTrimString(Fields::Recipe::Picture),
                            recipes.GetTrimString(Fields::Recipe::OwnPhoto));
    recipe.assistantCode = int(recipes.GetInteger(Fields::Recipe::AssistantCode));
    return recipe;
}

QList<int> JsonLdExport::allRecNos(TApollo& recipes) {
    QList<int> recNos;
    for (int recNo = 1; recNo <= recipes.RecCount(); ++recNo) {
        recipes.Go(recNo);
        if (!recipes.IsDeleted())
            recNos << recNo;
    }
    return recNos;
}

QByteArray JsonLdExport::document(const QList<ExchangeRecipe>& recipes) {
    QJsonArray array;
    for (const ExchangeRecipe& recipe : recipes)
        array << JsonLdRecipe::toJson(recipe);
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

bool JsonLdExport::write(const QString& path, TApollo& recipes, TApollo& ingredients,
                         const ExchangeLists& lists, const QList<int>& recNos, QString* reason) {
    QList<ExchangeRecipe> list;
    for (const int recNo : recNos)
        list << read(recipes, ingredients, lists, recNo);
    return AtomicFile::write(path, document(list), reason);
}
