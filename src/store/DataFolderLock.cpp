#include "store/DataFolderLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

DataFolderLock::~DataFolderLock() {
    release();
}

bool DataFolderLock::acquire(const QString& dataFolder, bool create) {
    release();
    const QByteArray path = QFile::encodeName(QDir(dataFolder).filePath(fileName()));
    int fd = ::open(path.constData(), O_RDWR | (create ? O_CREAT : 0) | O_CLOEXEC, 0644);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void DataFolderLock::release() {
    if (m_fd >= 0)
        ::close(m_fd); // drops the lock
    m_fd = -1;
}

QString DataFolderLock::heldText(const QString& dataFolder) {
    return QStringLiteral("Die Daten in %1 werden gerade von Velta Cocktails 98 oder von veltadb benutzt.\r"
                          "Bitte beenden Sie das andere Programm und versuchen Sie es dann noch einmal.")
        .arg(QDir::toNativeSeparators(dataFolder));
}
