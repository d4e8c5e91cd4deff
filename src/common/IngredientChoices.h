#pragma once

#include "common/HomeBarTable.h"
#include "common/ListEntry.h"

#include <array>

// What one pass over the ingredient table gives the choice lists (kind 3).
struct IngredientChoices {
    // `zutatliste`: every ingredient's name with its number, sorted by name.
    QList<ListEntry> zutatliste;
    // The blood alcohol assistant's ingredient entries: the cl and dash ingredients, each named with
    // "***" behind and carrying its number + 20000, sorted.
    QList<ListEntry> bloodAlcohol;
    // The home bars: the flags H1..H3 by number, and the names in each bar, sorted.
    HomeBarTable homeBars;
    std::array<QList<ListEntry>, HomeBarTable::kBars> homeBarLists;
};
