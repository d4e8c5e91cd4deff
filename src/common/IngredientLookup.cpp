#include "common/IngredientLookup.h"

#include "store/TApollo.h"

bool IngredientLookup::seek(TApollo& ingredients, int number) {
    if (ingredients.orderTag() != indexTag()) { // the usual case costs one comparison
        const int tag = ingredients.TagArea(indexTag());
        if (tag == 0)
            ingredients.IndexTag(QString(), indexTag(), indexTag());
        else
            ingredients.SetOrder(tag);
    }
    return ingredients.SeekNumber(number);
}
