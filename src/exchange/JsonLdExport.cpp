#include "exchange/JsonLdExport.h"

#include "common/RecipeBook.h"
#include "exchange/JsonLdRecipe.h"
#include "store/AtomicFile.h"
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
    const RecipeRecord stored = RecipeBook(recipes, ingredients).read(recNo);
    ExchangeRecipe recipe;
    recipe.name = stored.name.trimmed();
    for (const RecipeRecord::Line& line : stored.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        if (!ingredient.found)
            continue;
        recipe.lines.append({ingredient.unit == UnitKind::None ? 0 : line.amount, ingredient.unit,
                             ingredient.name.trimmed()});
    }
    recipe.category = listName(lists.categories, stored.category);
    recipe.taste = listName(lists.tastes, stored.taste);
    recipe.decoration = decorationName(lists.decorations, stored.decoration);
    RecipeMemo::split(stored.memo, &recipe.instructions, &recipe.remark);
    recipe.image = imageUrl(stored.picture, stored.ownPhoto);
    recipe.assistantCode = stored.assistantCode;
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
