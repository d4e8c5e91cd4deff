#pragma once

#include "editors/RecipeDraft.h"
#include "editors/RecipeSources.h"

// `WriteRecipe`: builds every field of the recipe record from a checked draft and stores it.
class RecipeWriter {
public:
    struct SlotFields {
        QString z;
        QString zmenge;
        int alk = 0;
    };

    // The packed ingredient and amount fields and the alcohol value of the lines. An ingredient
    // without amount (kind 3) stores amount 0; one the table does not hold keeps its amount and adds
    // nothing to the alcohol value.
    static SlotFields slotFields(TApollo& ingredients, const QList<RecipeLine>& lines, int dashesPerCl);

    // Appends the recipe (isNew) or rewrites record recNo, and returns its record number; the recipe
    // table stands on it afterwards. A new recipe is marked as the user's own (`BILD` "e"), saving
    // clears the mark, and `CANR` is written only in CANR mode. A store error leaves the table as it
    // was and is passed on.
    static int WriteRecipe(const RecipeSources& sources, const RecipeDraft& draft, bool isNew, int recNo = 0);
};
