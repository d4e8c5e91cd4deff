#pragma once

#include "common/DisplayUnit.h"
#include "common/RecipeBook.h"
#include "print/PrintRecord.h"
#include "print/PrintSettings.h"

#include <QHash>
#include <QStringList>

class TApollo;

// The print table record of one recipe for the chosen layout.
class PrintRecordBuilder {
public:
    struct Sources {
        TApollo& recipes;     // positioned on the recipe
        TApollo& ingredients; // found by number
        TApollo& decorations;
        const QStringList& categories;
        const QStringList& tastes;
        // One book for a whole fill remembers the ingredients it looked up; the table does not
        // change meanwhile.
        RecipeBook* book = nullptr;
        // The user's stars by record number, for the bar card's option.
        const QHash<int, int>* stars = nullptr;
        DisplayUnit::Kind unit = DisplayUnit::Cl; // amounts in cl are printed in this unit
    };
    static constexpr int kSummaryNames = 5;

    static PrintRecord build(const Sources& sources, const PrintSettings& settings);

    // The list's two summary lines from up to five names: three on the first line, with "die
    // ersten fünf" the fourth and fifth on the second.
    static void summaryLines(const QStringList& names, PrintSettings::Ingredients choice, QString* line1,
                             QString* line2);
    // The memo text for the layout; `hasRemark` tells whether the recipe has a remark.
    static QString memoText(const QString& memo, PrintSettings::Layout layout, bool* hasRemark);

private:
    static void addCardFacts(const Sources& s, const RecipeRecord& recipe, PrintRecord& r);
    static void addIngredients(const RecipeRecord& recipe, const PrintSettings& settings,
                               DisplayUnit::Kind unit, PrintRecord& r);
};
