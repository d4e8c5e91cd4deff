#pragma once

#include "common/ListEntry.h"
#include "reference/IngredientFacts.h"
#include "reference/LexiconArticle.h"

#include <array>

struct AppState;
class TApollo;

// The bar lexicon's state and rules: the sorted lists of terms, ingredients and decorations with
// the entry selected on each (kept between openings), the details of the selection and what the
// clipboard command copies.
class LexiconSession {
public:
    enum Page { Terms = 0, Ingredients = 1, Decorations = 2 };
    static constexpr int kPages = 3;

    LexiconSession(AppState& state, TApollo& terms, TApollo& ingredients, TApollo& decorations);

    // Opening: the term list is read the first time only (terms do not change while the program
    // runs); the ingredients come from the shared choices and the decorations from their table, so
    // both follow every edit. A selected entry stays selected while its key is still listed; each
    // list that is not empty and has no selection selects its first entry. Throws StoreError.
    void begin();
    // Every record's `NAME` with its record number, sorted; read with the table locked and fast
    // reading on. Empty when the lock is refused.
    static QList<ListEntry> readNames(TApollo& table);

    const QList<ListEntry>& entries(Page page) const { return m_lists[page]; }
    int selected(Page page) const { return m_selected[page]; }
    void select(Page page, int index);
    // The first entry whose name begins with the text, case and accents not counting; -1 when none.
    int typeAhead(Page page, const QString& text) const;

    Page page() const { return m_page; }
    void setPage(Page page) { m_page = page; }

    // Details of the selected entry; empty without a selection or when its record is gone.
    std::optional<LexiconArticle> term() const;
    std::optional<IngredientFacts> ingredient() const;
    std::optional<LexiconArticle> decoration() const;
    // "Zwischenablage": the details of the page shown; empty when there are none.
    QString clipboardText() const;

private:
    void setList(Page page, const QList<ListEntry>& entries);
    int selectedKey(Page page) const;
    LexiconArticle::Folders folders() const;

    AppState& m_state;
    TApollo& m_terms;
    TApollo& m_ingredients;
    TApollo& m_decorations;
    bool m_termsRead = false;
    std::array<QList<ListEntry>, kPages> m_lists;
    std::array<int, kPages> m_selected{-1, -1, -1};
    Page m_page = Terms;
};
