#include "reference/LexiconSession.h"

#include "common/AppState.h"
#include "common/ListCollation.h"
#include "common/TurboRead.h"
#include "common/TypeAhead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

LexiconSession::LexiconSession(AppState& state, TApollo& terms, TApollo& ingredients, TApollo& decorations)
    : m_state(state), m_terms(terms), m_ingredients(ingredients), m_decorations(decorations) {}

QList<ListEntry> LexiconSession::readNames(TApollo& table) {
    QList<ListEntry> entries;
    if (!table.LockFile())
        return entries;
    {
        TurboRead fast(table);
        for (table.GoTop(); !table.Eof(); table.Skip())
            entries.append({table.GetTrimString(Fields::Term::Name), table.RecNo()});
    }
    table.Unlock();
    ListCollation::sort(entries);
    return entries;
}

void LexiconSession::begin() {
    if (!m_termsRead) {
        setList(Terms, readNames(m_terms));
        m_termsRead = true;
    }
    setList(Ingredients, m_state.catalogue.ingredients().zutatliste);
    setList(Decorations, readNames(m_decorations));
    for (int p = 0; p < kPages; ++p) {
        if (m_selected[p] < 0 && !m_lists[p].isEmpty())
            m_selected[p] = 0;
    }
}

void LexiconSession::setList(Page page, const QList<ListEntry>& entries) {
    const int key = selectedKey(page);
    m_lists[page] = entries;
    m_selected[page] = -1;
    for (int i = 0; key >= 0 && i < int(entries.size()); ++i) {
        if (entries.at(i).data == key) {
            m_selected[page] = i;
            break;
        }
    }
}

int LexiconSession::selectedKey(Page page) const {
    const int i = m_selected[page];
    return i >= 0 ? m_lists[page].at(i).data : -1;
}

void LexiconSession::select(Page page, int index) {
    m_selected[page] = index >= 0 && index < m_lists[page].size() ? index : -1;
}

int LexiconSession::typeAhead(Page page, const QString& text) const {
    return TypeAhead::find(m_lists[page], text);
}

LexiconArticle::Folders LexiconSession::folders() const {
    return {m_state.folders.picturesFolder, m_state.folders.dataFolder};
}

std::optional<LexiconArticle> LexiconSession::term() const {
    const int key = selectedKey(Terms);
    if (key < 0)
        return std::nullopt;
    return LexiconArticle::read(m_terms, key, LexiconPicture::Kind::Term, folders());
}

std::optional<IngredientFacts> LexiconSession::ingredient() const {
    const int key = selectedKey(Ingredients);
    if (key < 0)
        return std::nullopt;
    return IngredientFacts::read(m_ingredients, key);
}

std::optional<LexiconArticle> LexiconSession::decoration() const {
    const int key = selectedKey(Decorations);
    if (key < 0)
        return std::nullopt;
    return LexiconArticle::read(m_decorations, key, LexiconPicture::Kind::Decoration, folders());
}

QString LexiconSession::clipboardText() const {
    switch (m_page) {
    case Terms:
        if (const auto a = term())
            return a->clipboardText();
        break;
    case Ingredients:
        if (const auto i = ingredient())
            return i->clipboardText();
        break;
    case Decorations:
        if (const auto a = decoration())
            return a->clipboardText();
        break;
    }
    return QString();
}
