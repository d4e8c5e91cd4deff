#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Finds the ingredient a recipe file means by the name it writes: "Weißer Rum", "weisser rum",
// "fresh lime juice, squeezed", "Limetten", "simple syrup". Tried in this order, each first with
// the name as written, then without notes (brackets, what follows a comma, "zum Auffüllen"), words
// such as "fresh" or "frisch gepresst" and a plural ending:
//  1. an ingredient of that name, letter case and accents ignored (TextFold);
//  2. the other names the user gave ingredients (aliases), once they are plugged in;
//  3. the English names of the bar glossary (BarGlossary), where its ingredient exists.
class IngredientMatcher {
public:
    struct Ingredient {
        int number = 0;
        int kind = 0; // UnitKind
        int alcohol = 0;
        QString name;
    };
    struct Match {
        Ingredient ingredient;
        double perPiece = 1.0; // how much of the ingredient one piece of the line is
    };
    // The name of the ingredient another name stands for, or empty.
    using Aliases = std::function<QString(const QString& name)>;

    // The first ingredient of a name wins; `alsoAs`: other names it is to be found by.
    void add(const Ingredient& ingredient, const QStringList& alsoAs = {});
    void setAliases(Aliases aliases) { m_aliases = std::move(aliases); }
    std::optional<Match> find(const QString& name) const;

    // The name a new ingredient gets for a written name: without what follows a comma or the
    // words that say how it is used ("zum Auffüllen", "to top"), at most `length` characters.
    static QString newName(const QString& written, int length);
    // The written name folded and without notes and words such as "fresh": what the glossary knows.
    static QString plainKey(const QString& written);

private:
    const Ingredient* exact(const QString& folded) const;
    std::optional<Match> lookUp(const QString& folded, const QString& written) const;

    QHash<QString, Ingredient> m_byName; // by folded name
    Aliases m_aliases;
};
