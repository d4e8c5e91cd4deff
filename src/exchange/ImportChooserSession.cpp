#include "exchange/ImportChooserSession.h"

#include "exchange/BackupSet.h"
#include "store/FolderLookup.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool holds(const QString& folder, const QString& name) {
    return QFileInfo::exists(FolderLookup::find(folder, name));
}

Result refusedUnless(bool accepted, const QString& text) {
    if (accepted)
        return Result::ok();
    return Result::refused(Notice::hint(text, static_cast<int>(text.count(QLatin1Char('\r'))) + 1));
}

} // namespace

int ImportChooserSession::helpContext() const {
    switch (m_mode) {
    case Version1:
        return 2030;
    case Backup:
        return 2050;
    case Restore:
        return 2040;
    case Updates:
        return 2020;
    }
    return 0;
}

Result ImportChooserSession::choose(const QString& folder) {
    Result result = check(folder);
    if (result) {
        m_chosen = QDir::cleanPath(folder);
        if (!m_chosen.endsWith(QLatin1Char('/')))
            m_chosen += QLatin1Char('/');
    }
    return result;
}

std::optional<Notice> ImportChooserSession::okQuestion(const QString& folder) const {
    if (m_mode != Backup || !BackupSet::holdsOtherFiles(folder))
        return std::nullopt;
    return Notice::question(QStringLiteral("Im Verzeichnis ") + BackupSet::shownFolder(folder) +
                                QStringLiteral(" liegen schon andere Dateien.\r"
                                               "Möchten Sie die Daten trotzdem dort sichern?\r\r"
                                               "Mit „Neuer Ordner“ legen Sie ein eigenes Verzeichnis an."),
                            5);
}

QString ImportChooserSession::newFolderName(const QString& parent) {
    const QDir dir(parent);
    QString name = QStringLiteral("Neuer Ordner");
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("Neuer Ordner %1").arg(n);
    return name;
}

Result ImportChooserSession::check(const QString& folder) const {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return Result::refused(Notice::hint(QStringLiteral("Wählen Sie bitte ein anderes Verzeichnis."), 1));
    switch (m_mode) {
    case Version1:
        return refusedUnless(holds(folder, QStringLiteral("REZEPTE.100")),
                             QStringLiteral("In diesem Verzeichnis befindet sich keine\r"
                                            "Version von Velta Cocktails 1.0."));
    case Backup: {
        const QString problem = BackupSet::backupTargetProblem(folder);
        return refusedUnless(problem.isEmpty(), problem);
    }
    case Restore:
        return refusedUnless(BackupSet::isBackupFolder(folder),
                             QStringLiteral("In diesem Verzeichnis befinden sich\rkeine gesicherten Daten."));
    case Updates:
        return refusedUnless(holds(folder, QStringLiteral("V98_R.DBF")),
                             QStringLiteral("In diesem Verzeichnis befinden sich\rkeine Rezept-Updates."));
    }
    return Result::ok();
}
