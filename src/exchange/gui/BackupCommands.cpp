#include "exchange/gui/BackupCommands.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "exchange/gui/TImportDialog.h"
#include "ui/Meldungsfenster.h"

#include <QDir>
#include <QGuiApplication>

namespace {

// The hourglass while the files are copied; restored however the copy ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

BackupCommands::BackupCommands(const DialogServices& services)
    : session(services.state, services.tables), startFolder(QDir::homePath()), m_context(services.context),
      m_main(services.main), m_recipes(services.recipes), m_parent(services.parent) {}

bool BackupCommands::choose(TImportDialog& dialog) {
    dialog.selectFolder(startFolder);
    return dialog.exec() == QDialog::Accepted;
}

void BackupCommands::runBackup() {
    if (Meldungsfenster::refuses(session.mayChange()))
        return;
    ImportChooserSession chooser(ImportChooserSession::Backup);
    TImportDialog dialog(m_context, chooser, QStringLiteral("Daten sichern"), BackupSession::backupText(),
                         m_parent);
    if (!choose(dialog))
        return;
    Notice notice;
    {
        const WaitCursor wait;
        notice = session.backup(chooser.chosenFolder());
    }
    // The tables were closed and opened again: the shown recipe is read anew.
    m_recipes.ReloadCurrent();
    Meldungsfenster::show(notice);
}

void BackupCommands::runRestore() {
    if (Meldungsfenster::refuses(session.mayChange()))
        return;
    ImportChooserSession chooser(ImportChooserSession::Restore);
    TImportDialog dialog(m_context, chooser, QStringLiteral("Daten einlesen"), BackupSession::restoreText(),
                         m_parent);
    if (!choose(dialog) || Meldungsfenster::show(BackupSession::restoreQuestion()) != Meldungsfenster::Yes)
        return;
    BackupSession::RestoreOutcome outcome;
    {
        const WaitCursor wait;
        outcome = session.restore(chooser.chosenFolder());
    }
    Meldungsfenster::show(outcome.notice);
    if (outcome.restart)
        m_main.RunCommand(QStringLiteral("Beenden"));
    else
        m_recipes.ReloadCurrent();
}

void BackupCommands::runUndoRestore() {
    if (Meldungsfenster::refuses(session.mayChange()))
        return;
    if (!session.canUndoRestore()) {
        Meldungsfenster::show(Notice::hint(
            QStringLiteral("Es gibt keine Rücksicherung, die rückgängig gemacht werden kann."), 1));
        return;
    }
    if (Meldungsfenster::show(BackupSession::undoQuestion()) != Meldungsfenster::Yes)
        return;
    BackupSession::RestoreOutcome outcome;
    {
        const WaitCursor wait;
        outcome = session.undoRestore();
    }
    Meldungsfenster::show(outcome.notice);
    if (outcome.restart)
        m_main.RunCommand(QStringLiteral("Beenden"));
    else
        m_recipes.ReloadCurrent();
}
