#pragma once

#include "common/IngredientMarks.h"
#include "common/ListEntry.h"
#include "ui/TOwnFenster.h"

#include <array>
#include <functional>
#include <optional>

class EntryListModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;
class QLineEdit;
class QMenu;
class QPushButton;
class SearchSession;
class TSaveSuchedialog;
class UpDownButtons;

// "Suchkriterien": the criteria of a search, shown from and handed to the search session. The
// dialog only renders the session and forwards the user's input to it.
class TSuchenDialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kRows = 4;

    TSuchenDialog(UiContext context, SearchSession& session, TSaveSuchedialog& nameDialog,
                  QWidget* parent = nullptr);

    // The boxes filled anew from the session's choice lists, the controls from its criteria.
    void choicesChanged();
    // The session's criteria changed from outside (cancel, clear): the controls follow.
    void showSession();

    std::array<QComboBox*, kRows> undcombo{};
    std::array<QComboBox*, kRows> odercombo{};
    std::array<QComboBox*, kRows> mitcombo{};
    QComboBox* katcombo = nullptr;
    QComboBox* geschmackcombo = nullptr;
    QLineEdit* MinAlkEdit = nullptr;
    QLineEdit* MaxAlkEdit = nullptr;
    UpDownButtons* UpMin = nullptr;
    UpDownButtons* UpMax = nullptr;
    QCheckBox* checkmarkierung = nullptr;
    QCheckBox* CheckEigene = nullptr;
    QCheckBox* checkhausbar = nullptr;
    QComboBox* bar = nullptr;
    QLineEdit* VolltextEdit = nullptr;
    QLineEdit* ZukaufEdit = nullptr;
    UpDownButtons* UpDown1 = nullptr;
    QPushButton* ExplorerButton3 = nullptr; // "  &Reset"
    QPushButton* ExplorerButton2 = nullptr; // "  &Info"
    QPushButton* ExplorerButton1 = nullptr; // "  &Laden"
    QPushButton* Speichernbutton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QMenu* LadenPopup = nullptr;
    QMenu* SpeichernPopup = nullptr;
    // "N Drinks": what OK would list for the criteria as they stand, updated as they change.
    QLabel* AnzahlLabel = nullptr;
    // The second page, in place of the first: how the drink is made, its glass and the "ohne" marks.
    // The button turns the page ("  &Weitere", with the number of criteria set there, and
    // "  &Zurück").
    QPushButton* MoreButton = nullptr;
    QComboBox* PreparationCombo = nullptr;
    QComboBox* GlassCombo = nullptr;
    QComboBox* StarsCombo = nullptr;
    std::array<QCheckBox*, IngredientMarks::kMarks> FreeOfChecks{};
    QLabel* MarksLabel = nullptr;
    bool secondPageShown() const { return m_secondPage; }
    void showSecondPage(bool second);

    // What counts the drinks for the session's criteria; nothing: no count is shown.
    using Counter = std::function<std::optional<int>()>;
    void setCounter(Counter counter) { m_counter = std::move(counter); }

    void accept() override;

signals:
    // "  &Info" with ingredients chosen: their names and numbers, in row order.
    void ingredientInfoRequested(const QList<ListEntry>& ingredients);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildRows();
    void buildGroups();
    void buildSecondPage();
    void buildButtons();
    void buildMenus();
    void connectInput();
    void refreshMenuCaptions();
    void info();
    void load(int slot);
    void save(int slot);
    void editPercent(QLineEdit* edit, bool minimum);
    void connectCount();
    void scheduleCount();
    void showCount();
    void refreshMoreButton();

    SearchSession& m_session;
    TSaveSuchedialog& m_nameDialog;
    Counter m_counter;
    QTimer* m_countTimer = nullptr;
    EntryListModel* m_ingredients;
    EntryListModel* m_categories;
    EntryListModel* m_tastes;
    QList<QWidget*> m_firstPageGroups;
    QList<QWidget*> m_secondPageGroups;
    bool m_secondPage = false;
};
