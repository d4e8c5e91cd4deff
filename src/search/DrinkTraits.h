#pragma once

#include "common/GlassStrength.h"
#include "common/RecipeRecordTest.h"
#include "common/ServingGlass.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

class RecipeTextIndex;

// The search's further criteria, read from what a drink is rather than from its record's fields: how
// it is made and the glass it is served in (both read from its instructions, as the "Im Glas" line
// reads the method), and the ingredients it must not hold (those MERKMALE.TXT marks). A criterion
// left at "egal" keeps every drink.
struct DrinkTraits {
    std::optional<GlassStrength::Preparation> preparation;
    std::optional<ServingGlass::Kind> glass;
    QSet<int> avoided; // ingredient numbers

    bool any() const { return preparation || glass || !avoided.isEmpty(); }
    // `preparation` may be left out while no criterion asks for it.
    bool keeps(std::optional<GlassStrength::Preparation> preparation, std::optional<ServingGlass::Kind> glass,
               const QList<int>& ingredientNumbers) const;
    // The test on the record the recipe table stands on, answered from the index brought up to date
    // now; empty when no criterion is set.
    RecipeRecordTest recordTest(RecipeTextIndex& index, TApollo& recipes) const;

    // What the boxes offer, "egal" first, then in the order of the enumerations: the words are also
    // those SUCHTEXT.CFG keeps.
    static QString noPreference() { return QStringLiteral("egal"); }
    static QStringList preparationNames();
    static QStringList glassNames();
};
