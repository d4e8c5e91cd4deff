#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The file of other names as the user writes it (Windows-1252 text, one rule a line):
//   # comment
//   Drink: Garibaldi = Campari Orange, Campari-O     other names of a drink of the recipe list
//   Zutat: Limettensaft = Limejuice, Lime Juice       words people say for an ingredient
// Names on the left are those of the recipe list or the ingredient table, letter case ignored. A line
// that cannot be read is skipped and reported with its number; the rest of the file still counts.
class AliasFile {
public:
    enum class Kind { Drink, Ingredient };
    struct Rule {
        int line = 0;
        Kind kind = Kind::Drink;
        QString name;  // as the list has it
        QString alias; // as the user wrote it
        friend bool operator==(const Rule&, const Rule&) = default;
    };
    struct Problem {
        int line = 0;
        QString text;
        friend bool operator==(const Problem&, const Problem&) = default;
    };

    static QString fileName() { return QStringLiteral("ALIAS.TXT"); }

    static AliasFile parse(const QString& text);
    // A missing or unreadable file gives no rules and no problems: nothing has another name.
    static AliasFile load(const QString& path);

    const QList<Rule>& rules() const { return m_rules; }
    const QList<Problem>& problems() const { return m_problems; }

    // The file's own problems and, once per line, a rule that names no drink or ingredient of these
    // lists, an other name that is itself a name of its list, or an other name the file already gave
    // to another drink or ingredient; by line.
    QList<Problem> check(const QStringList& drinks, const QStringList& ingredients) const;

private:
    void parseLine(int line, const QString& text);

    QList<Rule> m_rules;
    QList<Problem> m_problems;
};
