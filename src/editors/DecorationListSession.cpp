#include "editors/DecorationListSession.h"

#include "common/ListCollation.h"
#include "editors/RecipeUsage.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/MemoText.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

namespace {

// Deleted records seen for a while: the hiding is switched on again however the scope is left.
class ShowDeleted {
public:
    explicit ShowDeleted(TApolloEnv& env) : m_env(env) { m_env.SetDeleted(false); }
    ~ShowDeleted() { m_env.SetDeleted(true); }
    ShowDeleted(const ShowDeleted&) = delete;
    ShowDeleted& operator=(const ShowDeleted&) = delete;

private:
    TApolloEnv& m_env;
};

} // namespace

DecorationListSession::DecorationListSession(TApollo& decorations, TApollo& recipes)
    : m_texts(ClassificationTexts::of(ClassificationTexts::Decorations)), m_decorations(decorations),
      m_recipes(recipes) {}

Verdict DecorationListSession::contentVerdict(const QString& name, const QString& text) {
    if (name.trimmed().isEmpty())
        return Verdict::stop();
    if (const QString c = Cp1252::firstUnencodable(name + text); !c.isEmpty())
        return Verdict::refuse(Notice::unstorable(c));
    return Verdict::go();
}

int DecorationListSession::reusableRecord() {
    for (m_decorations.GoTop(); !m_decorations.Eof(); m_decorations.Skip()) {
        if (m_decorations.IsDeleted())
            return m_decorations.RecNo();
    }
    return 0;
}

int DecorationListSession::add(const QString& name, const QString& text) {
    const QString trimmed = name.trimmed();
    int recNo = 0;
    try {
        ShowDeleted all(m_decorations.table().env());
        recNo = reusableRecord();
        if (recNo > 0) {
            m_decorations.Go(recNo);
            m_decorations.Edit();
        } else {
            m_decorations.BeginAppend();
        }
        m_decorations.ReplaceText(Fields::Term::Name, trimmed);
        m_decorations.ReplaceText(Fields::Term::Picture, QString()); // the old decoration's picture goes
        m_decorations.ReplaceEditedMemo(Fields::Term::Text, text);
        if (recNo > 0)
            m_decorations.Recall(); // the values and the undeletion in one write
        m_decorations.Commit();
        recNo = m_decorations.RecNo();
    } catch (const StoreError&) {
        m_decorations.Cancel();
        throw;
    }
    m_changed = true;
    return ListCollation::insertSorted(m_entries, {trimmed, recNo});
}

Verdict DecorationListSession::editPrecheck(int index) {
    if (index < 0 || index >= int(m_entries.size()))
        return Verdict::refuse(m_texts.nothingSelected);
    m_changed = true;
    return Verdict::go();
}

QString DecorationListSession::description(int index) {
    m_decorations.Go(m_entries.at(index).data);
    return m_decorations.IsEmpty(Fields::Term::Text)
               ? QString()
               : MemoText::forEditing(m_decorations.GetMemo(Fields::Term::Text));
}

int DecorationListSession::usage(int index, const std::function<void(int)>& progress) const {
    return RecipeUsage::decoration(m_recipes, m_entries.at(index).data, progress);
}

Verdict DecorationListSession::editVerdict(int usage) const {
    if (usage >= 1)
        return Verdict::ask(m_texts.renameWhileUsed(QString(), usage));
    return Verdict::go();
}

void DecorationListSession::store(int index, const QString& name, const QString& text) {
    const QString trimmed = name.trimmed();
    try {
        m_decorations.Go(m_entries.at(index).data);
        m_decorations.Edit();
        m_decorations.ReplaceText(Fields::Term::Name, trimmed);
        m_decorations.ReplaceEditedMemo(Fields::Term::Text, text);
        m_decorations.Commit();
    } catch (const StoreError&) {
        m_decorations.Cancel();
        throw;
    }
    m_changed = true;
    m_entries[index].text = trimmed;
}

Verdict DecorationListSession::deletePrecheck(int index) const {
    if (m_entries.size() <= 1)
        return Verdict::refuse(m_texts.oneLeft);
    if (index < 0 || index >= int(m_entries.size()))
        return Verdict::refuse(m_texts.nothingSelected);
    return Verdict::go();
}

Verdict DecorationListSession::deleteVerdict(int usage) const {
    if (usage >= 1)
        return Verdict::refuse(m_texts.used(QString(), usage));
    return Verdict::ask(m_texts.confirm(QString()));
}

int DecorationListSession::remove(int index) {
    if (m_entries.size() <= 1 || index < 0 || index >= int(m_entries.size()))
        return index;
    m_decorations.Go(m_entries.at(index).data);
    m_decorations.Delete();
    m_changed = true;
    m_entries.removeAt(index);
    return 0;
}
