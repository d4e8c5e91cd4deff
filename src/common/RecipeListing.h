#pragma once

#include "common/RecipeRecordTest.h"

// What a search needs of the list of drinks: rebuilding it from what the recipe table shows,
// optionally keeping only drinks mixable from the home bar and those that pass a record test (the
// full text), and how many it lists.
class RecipeListing {
public:
    virtual ~RecipeListing() = default;
    virtual void FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep = {}) = 0;
    virtual int ListedCount() const = 0;
};
