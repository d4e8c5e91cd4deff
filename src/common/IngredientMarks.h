#pragma once

#include "common/ListEntry.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The file that marks ingredients for the search's "ohne" criteria, as the user writes it
// (Windows-1252 text, one rule a line):
//   # comment
//   Nüsse: Mandelsirup (Orgeat), Amaretto      the mark, then the ingredients that carry it
// The marks are "Ei" (raw egg), "Milch" (milk and cream), "Nüsse" and "Gluten", in any letter case
// and with the umlaut also spelled out ("Nuesse"); names on the right are those of the ingredient table,
// letter case ignored. A line that cannot be read is skipped and reported with its number; the rest still
// counts.
class IngredientMarks {
public:
    enum class Mark { Egg, Dairy, Nuts, Gluten };
    static constexpr int kMarks = int(Mark::Gluten) + 1;

    struct Rule {
        int line = 0;
        Mark mark = Mark::Egg;
        QString name; // as the user wrote it
        friend bool operator==(const Rule&, const Rule&) = default;
    };
    struct Problem {
        int line = 0;
        QString text;
        friend bool operator==(const Problem&, const Problem&) = default;
    };

    static QString fileName() { return QStringLiteral("MERKMALE.TXT"); }

    static IngredientMarks parse(const QString& text);
    // A missing or unreadable file marks nothing and has no problems; `found()` tells it apart.
    static IngredientMarks load(const QString& path);
    // The file of a data folder, found whatever the case of its name.
    static IngredientMarks ofFolder(const QString& dataFolder);

    bool found() const { return m_found; }
    const QList<Rule>& rules() const { return m_rules; }
    const QList<Problem>& problems() const { return m_problems; }
    // The file's own problems and, once per line, a name that is no ingredient of this list; by line.
    QList<Problem> check(const QStringList& ingredients) const;

    // The numbers of the ingredients (names and numbers as the choice lists hold them) that carry
    // any of these marks.
    QSet<int> marked(const QList<Mark>& marks, const QList<ListEntry>& ingredients) const;

    // "Ei", "Milch", "Nüsse", "Gluten": the word of the file and of the saved searches.
    static QString word(Mark mark);
    static std::optional<Mark> markOf(const QString& word);

private:
    void parseLine(int line, const QString& text);

    bool m_found = false;
    QList<Rule> m_rules;
    QList<Problem> m_problems;
};
