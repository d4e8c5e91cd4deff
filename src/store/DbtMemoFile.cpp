#include "store/DbtMemoFile.h"

#include "store/LittleEndian.h"
#include "store/StoreError.h"

namespace {

constexpr char kEnd = 0x1A;

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

DbtMemoFile::DbtMemoFile(const QString& path, RawFile::Mode mode) : MemoFile(path, mode, kBlockSize) {
    const QByteArray h = m_file.readAt(0, 4);
    if (h.size() < 4)
        throw StoreError(QStringLiteral("Memodatei beschädigt (Kopf zu kurz): %1").arg(path));
    setNextBlock(le::u32(h, 0));
}

qint64 DbtMemoFile::blockOf(const QByteArray& ref, bool* ok) {
    // Blanks or zero bytes around the digits: other tools fill an unused reference with either.
    QByteArray digits = ref.left(kRefSize);
    digits.replace('\0', ' ');
    digits = digits.trimmed();
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

quint64 DbtMemoFile::endBlock(const QByteArray& ref) const {
    bool ok = false;
    const qint64 block = blockOf(ref, &ok);
    return ok && block > 0 ? quint64(block) + 1 : 0;
}

QByteArray DbtMemoFile::read(const QByteArray& ref) const {
    bool ok = false;
    const qint64 block = blockOf(ref, &ok);
    if (!ok)
        throw StoreError(QStringLiteral("Memoverweis unlesbar: %1").arg(m_file.path()));
    if (block <= 0)
        return {};
    const qint64 offset = block * kBlockSize;
    if (offset >= m_file.size())
        throw StoreError(QStringLiteral("Memoverweis außerhalb der Memodatei: %1").arg(m_file.path()));
    // Reading stops at the first end mark; no text the program writes runs longer than
    // kMaxTextBytes, so a search beyond it is in damaged data.
    QByteArray out;
    for (qint64 at = offset; out.size() <= kMaxTextBytes; at += kBlockSize) {
        const QByteArray chunk = m_file.readAt(at, kBlockSize);
        const qsizetype end = chunk.indexOf(kEnd);
        if (end >= 0) {
            if (out.size() + end > kMaxTextBytes)
                break;
            return out + chunk.left(end);
        }
        if (chunk.isEmpty())
            return out; // file ends without a mark: take what is there
        out += chunk;
    }
    throw StoreError(QStringLiteral("Memoverweis beschädigt: Text ohne Endmarke länger als %1 Bytes: %2")
                         .arg(kMaxTextBytes)
                         .arg(m_file.path()));
}

QByteArray DbtMemoFile::write(const QByteArray& text) {
    if (text.isEmpty())
        return blankRef();
    refuseLongText(text.size());
    QByteArray data = text;
    data.replace(kEnd, ' '); // the end mark must not occur inside a text
    data.append(kEnd).append(kEnd);
    const qsizetype blocks = (data.size() + kBlockSize - 1) / kBlockSize;
    data.append(QByteArray(blocks * kBlockSize - data.size(), '\0'));
    if (damage().isEmpty() && !m_lastTextEnded)
        endLastText();
    const QByteArray ref = QByteArray::number(append(data, 1)).rightJustified(kRefSize, ' ');
    m_lastTextEnded = true;
    return ref;
}

// A last text that runs to the end of the file without its end mark would run on into the next
// text written after it: it gets its end mark first.
void DbtMemoFile::endLastText() {
    const qint64 size = m_file.size();
    if (size <= kBlockSize)
        return;
    const qint64 lastBlock = (size - 1) / kBlockSize * kBlockSize;
    if (!m_file.readAt(lastBlock, size - lastBlock).contains(kEnd))
        m_file.writeAt(size, QByteArray(2, kEnd));
}

void DbtMemoFile::zap() {
    m_file.writeAt(0, headerBytes(1));
    m_file.truncate(kBlockSize);
    restart(1);
    m_lastTextEnded = false;
}
