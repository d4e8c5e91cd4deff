#pragma once

#include "common/RecipeRecord.h"

#include <QHash>

class TApollo;

// The one reader of recipe records: every window, calculation and export that needs a recipe's
// fields or its ingredients reads them here, by record number. An ingredient once looked up is
// remembered for the book's life, so make a book for one pass and drop it afterwards.
class RecipeBook {
public:
    RecipeBook(TApollo& recipes, TApollo& ingredients);

    // Goes to the record and reads it; throws StoreError. The table stays on the record. A pass
    // that has no use for the instructions skips reading the memo file.
    RecipeRecord read(int recNo, bool withMemo = true);
    // The ingredient with this number; not found for 0, a negative number or one the table lacks.
    IngredientRecord ingredient(int number);

    // For passes over many records, on the record the recipe table stands on: what a pass needs
    // without looking up ingredients.
    static QString name(const TApollo& recipes);
    static QString nameOf(const TApollo& recipes, int recNo); // any record, the cursor stays
    static QByteArray rawName(const TApollo& recipes);        // as stored, for comparisons without decoding
    static QString memo(const TApollo& recipes);
    static int alcohol(const TApollo& recipes);
    // Category and taste (1-based, 0 for none) and the decoration's record number (0 for none).
    struct Classification {
        int category = 0;
        int taste = 0;
        int decoration = 0;
    };
    static Classification classification(const TApollo& recipes);
    static QList<IngredientSlots::Line> packedLines(const TApollo& recipes);
    static QList<int> ingredientNumbers(const TApollo& recipes);
    // The numbers of a packed ingredient field, slot by slot up to the first empty or unreadable one.
    static QList<int> numbersIn(const QString& z);

private:
    TApollo& m_recipes;
    TApollo& m_ingredients;
    QHash<int, IngredientRecord> m_known;
};
