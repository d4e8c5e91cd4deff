#include "browser/RecipeMarks.h"

#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

namespace {

const QString kMark = Fields::Recipe::Mark;

} // namespace

QString RecipeMarks::markAllQuestion(int listedCount) {
    // "ausgewählen" is the program's text as it always read.
    return QStringLiteral("Möchten Sie die aktuell ausgewählen\r") + QString::number(listedCount) +
           QStringLiteral(" Getränke wirklich markieren?");
}

QString RecipeMarks::clearAllQuestion() {
    return QStringLiteral("Möchten Sie wirklich alle Markierungen aufheben?");
}

void RecipeMarks::writeMark(TApollo& recipes, int recNo, bool marked) {
    recipes.Go(recNo);
    if (recipes.Eof())
        return;
    recipes.Edit();
    recipes.ReplaceInteger(kMark, marked ? 1 : 0);
    recipes.Commit();
}

bool RecipeMarks::ToggleMark(TApollo& recipes, int recNo, bool currentMarked) {
    writeMark(recipes, recNo, !currentMarked);
    return !currentMarked;
}

void RecipeMarks::MarkAllListed(TApollo& recipes, const QList<int>& recNos) {
    for (int recNo : recNos)
        writeMark(recipes, recNo, true);
}

void RecipeMarks::ClearAllMarks(TApollo& recipes) {
    // A filter would hide recipes that are not listed; their marks go too.
    const QString filter = recipes.filterText();
    if (!filter.isEmpty())
        recipes.Query(QString());
    {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            recipes.Edit();
            recipes.ReplaceInteger(kMark, 0);
        }
        recipes.Commit();
    }
    if (!filter.isEmpty())
        recipes.Query(filter);
}
