#include "assistants/HomeBarSession.h"

#include "assistants/HomeBarEditing.h"
#include "common/AppState.h"

HomeBarSession::HomeBarSession(AppState& state, TApollo& ingredients)
    : m_state(state), m_ingredients(ingredients) {}

void HomeBarSession::begin() {
    m_changed = false;
    m_settingsChanged = false;
    m_all = m_state.catalogue.ingredients().zutatliste;
    if (!m_keepRefusedEdits) {
        m_bars = m_state.catalogue.ingredients().homeBarLists;
        takeSettings();
    }
    m_keepRefusedEdits = false;
}

// The basics by name, sorted like a bar; a number no ingredient carries any more is dropped.
void HomeBarSession::takeSettings() {
    m_settings = m_state.settings.bar();
    m_taken = m_settings;
    m_basics.clear();
    for (const ListEntry& e : m_all)
        if (m_settings.hasBasic(e.data))
            m_basics.append(e);
}

const QList<ListEntry>& HomeBarSession::bar(int index) const {
    return index == kBasicsPage ? m_basics : m_bars[size_t(index)];
}

void HomeBarSession::showBar(int index) {
    if (index >= 0 && index <= kBasicsPage)
        m_shown = index;
}

void HomeBarSession::setAllowSubstitutes(bool on) {
    m_settingsChanged = m_settingsChanged || on != m_settings.allowSubstitutes;
    m_settings.allowSubstitutes = on;
}

void HomeBarSession::setAlwaysAtHome(bool on) {
    m_settingsChanged = m_settingsChanged || on != m_settings.alwaysAtHome;
    m_settings.alwaysAtHome = on;
}

void HomeBarSession::followSwitchesSavedElsewhere() {
    const BarSettings& now = m_state.settings.bar();
    if (now.allowSubstitutes != m_taken.allowSubstitutes)
        m_settings.allowSubstitutes = now.allowSubstitutes;
    if (now.alwaysAtHome != m_taken.alwaysAtHome)
        m_settings.alwaysAtHome = now.alwaysAtHome;
    m_taken.allowSubstitutes = now.allowSubstitutes;
    m_taken.alwaysAtHome = now.alwaysAtHome;
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
    const int at = HomeBarEditing::add(shownList(), ingredient, &changed);
    if (changed)
        setChanged();
    return {at, std::nullopt};
}

int HomeBarSession::remove(int barRow) {
    QList<ListEntry>& shown = shownList();
    if (barRow < 0 || barRow >= shown.size())
        return shown.isEmpty() ? -1 : 0;
    setChanged();
    return HomeBarEditing::remove(shown, barRow);
}

void HomeBarSession::empty() {
    shownList().clear();
    setChanged();
}

void HomeBarSession::applyPreset(HomeBarPresets::Preset preset) {
    if (!presetsEnabled())
        return;
    m_bars[size_t(m_shown)] = HomeBarPresets::entries(preset, m_ingredients);
    setChanged();
}

HomeBarSession::InfoTarget HomeBarSession::infoTarget(const QList<ListEntry>& list, int row) {
    if (row < 0 || row >= list.size())
        return {-1, Notice::hint(HomeBarStore::noSelectionNotice(), HomeBarStore::kNoSelectionLines)};
    return {list.at(row).data, std::nullopt};
}

std::optional<Notice> HomeBarSession::okQuestion() const {
    if (!changed())
        return std::nullopt;
    return Notice::question(HomeBarStore::saveQuestion(), HomeBarStore::kSaveQuestionLines);
}

Result HomeBarSession::finish(bool accepted) {
    if (!changed())
        return Result::ok();
    if (const Result may = m_state.run.mayWrite(); accepted && !may) {
        m_keepRefusedEdits = true; // the lists keep what the user entered
        return may;
    }
    if (!accepted)
        takeSettings();
    m_settingsChanged = false;
    const Result stored = accepted ? storeSettings() : Result::ok();
    if (!m_changed)
        return stored;
    if (accepted) {
        IngredientChoices choices = m_state.catalogue.ingredients();
        HomeBarStore::store(m_bars, choices.homeBars, m_ingredients);
        choices.homeBarLists = m_bars;
        m_state.catalogue.setIngredients(choices);
    } else {
        m_bars = HomeBarStore::rebuildLists(m_state.catalogue.ingredients().homeBars, m_ingredients);
    }
    m_changed = false;
    return stored;
}

Result HomeBarSession::storeSettings() {
    BarSettings changed = m_settings;
    changed.basics.clear();
    for (const ListEntry& e : m_basics)
        changed.setBasic(e.data, true);
    const Result saved = m_state.saveBarSettings(changed);
    if (!saved)
        takeSettings(); // the dialog shows what is in use
    return saved;
}
