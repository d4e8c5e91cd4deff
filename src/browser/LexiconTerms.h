#pragma once

#include "common/ListEntry.h"

#include <QStringList>

// A list of names searched by the recipe view, letter case ignored: the bar lexicon's terms
// (`FachListbox`) or its ingredient names (`HListbox`), in list order.
class LexiconTerms {
public:
    LexiconTerms() = default;
    explicit LexiconTerms(const QStringList& names);
    static LexiconTerms fromEntries(const QList<ListEntry>& entries);

    int size() const { return int(m_lower.size()); }
    // Position of the first name that begins with the text; -1 when none.
    int firstBeginningWith(const QString& text) const;
    // Position of the first non-empty name that the text begins with; -1 when none.
    int firstPrefixOf(const QString& text) const;

    // The word as marking looks it up: lower case; a word of more than 3 characters loses a final
    // ",", ".", ";" or "n" ("Limetten," is looked up as "limetten", "Limetten" as "limette").
    static QString markingKey(const QString& word);
    // The clicked word as its look-up uses it: a word of more than 2 characters loses a final ",",
    // ".", ";", "N" or "n", then blanks are trimmed and it is lower-cased. Shorter words give an empty
    // key: they are not looked up.
    static QString clickKey(const QString& word);

private:
    QStringList m_lower;
};
