#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A file reached by position, with an OS lock held while it is open. Every write goes through
// writeAt(), so a test can stop the writes at any point to act out an interrupted program.
class RawFile {
public:
    enum class Mode { ReadOnly, Exclusive };

    RawFile() = default;
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    // Throws StoreError when the file is missing or cannot be opened, or, for writing, while another
    // process has it open; a read-only opening reads beside a writer.
    void open(const QString& path, Mode mode);
    // Opens exclusively, creating the file when needed, and empties it once the lock is held.
    void create(const QString& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    bool isReadOnly() const { return m_mode == Mode::ReadOnly; }
    QString path() const { return m_path; }

    qint64 size() const;
    QByteArray readAt(qint64 offset, qint64 length) const; // short at the end of the file
    void writeAt(qint64 offset, const QByteArray& bytes);
    void truncate(qint64 size);
    // Forces what was written since the last time to the disk; nothing to do when nothing was.
    void flush();

    // Test seam: after this many further writes every write fails, as if the program had died.
    static void failWritesAfter(int writes);
    static void stopFailingWrites();
    // The same count, but the process ends at once where the write would fail, as if killed.
    static void killAfterWrites(int writes);
    static constexpr int kKilledExitCode = 86;
    // The same seam for write paths that do not go through a RawFile (whole-file replacement):
    // true when this write, flush or rename is to fail; otherwise it counts as one.
    static bool injectFault();

    // Test seam: every write, truncation and forced write to disk, in order, so that a test can
    // act out a power loss (the disk keeps what was forced and any part of the rest).
    struct Event {
        enum class Kind { Write, Truncate, Sync };
        Kind kind = Kind::Write;
        QString path;
        qint64 offset = 0; // the new size for Truncate
        QByteArray bytes;
    };
    using Observer = std::function<void(const Event&)>;
    static void observe(Observer observer); // an empty observer stops observing

private:
    void consumeWriteBudget() const;
    void report(Event::Kind kind, qint64 offset, const QByteArray& bytes = {}) const;
    int m_fd = -1;
    bool m_unsynced = false;
    Mode m_mode = Mode::ReadOnly;
    QString m_path;
};
