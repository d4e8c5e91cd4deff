#include "browser/RecipeList.h"

#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "common/TypeAhead.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <algorithm>
#include <vector>

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
    std::vector<char> listed;
    {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            if (keep && !keep(RecipeBook::ingredientNumbers(recipes)))
                continue;
            if (alsoKeep && !alsoKeep(recipes))
                continue;
            const auto recNo = size_t(recipes.RecNo());
            if (listed.size() <= recNo)
                listed.resize(size_t(recipes.table().file().recordCount()) + 1, 0);
            listed[recNo] = 1;
        }
    }
    m_entries.clear();
    if (listed.empty())
        return;
    const QList<ListEntry>& all = collated(recipes);
    m_entries.reserve(qsizetype(std::count(listed.begin(), listed.end(), 1)));
    for (const ListEntry& e : all) {
        if (size_t(e.data) < listed.size() && listed[size_t(e.data)])
            m_entries.append(e);
    }
}

const QList<ListEntry>& RecipeList::collated(TApollo& recipes) {
    const TTable& table = recipes.table();
    if (m_collatedStamp == table.stamp() && m_collatedStamp != 0)
        return m_collated;
    m_collated.clear();
    const int count = table.file().recordCount();
    m_collated.reserve(count);
    for (int recNo = 1; recNo <= count; ++recNo)
        m_collated.append({RecipeBook::nameOf(recipes, recNo), recNo});
    ListCollation::sort(m_collated);
    m_collatedStamp = table.stamp();
    return m_collated;
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
