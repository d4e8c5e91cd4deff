#pragma once

#include "store/MemoFile.h"

// The dBASE III memo file of the helper table: 512-byte blocks, the block number as ten ASCII
// digits in the record, each text ended by two 0x1A bytes.
class DbtMemoFile : public MemoFile {
public:
    static constexpr int kBlockSize = 512;

    DbtMemoFile(const QString& path, RawFile::Mode mode);
    static void create(const QString& path);

    QByteArray read(const QByteArray& ref) const override;
    bool isEmpty(const QByteArray& ref) const override;
    QByteArray write(const QByteArray& text) override;
    void zap() override;
    void flush() override { m_file.flush(); }
    void beginBulk() override;
    void endBulk() override;

private:
    static qint64 blockOf(const QByteArray& ref, bool* ok);
    RawFile m_file;
    quint32 m_nextBlock = 1;
    bool m_bulk = false;
    quint32 m_pendingBlock = 1; // where the collected texts go
    QByteArray m_pending;
};
