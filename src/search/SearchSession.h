#pragma once

#include "common/Notice.h"
#include "common/Result.h"
#include "search/DrinkTraits.h"
#include "search/FullTextQuery.h"
#include "search/NumberText.h"
#include "search/RecipeTextIndex.h"
#include "search/SearchChoices.h"
#include "search/SearchForm.h"
#include "store/SavedSearchTexts.h"
#include "store/SearchCriteria.h"

#include <QStringList>

#include <optional>

struct AppState;
class TApollo;

// The search dialog's state and rules without the window: the controls as data, the criteria
// record shown at opening, OK's checks, "  &Reset", `SetzeKriterium`, the ingredients for
// "  &Info", loading and saving the ten saved searches of the shared state, and the filter the
// criteria build.
class SearchSession {
public:
    static QString alcoholRangeNotice() {
        return QStringLiteral("Bitte geben Sie einen Alkoholwert zwischen 0 und 99 ein.");
    }
    static QString minimumAboveMaximumNotice() {
        return QStringLiteral("Der minimale Alkoholwert ist größer als der maximale!");
    }
    static constexpr int kAlcoholNoticeLines = 2;
    static QString noIngredientsNotice() {
        return QStringLiteral("Es wurden noch keine Zutaten ausgewählt.");
    }
    static constexpr int kNoIngredientsLines = 1;
    static constexpr int kMaxPercent = 99;
    static constexpr int kMaxPurchases = 9;
    static constexpr int kBars = 3;

    explicit SearchSession(AppState& state);

    const SearchForm& form() const { return m_form; }
    const SearchChoices& choices() const { return m_choices; }
    // The boxes take the shared choice lists as they are now; every box keeps its choice by name
    // where the new list still holds it, else it falls back to "(keine Auswahl)".
    void refreshChoices();

    // The user's input, one control at a time.
    void setIngredient(int row, int index);
    void setAlternative(int row, int index);
    void setWithout(int row, bool without);
    void setCategory(int index);
    void setTaste(int index);
    NumberText::Edited editMinimum(const QString& text);
    NumberText::Edited editMaximum(const QString& text);
    void stepMinimum(int delta);
    void stepMaximum(int delta);
    void setPurchases(const QString& text) { m_form.purchases = text; }
    void stepPurchases(int delta);
    void setMarkedOnly(bool on) { m_form.markedOnly = on; }
    void setOwnOnly(bool on) { m_form.ownOnly = on; }
    void setHomeBarOnly(bool on) { m_form.homeBarOnly = on; }
    void setBar(int bar);
    void setFullText(const QString& text) { m_form.fullText = text.left(SavedSearchTexts::kMaxText); }
    // The second page: an entry of DrinkTraits::preparationNames() or glassNames(), "ohne" a mark.
    void setPreparation(int index);
    void setGlass(int index);
    // 0 ("egal") to 5: the least number of the user's stars.
    void setMinStars(int stars);
    void setFreeOf(IngredientMarks::Mark mark, bool on) { m_form.traits.freeOf[size_t(mark)] = on; }

    // Showing the dialog: the boxes from the shared choice lists, the home bar choice from the
    // options, then the controls become the current criteria record.
    void begin();
    // OK: the home bar choice goes to the options and the purchases to the shared state, even when
    // an impossible alcohol range is refused and the dialog stays open.
    Result confirm();
    // Closed other than with OK: the controls go back to the criteria shown at opening.
    void cancelled() {
        SetzeKriterium(m_current);
        m_form.fullText = m_currentFullText;
        m_form.traits = m_currentTraits;
    }
    const SearchCriteria& current() const { return m_current; }

    void Reset();
    void SetzeKriterium(const SearchCriteria& criteria);
    // Every field of the record except its name.
    void storeInto(SearchCriteria& criteria) const;
    // "  &Info": the chosen ingredients, row 1 first, row 1 alternative, row 2 first, and so on.
    QList<ListEntry> infoIngredients() const;
    // The notice "  &Info" gives when no ingredient is chosen.
    std::optional<Notice> infoNotice() const;

    SearchFilter::Terms terms() const;
    QString expression() const { return SearchFilter::build(terms()); }
    int purchases() const { return qMax(0, NumberText::plainValue(m_form.purchases)); }
    // What the filter expression cannot say, tested while the list fills: the full text (also over
    // the names of each drink's ingredients, category, taste and decoration) and the second page's
    // criteria. Empty when neither is set. The full text is answered from the session's index of
    // `recipes`, brought up to date now.
    RecipeRecordTest recordTest(TApollo& recipes) const;
    // The second page as the test applies it, the marks resolved against the ingredients as they are
    // now.
    DrinkTraits traits() const;

    // The line under the "ohne" boxes: what the marks are, or that the file is missing.
    QString marksNote() const;
    // The lines of MERKMALE.TXT the search passes by (unreadable, or naming no ingredient), said once
    // a run: when the second page is shown, or at OK (`confirming`) with an "ohne" box ticked.
    // Nothing when the file reads cleanly.
    std::optional<Notice> marksNotice(bool confirming);
    static QString fullTextNotSavedNotice(const QString& path) {
        return QStringLiteral("Der Volltext der Suche konnte nicht gespeichert werden:\r") + path;
    }
    static constexpr int kFullTextNotSavedLines = 2;

    // What OK would list now (criteria, the home bar rule with the bar and purchases shown, the full
    // text); nothing while the alcohol range is one OK refuses. Throws StoreError.
    std::optional<int> liveCount(TApollo& recipes) const;
    static QString countText(int count) {
        return QString::number(count) + (count == 1 ? QStringLiteral(" Drink") : QStringLiteral(" Drinks"));
    }

    // The ten saved searches (slot 0..9).
    QStringList slotNames() const;
    void loadSlot(int slot);
    // Loading takes the slot's full text from SUCHTEXT.CFG as well.
    // Saves the controls under the name (leading and trailing spaces stripped, cut to 70
    // characters); nothing changes when no name is left. Refused while started read-only. The full
    // text goes to SUCHTEXT.CFG at once; when that file cannot be written, the search is saved
    // without it and the refusal says so.
    Result saveSlot(int slot, const QString& name);
    // What a saved search names that no choice holds (a deleted ingredient, a category without its
    // lists file), each as "Kategorie „Tiki“"; loading leaves those criteria out. Alternatives the
    // search ignores anyway are not counted.
    QStringList unknownNames(int slot) const;

private:
    // The notice OK gives for an impossible alcohol range; none for a possible one.
    std::optional<Notice> rangeNotice() const;
    // The entry of that name (compared as the record keeps it, letter case aside); -1 when none.
    static int findByName(const QList<ListEntry>& entries, const QString& name, int capacity);
    // The same, with "(keine Auswahl)" for no name or an unknown one.
    static int indexByName(const QList<ListEntry>& entries, const QString& name, int capacity);
    static int clampedIndex(const QList<ListEntry>& entries, int index);
    QString entryText(const QList<ListEntry>& entries, int index) const;
    int entryKey(const QList<ListEntry>& entries, int index) const;
    void selectByNames(const SearchCriteria& criteria);

    AppState& m_state;
    SearchChoices m_choices;
    SearchForm m_form;
    SearchCriteria m_current;
    QString m_currentFullText;
    SearchForm::Traits m_currentTraits;
    bool m_marksReported = false;
    mutable RecipeTextIndex m_textIndex; // kept between searches: only what was written is read again
};
