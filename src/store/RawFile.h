#pragma once

#include <QByteArray>
#include <QString>

// A file reached by position, with an OS lock held while it is open. Every write goes through
// writeAt(), so a test can stop the writes at any point to act out an interrupted program.
class RawFile {
public:
    enum class Mode { ReadOnly, Exclusive };

    RawFile() = default;
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    // Throws StoreError when the file is missing, cannot be opened or is locked by another process.
    void open(const QString& path, Mode mode);
    void create(const QString& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    bool isReadOnly() const { return m_mode == Mode::ReadOnly; }
    QString path() const { return m_path; }

    qint64 size() const;
    QByteArray readAt(qint64 offset, qint64 length) const; // short at the end of the file
    void writeAt(qint64 offset, const QByteArray& bytes);
    void truncate(qint64 size);
    void flush();

    // Test seam: after this many further writes every write fails, as if the program had died.
    static void failWritesAfter(int writes);
    static void stopFailingWrites();

private:
    void consumeWriteBudget() const;
    int m_fd = -1;
    Mode m_mode = Mode::ReadOnly;
    QString m_path;
};
