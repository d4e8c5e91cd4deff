#pragma once

#include "common/RecipeRecordTest.h"

#include <QStringList>

// The search's full text ("Volltext"): a drink matches when its name, instructions or remark
// contain every word given, in any order, folded as the type-ahead folds (letter case, accents, ß
// and umlauts typed as ae, oe, ue do not count). Words are separated by blanks.
class FullTextQuery {
public:
    explicit FullTextQuery(const QString& text);

    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList& words() const { return m_words; }
    bool matches(const QString& name, const QString& memo) const;
    // The test on the record the recipe table stands on; empty when no word is given.
    RecipeRecordTest recordTest() const;

private:
    QStringList m_words; // folded
};
