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

SmtMemoFile::SmtMemoFile(const QString& path, RawFile::Mode mode) {
    m_file.open(path, mode);
    const QByteArray h = m_file.readAt(0, kHeaderSize);
    if (h.size() < 8)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Kopf zu kurz): %1").arg(path));
    m_nextBlock = le::u32(h, 0);
    const quint32 blockSize = le::u32(h, 4);
    if (blockSize == 0 || blockSize > kMaxBlockSize)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Blockgröße %1): %2").arg(blockSize).arg(path));
    m_blockSize = int(blockSize);
    // A next-free block inside the header or far past the end would let new memos overwrite the
    // header or leave a hole; start writing at the end of what is there instead.
    const quint32 firstData = blocksFor(kHeaderSize, m_blockSize);
    const quint32 pastEnd = blocksFor(m_file.size(), m_blockSize);
    if (m_nextBlock < firstData || m_nextBlock > pastEnd)
        m_nextBlock = qMax(firstData, pastEnd);
}

bool SmtMemoFile::isEmpty(const QByteArray& ref) const {
    if (ref.size() < kRefSize)
        return true;
    return le::u16(ref, 0) == kTypeNone || le::u32(ref, 2) == 0 || le::u32(ref, 6) == 0;
}

QByteArray SmtMemoFile::read(const QByteArray& ref) const {
    if (isEmpty(ref))
        return {};
    const qint64 length = le::u32(ref, 2);
    const qint64 offset = qint64(le::u32(ref, 6)) * m_blockSize;
    if (offset < kHeaderSize || offset + length > m_file.size())
        throw StoreError(QStringLiteral("Memoverweis außerhalb der Memodatei: %1").arg(m_file.path()));
    return m_file.readAt(offset, length);
}

QByteArray SmtMemoFile::write(const QByteArray& text) {
    QByteArray ref(kRefSize, '\0');
    le::put16(ref, 0, kTypeChar);
    if (text.isEmpty())
        return ref;
    const quint32 block = m_nextBlock;
    const quint32 blocks = blocksFor(text.size(), m_blockSize);
    QByteArray data = text;
    data.append(QByteArray(qsizetype(blocks) * m_blockSize - text.size(), '\0'));
    // Data first, then the header: an interruption leaves at most unused blocks behind.
    m_file.writeAt(qint64(block) * m_blockSize, data);
    QByteArray next(4, '\0');
    le::put32(next, 0, block + blocks);
    m_file.writeAt(0, next);
    m_nextBlock = block + blocks;
    le::put32(ref, 2, quint32(text.size()));
    le::put32(ref, 6, block);
    return ref;
}

void SmtMemoFile::zap() {
    m_file.writeAt(0, header(blocksFor(kHeaderSize, m_blockSize), m_blockSize));
    m_file.truncate(kHeaderSize);
    m_nextBlock = blocksFor(kHeaderSize, m_blockSize);
}
