#pragma once

#include "common/GlassStrength.h"
#include "common/RecipeRecordTest.h"
#include "common/ServingGlass.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

class RecipeTextIndex;

// The search's further criteria, read from what a drink is rather than from its record's fields: how
// it is made and the glass it is served in (both read from its instructions, as the "Im Glas" line
// reads the method), the ingredients it must not hold (those MERKMALE.TXT marks) and the user's own
// stars (MEINE.TXT). A criterion left at "egal" keeps every drink.
struct DrinkTraits {
    std::optional<GlassStrength::Preparation> preparation;
    std::optional<ServingGlass::Kind> glass;
    QSet<int> avoided; // ingredient numbers
    int minStars = 0;
    QHash<int, int> stars; // the user's stars by record number

    bool any() const { return preparation || glass || !avoided.isEmpty() || minStars > 0; }
    // `preparation` may be left out while no criterion asks for it.
    bool keeps(std::optional<GlassStrength::Preparation> preparation, std::optional<ServingGlass::Kind> glass,
               const QList<int>& ingredientNumbers, int recNo = 0) const;
    // The test on the record the recipe table stands on, answered from the index brought up to date
    // now; empty when no criterion is set.
    RecipeRecordTest recordTest(RecipeTextIndex& index, TApollo& recipes) const;

    // What the boxes offer, "egal" first, then in the order of the enumerations: the words are also
    // those SUCHTEXT.CFG keeps.
    static QString noPreference() { return QStringLiteral("egal"); }
    static QStringList preparationNames();
    static QStringList glassNames();
    // "egal", "mindestens 1 Stern", "mindestens 2 Sterne" … "5 Sterne"
    static QStringList starNames();
};
