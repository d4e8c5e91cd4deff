#pragma once

#include "store/Fields.h"

#include <QString>

class TApollo;

// Finding an ingredient by its number in the ingredient table's number order ("INDEX").
class IngredientLookup {
public:
    // Positions the table on the ingredient and returns true when it exists. Builds the number
    // order first when the table has none yet (the main window builds it at start-up).
    static bool seek(TApollo& ingredients, int number);
    static const QString& indexTag() { return Fields::Ingredient::Number; }
};
