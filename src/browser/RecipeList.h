#pragma once

#include "common/ListEntry.h"
#include "common/RecipeRecordTest.h"
#include "common/TypeAhead.h"

#include <functional>

class TApollo;

// The main window's list of drinks (`HauptListBox`): the trimmed recipe names, each carrying its
// physical record number, in the order of ListCollation. The selection stays with the list box;
// the operations here take and return entry indices.
class RecipeList {
public:
    static constexpr int kSearchFieldLength = 30; // `HauptEdit` accepts at most 30 characters

    const QList<ListEntry>& entries() const { return m_entries; }
    int ListedCount() const { return int(m_entries.size()); }
    QList<int> recordNumbers() const;
    int indexOfRecord(int recNo) const; // -1 when not listed

    // Which recipes the list keeps, by their packed ingredient field `Z` (the home bar rule).
    using KeepRecipe = std::function<bool(const QList<int>& ingredientNumbers)>;
    // Rebuilds the list from what the recipe table shows now; the caller applies its filter before
    // and lifts it afterwards. Hiding of deleted records is switched on and fast reading is on for
    // the pass. With a keep predicate only the recipes it keeps are listed, with a record test only
    // those that also pass it. The first entry (index 0) is the one to select afterwards.
    void fill(TApollo& recipes, const KeepRecipe& keep = {}, const RecipeRecordTest& alsoKeep = {});
    // After a fill: "Suchkriterien &aufheben" is enabled when the list holds another number of
    // recipes than the table. The fill never disables it.
    bool enablesCancelSearch(int recipeTotal) const { return ListedCount() != recipeTotal; }

    // Quick search: the entry to select for the text of `HauptEdit`, searched from the second entry
    // onwards and wrapping around to the first, with the type-ahead's fallbacks (the drinks' other
    // names first) when no name begins with the text; index -1 leaves the selection as it is (also
    // for an empty text: clearing the field keeps the drink selected).
    TypeAhead::Found QuickSearch(const QString& text,
                                 const QList<TypeAhead::OtherName>& otherNames = {}) const;

    // `AnzLabel`: "1 Rezept", otherwise the count followed by " Rezepte".
    static QString CountLabelText(int count);
    QString CountLabelText() const { return CountLabelText(ListedCount()); }

    // The list part of `RecipeSaved`: a new recipe is added; a changed one loses its selected entry
    // and is added again under its new name. Returns the index of the entry to select.
    int RecipeSaved(bool isNew, int selected, const QString& newName, int recNo);
    // The same for the other sorted lists holding recipe names (recipe list editor, blood alcohol
    // assistant): a changed recipe's entry is found by its old name, letter case ignored, preferring
    // the entry that carries its record number; it is removed when found. Returns the new index.
    static int RecipeSavedIn(QList<ListEntry>& list, bool isNew, const QString& oldName,
                             const QString& newName, int recNo);

    // A recipe deleted by the recipe list editor leaves the list.
    void removeAt(int index);

private:
    // Every record of the table in list order; rebuilt only when the table changed since, so that
    // a fill sorts nothing and decodes no name.
    const QList<ListEntry>& collated(TApollo& recipes);

    QList<ListEntry> m_entries;
    QList<ListEntry> m_collated;
    quint64 m_collatedStamp = 0;
};
