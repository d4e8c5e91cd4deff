#pragma once

#include "browser/ListEntry.h"

// What the search dialog's choice boxes offer, each list beginning with "(keine Auswahl)": the
// ingredient names carrying their numbers, the categories sorted by name and the tastes in list
// order, both carrying their 0-based list positions.
struct SearchChoices {
    QList<ListEntry> ingredients;
    QList<ListEntry> categories;
    QList<ListEntry> tastes;
};
