#pragma once

#include "common/AliasFile.h"
#include "common/TypeAhead.h"

#include <QHash>
#include <QStringList>

// The other names of drinks and ingredients (the file ALIAS.TXT), as the searches and the recipe view
// ask for them. A rule whose name is no drink or ingredient simply finds nothing.
class Aliases {
public:
    Aliases() = default;
    explicit Aliases(const AliasFile& file);
    // The file of a data folder, found whatever the case of its name; no aliases without one.
    static Aliases ofFolder(const QString& dataFolder);

    // The other names of a drink or an ingredient as the file spells them, in its order; the name
    // is compared without regard to letter case.
    QStringList ofDrink(const QString& name) const { return m_drinks.value(name.trimmed().toCaseFolded()); }
    QStringList ofIngredient(const QString& name) const {
        return m_ingredients.value(name.trimmed().toCaseFolded());
    }
    // The name of the ingredient a word people say stands for ("limejuice" → "Limettensaft"); the
    // word folded with TextFold::fold. Empty when the file gives it to no ingredient; an ingredient's
    // own name is the caller's to match.
    QString ingredientFor(const QString& foldedWord) const { return m_ingredientFor.value(foldedWord); }
    // The drinks' other names for the quick search.
    const QList<TypeAhead::OtherName>& drinkNames() const { return m_drinkNames; }

private:
    QHash<QString, QStringList> m_drinks;      // by case-folded name
    QHash<QString, QStringList> m_ingredients; // by case-folded name
    QHash<QString, QString> m_ingredientFor;   // by folded other name; the first rule counts
    QList<TypeAhead::OtherName> m_drinkNames;
};
