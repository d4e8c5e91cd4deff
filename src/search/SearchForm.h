#pragma once

#include "search/SearchFilter.h"

#include <QString>

#include <array>

// The search dialog's controls as data: the selected entry of every choice box (0 is
// "(keine Auswahl)"), the texts of the number fields, the check boxes and the home bar choice.
struct SearchForm {
    static constexpr int kRows = SearchFilter::kRows;

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

    bool alternativeEnabled(int row) const { return !without[size_t(row)]; }
    friend bool operator==(const SearchForm&, const SearchForm&) = default;
};
