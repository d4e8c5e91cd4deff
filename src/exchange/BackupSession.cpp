#include "exchange/BackupSession.h"

#include "common/AppState.h"
#include "common/DataTables.h"

Notice BackupSession::restoreQuestion() {
    return Notice::question(QStringLiteral("Die aktuellen Daten werden durch die\r"
                                           "gesicherten Daten überschrieben.\r\r"
                                           "Möchten Sie trotzdem fortfahren?"),
                            4);
}

Notice BackupSession::backup(const QString& target, const BackupSet::Copier& copy) {
    m_tables.closeMainTables();
    const BackupSet::Result result = BackupSet::backup(m_state.folders.dataFolder, target, copy);
    reopen();
    return toNotice(result);
}

BackupSession::RestoreOutcome BackupSession::restore(const QString& source, const BackupSet::Copier& copy) {
    if (m_state.startedFromCd)
        return {Notice::readOnly(), false};
    m_tables.closeMainTables();
    const BackupSet::Result result = BackupSet::restore(source, m_state.folders.dataFolder, false, copy);
    // Open again in both cases: the main window may still draw until the program has ended.
    reopen();
    return {toNotice(result), result.ok};
}

Notice BackupSession::toNotice(const BackupSet::Result& result) {
    const int lines = result.caption == QStringLiteral("Fehler") ? 3 : 2;
    return {result.text, result.caption, lines};
}

void BackupSession::reopen() {
    m_tables.openMainTables(m_state.folders.dataFolder, m_state.startedFromCd);
}
