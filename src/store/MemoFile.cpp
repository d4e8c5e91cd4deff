#include "store/MemoFile.h"

#include "store/DbtMemoFile.h"
#include "store/LittleEndian.h"
#include "store/SmtMemoFile.h"
#include "store/StoreError.h"

MemoFile::MemoFile(const QString& path, RawFile::Mode mode, int blockSize) : m_blockSize(blockSize) {
    m_file.open(path, mode);
}

MemoFile::~MemoFile() = default;

std::unique_ptr<MemoFile> MemoFile::open(Kind kind, const QString& path, RawFile::Mode mode) {
    if (kind == Kind::Smt)
        return std::make_unique<SmtMemoFile>(path, mode);
    return std::make_unique<DbtMemoFile>(path, mode);
}

void MemoFile::create(Kind kind, const QString& path, int blockSize) {
    if (kind == Kind::Smt)
        SmtMemoFile::create(path, blockSize);
    else
        DbtMemoFile::create(path);
}

quint64 MemoFile::blocksInFile() const {
    return quint64((m_file.size() + m_blockSize - 1) / m_blockSize);
}

void MemoFile::adoptUsedBlocks(quint64 usedEnd) {
    if (m_nextBlock > blocksInFile()) {
        m_damage =
            QStringLiteral("Memodatei beschädigt: der nächste freie Block (%1) liegt hinter dem Ende der "
                           "Datei (Block %2), neue Texte werden nicht geschrieben: %3")
                .arg(m_nextBlock)
                .arg(blocksInFile())
                .arg(m_file.path());
        return;
    }
    if (m_nextBlock >= usedEnd)
        return;
    m_damage = QStringLiteral("Memodatei beschädigt: der nächste freie Block (%1) liegt vor dem Ende der "
                              "benutzten Texte (Block %2), neue Texte werden nicht geschrieben: %3")
                   .arg(m_nextBlock)
                   .arg(usedEnd)
                   .arg(m_file.path());
}

void MemoFile::refuseLongText(qint64 bytes) const {
    if (bytes > kMaxTextBytes)
        throw StoreError(QStringLiteral("Text zu lang für die Memodatei (%1 Bytes, höchstens %2): %3")
                             .arg(bytes)
                             .arg(kMaxTextBytes)
                             .arg(m_file.path()));
}

quint32 MemoFile::append(const QByteArray& data, quint32 firstDataBlock) {
    if (!m_damage.isEmpty())
        throw StoreError(m_damage);
    const quint64 inFile = blocksInFile();
    // A header pointing past the end was found when the table opened; a file that shrank since
    // (another program) must not let the write land beyond its end either.
    if (m_nextBlock > inFile)
        throw StoreError(QStringLiteral("Memodatei beschädigt: der nächste freie Block (%1) liegt hinter dem "
                                        "Ende der Datei (Block %2): %3")
                             .arg(m_nextBlock)
                             .arg(inFile)
                             .arg(m_file.path()));
    const quint64 block = qMax<quint64>(firstDataBlock, inFile);
    const quint64 next = block + quint64(data.size()) / quint64(m_blockSize);
    if (next > 0xFFFFFFFFu)
        throw StoreError(QStringLiteral("Memodatei voll: %1").arg(m_file.path()));
    // Data first, the header at the flush: an interruption leaves at most unused blocks behind.
    m_file.writeAt(qint64(block) * m_blockSize, data);
    m_nextBlock = quint32(next);
    m_headerDirty = true;
    return quint32(block);
}

void MemoFile::flush() {
    if (m_headerDirty) {
        QByteArray header(4, '\0');
        le::put32(header, 0, m_nextBlock);
        m_file.writeAt(0, header);
        m_headerDirty = false;
    }
    m_file.flush();
}
