#pragma once

#include <QString>

// A large data set for benchmarks: 5000 recipes and 1500 ingredients with realistic field
// contents, written through the store. Deterministic for a given seed.
class SyntheticDataSet {
public:
    static constexpr int kRecipes = 5000;
    static constexpr int kIngredients = 1500;
    static void write(const QString& folder, quint32 seed = 1998);
};
