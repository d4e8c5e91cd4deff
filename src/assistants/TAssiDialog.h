#pragma once

#include "assistants/CocktailAssistant.h"
#include "ui/TOwnFenster.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// "Cocktailassistent": the wizard of four questions over the cocktail assistant session. Closes with
// OK on "&Start"; the caller then applies the filter.
class TAssiDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TAssiDialog(UiContext context, QWidget* parent = nullptr);

    CocktailAssistant& assistant() { return m_assistant; }

    QStackedWidget* note = nullptr;
    QLabel* Bild = nullptr;
    // The answer buttons: a1..a4, b1..b4, c1..c4, d1..d3.
    QRadioButton* answerButtons[CocktailAssistant::kQuestions][4] = {};
    QPushButton* weiterbutton = nullptr;
    QPushButton* zurueckbutton = nullptr;
    QPushButton* OkButton = nullptr;

signals:
    // The speech sound of the page reached.
    void pageSound(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildPage(int page);
    void buildButtons();
    void weiterbuttonClick();
    void zurueckbuttonClick();
    void pageChanged(const CocktailAssistant::Move& move);
    void syncAnswers();

    CocktailAssistant m_assistant;
    QPixmap m_pictures[CocktailAssistant::kPages];
    QButtonGroup* m_groups[CocktailAssistant::kQuestions] = {};
};
