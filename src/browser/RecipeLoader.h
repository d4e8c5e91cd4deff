#pragma once

#include "browser/RecipeDisplay.h"
#include "common/DisplayUnit.h"
#include "common/RecipeRecord.h"
#include "store/AlcoholValue.h"

#include <QStringList>

class Aliases;
class MyDrinks;
class TApollo;

// `LoadRecipe`: the display lines of the recipe the recipe table stands on. The instruction lines
// follow with InstructionWrapper, for the width of the text area.
class RecipeLoader {
public:
    struct Sources {
        TApollo& recipes;     // positioned on the recipe
        TApollo& ingredients; // found by number
        TApollo& decorations;
        const QStringList& categories;
        const QStringList& tastes;
        int dashesPerCl = 12;
        const Aliases* aliases = nullptr;         // the drink's other names go above the ingredients
        const MyDrinks* myDrinks = nullptr;       // the user's stars, note and journal
        DisplayUnit::Kind unit = DisplayUnit::Cl; // amounts in cl are shown in this unit
    };
    static constexpr int kInstructionLength = 5001;

    static RecipeDisplay LoadRecipe(const Sources& sources);

    // A line break, the instructions, and a remark under "Bemerkung: " when there is one; cut to
    // 5001 characters. Empty for an empty memo.
    static QString InstructionText(const QString& memo);
    // The heading of the user's note under the remark.
    static QString noteHeading() { return QStringLiteral("Meine Notiz:"); }

private:
    // What the ingredient lines found out for the estimate in the glass.
    struct Measured {
        AlcoholValue::Mix mix;
        bool ice = false;
    };
    static Measured addIngredientLines(RecipeDisplay& d, const RecipeRecord& recipe, const Sources& s);
    static void addFactLines(RecipeDisplay& d, const Sources& s, const RecipeRecord& recipe,
                             const Measured& measured);
    static void addGlassLine(RecipeDisplay& d, const Measured& measured, const QString& instructions,
                             DisplayUnit::Kind unit);
    static QString decorationName(TApollo& decorations, int recNo, bool* ok);
    // "auch: " and the drink's other names with commas, then an empty line.
    static void addOtherNames(RecipeDisplay& d, const QStringList& names);
    static void addLine(RecipeDisplay& d, const QString& text);
};
