#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class NearMissSession;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Fast mixbar": the drinks the chosen home bar is one or two ingredients short of, grouped by what
// to buy; double-click on a drink or "Anzeigen" shows it in the main window.
class NearMissDialog : public TOwnFenster {
    Q_OBJECT
public:
    NearMissDialog(UiContext context, NearMissSession& session, QWidget* parent = nullptr);

    // The record number of the drink chosen to be shown; 0 when closed without.
    int chosenRecNo() const { return m_chosen; }

    QComboBox* BarBox = nullptr;
    QCheckBox* ZweiBox = nullptr;
    QLabel* Ueberschrift = nullptr;
    EntryList* Liste = nullptr;
    QPushButton* AnzeigenButton = nullptr;
    QPushButton* SchliessenButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void showChosen();

    NearMissSession& m_session;
    int m_chosen = 0;
};
