#include "editors/RecipeListSession.h"

#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "common/TypeAhead.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

void RecipeListSession::build() {
    m_entries.clear();
    if (!m_recipes.LockFile())
        return;
    m_recipes.table().env().SetDeleted(true);
    {
        TurboRead fast(m_recipes);
        for (m_recipes.GoTop(); !m_recipes.Eof(); m_recipes.Skip())
            m_entries.append({RecipeBook::name(m_recipes), m_recipes.RecNo()});
    }
    m_recipes.Unlock();
    ListCollation::sort(m_entries);
}

int RecipeListSession::added(const QString& name, int recNo) {
    m_changed = true;
    return ListCollation::insertSorted(m_entries, {ListEntry::withoutTrailingBlanks(name.trimmed()), recNo});
}

void RecipeListSession::renamed(int index, const QString& name) {
    m_changed = true;
    if (index >= 0 && index < int(m_entries.size()))
        m_entries[index].text = ListEntry::withoutTrailingBlanks(name.trimmed());
}

std::optional<Notice> RecipeListSession::deleteQuestion(int index) const {
    if (m_entries.size() <= 1 || index < 0 || index >= int(m_entries.size()))
        return std::nullopt;
    return Notice::question(QStringLiteral("Möchten Sie das Rezept \"") + m_entries.at(index).text +
                                QStringLiteral("\" wirklich löschen?"),
                            2);
}

int RecipeListSession::deleteRecipe(int index) {
    if (m_entries.size() <= 1 || index < 0 || index >= int(m_entries.size()))
        return index;
    m_recipes.Go(m_entries.at(index).data);
    m_recipes.Delete();
    m_changed = true;
    m_entries.removeAt(index);
    return m_entries.isEmpty() ? -1 : 0;
}

int RecipeListSession::recipeSaved(bool isNew, const QString& oldName, const QString& newName, int recNo) {
    if (!isNew) {
        int at = -1;
        for (int i = 0; i < int(m_entries.size()) && at < 0; ++i) {
            if (m_entries.at(i).data == recNo)
                at = i;
        }
        if (at < 0)
            at = TypeAhead::findExact(m_entries, oldName);
        if (at >= 0)
            m_entries.removeAt(at);
    }
    return ListCollation::insertSorted(m_entries,
                                       {ListEntry::withoutTrailingBlanks(newName.trimmed()), recNo});
}
