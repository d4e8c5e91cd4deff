#pragma once

#include "common/RecipeRecordTest.h"

#include <QHash>
#include <QStringList>

class Aliases;
class Catalogue;
class MyDrinks;
class RecipeTextIndex;

// The search's full text ("Volltext"): a drink matches when its name, its other names, instructions,
// remark, the user's own note or the names of its ingredients (with their other names), category,
// taste and decoration contain every word given, in any order,
// folded as the type-ahead folds (letter case, accents, ß and umlauts typed as ae, oe, ue do not
// count). Words are separated by blanks. A word also matches where a compound drops its last letters
// ("Minze" finds "Minzblätter", "Erdbeeren" finds "Erdbeersirup"): see `stem`.
class FullTextQuery {
public:
    // What a drink's numbers stand for.
    struct Names {
        QHash<int, QString> ingredients; // by ingredient number, with the ingredient's other names
        QStringList categories;          // by list position; the record keeps position + 1
        QStringList tastes;
        QHash<int, QString> decorations; // by record number
        QHash<QString, QString> drinks;  // a drink's other names, by its case-folded name
        QHash<int, QString> notes;       // the user's notes, by record number
        static Names of(const Catalogue& catalogue, const Aliases& aliases, const MyDrinks* own = nullptr);
    };

    explicit FullTextQuery(const QString& text, Names names = {});

    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList& words() const { return m_words; }
    const QStringList& stems() const { return m_stems; } // one per word: what is looked for
    const Names& names() const { return m_names; }
    // The rule on one drink's texts. `more`: further names of the drink (ingredients, category,
    // taste, decoration).
    bool matches(const QString& name, const QString& memo, const QStringList& more = {}) const;
    // The test on the record the recipe table stands on, answered from the index brought up to date
    // now; empty when no word is given.
    RecipeRecordTest recordTest(RecipeTextIndex& index, TApollo& recipes) const;

    // A folded word without the ending a compound drops ("en", "n" or "e"), when at least four
    // letters remain; otherwise the word itself.
    static QString stem(const QString& folded);

private:
    QStringList m_words; // folded
    QStringList m_stems; // folded, one per word
    Names m_names;
};
