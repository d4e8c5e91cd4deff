#pragma once

#include "calc/PartySession.h"
#include "ui/TOwnFenster.h"

#include <functional>

class EntryList;
class NumberField;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TypeAheadField;

// "Partyplaner": drinks from the drink list with their glasses, a home bar, and the shopping list
// that follows, to copy or to print.
class PartyPlannerDialog : public TOwnFenster {
    Q_OBJECT
public:
    // Prints the list's lines; the program's print path, put in by the command.
    using ListPrinter = std::function<void(const QStringList& lines, QWidget* parent)>;

    PartyPlannerDialog(UiContext context, PartySession& session, QWidget* parent = nullptr);
    void setListPrinter(ListPrinter printer) { m_printer = std::move(printer); }

    TypeAheadField* Suchfeld = nullptr;
    EntryList* Getraenkeliste = nullptr;
    NumberField* GlaeserEdit = nullptr;
    QPushButton* HinzuButton = nullptr;
    QListWidget* Partyliste = nullptr;
    QPushButton* EntfButton = nullptr;
    QComboBox* HausbarBox = nullptr;
    NumberField* GaesteEdit = nullptr;
    NumberField* StundenEdit = nullptr;
    QPushButton* VorschlagButton = nullptr;
    QPlainTextEdit* Einkaufsliste = nullptr;
    QPushButton* KopierenButton = nullptr;
    QPushButton* DruckenButton = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void add();
    void removeSelected();
    void showList();

    PartySession& m_session;
    ListPrinter m_printer;
};
