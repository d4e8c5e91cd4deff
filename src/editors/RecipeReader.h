#pragma once

#include "editors/RecipeDraft.h"
#include "editors/RecipeSources.h"

// The edit preparation: a stored recipe read into a draft, its lines built from the ingredient
// table as the editor shows them.
class RecipeReader {
public:
    // Goes to the record and reads it; throws StoreError. Lines end at the first empty slot; an
    // ingredient the table does not hold keeps its number and amount under "nicht in Datenbank!".
    static RecipeDraft read(const RecipeSources& sources, int recNo);
    // The memo split for editing: at the last 0xFE that is followed by 0xFD.
    static void splitMemo(const QString& memo, QString* instructions, QString* remark);
};
