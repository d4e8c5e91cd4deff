#include "app/ProgramData.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "editors/AlcoholRecompute.h"
#include "exchange/BackupSet.h"
#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/StoreError.h"

#include <QFileInfo>

void ProgramData::loadSettings() {
    m_state.settings.changeOptions() = OptionsRecord::load(m_state.optionsPath());
    m_state.loadBarRules();
    m_state.settings.useShownUnit(DisplayUnit::load(m_state.displayUnitPath()));
    m_state.loadAliases();
    m_state.loadMarks();
    m_state.probeMedium();
}

Result ProgramData::lockFolder() {
    if (m_state.run.readOnly || m_lock.acquire(m_state.folders.dataFolder))
        return Result::ok();
    return Result::refused(Notice::error(DataFolderLock::heldText(m_state.folders.dataFolder), 2));
}

void ProgramData::finishRestore() {
    if (!m_state.run.readOnly)
        BackupSet::finishRestore(m_state.folders.dataFolder);
}

bool ProgramData::loadLists() {
    m_state.catalogue.readLists(m_state.listsPath());
    return m_state.catalogue.categories().size() >= 16;
}

Result ProgramData::openTables(QStringList* repaired) {
    try {
        m_tables.openMainTables(m_state.folders.dataFolder, m_state.run.readOnly);
    } catch (const StoreError&) {
        return Result::refused(unreadable());
    }
    m_tablesOpen = true;
    *repaired = m_tables.repairNotes();
    return Result::ok();
}

std::optional<Notice> ProgramData::finishRecompute() {
    if (m_state.run.readOnly)
        return std::nullopt;
    try {
        AlcoholRecompute::finishPending(m_tables.ApolloRezepte, m_tables.ApolloZutaten,
                                        m_state.settings.options().get(OptionsRecord::DashesPerCl));
    } catch (const StoreError& e) {
        return Notice::error(
            QStringLiteral("Der Alkoholgehalt der Rezepte konnte nicht nachgeführt werden:\r") + e.text(), 3);
    }
    return std::nullopt;
}

void ProgramData::loadChoices() {
    m_state.catalogue.reloadAll(m_tables);
}

std::optional<Notice> ProgramData::loadMyDrinks() {
    return m_state.myDrinks.loadFolder(m_state.folders.dataFolder, m_tables.ApolloRezepte,
                                       !m_state.run.readOnly);
}

QList<Notice> ProgramData::saveAtClose() {
    if (m_tablesOpen) {
        m_tables.closeMainTables();
        m_tablesOpen = false;
    }
    // The saved searches are on disk since each was saved: the file is only made here when there
    // is none yet, never overwritten.
    QList<Notice> failures;
    if (m_state.run.readOnly)
        return failures;
    QString reason;
    const QString searches = m_state.savedSearchesPath();
    if (!QFileInfo::exists(searches) && !m_state.savedSearches.save(searches, false, &reason))
        failures << Notice::error(AtomicFile::failureText(searches, reason), 3);
    if (!m_state.settings.options().save(m_state.optionsPath(), false, &reason))
        failures << Notice::error(AtomicFile::failureText(m_state.optionsPath(), reason), 3);
    return failures;
}
