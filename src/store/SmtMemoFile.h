#pragma once

#include "store/MemoFile.h"

// The SMT memo file of the main tables: a 512-byte header (next free block, block size,
// signature) and memo texts stored raw in whole blocks, their length kept in the reference.
class SmtMemoFile : public MemoFile {
public:
    static constexpr int kHeaderSize = 512;

    SmtMemoFile(const QString& path, RawFile::Mode mode);
    static void create(const QString& path, int blockSize);

    QByteArray read(const QByteArray& ref) const override;
    bool isEmpty(const QByteArray& ref) const override;
    quint64 endBlock(const QByteArray& ref) const override;
    QByteArray write(const QByteArray& text) override;
    void zap() override;

    static QByteArray header(quint32 nextBlock, int blockSize);

private:
    quint32 firstDataBlock() const;
};
