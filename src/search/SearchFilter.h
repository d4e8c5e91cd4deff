#pragma once

#include <QString>

#include <array>

// The xBase filter expression of a search, built from the numbers its criteria carry: ingredient
// numbers of the four rows, list positions of category and taste, the alcohol range and the two
// recipe flags. Clauses are joined by " .AND. " in a fixed order.
class SearchFilter {
public:
    static constexpr int kRows = 4;
    static constexpr int kNoAlcoholClause = 101; // a minimum of 100 or more builds no ALK clause

    struct Row {
        int ingredient = 0;  // 0: "(keine Auswahl)", the row adds nothing
        int alternative = 0; // 0: none; ignored when the row says "ohne"
        bool without = false;
    };
    struct Terms {
        std::array<Row, kRows> rows{};
        int categoryPosition = -1; // 0-based list position; -1: no category chosen
        int tastePosition = -1;
        int minimumAlcohol = kNoAlcoholClause;
        int maximumAlcohol = 99;
        bool markedOnly = false;
        bool ownOnly = false;
    };

    // The number right-aligned in five characters, the form the recipe field Z lists it in; a
    // number of 0 or less gives the empty code.
    static QString ingredientCode(int number);
    // The expression; empty when no criterion is set.
    static QString build(const Terms& terms);

private:
    static QString rowClause(const Row& row);
};
