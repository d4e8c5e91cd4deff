#pragma once

#include "common/ListEntry.h"

#include <QStringList>

// What the search dialog's choice boxes offer, each list beginning with "(keine Auswahl)": the
// ingredient names carrying their numbers, the categories sorted by name and the tastes in list
// order, both carrying their 0-based list positions (free slots "~" left out).
struct SearchChoices {
    QList<ListEntry> ingredients;
    QList<ListEntry> categories;
    QList<ListEntry> tastes;

    static QString noChoice() { return QStringLiteral("(keine Auswahl)"); }
    // From the shared lists: the sorted master ingredient list, the category and taste lists.
    static SearchChoices build(const QList<ListEntry>& zutatliste, const QStringList& categories,
                               const QStringList& tastes);
};
