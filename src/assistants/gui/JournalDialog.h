#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class JournalSession;
class QLabel;
class QPushButton;

// "Journal": what was mixed when, the newest first, with the totals per drink and per month;
// double-click on a day or a drink (or "Anzeigen") shows the drink in the main window.
class JournalDialog : public TOwnFenster {
    Q_OBJECT
public:
    JournalDialog(UiContext context, JournalSession& session, QWidget* parent = nullptr);

    // The record number of the drink chosen to be shown; 0 when closed without.
    int chosenRecNo() const { return m_chosen; }

    EntryList* DatumListe = nullptr;
    EntryList* DrinkListe = nullptr;
    EntryList* MonatListe = nullptr;
    QLabel* Summe = nullptr;
    QPushButton* AnzeigenButton = nullptr;
    QPushButton* SchliessenButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showChosen(EntryList* list);

    JournalSession& m_session;
    EntryList* m_lastList = nullptr;
    int m_chosen = 0;
};
