#pragma once

#include <QList>
#include <QString>

class TApollo;

// The user's marks on recipes (field `MARK`): one at a time, the whole list, or none at all. The
// read-only refusal, the questions, the hourglass and the sound are the window's part; the texts
// it asks with are here.
class RecipeMarks {
public:
    static constexpr int kSound = 6;

    // `MarkAllListed` asks unless exactly one recipe is listed.
    static bool markAllAsks(int listedCount) { return listedCount != 1; }
    static QString markAllQuestion(int listedCount);
    static constexpr int kMarkAllQuestionLines = 2;
    static QString clearAllQuestion();
    static constexpr int kClearAllQuestionLines = 1;
    static QString markHint() { return QStringLiteral("Rezept markieren"); }

    // Writes the inverted mark of the recipe and returns it.
    static bool ToggleMark(TApollo& recipes, int recNo, bool currentMarked);
    // Both mass changes are one bulk write: the table is forced to disk once, at the end.
    static void MarkAllListed(TApollo& recipes, const QList<int>& recNos);
    // Every recipe of the table, listed or not; a filter on the table is lifted for the pass.
    static void ClearAllMarks(TApollo& recipes);

private:
    static void writeMark(TApollo& recipes, int recNo, bool marked);
};
