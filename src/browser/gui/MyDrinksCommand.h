#pragma once

#include "common/MyDrinksSession.h"
#include "ui/DialogServices.h"
#include "ui/TOwnFenster.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "Meine Notiz": the user's note on the drink shown, at most 2000 characters.
class NoteDialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 2370;
    NoteDialog(UiContext context, QWidget* parent = nullptr);
    void begin(const QString& drink, const QString& note);
    QString text() const;

    QLabel* Ueberschrift = nullptr;
    QPlainTextEdit* NotizEdit = nullptr;
    QLabel* RestLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

private:
    void showRest();
};

// "Gemixt!": how many glasses of the drink shown were mixed today.
class MixedDialog : public TOwnFenster {
    Q_OBJECT
public:
    MixedDialog(UiContext context, QWidget* parent = nullptr);
    void begin(const QString& drink);
    int glasses() const;

    QLabel* Ueberschrift = nullptr;
    QSpinBox* GlaeserEdit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;
};

// The user's own records of the drink shown in the recipe view: the stars of the title bar and the
// pop-up menu, the note and "Gemixt!". The view shows the change at once.
class MyDrinksCommand {
public:
    explicit MyDrinksCommand(const DialogServices& services);

    // Star n (1..5) clicked, or chosen in the menu (0: none); the star the drink has is taken away
    // again by a click on it.
    void rate(int stars, bool clicked);
    void editNote();
    void mixed();

    MyDrinksSession session;
    NoteDialog noteDialog;
    MixedDialog mixedDialog;

private:
    void show(const Result& result);

    ShownRecipes& m_recipes;
};
