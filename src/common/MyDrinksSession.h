#pragma once

#include "common/MyDrinks.h"
#include "common/ReadOnlyGate.h"

#include <QDate>

#include <optional>

class TApollo;

// The changes of the user's own records of a drink, as the recipe view, the journal window and
// veltadb make them: checked against the recipe table and the limits, refused while read-only.
class MyDrinksSession : public ReadOnlyGate {
public:
    MyDrinksSession(MyDrinks& drinks, TApollo& recipes) : m_drinks(drinks), m_recipes(recipes) {}

    // The drink's name; nothing for a number that names no drink (or a deleted one).
    std::optional<QString> drinkName(int recNo) const;

    Result rate(int recNo, int stars);
    // An empty text removes the note.
    Result note(int recNo, const QString& text);
    Result mixed(int recNo, int glasses, const QDate& day);

    const MyDrinks& drinks() const { return m_drinks; }

private:
    // The refusal that comes before any change of `recNo`, or its name; the records matched to the
    // recipes as they are now.
    Result check(int recNo, QString* name);

    MyDrinks& m_drinks;
    TApollo& m_recipes;
};
