#include "store/RawFile.h"

#include "store/StoreError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int& writeBudget() {
    static int budget = -1; // negative: unlimited
    return budget;
}

bool& killAtBudget() {
    static bool kill = false;
    return kill;
}

RawFile::Observer& observer() {
    static RawFile::Observer o;
    return o;
}

QString systemError() {
    return QString::fromLocal8Bit(strerror(errno));
}

} // namespace

RawFile::~RawFile() {
    close();
}

void RawFile::failWritesAfter(int writes) {
    writeBudget() = writes;
    killAtBudget() = false;
}
void RawFile::killAfterWrites(int writes) {
    writeBudget() = writes;
    killAtBudget() = true;
}
void RawFile::stopFailingWrites() {
    writeBudget() = -1;
    killAtBudget() = false;
}

void RawFile::observe(Observer o) {
    observer() = std::move(o);
}

void RawFile::report(Event::Kind kind, qint64 offset, const QByteArray& bytes) const {
    if (observer())
        observer()(Event{kind, m_path, offset, bytes});
}

void RawFile::open(const QString& path, Mode mode) {
    close();
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), (mode == Mode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd < 0)
        throw StoreError(
            QStringLiteral("Datei kann nicht geöffnet werden: %1 (%2)").arg(path, systemError()));
    // Exclusive use keeps every other writer out, and a reader keeps writers out while it reads.
    // A reader still reads beside a writer (the program, while a script lists or checks its data):
    // the store writes texts, then records, then the count, so what it sees is whole.
    if (::flock(fd, (mode == Mode::ReadOnly ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0 &&
        (mode != Mode::ReadOnly || errno != EWOULDBLOCK)) {
        ::close(fd);
        throw StoreError(QStringLiteral("Datei wird von einem anderen Programm benutzt: %1").arg(path));
    }
    m_fd = fd;
    m_mode = mode;
    m_path = path;
}

void RawFile::create(const QString& path) {
    close();
    const QByteArray native = QFile::encodeName(path);
    // The lock comes before the emptying: a file another program has open stays as it is.
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw StoreError(
            QStringLiteral("Datei kann nicht angelegt werden: %1 (%2)").arg(path, systemError()));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        throw StoreError(QStringLiteral("Datei wird von einem anderen Programm benutzt: %1").arg(path));
    }
    m_fd = fd;
    m_mode = Mode::Exclusive;
    m_path = path;
    truncate(0);
}

void RawFile::close() {
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
    m_fd = -1;
    m_unsynced = false;
}

qint64 RawFile::size() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return 0;
    return st.st_size;
}

QByteArray RawFile::readAt(qint64 offset, qint64 length) const {
    if (m_fd < 0 || offset < 0 || length <= 0)
        return {};
    const qint64 available = size() - offset;
    if (available <= 0)
        return {};
    QByteArray out(qMin(length, available), Qt::Uninitialized);
    qint64 done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(m_fd, out.data() + done, size_t(out.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    out.truncate(done);
    return out;
}

void RawFile::writeAt(qint64 offset, const QByteArray& bytes) {
    if (m_fd < 0 || m_mode == Mode::ReadOnly)
        throw StoreError(QStringLiteral("Die Datei ist schreibgeschützt: %1").arg(m_path));
    consumeWriteBudget();
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(m_fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw StoreError(QStringLiteral("Schreibfehler in %1 (%2)").arg(m_path, systemError()));
        done += n;
    }
    m_unsynced = true;
    report(Event::Kind::Write, offset, bytes);
}

bool RawFile::injectFault() {
    if (writeBudget() == 0) {
        if (killAtBudget())
            ::_exit(kKilledExitCode); // no destructor, no clean-up: as a kill leaves the files
        return true;
    }
    if (writeBudget() > 0)
        --writeBudget();
    return false;
}

void RawFile::consumeWriteBudget() const {
    if (injectFault())
        throw StoreError(QStringLiteral("Schreibfehler (Test): %1").arg(m_path));
}

void RawFile::truncate(qint64 newSize) {
    if (m_fd < 0 || m_mode == Mode::ReadOnly)
        throw StoreError(QStringLiteral("Die Datei ist schreibgeschützt: %1").arg(m_path));
    consumeWriteBudget();
    if (::ftruncate(m_fd, off_t(newSize)) != 0)
        throw StoreError(QStringLiteral("Schreibfehler in %1 (%2)").arg(m_path, systemError()));
    m_unsynced = true;
    report(Event::Kind::Truncate, newSize);
}

void RawFile::flush() {
    if (m_fd < 0 || m_mode != Mode::Exclusive || !m_unsynced)
        return;
    consumeWriteBudget();
    if (::fdatasync(m_fd) != 0)
        throw StoreError(QStringLiteral("Schreibfehler in %1 (%2)").arg(m_path, systemError()));
    m_unsynced = false;
    report(Event::Kind::Sync, 0);
}
