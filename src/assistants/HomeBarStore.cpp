#include "assistants/HomeBarStore.h"

#include "assistants/HomeBarTable.h"
#include "browser/IngredientLookup.h"
#include "browser/ListCollation.h"
#include "browser/TurboRead.h"
#include "store/TApollo.h"

void HomeBarStore::clearAll(HomeBarTable& table, TApollo& ingredients) {
    // In record order: the number order would be rebuilt after every write.
    const int order = ingredients.order();
    ingredients.SetOrder(0);
    {
        TurboRead fast(ingredients);
        for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
            table.clearNumber(int(ingredients.GetInteger(QStringLiteral("INDEX"))));
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
                                        {ingredients.GetTrimString(QStringLiteral("NAME")), number});
        }
    }
    return lists;
}
