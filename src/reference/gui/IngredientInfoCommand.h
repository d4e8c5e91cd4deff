#pragma once

#include "reference/gui/TZInfoDialog.h"
#include "ui/DialogServices.h"

class TApollo;

// The information on one ingredient, asked for by the home bar, the search and the recipe view.
class IngredientInfoCommand {
public:
    explicit IngredientInfoCommand(const DialogServices& services);

    // Nothing happens for a number the ingredient table does not hold.
    void show(int number);

    TZInfoDialog dialog;

private:
    TApollo& m_ingredients;
};
