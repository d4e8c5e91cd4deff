#pragma once

#include <QString>

class TApollo;

// What the recipe editor reads and writes: the recipe and ingredient tables and the settings that
// shape a recipe record.
struct RecipeSources {
    TApollo& recipes;
    TApollo& ingredients;
    int dashesPerCl = 12;
    QString ownPhotosFolder;
    bool canrMode = false;
};
