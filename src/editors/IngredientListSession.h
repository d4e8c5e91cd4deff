#pragma once

#include "common/ListEntry.h"
#include "common/ReadOnlyGate.h"
#include "editors/IngredientEditSession.h"
#include "editors/Verdict.h"

class TApollo;

// The ingredient list's state and rules (`ZutatenListeDialog`): every ingredient by name with its
// number, the changed flag, new numbers from 400 on, storing an ingredient, and the checks before
// an ingredient is changed or deleted.
class IngredientListSession : public ReadOnlyGate {
public:
    static constexpr int kMaxIngredients = 1500;
    static constexpr int kFirstOwnNumber = 400;
    static constexpr int kHighestNumber = 1500; // what the home bars know

    IngredientListSession(TApollo& ingredients, TApollo& recipes);

    void setEntries(const QList<ListEntry>& entries) { m_entries = entries; }
    TApollo& ingredients() { return m_ingredients; }
    TApollo& recipes() { return m_recipes; }
    const QList<ListEntry>& entries() const { return m_entries; }
    void begin() { m_changed = false; }
    bool changed() const { return m_changed; }

    // The number a new ingredient gets: the highest existing one + 1, at least 400.
    int nextNumber();
    // "&Neu": nothing at 1500 ingredients; a notice when the next number would not fit the home
    // bars.
    Verdict newVerdict();
    // After the editor closed with OK on a new ingredient: stores it and adds its entry; returns
    // the entry's index. Throws StoreError (the table stays as it was).
    int storeNew(const IngredientForm& form);

    // "&Bearbeiten": positions the ingredient table on the entry's ingredient; false when it is
    // gone.
    bool seek(int index);
    // After the editor closed with OK: whether to store, given the number of recipes that use the
    // ingredient (asked only when something other than the print flag changed and N >= 1).
    static Verdict editVerdict(const IngredientEditSession::Outcome& outcome, int usage);
    // Stores the edited ingredient (the one the table stands on) and renames the entry in place.
    void storeEdit(int index, const IngredientForm& form);

    // "&Löschen" before the usage count: a notice, or nothing to do, or go on.
    Verdict deletePrecheck(int index) const;
    Verdict deleteVerdict(int index, int usage) const;
    // Marks the ingredient's record deleted and removes the entry; returns the entry to select.
    int deleteEntry(int index);

    static QString usageWaitText() {
        return QStringLiteral("Es wird geprüft, ob es Getränke gibt, die diese Zutat benötigen.");
    }

private:
    void write(const IngredientForm& form, bool isNew);

    TApollo& m_ingredients;
    TApollo& m_recipes;
    QList<ListEntry> m_entries;
    bool m_changed = false;
};
