#include "exchange/BackupSet.h"

#include "common/Notice.h"
#include "exchange/DataFileCopy.h"
#include "store/FolderLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString inFolder(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

QString backupFailedText() {
    return QStringLiteral("Bei der Datensicherung ist ein Fehler aufgetreten.\r"
                          "Überprüfen Sie den freien Platz auf dem Datenträger.");
}

QString restoreFailedText() {
    return QStringLiteral("Beim Einlesen der gesicherten Daten ist ein Fehler aufgetreten.\r"
                          "Die aktuellen Daten sind unverändert geblieben.");
}

} // namespace

QStringList BackupSet::files() {
    return {QStringLiteral("RE.DBF"), QStringLiteral("RE.SMT"), QStringLiteral("ZU.DBF"),
            QStringLiteral("ZU.SMT"), QStringLiteral("DE.DBF"), QStringLiteral("DE.SMT"),
            QStringLiteral("VE.DAT")};
}

bool BackupSet::isBackupFolder(const QString& folder) {
    return QFileInfo::exists(FolderLookup::find(folder, markerName())) ||
           QFileInfo::exists(inFolder(folder, pendingName(markerName())));
}

QString BackupSet::shownFolder(const QString& folder) {
    QString shown = QDir::toNativeSeparators(folder).toUpper();
    if (!shown.endsWith(QDir::separator()))
        shown += QDir::separator();
    return shown;
}

QString BackupSet::backupTargetProblem(const QString& folder) {
    if (QDir(folder).isRoot())
        return QStringLiteral("Im Root-Verzeichnis der Festplatte sollten\rSie keine Backups anlegen.");
    if (QFileInfo::exists(FolderLookup::find(folder, QStringLiteral("DEFAULT.BMP"))))
        return QStringLiteral("Wählen Sie bitte ein anderes Verzeichnis.");
    return {};
}

QString BackupSet::restoreSourceProblem(const QString& folder) {
    if (isBackupFolder(folder))
        return {};
    return QStringLiteral("In diesem Verzeichnis befinden sich\rkeine gesicherten Daten.");
}

QString BackupSet::readOnlyText() {
    return Notice::readOnly().text;
}

QString BackupSet::stagingFolder(const QString& dataFolder) {
    const QFileInfo data(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()));
    return inFolder(data.absolutePath(), QStringLiteral(".") + data.fileName() + QStringLiteral(".einlesen"));
}

BackupSet::Result BackupSet::backup(const QString& dataFolder, const QString& target, const Copier& copy) {
    const Copier copier = copy ? copy : Copier(&DataFileCopy::CopyDataFile);
    finishBackup(target);
    // The new set arrives under pending names; the older backup stays usable until it is complete.
    if (!copyAll(dataFolder, target, copier, true) ||
        !writeLine(inFolder(target, pendingName(markerName())), "VELTA COCKTAILS 98\r\n")) {
        removePending(target);
        return {false, QStringLiteral("Fehler"), backupFailedText()};
    }
    // From the pending marker on, the new set is complete: whatever cuts the swap short, the next
    // backup or restore with this folder finishes it.
    if (!finishBackup(target))
        return {false, QStringLiteral("Fehler"), backupFailedText()};
    return {true, QStringLiteral("Hinweis"),
            QStringLiteral("Die Daten wurden im Verzeichnis ") + shownFolder(target) +
                QStringLiteral(" gesichert.")};
}

bool BackupSet::finishBackup(const QString& folder) {
    const QString pendingMarker = inFolder(folder, pendingName(markerName()));
    if (!QFileInfo::exists(pendingMarker)) {
        removePending(folder); // an incomplete new set: the older backup is untouched
        return true;
    }
    QFile::remove(FolderLookup::find(folder, markerName()));
    const QString marker = inFolder(folder, markerName());
    return moveIntoPlace(folder, folder, true) && QFile::rename(pendingMarker, marker);
}

BackupSet::Result BackupSet::restore(const QString& source, const QString& dataFolder, bool readOnly,
                                     const Copier& copy) {
    if (readOnly)
        return {false, QStringLiteral("Hinweis"), readOnlyText()};
    const Copier copier = copy ? copy : Copier(&DataFileCopy::CopyDataFile);
    finishBackup(source);
    const QString staging = stagingFolder(dataFolder);
    QDir(staging).removeRecursively();
    // Staging beside the data keeps the final moves on one file system, so each one is a rename.
    const bool staged = QDir().mkpath(staging) && copyAll(source, staging, copier, false) &&
                        writeLine(inFolder(staging, completeName()), "complete\r\n");
    // From the mark on, the start-up finishes whatever the moves leave undone.
    const bool replaced = staged && moveIntoPlace(staging, dataFolder, false);
    QDir(staging).removeRecursively();
    if (!replaced)
        return {false, QStringLiteral("Fehler"), restoreFailedText()};
    return {
        true, QStringLiteral("Hinweis"),
        QStringLiteral("Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden.")};
}

bool BackupSet::copyAll(const QString& from, const QString& to, const Copier& copy, bool pending) {
    for (const QString& name : files()) {
        const QString destination = inFolder(to, pending ? pendingName(name) : name);
        QFile::remove(destination);
        if (!copy(FolderLookup::find(from, name), destination))
            return false;
    }
    return true;
}

void BackupSet::finishRestore(const QString& dataFolder) {
    const QString staging = stagingFolder(dataFolder);
    if (!QFileInfo(staging).isDir())
        return;
    if (QFileInfo::exists(inFolder(staging, completeName())))
        moveIntoPlace(staging, dataFolder, false);
    QDir(staging).removeRecursively();
}

bool BackupSet::moveIntoPlace(const QString& from, const QString& to, bool pending) {
    for (const QString& name : files()) {
        const QString source = inFolder(from, pending ? pendingName(name) : name);
        if (!QFileInfo::exists(source))
            continue; // moved before an interruption
        // The data may carry the names in another case; the file found is the one replaced.
        const QString destination = FolderLookup::find(to, name);
        QFile::remove(destination);
        if (!QFile::rename(source, destination))
            return false;
    }
    return true;
}

void BackupSet::removePending(const QString& folder) {
    for (const QString& name : files())
        QFile::remove(inFolder(folder, pendingName(name)));
    QFile::remove(inFolder(folder, pendingName(markerName())));
}

bool BackupSet::writeMarker(const QString& folder) {
    return writeLine(inFolder(folder, markerName()), "VELTA COCKTAILS 98\r\n");
}

bool BackupSet::writeLine(const QString& path, const QByteArray& line) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(line) == line.size() && file.flush();
}
