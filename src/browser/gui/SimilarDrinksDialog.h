#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class QLabel;
class QPushButton;
class SimilarDrinksSession;

// "Ähnliche Drinks": the drinks closest to the one shown; double-click or "Anzeigen" shows one in
// the main window.
class SimilarDrinksDialog : public TOwnFenster {
    Q_OBJECT
public:
    SimilarDrinksDialog(UiContext context, SimilarDrinksSession& session, QWidget* parent = nullptr);

    // The record number of the drink chosen to be shown; 0 when closed without.
    int chosenRecNo() const { return m_chosen; }

    QLabel* Ueberschrift = nullptr;
    EntryList* Liste = nullptr;
    QPushButton* AnzeigenButton = nullptr;
    QPushButton* SchliessenButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showChosen();

    SimilarDrinksSession& m_session;
    int m_chosen = 0;
};
