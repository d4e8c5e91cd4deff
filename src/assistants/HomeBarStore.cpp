#include "assistants/HomeBarStore.h"

#include "common/HomeBarTable.h"
#include "common/IngredientLookup.h"
#include "common/ListCollation.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

void HomeBarStore::clearAll(HomeBarTable& table, TApollo& ingredients) {
    // In record order: the number order would be rebuilt after every write.
    const int order = ingredients.order();
    ingredients.SetOrder(0);
    {
        TurboRead fast(ingredients);
        for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
            table.clearNumber(int(ingredients.GetInteger(Fields::Ingredient::Number)));
            ingredients.Edit();
            for (int bar = 1; bar <= HomeBarTable::kBars; ++bar)
                ingredients.ReplaceLogical(HomeBarTable::fieldName(bar), false);
        }
        ingredients.Commit();
    }
    ingredients.SetOrder(order);
}

void HomeBarStore::store(const BarLists& lists, HomeBarTable& table, TApollo& ingredients) {
    clearAll(table, ingredients);
    for (int bar = 1; bar <= HomeBarTable::kBars; ++bar) {
        for (const ListEntry& entry : lists[size_t(bar - 1)]) {
            if (!IngredientLookup::seek(ingredients, entry.data))
                continue;
            table.set(bar, entry.data, true);
            ingredients.Edit();
            ingredients.ReplaceLogical(HomeBarTable::fieldName(bar), true);
            ingredients.Commit();
        }
    }
}

HomeBarStore::BarLists HomeBarStore::rebuildLists(const HomeBarTable& table, TApollo& ingredients) {
    BarLists lists;
    for (int number = 1; number <= HomeBarTable::kMaxNumber; ++number) {
        for (int bar = 1; bar <= HomeBarTable::kBars; ++bar) {
            if (!table.contains(bar, number) || !IngredientLookup::seek(ingredients, number))
                continue;
            ListCollation::insertSorted(lists[size_t(bar - 1)],
                                        {ingredients.GetTrimString(Fields::Ingredient::Name), number});
        }
    }
    return lists;
}
