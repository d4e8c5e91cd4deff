#pragma once

#include "common/IngredientSet.h"
#include "common/ListEntry.h"
#include "common/SubstituteFile.h"

#include <utility>
#include <vector>

// The substitutes file resolved against the ingredient names: pairs of numbers (wanted, stand-in).
class Substitutes {
public:
    // Names are matched without regard to case; a rule naming an unknown ingredient is left out and
    // reported (with the file's own problems) in `problems`, when given.
    static Substitutes resolve(const SubstituteFile& file, const QList<ListEntry>& ingredients,
                               QList<SubstituteFile::Problem>* problems = nullptr);

    void add(int wanted, int standIn);
    bool empty() const { return m_pairs.empty(); }
    // `at` plus every ingredient one of whose stand-ins is in `at`. One level only: what is covered
    // here does not in turn cover anything.
    IngredientSet cover(const IngredientSet& at) const;
    // The first stand-in for `wanted` (in the file's order) that is in `at`; 0 when none is.
    int standInFrom(int wanted, const IngredientSet& at) const;

private:
    std::vector<std::pair<int, int>> m_pairs;
};
