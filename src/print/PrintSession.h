#pragma once

#include "common/ListEntry.h"
#include "common/Result.h"
#include "print/PrintFonts.h"
#include "print/PrintReports.h"
#include "print/PrintSettings.h"
#include "print/PrintTable.h"

#include <QList>

struct AppState;
class DataTables;

// The print dialog's state and rules, without a window: which drinks are printed (in order, the
// same drink possibly more than once), from which candidates they are picked, the page shown, and
// the settings and fonts that persist for the whole run.
class PrintSession {
public:
    enum class Mode { SingleDrink, SeveralDrinks };
    enum Page { ChoicePage = 0, LayoutPage = 1 };

    static QString noDrinksMessage() { return QStringLiteral("Sie haben noch keine Getränke ausgewählt."); }

    PrintSession(AppState& state, DataTables& tables);

    PrintSettings settings;
    PrintFonts fonts;
    // The main list's count text, shown under the drinks to choose from.
    QString countText;

    // "&Aktuelles Getränk": the drink alone, as a recipe card, on the second page.
    void startSingleDrink(const ListEntry& drink);
    // "&Mehrere Getränke": the main list's entries to choose from (sorted), nothing chosen yet,
    // on the first page. The layout stays as it was.
    void startSeveralDrinks(const QList<ListEntry>& listed);

    Mode mode() const { return m_mode; }
    const QList<ListEntry>& candidates() const { return m_candidates; }
    const QList<ListEntry>& chosen() const { return m_chosen; }
    QList<int> chosenRecNos() const;

    // "&Hinzufügen": appends the candidates at the given positions, in list order.
    void add(QList<int> candidateRows);
    // "&Entfernen": removes the chosen entry and returns the row to select next (the one before,
    // or the first); -1 when nothing is left or the row was not valid.
    int remove(int row);
    // " &Vorgabe": "Auswahl &leeren" and "&Alle Getränke auswählen".
    void clearChosen() { m_chosen.clear(); }
    void chooseAll() { m_chosen = m_candidates; }

    int page() const { return m_page; }
    // Leaving the first page needs a chosen drink; refused (the page stays) otherwise, with a
    // notice of the given number of lines (a page tab: one, "&Weiter": two).
    Result setPage(int page, int lines = 1);
    bool choicePageEnabled() const { return m_mode == Mode::SeveralDrinks; }
    QString okCaption() const;
    // "&Vorschau" and "&Textdatei" belong to the second page.
    bool outputButtonsVisible() const { return m_page == LayoutPage; }

    // The controls of the chosen layout are enabled, those of the other one disabled.
    bool cardControlsEnabled() const { return !settings.listLayout(); }
    bool listControlsEnabled() const { return settings.listLayout(); }

    // Printing, the preview and the text export write the print table: refused while read-only.
    Result mayOutput() const;
    // `FillPrintTable` for the chosen drinks and the settings; returns what the table holds.
    // Throws StoreError.
    QList<PrintRecord> fillPrintTable(PrintTable::Progress* progress);
    // The notice when the bar card keeps none of the chosen drinks.
    static QString nothingMixableText(int bar) {
        return QStringLiteral("Keines der gewählten Getränke lässt sich aus der Hausbar Nr. %1 mixen.")
            .arg(bar);
    }
    // While the preview is open, the print dialog does not greet when it becomes active again.
    void setPreviewOpen(bool open);
    // Where the recipe cards find their photos.
    PrintReports::PhotoFolders photoFolders() const;

private:
    AppState& m_state;
    DataTables& m_tables;
    Mode m_mode = Mode::SingleDrink;
    QList<ListEntry> m_candidates;
    QList<ListEntry> m_chosen;
    int m_page = LayoutPage;
};
