#include "store/AtomicFile.h"

#include "store/RawFile.h"
#include "store/SystemErrorText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One step of the replacement, done only when no fault is injected in its place (a fault stands
// for what a full or failing disk answers).
template <typename Op> bool step(Op op, int injected, int* error) {
    if (RawFile::injectFault()) {
        *error = injected;
        return false;
    }
    if (op() == 0)
        return true;
    *error = errno;
    return false;
}

bool writeAll(int fd, const QByteArray& bytes, int* error) {
    qint64 done = 0;
    do {
        if (RawFile::injectFault()) {
            *error = ENOSPC;
            return false;
        }
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += n;
    } while (done < bytes.size());
    return true;
}

// A new file gets what the user's umask allows; a replaced one keeps its permissions.
mode_t modeFor(const QByteArray& target) {
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool AtomicFile::write(const QString& path, const QByteArray& bytes, QString* reason) {
    const QByteArray target = QFile::encodeName(path);
    const QFileInfo info(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                        QStringLiteral(".XXXXXX"));
    int error = 0;
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        if (reason)
            *reason = systemErrorText(errno);
        return false;
    }
    bool ok = step([&] { return ::fchmod(fd, modeFor(target)); }, EIO, &error) &&
              writeAll(fd, bytes, &error) && step([&] { return ::fsync(fd); }, EIO, &error);
    // close() may be where a network file system reports what the write could not do.
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    ok = ok && step([&] { return ::rename(temp.constData(), target.constData()); }, EIO, &error);
    if (!ok) {
        ::unlink(temp.constData());
        if (reason)
            *reason = systemErrorText(error);
        return false;
    }
    // The new name reaches the disk with the folder; a failure here changes nothing already done.
    const int dir =
        ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

QString AtomicFile::failureText(const QString& path, const QString& reason) {
    return QStringLiteral("Die Datei konnte nicht gespeichert werden:\r%1\r%2").arg(path, reason);
}

QString AtomicFile::setAside(const QString& path) {
    for (int n = 1; n < 1000; ++n) {
        const QString target =
            path + (n == 1 ? QStringLiteral(".beschaedigt") : QStringLiteral(".beschaedigt%1").arg(n));
        if (QFile::exists(target))
            continue;
        return QFile::rename(path, target) ? target : QString();
    }
    return {};
}
