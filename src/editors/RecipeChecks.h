#pragma once

#include "common/Notice.h"
#include "editors/RecipeDraft.h"
#include "editors/RecipeSources.h"

#include <QList>

// The recipe editor's OK checks, in their order. A refusal ends the checks and keeps the dialog
// open; the missing own-photo file only warns.
class RecipeChecks {
public:
    struct Outcome {
        QList<Notice> notices; // to show in this order
        bool accepted = false;
    };

    // The draft's name is trimmed. editRecNo: the edited record, which does not count as a
    // duplicate; 0 for a new recipe.
    static Outcome run(const RecipeSources& sources, RecipeDraft& draft, int editRecNo);

    static QString photoPath(const QString& ownPhotosFolder, const QString& photo);
    // Own photos name a file in the own-photos folder: letters, digits, "_" and "-" only.
    static bool isValidPhotoName(const QString& photo);
    // A recipe other than editRecNo whose name equals the name, letter case ignored; the recipe
    // table stands where it stood afterwards.
    static bool nameTaken(TApollo& recipes, const QString& name, int editRecNo);

private:
    static std::optional<Notice> refusal(const RecipeSources& sources, const RecipeDraft& draft);
    static bool hasLiquid(TApollo& ingredients, const QList<RecipeLine>& lines);
    static std::optional<Notice> unstorable(const RecipeDraft& draft);
};
