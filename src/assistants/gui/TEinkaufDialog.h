#pragma once

#include "assistants/ShoppingSession.h"
#include "ui/TOwnFenster.h"

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

// "Einkaufsassistent": shows a ShoppingSession on four pages (choice of the home bar, waiting with a
// progress bar, the three purchase tips, the purchase plan) and forwards the user's input to it.
class TEinkaufDialog : public TOwnFenster {
    Q_OBJECT
public:
    TEinkaufDialog(UiContext context, ShoppingSession& session, QWidget* parent = nullptr);

    // Whether the home bar dialog is showing; " Einrichten" is enabled only while it is not.
    void setHomeBarShowing(std::function<bool()> showing) { m_homeBarShowing = std::move(showing); }
    ShoppingSession& session() { return m_session; }

    QStackedWidget* Note = nullptr;
    QLabel* Bild = nullptr;
    QRadioButton* r1 = nullptr;
    QRadioButton* r2 = nullptr;
    QRadioButton* r3 = nullptr;
    QPushButton* Hausbutton = nullptr;
    QCheckBox* substitutesBox = nullptr;
    QProgressBar* Balken = nullptr;
    QLabel* zz[ShoppingAnalysis::kRanks] = {};
    QLabel* a[ShoppingAnalysis::kRanks] = {};
    QPushButton* ExplorerButton1 = nullptr;
    QPushButton* FastMixbarButton = nullptr;
    QSpinBox* PlanAnzahl = nullptr;
    QCheckBox* PlanJeEuro = nullptr;
    QLabel* PlanKosten = nullptr;
    QTreeWidget* PlanListe = nullptr;
    QLabel* PlanDrinksLabel = nullptr;
    QListWidget* PlanDrinks = nullptr;
    QPushButton* Weiterbutton = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* OkButton = nullptr;

signals:
    // " Einrichten": the home bar command of the main window.
    void homeBarRequested();
    // "Fast mixbar": the drinks the bar is one or two ingredients short of.
    void nearMissesRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildIntroPage();
    QWidget* buildWaitingPage();
    QWidget* buildResultPage();
    QWidget* buildPlanPage();
    void buildButtons();
    void WeiterbuttonClick();
    void BackButtonClick();
    void analyse();
    void showResult();
    void makePlan();
    void showPlan();
    void showPlanDrinks();
    void syncButtons();
    void showSubstitutes();
    void substitutesToggled(bool on);

    ShoppingSession& m_session;
    std::function<bool()> m_homeBarShowing;
};
