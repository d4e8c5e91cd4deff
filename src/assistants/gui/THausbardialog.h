#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class HomeBarSession;
class QCheckBox;
class QMenu;
class QPushButton;
class QTabWidget;
class TypeAheadField;

// "Hausbar": shows a HomeBarSession and forwards the user's input to it; the three home bars,
// each a list of ingredients at hand, edited from the list of all ingredients.
class THausbardialog : public TOwnFenster {
    Q_OBJECT
public:
    THausbardialog(UiContext context, HomeBarSession& session, QWidget* parent = nullptr);

    HomeBarSession& session() { return m_session; }

    EntryList* zlistbox = nullptr;
    TypeAheadField* Editfeld = nullptr;
    QTabWidget* noti = nullptr;
    EntryList* hlistbox[3] = {};
    EntryList* basicsList = nullptr;
    QCheckBox* substitutesBox = nullptr;
    QCheckBox* alwaysAtHomeBox = nullptr;
    QPushButton* HinzuButton = nullptr;
    QPushButton* entfbutton = nullptr;
    QPushButton* button5 = nullptr;
    QPushButton* VButton = nullptr;
    QPushButton* Einkaufbutton = nullptr;
    QPushButton* FastMixbarButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QMenu* VorgabePopup = nullptr;

    void accept() override;

signals:
    void ingredientInfoRequested(int number);
    void shoppingRequested();
    void nearMissesRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPresetMenu();
    void showBars();
    void showSwitches();
    void showPage(int index);
    EntryList* pageList(int index) const;
    void fillBar(int bar, int select);
    void add();
    void removeSelected();
    void emptyShown();
    void applyPreset(int preset);
    void info();

    HomeBarSession& m_session;
    EntryList* m_lastFocused = nullptr;
};
