#pragma once

#include "browser/RecipeDisplay.h"
#include "browser/RecipeList.h"
#include "browser/ShownRecipe.h"
#include "common/DisplayUnit.h"
#include "common/ReadOnlyGate.h"

#include <QStringList>

class Aliases;
class MyDrinks;
class TApollo;
class TextMeasurer;

// The recipe browser's state and commands as the main window uses them: the list of drinks, the
// recipe shown and its display lines. The window keeps the list box's selection, asks the
// questions and paints; it hands the selected index in.
class RecipeBrowser : public ReadOnlyGate {
public:
    struct Tables {
        TApollo& recipes;
        TApollo& ingredients;
        TApollo& decorations;
    };
    // How instruction lines are wrapped; set by the window whenever the font, the width of the
    // text area or the justification option changes. Without a measurer nothing is wrapped.
    struct Wrap {
        const TextMeasurer* measurer = nullptr;
        int areaWidth = 0;
        bool justify = true;
    };

    // With `aliases`, a drink's other names show above its ingredients.
    RecipeBrowser(const Tables& tables, const QStringList& categories, const QStringList& tastes,
                  const Aliases* aliases = nullptr);

    RecipeList& list() { return m_list; }
    const RecipeList& list() const { return m_list; }
    ShownRecipe& shown() { return m_shown; }
    const ShownRecipe& shown() const { return m_shown; }
    const RecipeDisplay& display() const { return m_display; }
    RecipeDisplay& display() { return m_display; }

    // Loads the entry's recipe unless it is shown already; true when it was loaded. Throws StoreError
    // when the recipe cannot be read; the recipe shown before stays current.
    bool ShowSelected(int index);
    // Applies new wrap settings and rewraps a loaded recipe.
    void setWrap(const Wrap& wrap);
    // The dashes per cl of the options, for the estimate in the glass of recipes loaded from now on.
    void setDashesPerCl(int dashesPerCl) { m_dashesPerCl = dashesPerCl; }
    // The user's stars, note and journal, shown with every recipe loaded from now on.
    void setMyDrinks(const MyDrinks* myDrinks) { m_myDrinks = myDrinks; }
    // The unit amounts in cl are shown in, likewise.
    void setShownUnit(DisplayUnit::Kind unit) { m_unit = unit; }
    void WrapInstructions();

    // The mark commands; the window refuses them when started read-only and asks first.
    bool ToggleMark();
    void MarkAllListed();
    void ClearAllMarks();

    // After the recipe editor saved (the recipe table stands on the saved record): updates the list,
    // forgets the shown recipe so that the next `ShowSelected` reloads it, and returns the index to
    // select and show.
    int RecipeSaved(bool isNew, int selected, const QString& newName);

private:
    Tables m_tables;
    const QStringList& m_categories;
    const QStringList& m_tastes;
    const Aliases* m_aliases;
    const MyDrinks* m_myDrinks = nullptr;
    Wrap m_wrap;
    int m_dashesPerCl = 12;
    DisplayUnit::Kind m_unit = DisplayUnit::Cl;
    RecipeList m_list;
    ShownRecipe m_shown;
    RecipeDisplay m_display;
};
