#pragma once

#include <QString>

// The claim of one writer on a data folder: the program holds it while it runs, and every writing
// veltadb verb for as long as it writes. It is a lock on a small file beside the tables that the
// system drops when its process ends, however it ends; reading needs no claim.
class DataFolderLock {
public:
    DataFolderLock() = default;
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    static QString fileName() { return QStringLiteral(".velta98.lock"); }
    // Claims the folder without waiting; false when another process holds it. A folder where the
    // lock file can be neither made nor opened (a read-only medium) takes no writes anyway and
    // counts as claimed. A reader passes `create` false, so that it leaves no file behind; where
    // there is no lock file, nobody writes.
    bool acquire(const QString& dataFolder, bool create = true);
    void release();
    bool held() const { return m_fd >= 0; }

    // The refusal when the folder is claimed.
    static QString heldText(const QString& dataFolder);

private:
    int m_fd = -1;
};
