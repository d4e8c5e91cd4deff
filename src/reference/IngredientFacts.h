#pragma once

#include "common/ListEntry.h"

#include <optional>

class TApollo;

// What the ingredient table says about one ingredient: the texts of `Namelabel`, `Prozentlabel`
// and `Ausgabememo` in the ingredient info windows and on the lexicon's ingredient page.
struct IngredientFacts {
    QString name;
    QString percent; // `ALKOHOL` followed by "%"
    QString remark;  // `KOMMENTAR`, empty when there is none

    // Empty when no ingredient has the number.
    static std::optional<IngredientFacts> read(TApollo& ingredients, int number);

    // "Zwischenablage": name, a blank, the percentage, an empty line, the remark.
    QString clipboardText() const;
    static QString copiedText() { return QStringLiteral("Der Text wurde in die Zwischenablage kopiert."); }
};
