#include "editors/RecipeReader.h"

#include "common/RecipeBook.h"

RecipeDraft RecipeReader::read(const RecipeSources& sources, int recNo) {
    const RecipeRecord recipe = RecipeBook(sources.recipes, sources.ingredients).read(recNo);
    RecipeDraft d;
    d.name = recipe.name;
    d.photo = recipe.ownPhoto;
    d.kat = recipe.category;
    d.gesch = recipe.taste;
    d.deko = recipe.decoration;
    d.canr = recipe.assistantCode;
    splitMemo(recipe.memo, &d.instructions, &d.remark);
    for (const RecipeRecord::Line& line : recipe.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        if (ingredient.found)
            d.lines.append(
                RecipeLine::make(ingredient.number, line.amount, ingredient.unit, ingredient.name));
        else
            d.lines.append({ingredient.number, line.amount, ingredient.name});
    }
    return d;
}

void RecipeReader::splitMemo(const QString& memo, QString* instructions, QString* remark) {
    const qsizetype at = memo.lastIndexOf(QChar(0xFE));
    if (at >= 0 && at + 1 < memo.size() && memo.at(at + 1) == QChar(0xFD)) {
        *instructions = memo.left(at);
        *remark = memo.mid(at + 2);
        return;
    }
    *instructions = memo;
    remark->clear();
}
