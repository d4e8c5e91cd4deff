#pragma once

#include "common/Notice.h"
#include "common/Result.h"

#include <QList>
#include <QStringList>

#include <optional>

struct AppState;
class DataFolderLock;
class DataTables;

// What the program loads when it starts and saves when it ends, without a window: the main window
// runs the steps in order and shows what they say.
class ProgramData {
public:
    ProgramData(AppState& state, DataTables& tables, DataFolderLock& lock)
        : m_state(state), m_tables(tables), m_lock(lock) {}

    // The options, the home bar's rules, the side files of names and marks and whether the data can
    // be written.
    void loadSettings();
    // One writer per data folder: refused while another holds it (never from the read-only medium).
    Result lockFolder();
    // Whoever holds the folder first finishes an interrupted restore.
    void finishRestore();
    // The category and taste names; false when the file lacks the categories the program needs.
    bool loadLists();
    // The refusal of tables that do not open or cannot be read: the program ends.
    static Notice unreadable() {
        return Notice::error(QStringLiteral("Die Datenbanken konnten nicht geöffnet werden."), 1);
    }
    // Opens the four tables; `repaired` receives what the opening mended.
    Result openTables(QStringList* repaired);
    bool tablesOpen() const { return m_tablesOpen; }
    // An interrupted recalculation of the alcohol values is finished; the notice says why it could
    // not be.
    std::optional<Notice> finishRecompute();
    // The recipe count and the shared choice lists; throws StoreError.
    void loadChoices();
    // The user's stars, notes and journal, matched to the recipes; the notice tells of a damaged
    // file (set aside). Throws StoreError.
    std::optional<Notice> loadMyDrinks();
    // At the end: the tables are closed, the options written and the saved searches made when the
    // file does not exist yet. What could not be written is said, and the file keeps its last state.
    QList<Notice> saveAtClose();

private:
    AppState& m_state;
    DataTables& m_tables;
    DataFolderLock& m_lock;
    bool m_tablesOpen = false;
};
