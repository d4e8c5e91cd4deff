#pragma once

#include "common/ListEntry.h"

#include <string>

// The order of every sorted list of the program, our own and independent of the system locale.
// Texts are compared level by level; a later level counts only where all earlier ones agree:
//  1. letters without regard to case or accents, German style: ä sorts with a, ö with o, ü with u,
//     ß as ss (also æ as ae, œ as oe, þ as th, the other accented Latin letters as their base
//     letter); blanks before other signs, signs (by code point) before digits, digits before the
//     letters a to z, other letters last; hyphens and apostrophes are skipped, as a system list
//     box skips them;
//  2. accents: the plain letter before the accented one ("Muller" before "Müller");
//  3. case: lower case before upper case;
//  4. the texts themselves, code unit by code unit, so that different texts never compare equal.
// Equal texts keep the order in which they were added.
class ListCollation {
public:
    using Key = std::u32string;

    static Key sortKey(const QString& text);
    static bool lessThan(const QString& a, const QString& b);
    // Stable: entries with equal texts keep their order.
    static void sort(QList<ListEntry>& entries);
    // Inserts behind every entry that does not sort after it; returns the new entry's index.
    static int insertSorted(QList<ListEntry>& entries, const ListEntry& entry);
};
