#include "store/DbtMemoFile.h"

#include "store/LittleEndian.h"
#include "store/StoreError.h"

namespace {

constexpr char kEnd = 0x1A;
// Reading stops at the first end mark; this bounds the search in a damaged file.
constexpr qint64 kMaxMemo = 16 * 1024 * 1024;

QByteArray headerBytes(quint32 next) {
    QByteArray h(DbtMemoFile::kBlockSize, '\0');
    le::put32(h, 0, next);
    return h;
}

} // namespace

void DbtMemoFile::create(const QString& path) {
    RawFile file;
    file.create(path);
    file.writeAt(0, headerBytes(1));
    file.flush();
}

DbtMemoFile::DbtMemoFile(const QString& path, RawFile::Mode mode) {
    m_file.open(path, mode);
    const QByteArray h = m_file.readAt(0, 4);
    if (h.size() < 4)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Kopf zu kurz): %1").arg(path));
    const quint32 pastEnd = quint32((m_file.size() + kBlockSize - 1) / kBlockSize);
    m_nextBlock = le::u32(h, 0);
    if (m_nextBlock < 1 || m_nextBlock > pastEnd)
        m_nextBlock = qMax<quint32>(1, pastEnd);
}

qint64 DbtMemoFile::blockOf(const QByteArray& ref, bool* ok) {
    const QByteArray digits = ref.left(kRefSize).trimmed();
    if (digits.isEmpty()) {
        *ok = true;
        return 0;
    }
    return digits.toLongLong(ok);
}

bool DbtMemoFile::isEmpty(const QByteArray& ref) const {
    bool ok = false;
    const qint64 block = blockOf(ref, &ok);
    return !ok || block <= 0;
}

QByteArray DbtMemoFile::read(const QByteArray& ref) const {
    bool ok = false;
    const qint64 block = blockOf(ref, &ok);
    if (!ok)
        throw StoreError(QStringLiteral("Memoverweis unlesbar: %1").arg(m_file.path()));
    if (block <= 0)
        return {};
    if (m_bulk && block >= m_pendingBlock) {
        const QByteArray pending = m_pending.mid((block - m_pendingBlock) * kBlockSize);
        return pending.left(qMax<qsizetype>(0, pending.indexOf(kEnd)));
    }
    const qint64 offset = block * kBlockSize;
    if (offset >= m_file.size())
        throw StoreError(QStringLiteral("Memoverweis außerhalb der Memodatei: %1").arg(m_file.path()));
    QByteArray out;
    for (qint64 at = offset; out.size() < kMaxMemo; at += kBlockSize) {
        const QByteArray chunk = m_file.readAt(at, kBlockSize);
        const qsizetype end = chunk.indexOf(kEnd);
        if (end >= 0)
            return out + chunk.left(end);
        if (chunk.isEmpty())
            return out; // file ends without a mark: take what is there
        out += chunk;
    }
    return out;
}

QByteArray DbtMemoFile::write(const QByteArray& text) {
    if (text.isEmpty())
        return blankRef();
    QByteArray data = text;
    data.replace(kEnd, ' '); // the end mark must not occur inside a text
    data.append(kEnd).append(kEnd);
    const quint32 blocks = quint32((data.size() + kBlockSize - 1) / kBlockSize);
    data.append(QByteArray(qsizetype(blocks) * kBlockSize - data.size(), '\0'));
    const quint32 block = m_nextBlock;
    if (m_bulk) {
        m_pending += data;
        m_nextBlock = block + blocks;
        return QByteArray::number(block).rightJustified(kRefSize, ' ');
    }
    m_file.writeAt(qint64(block) * kBlockSize, data);
    QByteArray next(4, '\0');
    le::put32(next, 0, block + blocks);
    m_file.writeAt(0, next);
    m_nextBlock = block + blocks;
    return QByteArray::number(block).rightJustified(kRefSize, ' ');
}

void DbtMemoFile::zap() {
    m_file.writeAt(0, headerBytes(1));
    m_file.truncate(kBlockSize);
    m_nextBlock = 1;
    m_pendingBlock = 1;
    m_pending.clear();
}

void DbtMemoFile::beginBulk() {
    m_bulk = true;
    m_pendingBlock = m_nextBlock;
    m_pending.clear();
}

// The texts before the header that counts their blocks.
void DbtMemoFile::endBulk() {
    if (!m_bulk)
        return;
    m_bulk = false;
    if (m_pending.isEmpty())
        return;
    m_file.writeAt(qint64(m_pendingBlock) * kBlockSize, m_pending);
    m_pending.clear();
    QByteArray next(4, '\0');
    le::put32(next, 0, m_nextBlock);
    m_file.writeAt(0, next);
}
