#pragma once

#include "common/IngredientMarks.h"
#include "search/SearchFilter.h"

#include <QString>

#include <array>

// The search dialog's controls as data: the selected entry of every choice box (0 is
// "(keine Auswahl)"), the texts of the number fields, the check boxes and the home bar choice.
struct SearchForm {
    static constexpr int kRows = SearchFilter::kRows;

    // The second page ("Weitere"): the entries of DrinkTraits' names (0 is "egal") and the marks a
    // drink must be free of ("ohne"), by IngredientMarks::Mark.
    struct Traits {
        int preparation = 0;
        int glass = 0;
        std::array<bool, IngredientMarks::kMarks> freeOf{};
        int minStars = 0; // at least this many of the user's stars; 0 is "egal"
        // How many of them are set.
        int count() const {
            int n = (preparation > 0 ? 1 : 0) + (glass > 0 ? 1 : 0) + (minStars > 0 ? 1 : 0);
            for (const bool on : freeOf)
                n += on ? 1 : 0;
            return n;
        }
        friend bool operator==(const Traits&, const Traits&) = default;
    };

    std::array<int, kRows> ingredient{};
    std::array<int, kRows> alternative{};
    std::array<bool, kRows> without{}; // "ohne"; the row's alternative box is disabled
    int category = 0;
    int taste = 0;
    QString minimum = QStringLiteral("0%");
    QString maximum = QStringLiteral("99%");
    QString purchases = QStringLiteral("0");
    bool markedOnly = false;
    bool ownOnly = false;
    bool homeBarOnly = false;
    int bar = 0;      // 0..2: "Hausbar Nr. 1".."Hausbar Nr. 3"
    QString fullText; // "Volltext": words the name, instructions or remark must all contain
    Traits traits;

    bool alternativeEnabled(int row) const { return !without[size_t(row)]; }
    friend bool operator==(const SearchForm&, const SearchForm&) = default;
};
