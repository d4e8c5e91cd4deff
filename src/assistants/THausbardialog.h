#pragma once

#include "assistants/HomeBarStore.h"
#include "ui/TOwnFenster.h"

class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class TApollo;

// "Hausbar": the three home bars, each a list of ingredients at hand, edited from the list of all
// ingredients with type-ahead, presets and an emptying command.
class THausbardialog : public TOwnFenster {
    Q_OBJECT
public:
    THausbardialog(UiContext context, TApollo& ingredients, QWidget* parent = nullptr);

    // The bar lists as the dialog holds them; set by the choice list refresh.
    void setBars(const HomeBarStore::BarLists& bars);
    const HomeBarStore::BarLists& bars() const { return m_bars; }
    bool changed() const { return m_changed; }
    int shownBar() const; // 0..2

    QListWidget* zlistbox = nullptr;
    QLineEdit* Editfeld = nullptr;
    QTabWidget* noti = nullptr;
    QListWidget* hlistbox[3] = {};
    QPushButton* HinzuButton = nullptr;
    QPushButton* entfbutton = nullptr;
    QPushButton* button5 = nullptr;
    QPushButton* VButton = nullptr;
    QPushButton* Einkaufbutton = nullptr;
    QMenu* VorgabePopup = nullptr;

    void add();
    void removeSelected();
    void emptyShown();
    void applyPreset(int preset); // HomeBarPresets::Preset as int
    void accept() override;

signals:
    void ingredientInfoRequested(int number);
    void shoppingRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillBar(int bar, int select);
    void typeAhead(const QString& text);
    void info();
    void setChanged();

    TApollo& m_ingredients;
    HomeBarStore::BarLists m_bars;
    QList<ListEntry> m_all;
    bool m_changed = false;
    QListWidget* m_lastFocused = nullptr;
};
