#pragma once

#include "common/ListEntry.h"
#include "common/Notice.h"

#include <QList>

#include <functional>

struct AppState;
class DataTables;

// "Exportieren als JSON-LD": which drinks go into the file (the current drink, the print
// selection or all drinks) and the export itself.
class JsonLdExportSession {
public:
    enum Choice { CurrentDrink = 0, PrintSelection = 1, AllDrinks = 2 };

    JsonLdExportSession(AppState& state, DataTables& tables);

    // Before the dialog opens: the drink the main window shows (data 0 when none) and the drinks
    // chosen in the print dialog. The choice falls on the first one that holds drinks.
    void begin(const ListEntry& current, const QList<int>& printSelection);
    bool available(Choice choice) const;
    QString label(Choice choice) const;
    Choice choice() const { return m_choice; }
    // Only a choice that holds drinks is taken.
    void choose(Choice choice);

    // The record numbers of the chosen drinks; all drinks are counted when asked.
    QList<int> recNos() const;
    // The photos inside the file (data: URLs) instead of in a folder beside it; off until chosen,
    // for the run.
    bool embedsPictures() const { return m_embedPictures; }
    void setEmbedPictures(bool embed) { m_embedPictures = embed; }
    // Writes the file; the notice to show, "Hinweis" on success, "Fehler" when the file or a
    // picture could not be written. Throws StoreError when the tables cannot be read; the tables
    // stand where they stood.
    Notice write(const QString& path, const std::function<void(int done, int total)>& progress = {});

    static QString proposedName() { return QStringLiteral("Rezepte.json"); }
    static QString filter() { return QStringLiteral("JSON-LD-Dateien (*.json *.jsonld);;Alle Dateien (*)"); }

private:
    AppState& m_state;
    DataTables& m_tables;
    ListEntry m_current;
    QList<int> m_printSelection;
    Choice m_choice = AllDrinks;
    bool m_embedPictures = false;
};
