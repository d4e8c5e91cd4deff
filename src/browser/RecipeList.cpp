#include "browser/RecipeList.h"

#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "common/TypeAhead.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

QList<int> RecipeList::recordNumbers() const {
    QList<int> out;
    out.reserve(m_entries.size());
    for (const ListEntry& e : m_entries)
        out.append(e.data);
    return out;
}

int RecipeList::indexOfRecord(int recNo) const {
    for (int i = 0; i < ListedCount(); ++i) {
        if (m_entries.at(i).data == recNo)
            return i;
    }
    return -1;
}

void RecipeList::fill(TApollo& recipes, const KeepRecipe& keep, const RecipeRecordTest& alsoKeep) {
    recipes.table().env().SetDeleted(true);
    m_entries.clear();
    {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            if (keep && !keep(RecipeBook::ingredientNumbers(recipes)))
                continue;
            if (alsoKeep && !alsoKeep(recipes))
                continue;
            m_entries.append({RecipeBook::name(recipes), recipes.RecNo()});
        }
    }
    ListCollation::sort(m_entries);
}

TypeAhead::Found RecipeList::QuickSearch(const QString& text,
                                         const QList<TypeAhead::OtherName>& otherNames) const {
    if (text.isEmpty())
        return {}; // a cleared field keeps the selection
    return TypeAhead::findMatch(m_entries, text, 0, otherNames);
}

QString RecipeList::CountLabelText(int count) {
    return QString::number(count) + (count == 1 ? QStringLiteral(" Rezept") : QStringLiteral(" Rezepte"));
}

int RecipeList::RecipeSaved(bool isNew, int selected, const QString& newName, int recNo) {
    if (!isNew && selected >= 0 && selected < ListedCount())
        m_entries.removeAt(selected);
    return ListCollation::insertSorted(m_entries, {ListEntry::withoutTrailingBlanks(newName), recNo});
}

int RecipeList::RecipeSavedIn(QList<ListEntry>& list, bool isNew, const QString& oldName,
                              const QString& newName, int recNo) {
    if (!isNew) {
        int at = -1;
        for (int i = 0; i < int(list.size()) && at < 0; ++i) {
            if (list.at(i).data == recNo && list.at(i).text.compare(oldName, Qt::CaseInsensitive) == 0)
                at = i;
        }
        if (at < 0)
            at = TypeAhead::findExact(list, oldName);
        if (at >= 0)
            list.removeAt(at);
    }
    return ListCollation::insertSorted(list, {ListEntry::withoutTrailingBlanks(newName), recNo});
}

void RecipeList::removeAt(int index) {
    if (index >= 0 && index < ListedCount())
        m_entries.removeAt(index);
}
