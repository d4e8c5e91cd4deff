#pragma once

#include "common/Result.h"
#include "exchange/BackupSet.h"

#include <QString>

struct AppState;
class DataTables;

// Backup and restore of the open program's data: the tables are closed while their files are
// copied, so every pending write is on disk first.
class BackupSession {
public:
    BackupSession(AppState& state, DataTables& tables) : m_state(state), m_tables(tables) {}

    static QString backupText() {
        return QStringLiteral("Bitte wählen Sie ein Verzeichnis, in dem Sie die Daten sichern möchten.");
    }
    static QString restoreText() {
        return QStringLiteral(
            "Bitte wählen Sie das Verzeichnis, in dem sich die gesicherten Daten befinden.");
    }
    static Notice restoreQuestion();

    // Backs up into the chosen folder and reopens the tables; the notice says how it went.
    Notice backup(const QString& target, const BackupSet::Copier& copy = {});

    struct RestoreOutcome {
        Notice notice;
        bool restart = false; // the data were replaced: the program must end
    };
    // Replaces the data with the backup; on failure the current data stay. The tables are open
    // afterwards either way.
    RestoreOutcome restore(const QString& source, const BackupSet::Copier& copy = {});
    // Puts back what the last restore replaced, in the same way.
    RestoreOutcome undoRestore();
    bool canUndoRestore() const;
    static Notice undoQuestion();
    // Backup and restore close the tables and copy their files: refused while read-only.
    Result mayChange() const;

private:
    static Notice toNotice(const BackupSet::Result& result);
    void reopen();
    RestoreOutcome finished(const BackupSet::Result& result);

    AppState& m_state;
    DataTables& m_tables;
};
