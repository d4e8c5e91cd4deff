#include "editors/ClassificationListSession.h"

#include "common/ListCollation.h"
#include "editors/ChoiceLists.h"
#include "editors/RecipeUsage.h"
#include "store/Cp1252.h"
#include "store/ListsFile.h"

ClassificationListSession::ClassificationListSession(ClassificationTexts::Kind kind, QStringList& list,
                                                     TApollo& recipes)
    : m_kind(kind), m_texts(ClassificationTexts::of(kind)), m_list(list), m_recipes(recipes) {}

void ClassificationListSession::begin() {
    m_changed = false;
    m_entries = ChoiceLists::classification(m_list);
    if (m_kind == ClassificationTexts::Categories)
        ListCollation::sort(m_entries);
}

int ClassificationListSession::slotForNew() const {
    for (int i = int(m_list.size()) - 1; i > 0; --i) {
        if (m_list.at(i).startsWith(ChoiceLists::freeSlot()))
            return i;
    }
    return int(m_list.size());
}

Verdict ClassificationListSession::nameVerdict(const QString& name, int exceptIndex) const {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Verdict::stop();
    for (int i = 0; i < int(m_entries.size()); ++i) {
        if (i != exceptIndex && m_entries.at(i).text.compare(trimmed, Qt::CaseInsensitive) == 0)
            return Verdict::refuse(Notice::hint(m_texts.duplicateText, 1));
    }
    if (trimmed.startsWith(ChoiceLists::freeSlot()) || trimmed == ListsFile::markerLine())
        return Verdict::refuse(
            Notice::hint(QStringLiteral("Der Name \"%1\" ist nicht möglich.").arg(trimmed), 1));
    if (const QString c = Cp1252::firstUnencodable(trimmed); !c.isEmpty())
        return Verdict::refuse(Notice::unstorable(c));
    if (exceptIndex < 0 && slotForNew() >= kMaxEntries)
        return Verdict::refuse(Notice::hint(
            QStringLiteral("Die Liste ist voll: sie kann höchstens 255 Einträge aufnehmen."), 1));
    return Verdict::go();
}

int ClassificationListSession::add(const QString& name) {
    const QString trimmed = name.trimmed();
    const int slot = slotForNew();
    if (slot < int(m_list.size()))
        m_list[slot] = trimmed;
    else
        m_list.append(trimmed);
    m_changed = true;
    const ListEntry entry{trimmed, slot};
    if (m_kind == ClassificationTexts::Categories)
        return ListCollation::insertSorted(m_entries, entry);
    // Tastes keep list order: the entry goes before the first entry of a later position.
    int at = 0;
    while (at < int(m_entries.size()) && m_entries.at(at).data < slot)
        ++at;
    m_entries.insert(at, entry);
    return at;
}

Verdict ClassificationListSession::selectionVerdict(int index) const {
    if (index < 0 || index >= int(m_entries.size()))
        return Verdict::refuse(m_texts.nothingSelected);
    return Verdict::go();
}

int ClassificationListSession::usage(int index, const std::function<void(int)>& progress) const {
    const int number = m_entries.at(index).data + 1;
    return m_kind == ClassificationTexts::Categories ? RecipeUsage::category(m_recipes, number, progress)
                                                     : RecipeUsage::taste(m_recipes, number, progress);
}

Verdict ClassificationListSession::renameVerdict(int index, int usage) const {
    if (usage >= 1)
        return Verdict::ask(m_texts.renameWhileUsed(m_entries.at(index).text, usage));
    return Verdict::go();
}

void ClassificationListSession::rename(int index, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || index < 0 || index >= int(m_entries.size()))
        return;
    m_changed = true;
    m_list[m_entries.at(index).data] = trimmed;
    m_entries[index].text = trimmed;
}

Verdict ClassificationListSession::deletePrecheck(int index) const {
    if (m_entries.size() <= 1)
        return Verdict::refuse(m_texts.oneLeft);
    return selectionVerdict(index);
}

Verdict ClassificationListSession::deleteVerdict(int index, int usage) const {
    const QString name = m_entries.at(index).text;
    if (usage >= 1)
        return Verdict::refuse(m_texts.used(name, usage));
    return Verdict::ask(m_texts.confirm(name));
}

int ClassificationListSession::remove(int index) {
    if (m_entries.size() <= 1 || index < 0 || index >= int(m_entries.size()))
        return index;
    m_changed = true;
    m_list[m_entries.at(index).data] = ChoiceLists::freeSlot();
    m_entries.removeAt(index);
    return 0;
}
