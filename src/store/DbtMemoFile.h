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
    quint64 endBlock(const QByteArray& ref) const override;
    QByteArray write(const QByteArray& text) override;
    void zap() override;

private:
    static qint64 blockOf(const QByteArray& ref, bool* ok);
    void endLastText();
    bool m_lastTextEnded = false; // the file ends with a text this object wrote, end mark and all
};
