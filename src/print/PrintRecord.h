#pragma once

#include <QString>

#include <array>

// One record of the print table: what the reports and the text export know of one drink.
struct PrintRecord {
    static constexpr int kLines = 20;

    QString name;
    QString bild;  // photo key, recipe cards only
    QString eigen; // own photo, recipe cards only
    // Recipe cards: one ingredient line each. Drink list: Z1 and Z2 the summary lines, Z3 "*" when
    // the remark is printed.
    std::array<QString, kLines> z;
    QString s1; // category
    QString s2; // alcohol with "%"
    QString s3; // decoration
    QString s4; // taste
    QString s5; // total volume in cl
    QString memo;

    friend bool operator==(const PrintRecord&, const PrintRecord&) = default;
};
