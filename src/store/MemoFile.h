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
    // The longest text the program ever writes into a memo, in bytes: the recipe editor's
    // instructions and remark with every line break as CR LF, the separator, and the heading the
    // print table puts between them stay well below it. A longer length read from a reference is
    // damage; reading never allocates more than this.
    static constexpr qint64 kMaxTextBytes = 16 * 1024;

    virtual ~MemoFile();
    MemoFile(const MemoFile&) = delete;
    MemoFile& operator=(const MemoFile&) = delete;
    static std::unique_ptr<MemoFile> open(Kind kind, const QString& path, RawFile::Mode mode);
    static void create(Kind kind, const QString& path, int blockSize);

    // Throws StoreError when the reference points outside the file or at a text longer than
    // kMaxTextBytes.
    virtual QByteArray read(const QByteArray& ref) const = 0;
    virtual bool isEmpty(const QByteArray& ref) const = 0;
    // The first block after (at least the start of) the text a reference points to; 0 for none.
    virtual quint64 endBlock(const QByteArray& ref) const = 0;
    // Writes the text into fresh blocks after everything in the file and returns the reference to
    // store in the record. The old blocks stay as they are, so a record still pointing there reads
    // its old text until then. Throws StoreError, also while the file is damaged (damage()) and for
    // a text longer than kMaxTextBytes.
    virtual QByteArray write(const QByteArray& text) = 0;
    virtual void zap() = 0;
    // Writes the header's next free block, then forces the file to disk: the texts are there before
    // any record refers to them.
    void flush();

    // Told the end of the blocks the records use, once they are read: a header whose next free
    // block lies below it would let a new text overwrite a used one, and one past the end of the
    // file would place a new text far beyond it (a huge sparse file); either way the file counts as
    // damaged and refuses to write. Unused blocks past the pointer (an interrupted write) are left
    // alone.
    void adoptUsedBlocks(quint64 usedEnd);
    QString damage() const { return m_damage; }
    quint64 blocksInFile() const; // counting a last block that is only partly there

    static QByteArray blankRef() { return QByteArray(kRefSize, ' '); }

protected:
    MemoFile(const QString& path, RawFile::Mode mode, int blockSize);
    void setBlockSize(int blockSize) { m_blockSize = blockSize; }
    int blockSize() const { return m_blockSize; }
    // Where `data` (whole blocks) goes: at the end of the file, never below the header and never
    // beyond the end. Writes it and returns the first block; the header's next free block follows
    // at flush(), once for many texts.
    quint32 append(const QByteArray& data, quint32 firstDataBlock);
    void setNextBlock(quint32 block) { m_nextBlock = block; }
    // After emptying the file: writing starts at `block`, and no damage is left.
    void restart(quint32 block) {
        m_nextBlock = block;
        m_headerDirty = false;
        m_damage.clear();
    }
    quint32 nextBlock() const { return m_nextBlock; }
    void refuseLongText(qint64 bytes) const;

    RawFile m_file;

private:
    quint32 m_nextBlock = 0;
    bool m_headerDirty = false; // texts appended since the header was last written
    int m_blockSize;
    QString m_damage;
};
