#pragma once

#include <QString>

// The recipe editor as the recipe list editor uses it.
class RecipeEditing {
public:
    virtual ~RecipeEditing() = default;
    // 1 saved, 0 refused (read-only), 2 cancelled.
    virtual int EditNewRecipe() = 0;
    // True when saved.
    virtual bool EditRecipe(const QString& name, int recNo) = 0;
    // The recipe saved last: its name as entered and its record number.
    virtual QString savedName() const = 0;
    virtual int savedRecNo() const = 0;
    // After the list deleted a recipe: whoever keeps the recipe count counts again.
    virtual void recipeDeleted() = 0;
};
