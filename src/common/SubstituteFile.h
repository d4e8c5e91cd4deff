#pragma once

#include <QList>
#include <QString>

// The substitutes file as the user writes it (Windows-1252 text, one rule a line):
//   # comment
//   Weißer Rum = Rhum Agricole = Goldener Rum      members of a family stand in for each other
//   Limettensaft <- Zitronensaft, Limettensirup     each name on the right stands in for the left one
// Names are the ingredient names of the ingredient table. A line that cannot be read is skipped and
// reported with its number; the rest of the file still counts.
class SubstituteFile {
public:
    // One way: `standIn` may be used where a recipe asks for `wanted`.
    struct Rule {
        int line = 0;
        QString wanted;
        QString standIn;
        friend bool operator==(const Rule&, const Rule&) = default;
    };
    struct Problem {
        int line = 0;
        QString text;
        friend bool operator==(const Problem&, const Problem&) = default;
    };

    static QString fileName() { return QStringLiteral("ERSATZ.TXT"); }

    static SubstituteFile parse(const QString& text);
    // A missing or unreadable file gives no rules and no problems: the feature simply has nothing to use.
    static SubstituteFile load(const QString& path);

    const QList<Rule>& rules() const { return m_rules; }
    const QList<Problem>& problems() const { return m_problems; }

private:
    void parseLine(int line, const QString& text);
    void parseFamily(int line, const QString& text);
    void parseOneWay(int line, const QString& text, qsizetype arrow);
    void add(int line, const QString& wanted, const QString& standIn);

    QList<Rule> m_rules;
    QList<Problem> m_problems;
};
