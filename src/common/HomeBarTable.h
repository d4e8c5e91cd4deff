#pragma once

#include "common/IngredientSet.h"

#include <QList>
#include <QString>

#include <array>

class TApollo;

// The three home bars in memory: one flag per ingredient number 0..1500 and bar, mirrored from the
// ingredient fields H1..H3. Numbers outside 0..1500 and bars outside 1..3 are in no bar; they never
// index past the table.
class HomeBarTable {
public:
    static constexpr int kBars = 3;
    static constexpr int kMaxNumber = 1500;

    // The mixable test with the bar and permitted purchases of a search.
    // The set is taken once, so a list fill tests each recipe against it without looking anything up.
    struct Test {
        IngredientSet present;
        int purchases = 0;
        bool keeps(const QList<int>& numbers) const { return Mixable(numbers, present, purchases); }
    };

    static QString fieldName(int bar); // "H1", "H2", "H3"

    bool contains(int bar, int number) const;
    void set(int bar, int number, bool inBar);
    void clearNumber(int number);
    void clear();
    int count(int bar) const;

    // Takes the flags of the ingredient the table stands on.
    void takeFlags(const TApollo& ingredients);
    // Refills the table from every visible ingredient record, with fast reading for the pass.
    void fill(TApollo& ingredients);

    // A recipe (its ingredient numbers, or its packed field `Z`) is mixable from bar b when at most
    // `purchases` of its ingredients are missing from the bar (k >= n - p).
    bool Mixable(const QString& z, int bar, int purchases) const;
    // The same test against any set of ingredients at hand.
    static bool Mixable(const QList<int>& numbers, const IngredientSet& present, int purchases);
    static bool Mixable(const QString& z, const IngredientSet& present, int purchases);

    // The ingredients of bar b as a set (empty for a bar outside 1..3).
    IngredientSet present(int bar) const;
    Test test(int bar, int purchases) const { return Test{present(bar), purchases}; }

private:
    static bool validNumber(int number) { return number >= 0 && number <= kMaxNumber; }
    static bool validBar(int bar) { return bar >= 1 && bar <= kBars; }

    std::array<std::array<bool, kMaxNumber + 1>, kBars> m_flags{};
};
