#pragma once

#include "assistants/CocktailSession.h"
#include "ui/TOwnFenster.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// "Cocktailassistent": shows a CocktailSession as a wizard of four questions and forwards the user's
// input to it. Closes with OK on "&Start"; the command then applies the filter.
class TAssiDialog : public TOwnFenster {
    Q_OBJECT
public:
    TAssiDialog(UiContext context, CocktailSession& session, QWidget* parent = nullptr);

    CocktailSession& session() { return m_assistant; }
    // A sound of the assistant, played through the program's sound player.
    void playSound(CocktailSession::SoundKind kind, int number);

    QStackedWidget* note = nullptr;
    QLabel* Bild = nullptr;
    // The answer buttons: a1..a4, b1..b4, c1..c4, d1..d3.
    QRadioButton* answerButtons[CocktailSession::kQuestions][4] = {};
    QPushButton* weiterbutton = nullptr;
    QPushButton* zurueckbutton = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildPage(int page);
    void buildButtons();
    void weiterbuttonClick();
    void zurueckbuttonClick();
    void pageChanged(const CocktailSession::Move& move);
    void syncAnswers();

    CocktailSession& m_assistant;
    QPixmap m_pictures[CocktailSession::kPages];
    QButtonGroup* m_groups[CocktailSession::kQuestions] = {};
};
