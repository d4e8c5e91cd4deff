#pragma once

#include "common/ListEntry.h"

// The lexicon's type-ahead: the first entry that begins with the typed text, where letter case and
// accents do not count ("apfel" finds "Äpfel", "strasse" finds "Straße").
class FoldedTypeAhead {
public:
    // Lower case without accents; ß, æ, œ and þ become "ss", "ae", "oe" and "th".
    static QString fold(const QString& text);
    // -1 when no entry begins with the text.
    static int find(const QList<ListEntry>& entries, const QString& text);
};
