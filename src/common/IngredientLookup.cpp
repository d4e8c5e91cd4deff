#include "common/IngredientLookup.h"

#include "store/TApollo.h"

bool IngredientLookup::seek(TApollo& ingredients, int number) {
    const int tag = ingredients.TagArea(indexTag());
    if (tag == 0)
        ingredients.IndexTag(QString(), indexTag(), indexTag());
    else if (ingredients.order() != tag)
        ingredients.SetOrder(tag);
    return ingredients.Seek(QString::number(number));
}
