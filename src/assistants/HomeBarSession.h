#pragma once

#include "assistants/HomeBarPresets.h"
#include "assistants/HomeBarStore.h"
#include "common/BarSettings.h"
#include "common/Notice.h"
#include "common/Result.h"

#include <optional>

struct AppState;
class TApollo;

// The home bar dialog's state and rules, without a window: the three bar lists being edited, the
// bar shown, whether anything changed, and what OK and cancel do to the tables. The dialog renders
// it and forwards input; every rule is tested on the session alone.
class HomeBarSession {
public:
    using BarLists = HomeBarStore::BarLists;

    // The page after the three bars: the basics that "Immer im Haus" counts as at hand.
    static constexpr int kBasicsPage = 3;

    HomeBarSession(AppState& state, TApollo& ingredients);

    // Opening the dialog: the ingredient list and the bars from the shared choices, nothing changed
    // yet. After an OK refused in read-only mode the bars keep what the user entered.
    void begin();

    const QList<ListEntry>& ingredients() const { return m_all; }
    const BarLists& bars() const { return m_bars; }
    // A bar's list, or the basics for kBasicsPage.
    const QList<ListEntry>& bar(int index) const;
    int shownBar() const { return m_shown; }
    void showBar(int index);
    bool changed() const { return m_changed || m_settingsChanged; }
    // The presets fill a bar; the basics page has none.
    bool presetsEnabled() const { return m_shown != kBasicsPage; }

    // "Ersatzzutaten zulassen" and "Immer im Haus": stored with the basics on OK like the bars.
    bool allowSubstitutes() const { return m_settings.allowSubstitutes; }
    bool alwaysAtHome() const { return m_settings.alwaysAtHome; }
    void setAllowSubstitutes(bool on);
    void setAlwaysAtHome(bool on);
    // The shopping assistant opened from the dialog saves its switch at once. A switch changed there
    // since the dialog took the settings is the later change: it replaces the one here, so that OK
    // does not write the old value back.
    void followSwitchesSavedElsewhere();

    // The entry of the ingredient list the typed text selects; -1 when none begins with it.
    int typeAhead(const QString& text) const;
    // "&Hinzufügen" with the ingredient list's row: the row to select in the shown bar (-1: none).
    // An ingredient the home bar cannot hold is refused with the notice.
    struct Added {
        int select = -1;
        std::optional<Notice> refusal;
    };
    Added add(int ingredientRow);
    // "&Entfernen" of the shown bar's row; the row to select afterwards (-1: none).
    int remove(int barRow);
    // "Hausbar &leeren" and the presets replace the shown bar.
    void empty();
    void applyPreset(HomeBarPresets::Preset preset);

    // "&Info": the ingredient number of the chosen entry, or the notice that nothing is chosen.
    struct InfoTarget {
        int number = -1;
        std::optional<Notice> notice;
    };
    static InfoTarget infoTarget(const QList<ListEntry>& list, int row);

    // The question OK asks first, when something changed.
    std::optional<Notice> okQuestion() const;
    // After the dialog closed: OK stores the bars into the table and the ingredient records
    // (refused while read-only, the entries stay); cancel brings back what the tables hold.
    // Throws StoreError when the tables cannot be written.
    Result finish(bool accepted);

    static Notice tooHighNotice();

private:
    void setChanged() { (m_shown == kBasicsPage ? m_settingsChanged : m_changed) = true; }
    QList<ListEntry>& shownList() { return m_shown == kBasicsPage ? m_basics : m_bars[size_t(m_shown)]; }
    void takeSettings();
    Result storeSettings();

    AppState& m_state;
    TApollo& m_ingredients;
    QList<ListEntry> m_all;
    BarLists m_bars;
    int m_shown = 0;
    bool m_changed = false;
    bool m_settingsChanged = false;
    BarSettings m_settings;
    BarSettings m_taken; // the settings in use when they were taken
    QList<ListEntry> m_basics;
    bool m_keepRefusedEdits = false;
};
