#pragma once

#include "common/ListEntry.h"
#include "common/Notice.h"
#include "common/ReadOnlyGate.h"

#include <optional>

class TApollo;

// The recipe list editor's state and rules (`RListeDialog`): every recipe by name with its record
// number, the changed flag, the limit on new recipes and the deletion that keeps record numbers.
class RecipeListSession : public ReadOnlyGate {
public:
    static constexpr int kMaxRecipes = 5000;

    explicit RecipeListSession(TApollo& recipes) : m_recipes(recipes) {}

    // Reads every recipe (deleted ones hidden), sorted by name; nothing when the table cannot be
    // locked.
    void build();
    const QList<ListEntry>& entries() const { return m_entries; }

    // Cleared on every showing, set by every stored change.
    void begin() { m_changed = false; }
    bool changed() const { return m_changed; }
    void setChanged() { m_changed = true; }

    static bool canCreate(int recipeTotal) { return recipeTotal < kMaxRecipes; }
    // After the recipe editor stored a new recipe: its entry at its sorted place (returned).
    int added(const QString& name, int recNo);
    // After the recipe editor stored a changed recipe: the entry keeps its place with the new text.
    void renamed(int index, const QString& name);

    // The question before deleting the entry; nothing when there is nothing to delete (no
    // selection, or the last recipe).
    std::optional<Notice> deleteQuestion(int index) const;
    // Marks the record deleted and removes its entry; returns the entry to select (the first).
    // The record number is never given to another recipe. Throws StoreError.
    int deleteRecipe(int index);

    // The main window's `RecipeSaved`: a new recipe is added, a changed one is found by its record
    // number (or its old name) and moves to its new sorted place. Returns its index.
    int recipeSaved(bool isNew, const QString& oldName, const QString& newName, int recNo);

private:
    TApollo& m_recipes;
    QList<ListEntry> m_entries;
    bool m_changed = false;
};
