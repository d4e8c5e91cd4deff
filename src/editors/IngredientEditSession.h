#pragma once

#include "common/Notice.h"
#include "editors/IngredientForm.h"

#include <QList>

class TApollo;

// The ingredient editor's state and rules (`ZutatEditDialog`): the preparation for a new or an
// existing ingredient, the alcohol field, and OK with its checks and its three results.
class IngredientEditSession {
public:
    enum class Mode { New, Edit };
    struct Outcome {
        QList<Notice> notices;
        bool accepted = false; // closes with OK: something was changed
        bool changed = false;  // name, alcohol, unit or remark
        bool printFlagChanged = false;
        bool priceChanged = false;
        bool recomputeAlcohol = false;
    };

    explicit IngredientEditSession(TApollo& ingredients) : m_ingredients(ingredients) {}

    void prepareNew();
    // The ingredient the table stands on; throws StoreError.
    void prepareEdit();
    Mode mode() const { return m_mode; }
    int number() const { return m_number; }
    QString caption() const;
    static int helpContext() { return 2160; }

    IngredientForm& form() { return m_form; }
    const IngredientForm& form() const { return m_form; }
    // Every showing: what the controls show now is the state OK compares with.
    void begin() { m_opening = m_form; }
    AlcoholField::Text alcoholTyped(const QString& text, int caret);
    AlcoholField::Text stepAlcohol(int delta);

    Outcome ok();

    // "12,99" for 1299 cents, empty for none; and back, -1 for text that is no price.
    static QString priceText(int cents);
    static int priceCents(const QString& text);
    // The "Inhalt" shown for a stored price and size: empty unless both are set.
    static QString packText(int cents, int pack);
    // The price stored: cents and pack size, both 0 without a price (valid after ok()).
    int storedPrice() const;
    int storedPack() const;
    static constexpr int kMaxPriceCents = 99999999; // `PREIS` N 8
    static constexpr int kMaxPack = 99999;          // `VOL` N 5

private:
    bool nameTaken(const QString& name) const;

    TApollo& m_ingredients;
    Mode m_mode = Mode::New;
    int m_number = 0;
    IngredientForm m_form;
    IngredientForm m_opening;
};
