#include "exchange/BackupSet.h"

#include "common/MyDrinks.h"
#include "common/Notice.h"
#include "exchange/DataFileCopy.h"
#include "store/AtomicFile.h"
#include "store/FolderLookup.h"
#include "store/RawFile.h"
#include "store/StoreChecker.h"
#include "store/TApolloEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString inFolder(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

QString backupFailedText() {
    return QStringLiteral("Bei der Datensicherung ist ein Fehler aufgetreten.\r"
                          "Überprüfen Sie den freien Platz auf dem Datenträger.");
}

QString restoreStoppedText() {
    return QStringLiteral("Das Einlesen der gesicherten Daten wurde unterbrochen.\r"
                          "Es wird beim nächsten Start von Velta Cocktails beendet.");
}

QString restoreFailedText() {
    return QStringLiteral("Beim Einlesen der gesicherten Daten ist ein Fehler aufgetreten.\r"
                          "Die aktuellen Daten sind unverändert geblieben.");
}

} // namespace

QStringList BackupSet::settingsFiles() {
    return {QStringLiteral("OPTION.CFG"),   QStringLiteral("SUCHEN.CFG"),  QStringLiteral("SUCHTEXT.CFG"),
            QStringLiteral("HAUSBAR.CFG"),  QStringLiteral("ERSATZ.TXT"),  QStringLiteral("ALIAS.TXT"),
            QStringLiteral("MERKMALE.TXT"), QStringLiteral("DRUCKEN.CFG"), MyDrinks::fileName(),
            QStringLiteral("ANZEIGE.CFG")};
}

QStringList BackupSet::files() {
    return {QStringLiteral("RE.DBF"), QStringLiteral("RE.SMT"), QStringLiteral("ZU.DBF"),
            QStringLiteral("ZU.SMT"), QStringLiteral("DE.DBF"), QStringLiteral("DE.SMT"),
            QStringLiteral("VE.DAT")};
}

bool BackupSet::isBackupFolder(const QString& folder) {
    return QFileInfo::exists(FolderLookup::find(folder, markerName())) ||
           QFileInfo::exists(inFolder(folder, pendingName(markerName())));
}

// As the folder is named on this system: in capitals a path names another folder, or none.
QString BackupSet::shownFolder(const QString& folder) {
    QString shown = QDir::toNativeSeparators(folder);
    if (!shown.endsWith(QDir::separator()))
        shown += QDir::separator();
    return shown;
}

bool BackupSet::holdsOtherFiles(const QString& folder) {
    QStringList own;
    for (const QString& name : allFiles() + QStringList{markerName()})
        own << name.toUpper() << pendingName(name).toUpper();
    const QStringList present =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(present.cbegin(), present.cend(),
                       [&own](const QString& name) { return !own.contains(name.toUpper()); });
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

QString BackupSet::safetyFolder(const QString& dataFolder) {
    const QFileInfo data(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()));
    return inFolder(data.absolutePath(), QStringLiteral(".") + data.fileName() + QStringLiteral(".vorher"));
}

QStringList BackupSet::checkStagedSet(const QString& folder, TApolloEnv* env) {
    if (env)
        return StoreChecker::checkBackupSet(folder, *env);
    TApolloEnv own;
    return StoreChecker::checkBackupSet(folder, own);
}

BackupSet::Result BackupSet::backup(const QString& dataFolder, const QString& target, const Copier& copy) {
    const Copier copier = copy ? copy : Copier(&DataFileCopy::CopyDataFile);
    finishBackup(target);
    // The new set arrives under pending names; the older backup stays usable until it is complete.
    if (!copyAll(dataFolder, target, copier, true) ||
        !writeLine(inFolder(target, pendingName(markerName())), "VELTA COCKTAILS 98\r\n")) {
        removePending(target);
        return {false, Notice::Caption::Error, backupFailedText()};
    }
    // From the pending marker on, the new set is complete: whatever cuts the swap short, the next
    // backup or restore with this folder finishes it.
    if (!finishBackup(target) ||
        !copyPhotos(ownPhotosFolder(dataFolder), inFolder(target, photosName()), copier))
        return {false, Notice::Caption::Error, backupFailedText()};
    return {true, Notice::Caption::Hint,
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
    // A settings file the new set does not hold must not pass for part of it.
    for (const QString& name : settingsFiles()) {
        if (!QFileInfo::exists(inFolder(folder, pendingName(name))))
            QFile::remove(FolderLookup::find(folder, name));
    }
    const QString marker = inFolder(folder, markerName());
    return moveIntoPlace(folder, folder, true) && QFile::rename(pendingMarker, marker);
}

BackupSet::Result BackupSet::restore(const QString& source, const QString& dataFolder, bool readOnly,
                                     const Copier& copy, const Checker& check) {
    if (readOnly)
        return {false, Notice::Caption::Hint, readOnlyText()};
    const Copier copier = copy ? copy : Copier(&DataFileCopy::CopyDataFile);
    finishBackup(source);
    const QString staging = stagingFolder(dataFolder);
    QDir(staging).removeRecursively();
    // Staging beside the data keeps the final moves on one file system, so each one is a rename.
    if (!QDir().mkpath(staging) || !copyAll(source, staging, copier, false) ||
        !copyPhotos(FolderLookup::subfolder(source, photosName()), inFolder(staging, photosName()), copier)) {
        QDir(staging).removeRecursively();
        return {false, Notice::Caption::Error, restoreFailedText()};
    }
    // A backup that would not open must never replace data that do.
    const QStringList problems = check ? check(staging) : checkStagedSet(staging);
    if (!problems.isEmpty()) {
        QDir(staging).removeRecursively();
        return {false, Notice::Caption::Error,
                QStringLiteral("Die gesicherten Daten sind beschädigt und wurden nicht eingelesen:\r") +
                    problems.mid(0, 3).join(QLatin1Char('\r')) +
                    QStringLiteral("\rDie aktuellen Daten sind unverändert geblieben.")};
    }
    // The previous safety copy gives way to the data this restore replaces.
    const QString safety = safetyFolder(dataFolder);
    QDir(safety).removeRecursively();
    const bool staged = QDir().mkpath(safety) && writeLine(inFolder(staging, completeName()), "complete\r\n");
    // From the mark on, the start-up finishes whatever the moves leave undone.
    const bool replaced = staged && moveIntoPlace(staging, dataFolder, false, safety);
    if (replaced) {
        writeLine(inFolder(safety, completeName()), "complete\r\n");
        QDir(staging).removeRecursively();
    } else if (!QFileInfo::exists(inFolder(staging, completeName()))) {
        QDir(staging).removeRecursively();
        QDir(safety).removeRecursively(); // nothing was moved into it
    }
    if (!replaced)
        return {false, Notice::Caption::Error, staged ? restoreStoppedText() : restoreFailedText()};
    return {
        true, Notice::Caption::Hint,
        QStringLiteral("Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden.")};
}

bool BackupSet::canUndoRestore(const QString& dataFolder) {
    return QFileInfo::exists(inFolder(safetyFolder(dataFolder), completeName()));
}

BackupSet::Result BackupSet::undoRestore(const QString& dataFolder, bool readOnly) {
    if (readOnly)
        return {false, Notice::Caption::Hint, readOnlyText()};
    finishRestore(dataFolder);
    if (!canUndoRestore(dataFolder))
        return {false, Notice::Caption::Hint,
                QStringLiteral("Es gibt keine Rücksicherung, die rückgängig gemacht werden kann.")};
    // The safety copy becomes the staged set of a restore: the same moves, the same completion
    // after an interruption, and the data it replaces become the next safety copy.
    const QString staging = stagingFolder(dataFolder);
    QDir(staging).removeRecursively();
    if (!QFile::rename(safetyFolder(dataFolder), staging))
        return {false, Notice::Caption::Error, restoreFailedText()};
    finishRestore(dataFolder);
    if (QFileInfo::exists(staging))
        return {false, Notice::Caption::Error, restoreStoppedText()};
    return {
        true, Notice::Caption::Hint,
        QStringLiteral("Die Daten vor der letzten Rücksicherung sind wiederhergestellt.\r"
                       "Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden.")};
}

bool BackupSet::copyAll(const QString& from, const QString& to, const Copier& copy, bool pending) {
    for (const QString& name : allFiles()) {
        const QString destination = inFolder(to, pending ? pendingName(name) : name);
        QFile::remove(destination);
        const QString source = FolderLookup::find(from, name);
        if (settingsFiles().contains(name) && !QFileInfo::exists(source))
            continue; // a settings file that was never written, or an older backup without it
        if (!copy(source, destination))
            return false;
    }
    return true;
}

void BackupSet::finishRestore(const QString& dataFolder) {
    const QString staging = stagingFolder(dataFolder);
    if (!QFileInfo(staging).isDir())
        return;
    if (QFileInfo::exists(inFolder(staging, completeName()))) {
        const QString safety = safetyFolder(dataFolder);
        QDir().mkpath(safety);
        if (!moveIntoPlace(staging, dataFolder, false, safety))
            return; // still marked complete: the next opening goes on with it
        writeLine(inFolder(safety, completeName()), "complete\r\n");
    }
    QDir(staging).removeRecursively();
}

// Each file is one rename; with `keepIn`, the file it replaces moves there first. Cut off between
// the two, the file is missing in `to` and already kept: going on moves only the new one.
bool BackupSet::moveIntoPlace(const QString& from, const QString& to, bool pending, const QString& keepIn) {
    for (const QString& name : allFiles()) {
        const QString source = inFolder(from, pending ? pendingName(name) : name);
        if (!QFileInfo::exists(source))
            continue; // moved before an interruption, or a settings file the set does not hold
        // The data may carry the names in another case; the file found is the one replaced.
        const QString destination = FolderLookup::find(to, name);
        if (QFileInfo::exists(destination)) {
            if (RawFile::injectFault())
                return false;
            if (keepIn.isEmpty()) {
                QFile::remove(destination);
            } else {
                QFile::remove(inFolder(keepIn, name));
                if (!QFile::rename(destination, inFolder(keepIn, name)))
                    return false;
            }
        }
        if (RawFile::injectFault() || !QFile::rename(source, destination))
            return false;
    }
    // A staged set brings its photos along; a backup's own swap has none.
    return pending || movePhotos(inFolder(from, photosName()), ownPhotosFolder(to),
                                 keepIn.isEmpty() ? QString() : inFolder(keepIn, photosName()));
}

QString BackupSet::ownPhotosFolder(const QString& dataFolder) {
    return FolderLookup::subfolder(QDir::cleanPath(dataFolder + QStringLiteral("/..")), photosName());
}

// Each photo whole or not at all: copied under a pending name, then renamed.
bool BackupSet::copyPhotos(const QString& from, const QString& to, const Copier& copy) {
    if (!QFileInfo(from).isDir())
        return true;
    const QStringList names = QDir(from).entryList(QDir::Files);
    if (names.isEmpty())
        return true;
    if (!QDir().mkpath(to))
        return false;
    for (const QString& name : names) {
        const QString destination = inFolder(to, name);
        const QString pending = pendingName(destination);
        QFile::remove(pending);
        if (!copy(inFolder(from, name), pending)) {
            QFile::remove(pending);
            return false;
        }
        QFile::remove(destination);
        if (RawFile::injectFault() || !QFile::rename(pending, destination))
            return false;
    }
    return true;
}

// Moves each photo into place; with `keepIn`, a photo of the same name moves there first.
bool BackupSet::movePhotos(const QString& from, const QString& to, const QString& keepIn) {
    if (!QFileInfo(from).isDir())
        return true;
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        if (!QDir().mkpath(to))
            return false;
        const QString destination = FolderLookup::find(to, name);
        if (QFileInfo::exists(destination)) {
            if (keepIn.isEmpty()) {
                QFile::remove(destination);
            } else {
                QDir().mkpath(keepIn);
                QFile::remove(inFolder(keepIn, name));
                if (!QFile::rename(destination, inFolder(keepIn, name)))
                    return false;
            }
        }
        if (RawFile::injectFault() || !QFile::rename(inFolder(from, name), destination))
            return false;
    }
    return true;
}

void BackupSet::removePending(const QString& folder) {
    for (const QString& name : allFiles())
        QFile::remove(inFolder(folder, pendingName(name)));
    QFile::remove(inFolder(folder, pendingName(markerName())));
}

bool BackupSet::writeMarker(const QString& folder) {
    return writeLine(inFolder(folder, markerName()), "VELTA COCKTAILS 98\r\n");
}

bool BackupSet::writeLine(const QString& path, const QByteArray& line) {
    return AtomicFile::write(path, line);
}
