#include "exchange/BackupSession.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "store/OptionsRecord.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"

Notice BackupSession::restoreQuestion() {
    return Notice::question(QStringLiteral("Die aktuellen Daten werden durch die\r"
                                           "gesicherten Daten überschrieben.\r\r"
                                           "Möchten Sie trotzdem fortfahren?"),
                            4);
}

Result BackupSession::mayChange() const {
    return m_state.run.mayWrite();
}

Notice BackupSession::backup(const QString& target, const BackupSet::Copier& copy) {
    m_tables.closeMainTables();
    const BackupSet::Result result = BackupSet::backup(m_state.folders.dataFolder, target, copy);
    reopen();
    return toNotice(result);
}

BackupSession::RestoreOutcome BackupSession::restore(const QString& source, const BackupSet::Copier& copy) {
    if (const Result may = mayChange(); !may)
        return {may.notice(), false};
    m_tables.closeMainTables();
    TApolloEnv& env = m_tables.ApolloEnv;
    return finished(
        BackupSet::restore(source, m_state.folders.dataFolder, false, copy, [&env](const QString& folder) {
            return BackupSet::checkStagedSet(folder, &env);
        }));
}

bool BackupSession::canUndoRestore() const {
    return BackupSet::canUndoRestore(m_state.folders.dataFolder);
}

Notice BackupSession::undoQuestion() {
    return Notice::question(QStringLiteral("Die aktuellen Daten werden durch die Daten ersetzt,\r"
                                           "die vor der letzten Rücksicherung galten.\r\r"
                                           "Möchten Sie trotzdem fortfahren?"),
                            4);
}

BackupSession::RestoreOutcome BackupSession::undoRestore() {
    if (const Result may = mayChange(); !may)
        return {may.notice(), false};
    m_tables.closeMainTables();
    return finished(BackupSet::undoRestore(m_state.folders.dataFolder, false));
}

BackupSession::RestoreOutcome BackupSession::finished(const BackupSet::Result& result) {
    // Open again in both cases: the main window may still draw until the program has ended.
    reopen();
    if (result.ok) {
        // The settings came with the data: the end of the program writes them as they now are,
        // not as they were in memory.
        m_state.settings.changeOptions() = OptionsRecord::load(m_state.optionsPath());
        m_state.savedSearches = SavedSearches::load(m_state.savedSearchesPath());
        m_state.savedSearchTexts = SavedSearchTexts::load(m_state.savedSearchTextsPath());
        // The stars and notes follow the restored numbers of the drinks (see MyDrinks::reconcile).
        if (const std::optional<Notice> damaged = m_state.myDrinks.loadFolder(
                m_state.folders.dataFolder, m_tables.ApolloRezepte, !m_state.run.readOnly)) {
            Notice told = toNotice(result);
            told.text += QStringLiteral("\r\r") + damaged->text;
            told.lines += damaged->lines + 1;
            return {told, true};
        }
    }
    return {toNotice(result), result.ok};
}

Notice BackupSession::toNotice(const BackupSet::Result& result) {
    const int lines = result.caption == Notice::Caption::Error ? 3 : 2;
    return {result.text, result.caption, lines};
}

void BackupSession::reopen() {
    m_tables.openMainTables(m_state.folders.dataFolder, m_state.run.readOnly);
}
