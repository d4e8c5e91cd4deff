#pragma once

#include "common/Notice.h"

#include <QString>
#include <QStringList>

#include <functional>

class TApolloEnv;

// The user's data files copied to a backup folder and back. Both directions first gather a complete
// copy under names nobody reads, and only then replace the files in place, so a failure keeps the
// previous state whole.
class BackupSet {
public:
    using Copier = std::function<bool(const QString& source, const QString& destination)>;
    // The problems that make a staged set unusable; none: it may replace the data.
    using Checker = std::function<QStringList(const QString& folder)>;

    struct Result {
        bool ok = false;
        Notice::Caption caption = Notice::Caption::Hint; // a hint or an error
        QString text;                                    // the message for the user
    };

    static QStringList files();
    // The settings beside the tables: backed up when they exist; a restore replaces only those the
    // backup holds, so restoring an older backup without them keeps the current ones.
    static QStringList settingsFiles();
    static QString markerName() { return QStringLiteral("_Velta Backup.cfg"); }
    static bool isBackupFolder(const QString& folder);
    // The folder as the messages show it: as it is named, with a trailing separator.
    static QString shownFolder(const QString& folder);
    // Whether the folder holds files a backup would not write there (a home folder, a documents
    // folder): a backup into it would spread its files among them.
    static bool holdsOtherFiles(const QString& folder);

    // Empty when the folder may take a backup, else the refusal text (a filesystem root, or the
    // data folder itself, recognised by its "DEFAULT.BMP").
    static QString backupTargetProblem(const QString& folder);
    static QString restoreSourceProblem(const QString& folder);

    static Result backup(const QString& dataFolder, const QString& target, const Copier& copy = {});
    // The staged copy is checked (tables, record counts, memo references, lists file) before
    // anything is replaced; what the restore replaces is kept beside the data for undoRestore().
    static Result restore(const QString& source, const QString& dataFolder, bool readOnly,
                          const Copier& copy = {}, const Checker& check = {});
    // With the program's store environment when one exists (only one may), else with its own.
    static QStringList checkStagedSet(const QString& folder, TApolloEnv* env = nullptr);
    // Puts back the data the last restore replaced (and keeps these for undoing the undo).
    static Result undoRestore(const QString& dataFolder, bool readOnly);
    static bool canUndoRestore(const QString& dataFolder);
    static QString safetyFolder(const QString& dataFolder);

    static QString readOnlyText();
    // Completes a restore that was cut off (the program killed, the power lost) while the staged
    // set replaced the data: a staged set marked complete is moved into place, an unmarked one
    // is thrown away. Called at start-up, before the data are read.
    static void finishRestore(const QString& dataFolder);
    static QString stagingFolder(const QString& dataFolder);
    // Completes a backup into the folder that was cut off while its new set replaced the older one
    // (the new set is complete once its pending marker exists); drops an incomplete new set.
    static bool finishBackup(const QString& folder);
    // The user's own photos beside the data folder ("EIGENE"), backed up into a folder of that name;
    // a restore brings back the photos the backup holds and keeps the ones it replaces for the undo.
    static QString ownPhotosFolder(const QString& dataFolder);
    static QString photosName() { return QStringLiteral("EIGENE"); }

private:
    static QString pendingName(const QString& name) { return name + QStringLiteral(".neu"); }
    static QString completeName() { return QStringLiteral("komplett"); }
    static bool copyAll(const QString& from, const QString& to, const Copier& copy, bool pending);
    static bool moveIntoPlace(const QString& from, const QString& to, bool pending,
                              const QString& keepIn = {});
    static QStringList allFiles() { return files() + settingsFiles(); }
    static void removePending(const QString& folder);
    static bool writeMarker(const QString& folder);
    static bool writeLine(const QString& path, const QByteArray& line);
    static bool copyPhotos(const QString& from, const QString& to, const Copier& copy);
    static bool movePhotos(const QString& from, const QString& to, const QString& keepIn);
};
