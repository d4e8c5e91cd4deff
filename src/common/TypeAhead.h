#pragma once

#include "common/ListEntry.h"

// The searches a list box offers its type-ahead field: letter case, accents and ß ignored, umlauts
// typed as a, o, u or ae, oe, ue (see TextFold).
class TypeAhead {
public:
    // The first entry after `startAfter` whose text begins with the prefix, wrapping around to the
    // first entry; -1 when none does. -1 for startAfter searches from the first entry. Every text
    // begins with the empty prefix.
    static int find(const QList<ListEntry>& entries, const QString& prefix, int startAfter = -1);
    // The first entry whose whole text equals the text, letter case ignored (accents count: this
    // finds a name again, it is no type-ahead); -1 when none.
    static int findExact(const QList<ListEntry>& entries, const QString& text);
};
