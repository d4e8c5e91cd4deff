#include "assistants/HomeBarSession.h"

#include "assistants/HomeBarEditing.h"
#include "common/AppState.h"

HomeBarSession::HomeBarSession(AppState& state, TApollo& ingredients)
    : m_state(state), m_ingredients(ingredients) {}

void HomeBarSession::begin() {
    m_changed = false;
    m_all = m_state.ingredientChoices.zutatliste;
    if (!m_keepRefusedEdits)
        m_bars = m_state.ingredientChoices.homeBarLists;
    m_keepRefusedEdits = false;
}

void HomeBarSession::showBar(int index) {
    if (index >= 0 && index < HomeBarTable::kBars)
        m_shown = index;
}

int HomeBarSession::typeAhead(const QString& text) const {
    return HomeBarEditing::typeAhead(m_all, text);
}

Notice HomeBarSession::tooHighNotice() {
    return Notice::hint(QStringLiteral("Die Hausbar kann nur Zutaten mit den Nummern 1 bis 1500 "
                                       "aufnehmen. Diese Zutat hat eine höhere Nummer."),
                        3);
}

HomeBarSession::Added HomeBarSession::add(int ingredientRow) {
    if (ingredientRow < 0 || ingredientRow >= m_all.size())
        return {};
    const ListEntry& ingredient = m_all.at(ingredientRow);
    // The table holds flags for 1..1500 only: a higher number would vanish at the next start.
    if (ingredient.data > HomeBarTable::kMaxNumber)
        return {-1, tooHighNotice()};
    bool changed = false;
    const int at = HomeBarEditing::add(m_bars[size_t(m_shown)], ingredient, &changed);
    if (changed)
        setChanged();
    return {at, std::nullopt};
}

int HomeBarSession::remove(int barRow) {
    QList<ListEntry>& shown = m_bars[size_t(m_shown)];
    if (barRow < 0 || barRow >= shown.size())
        return shown.isEmpty() ? -1 : 0;
    setChanged();
    return HomeBarEditing::remove(shown, barRow);
}

void HomeBarSession::empty() {
    m_bars[size_t(m_shown)].clear();
    setChanged();
}

void HomeBarSession::applyPreset(HomeBarPresets::Preset preset) {
    m_bars[size_t(m_shown)] = HomeBarPresets::entries(preset, m_ingredients);
    setChanged();
}

HomeBarSession::InfoTarget HomeBarSession::infoTarget(const QList<ListEntry>& list, int row) {
    if (row < 0 || row >= list.size())
        return {-1, Notice::hint(HomeBarStore::noSelectionNotice(), HomeBarStore::kNoSelectionLines)};
    return {list.at(row).data, std::nullopt};
}

std::optional<Notice> HomeBarSession::okQuestion() const {
    if (!m_changed)
        return std::nullopt;
    return Notice::question(HomeBarStore::saveQuestion(), HomeBarStore::kSaveQuestionLines);
}

Result HomeBarSession::finish(bool accepted) {
    if (!m_changed)
        return Result::ok();
    HomeBarTable& table = m_state.ingredientChoices.homeBars;
    if (accepted && m_state.startedFromCd) {
        m_keepRefusedEdits = true; // the lists keep what the user entered
        return Result::refused(Notice::readOnly());
    }
    if (accepted) {
        HomeBarStore::store(m_bars, table, m_ingredients);
        m_state.ingredientChoices.homeBarLists = m_bars;
    } else {
        m_bars = HomeBarStore::rebuildLists(table, m_ingredients);
    }
    m_changed = false;
    return Result::ok();
}
