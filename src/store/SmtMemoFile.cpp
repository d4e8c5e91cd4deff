#include "store/SmtMemoFile.h"

#include "store/LittleEndian.h"
#include "store/StoreError.h"

namespace {

constexpr char kSignature[] = "SIxMemo";
constexpr quint16 kTypeChar = 1;
constexpr quint16 kTypeNone = 0x2020;
constexpr int kMaxBlockSize = 65536;

quint32 blocksFor(qint64 bytes, int blockSize) {
    return quint32((bytes + blockSize - 1) / blockSize);
}

} // namespace

QByteArray SmtMemoFile::header(quint32 nextBlock, int blockSize) {
    QByteArray h(kHeaderSize, '\0');
    le::put32(h, 0, nextBlock);
    le::put32(h, 4, quint32(blockSize));
    h.replace(8, int(sizeof(kSignature)), QByteArray(kSignature, sizeof(kSignature)));
    return h;
}

void SmtMemoFile::create(const QString& path, int blockSize) {
    RawFile file;
    file.create(path);
    file.writeAt(0, header(blocksFor(kHeaderSize, blockSize), blockSize));
    file.flush();
}

SmtMemoFile::SmtMemoFile(const QString& path, RawFile::Mode mode) : MemoFile(path, mode, 64) {
    const QByteArray h = m_file.readAt(0, kHeaderSize);
    if (h.size() < 8)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Kopf zu kurz): %1").arg(path));
    const quint32 size = le::u32(h, 4);
    if (size == 0 || size > kMaxBlockSize)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Blockgröße %1): %2").arg(size).arg(path));
    setBlockSize(int(size));
    setNextBlock(le::u32(h, 0));
}

quint32 SmtMemoFile::firstDataBlock() const {
    return blocksFor(kHeaderSize, blockSize());
}

bool SmtMemoFile::isEmpty(const QByteArray& ref) const {
    if (ref.size() < kRefSize)
        return true;
    return le::u16(ref, 0) == kTypeNone || le::u32(ref, 2) == 0 || le::u32(ref, 6) == 0;
}

quint64 SmtMemoFile::endBlock(const QByteArray& ref) const {
    // A length no text can have is damage of its record, reported when read.
    if (isEmpty(ref) || le::u32(ref, 2) > kMaxTextBytes)
        return 0;
    return quint64(le::u32(ref, 6)) + blocksFor(le::u32(ref, 2), blockSize());
}

QByteArray SmtMemoFile::read(const QByteArray& ref) const {
    if (isEmpty(ref))
        return {};
    const qint64 length = le::u32(ref, 2);
    const qint64 offset = qint64(le::u32(ref, 6)) * blockSize();
    if (length > kMaxTextBytes)
        throw StoreError(QStringLiteral("Memoverweis beschädigt: Textlänge %1 Bytes, höchstens %2: %3")
                             .arg(length)
                             .arg(kMaxTextBytes)
                             .arg(m_file.path()));
    if (offset < kHeaderSize || offset + length > m_file.size())
        throw StoreError(QStringLiteral("Memoverweis außerhalb der Memodatei: %1").arg(m_file.path()));
    return m_file.readAt(offset, length);
}

QByteArray SmtMemoFile::write(const QByteArray& text) {
    QByteArray ref(kRefSize, '\0');
    le::put16(ref, 0, kTypeChar);
    if (text.isEmpty())
        return ref;
    refuseLongText(text.size());
    QByteArray data = text;
    data.append(QByteArray(qsizetype(blocksFor(text.size(), blockSize())) * blockSize() - text.size(), '\0'));
    const quint32 block = append(data, firstDataBlock());
    le::put32(ref, 2, quint32(text.size()));
    le::put32(ref, 6, block);
    return ref;
}

void SmtMemoFile::zap() {
    m_file.writeAt(0, header(firstDataBlock(), blockSize()));
    m_file.truncate(kHeaderSize);
    restart(firstDataBlock());
}
