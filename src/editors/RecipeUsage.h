#pragma once

#include <QString>

#include <functional>

class TApollo;

// Counting the recipes that use an ingredient, a category, a taste or a decoration: one pass over
// the recipe table (deleted recipes hidden) with fast reading on. The progress callback gets the
// record number of every record at a multiple of the step (the record total div 20).
class RecipeUsage {
public:
    using Progress = std::function<void(int recNo)>;

    static int ingredient(TApollo& recipes, int number, const Progress& progress = {});
    static int category(TApollo& recipes, int number, const Progress& progress = {});
    static int taste(TApollo& recipes, int number, const Progress& progress = {});
    static int decoration(TApollo& recipes, int recNo, const Progress& progress = {});
    static int progressStep(int total) { return total / 20; }

private:
    static int countWhere(TApollo& recipes, const std::function<bool(TApollo&)>& uses,
                          const Progress& progress);
    static int countField(TApollo& recipes, const QString& field, int value, const Progress& progress);
};
