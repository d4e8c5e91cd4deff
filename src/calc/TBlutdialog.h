#pragma once

#include "calc/BloodAlcoholSession.h"
#include "calc/TableDrinkSource.h"
#include "ui/TOwnFenster.h"

#include <array>

class NumberField;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class TApollo;

// "Promilleassistent": drinks, body weight and drinking time on three pages lead to an estimate
// of the blood alcohol on the fourth.
class TBlutdialog : public TOwnFenster {
    Q_OBJECT
public:
    TBlutdialog(UiContext context, TApollo& recipes, TApollo& ingredients, QWidget* parent = nullptr);

    const BloodAlcoholSession& session() const { return m_session; }

    QStackedWidget* note = nullptr;
    QLineEdit* Editfeld = nullptr;
    QListWidget* BlutListBox = nullptr;
    QListWidget* SuffListbox = nullptr;
    NumberField* ZukaufEdit = nullptr;
    QComboBox* combo = nullptr;
    QPushButton* HinzuButton = nullptr;
    QPushButton* EntfButton = nullptr;
    QSpinBox* GewichtEdit = nullptr;
    QSpinBox* ZeitEdit = nullptr;
    QLabel* PromilleLabel = nullptr;
    QPushButton* zurueckbutton = nullptr;
    QPushButton* weiterbutton = nullptr;
    QPushButton* OkButton = nullptr;
    QLabel* Bild = nullptr;         // the picture of the page shown
    QLabel* ErgebnisBild = nullptr; // the second picture of the result page

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildDrinksPage();
    QWidget* buildWeightPage();
    QWidget* buildTimePage();
    QWidget* buildResultPage();
    void loadPictures();
    void fillDrinks();
    void fillConsumed();
    void typeAhead(const QString& text);
    void drinkClicked();
    void add();
    void remove();
    void weiter();
    void zurueck();
    void showPage();
    void PageChanged();
    bool notice(const std::optional<BloodAlcoholSession::Notice>& notice);
    bool moveDrinkSelection(int key);

    TApollo& m_recipes;
    TableDrinkSource m_source;
    BloodAlcoholSession m_session;
    std::array<QPixmap, 5> m_pictures;
};
