#pragma once

#include "common/ListEntry.h"
#include "common/Notice.h"
#include "common/ReadOnlyGate.h"
#include "editors/AmountField.h"
#include "editors/RecipeChecks.h"
#include "editors/RecipeForm.h"
#include "editors/RecipeSources.h"

// The recipe editor's state and rules (`Reditdialog`): the preparation for a new or an existing
// recipe, the choice of ingredients with their amounts, the recipe lines, the OK checks and
// `WriteRecipe`. The dialog shows what this holds and forwards the user's input.
class RecipeEditSession : public ReadOnlyGate {
public:
    static constexpr int kMaxLines = 20;
    enum class Mode { New, Edit };

    explicit RecipeEditSession(const RecipeSources& sources);
    // The settings of the moment, taken before every opening.
    void setSettings(int dashesPerCl, const QString& ownPhotosFolder, bool canrMode);

    // The choices, as the choice list refresh gives them: every ingredient (sorted, keyed by its
    // number), and the category, taste and decoration boxes with their "(keine Zuordnung)" entry.
    void setIngredients(const QList<ListEntry>& ingredients);
    void setCategories(const QList<ListEntry>& categories) { m_categories = categories; }
    void setTastes(const QList<ListEntry>& tastes) { m_tastes = tastes; }
    void setDecorations(const QList<ListEntry>& decorations);
    const QList<ListEntry>& ingredients() const { return m_ingredients; }
    const QList<ListEntry>& categories() const { return m_categories; }
    const QList<ListEntry>& tastes() const { return m_tastes; }
    const QList<ListEntry>& decorations() const { return m_decorations; }

    // The keys of the chosen category, taste and decoration (-1: "(keine Zuordnung)" or none),
    // and the choice of the same keys again after the lists were rebuilt: numbers never move, so a
    // renamed entry stays chosen and a deleted one is no longer.
    struct ChosenKeys {
        int category = -1;
        int taste = -1;
        int decoration = -1;
    };
    ChosenKeys chosenKeys() const;
    void reselect(const ChosenKeys& keys);

    // `EditNewRecipe` and `EditRecipe` up to the showing. prepareEdit throws StoreError.
    void prepareNew();
    void prepareEdit(const QString& name, int recNo);
    Mode mode() const { return m_mode; }
    int recNo() const { return m_recNo; }
    QString caption() const;
    int helpContext() const { return m_mode == Mode::New ? 2110 : 2120; }
    QString lineListLabel() const; // "Rezept:", or the record number in CANR mode
    bool canrMode() const { return m_sources.canrMode; }

    RecipeForm& form() { return m_form; }
    const RecipeForm& form() const { return m_form; }
    const QList<RecipeLine>& lines() const { return m_lines; }

    // Every showing: the first ingredient is selected and handled.
    void begin();
    // Handles a selection of `ZutatenListbox` unless it was the last handled; true when handled.
    bool selectIngredient(int index);
    int selectedIngredient() const { return m_selected; }
    // Type-ahead from `Editfeld`: selects and handles the first entry beginning with the text.
    int typeAhead(const QString& text);
    int unitKind() const { return m_kind; }
    bool amountEnabled() const;
    QString amountText() const { return m_amount; }
    AmountField::Text amountTyped(const QString& text, int caret);
    AmountField::Text stepAmount(int delta);

    // Adding and removing lines; a refusal comes back as the notice to show. removeLine gives the
    // line to select afterwards.
    std::optional<Notice> addLine();
    std::optional<Notice> removeLine(int index, int* select);

    // The record the controls describe.
    RecipeDraft draft() const;
    // OK: the name is trimmed (and written back); the notices are shown in order.
    RecipeChecks::Outcome check();
    // After OK: writes the record (new or the edited one) and returns its record number. Throws
    // StoreError; the table stays as it was and the session keeps the input.
    int WriteRecipe(bool keepMark = false);
    // The name and record number of the recipe saved last.
    QString savedName() const { return m_savedName; }
    int savedRecNo() const { return m_savedRecNo; }

private:
    static int indexOfTag(const QList<ListEntry>& entries, int tag, int from);
    static int tagAt(const QList<ListEntry>& entries, int index, int fallback);
    void clear();

    RecipeSources m_sources;
    QList<ListEntry> m_ingredients;
    QList<ListEntry> m_categories;
    QList<ListEntry> m_tastes;
    QList<ListEntry> m_decorations;
    Mode m_mode = Mode::New;
    int m_recNo = 0;
    RecipeForm m_form;
    QList<RecipeLine> m_lines;
    int m_selected = -1;
    int m_lastHandled = -5;
    int m_kind = 3;
    QString m_amount;
    QString m_savedName;
    int m_savedRecNo = 0;
};
