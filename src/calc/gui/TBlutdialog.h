#pragma once

#include "calc/BloodAlcoholSession.h"
#include "ui/TOwnFenster.h"

#include <array>

class EntryList;
class NumberField;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class TypeAheadField;

// "Promilleassistent": drinks, body weight and drinking time on three pages lead to an estimate
// of the blood alcohol on the fourth.
class TBlutdialog : public TOwnFenster {
    Q_OBJECT
public:
    TBlutdialog(UiContext context, BloodAlcoholSession& session, QWidget* parent = nullptr);

    QStackedWidget* note = nullptr;
    TypeAheadField* Editfeld = nullptr;
    EntryList* BlutListBox = nullptr;
    EntryList* SuffListbox = nullptr;
    NumberField* ZukaufEdit = nullptr;
    QComboBox* combo = nullptr;
    QPushButton* HinzuButton = nullptr;
    QPushButton* EntfButton = nullptr;
    QPushButton* HeuteButton = nullptr; // "Heute gemixt" from the journal
    QComboBox* KoerperCombo = nullptr;  // the body-water factor
    QLabel* NuechternLabel = nullptr;   // when the value is back at 0,0
    NumberField* GewichtEdit = nullptr;
    NumberField* ZeitEdit = nullptr;
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
    void fillConsumed(int select);
    void add();
    void remove();
    void addMixedToday();
    void weiter();
    void zurueck();
    void showPage();
    void PageChanged();
    bool notice(const std::optional<Notice>& notice);

    BloodAlcoholSession& m_session;
    std::array<QPixmap, 5> m_pictures;
};
