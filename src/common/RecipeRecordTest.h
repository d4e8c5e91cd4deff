#pragma once

#include <functional>

class TApollo;

// A further test a fill of the recipe list applies to each recipe the table shows, while the table
// stands on its record (the search's full text); an empty test keeps every recipe.
using RecipeRecordTest = std::function<bool(TApollo& recipes)>;
