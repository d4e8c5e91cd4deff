#pragma once

#include "store/RawFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The memo file beside a table. A memo field in the record holds a 10-byte reference whose
// meaning depends on the file kind; this class turns references into texts and back.
class MemoFile {
public:
    enum class Kind { Smt, Dbt };
    static constexpr int kRefSize = 10;

    virtual ~MemoFile();
    static std::unique_ptr<MemoFile> open(Kind kind, const QString& path, RawFile::Mode mode);
    static void create(Kind kind, const QString& path, int blockSize);

    // Throws StoreError when the reference points outside the file.
    virtual QByteArray read(const QByteArray& ref) const = 0;
    virtual bool isEmpty(const QByteArray& ref) const = 0;
    // Writes the text into fresh blocks and returns the reference to store in the record. The old
    // blocks stay as they are, so a record still pointing there reads its old text until then.
    virtual QByteArray write(const QByteArray& text) = 0;
    virtual void zap() = 0;
    virtual void flush() = 0;
    // Bulk writing of the table (DbfFile::beginBulk); a file kind without it writes through.
    virtual void beginBulk() {}
    virtual void endBulk() {}

    static QByteArray blankRef() { return QByteArray(kRefSize, ' '); }
};
