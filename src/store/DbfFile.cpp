#include "store/DbfFile.h"

#include "store/AtomicFile.h"
#include "store/FolderEntry.h"
#include "store/LittleEndian.h"
#include "store/StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kFixedHeader = 32;
constexpr int kDescriptor = 32;
constexpr char kTerminator = 0x0D;
constexpr char kEof = 0x1A;
constexpr quint8 kLanguageAnsi = 0x57;

QString damaged(const QString& path, const QString& why) {
    return QStringLiteral("Tabelle beschädigt (%1): %2").arg(why, path);
}

bool usesSmt(quint8 version) {
    return version == 0xE5;
}
// dBASE IV memo files (0x8B) put a header in front of every text: not this layout.
bool usesDbt(quint8 version) {
    return version == 0x83 || version == 0x87;
}
// The encrypted variants of 0x03, 0x83, 0xE5 and 0xF5 read as garbage without the key.
bool isEncrypted(quint8 version) {
    return version == 0x06 || version == 0x86 || version == 0xE6 || version == 0xF6;
}
// Writing pending records, clean ones this close to the next pending one go along in one write.
constexpr int kJoinGap = 8;

QByteArray dateBytes(const QDate& d) {
    QByteArray b(3, '\0');
    b[0] = char(d.year() - 1900);
    b[1] = char(d.month());
    b[2] = char(d.day());
    return b;
}

} // namespace

QDate DbfFile::stampDate() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date();
    return QDate::currentDate();
}

QString DbfFile::memoPathFor(const QString& tablePath, MemoFile::Kind kind) {
    const QFileInfo info(tablePath);
    return FolderEntry::path(info.absolutePath(), info.completeBaseName() + (kind == MemoFile::Kind::Smt
                                                                                 ? QStringLiteral(".SMT")
                                                                                 : QStringLiteral(".DBT")));
}

void DbfFile::create(const QString& path, quint8 version, const QList<Definition>& fields,
                     int memoBlockSize) {
    if (fields.isEmpty() || fields.size() > 1000)
        throw StoreError(QStringLiteral("Ungültige Felddefinition für %1").arg(path));
    const int headerLength = kFixedHeader + kDescriptor * int(fields.size()) + 1;
    QByteArray header(headerLength, '\0');
    int recordLength = 1;
    bool hasMemo = false;
    for (int i = 0; i < fields.size(); ++i) {
        const Definition& f = fields.at(i);
        const int length = f.type == 'M' ? MemoFile::kRefSize : f.type == 'L' ? 1 : f.length;
        if (f.name.isEmpty() || f.name.size() > 10 || length <= 0 || length > 255)
            throw StoreError(
                QStringLiteral("Ungültiges Feld %1 in %2").arg(QString::fromLatin1(f.name), path));
        char* d = header.data() + kFixedHeader + kDescriptor * i;
        memcpy(d, f.name.toUpper().constData(), size_t(f.name.size()));
        d[11] = f.type;
        qToLittleEndian<quint32>(quint32(recordLength), d + 12);
        d[16] = char(length);
        d[17] = char(f.type == 'N' ? f.decimals : 0);
        recordLength += length;
        hasMemo = hasMemo || f.type == 'M';
    }
    if (recordLength > kMaxRecordLength)
        throw StoreError(QStringLiteral("Satz zu lang für %1").arg(path));
    header[0] = char(hasMemo ? version : kVersionPlain);
    header.replace(1, 3, dateBytes(stampDate()));
    le::put16(header, 8, quint16(headerLength));
    le::put16(header, 10, quint16(recordLength));
    header[29] = char(kLanguageAnsi);
    header[headerLength - 1] = kTerminator;
    // The table's lock first: a table that another program has open is left as it is.
    RawFile file;
    file.create(path);
    if (hasMemo) {
        const auto kind = usesSmt(version) ? MemoFile::Kind::Smt : MemoFile::Kind::Dbt;
        MemoFile::create(kind, memoPathFor(path, kind), memoBlockSize);
    }
    file.writeAt(0, header + QByteArray(1, kEof));
    file.flush();
}

void DbfFile::open(const QString& path, RawFile::Mode mode) {
    close();
    try {
        m_file.open(path, mode);
        readHeader(path);
        if (mode == RawFile::Mode::Exclusive)
            replayJournal();
        openMemo(path, mode);
        m_records = m_file.readAt(m_headerLength, qint64(m_count) * m_recordLength);
        if (m_records.size() != qint64(m_count) * m_recordLength)
            throw StoreError(damaged(path, QStringLiteral("Sätze fehlen")));
        m_pending.assign(size_t(m_count), false);
        checkMemoBlocks();
    } catch (...) {
        close();
        throw;
    }
}

void DbfFile::readHeader(const QString& path) {
    const qint64 fileSize = m_file.size();
    const QByteArray fixed = m_file.readAt(0, kFixedHeader);
    if (fixed.size() < kFixedHeader)
        throw StoreError(damaged(path, QStringLiteral("Kopf zu kurz")));
    m_version = quint8(fixed[0]);
    if (isEncrypted(m_version))
        throw StoreError(
            QStringLiteral("Tabelle verschlüsselt, sie kann nicht gelesen werden: %1").arg(path));
    m_count = int(qMin<quint32>(le::u32(fixed, 4), quint32(INT_MAX)));
    m_diskCount = m_count;
    m_headerLength = le::u16(fixed, 8);
    m_recordLength = le::u16(fixed, 10);
    const int year = 1900 + quint8(fixed[1]);
    m_lastUpdate = QDate(year, quint8(fixed[2]), quint8(fixed[3]));
    if (m_headerLength < kFixedHeader + kDescriptor + 1 || m_headerLength > fileSize)
        throw StoreError(damaged(path, QStringLiteral("Kopflänge")));
    if (m_recordLength < 2)
        throw StoreError(damaged(path, QStringLiteral("Satzlänge")));
    readFields(m_file.readAt(0, m_headerLength));
    // A header that reached the disk before its records (as other engines write): the complete
    // records count. This also bounds every allocation by the file's size. The next count written
    // is the true one.
    const qint64 complete = (fileSize - m_headerLength) / m_recordLength;
    if (m_count > complete) {
        m_problems << QStringLiteral("Satzanzahl im Kopf (%1) größer als die Datei (%2 vollständige Sätze), "
                                     "die vollständigen Sätze werden gelesen")
                          .arg(m_count)
                          .arg(complete);
        m_count = int(complete);
    }
}

void DbfFile::readFields(const QByteArray& header) {
    m_fields.clear();
    int offset = 1;
    for (int at = kFixedHeader; at + kDescriptor <= header.size() && header[at] != kTerminator;
         at += kDescriptor) {
        DbfField f;
        const QByteArray rawName = header.mid(at, 11);
        f.name = rawName.left(rawName.indexOf('\0') < 0 ? 11 : rawName.indexOf('\0')).trimmed().toUpper();
        f.type = header[at + 11];
        f.length = quint8(header[at + 16]);
        f.decimals = quint8(header[at + 17]);
        if (f.type == 'C') { // Clipper stores long character widths in the decimals byte
            f.length += 256 * f.decimals;
            f.decimals = 0;
        }
        if (f.name.isEmpty() || f.length == 0)
            throw StoreError(damaged(m_file.path(), QStringLiteral("Feldbeschreibung")));
        f.offset = offset;
        offset += f.length;
        m_fields.append(f);
    }
    if (m_fields.isEmpty())
        throw StoreError(damaged(m_file.path(), QStringLiteral("keine Felder")));
    if (offset != m_recordLength)
        throw StoreError(damaged(m_file.path(), QStringLiteral("Satzlänge passt nicht zu den Feldern")));
}

void DbfFile::openMemo(const QString& path, RawFile::Mode mode) {
    m_memo.reset();
    const bool hasMemoField =
        std::any_of(m_fields.cbegin(), m_fields.cend(), [](const DbfField& f) { return f.type == 'M'; });
    if (!hasMemoField)
        return;
    MemoFile::Kind kind;
    if (usesSmt(m_version))
        kind = MemoFile::Kind::Smt;
    else if (usesDbt(m_version))
        kind = MemoFile::Kind::Dbt;
    else
        throw StoreError(QStringLiteral("Memoformat dieser Tabelle wird nicht unterstützt: %1").arg(path));
    for (const DbfField& f : std::as_const(m_fields)) {
        if (f.type == 'M' && f.length != MemoFile::kRefSize)
            throw StoreError(damaged(path, QStringLiteral("Memofeld")));
    }
    m_memo = MemoFile::open(kind, memoPathFor(path, kind), mode);
}

// The memo file's header must not point into texts that records use.
void DbfFile::checkMemoBlocks() {
    if (!m_memo)
        return;
    const quint64 inFile = m_memo->blocksInFile();
    quint64 usedEnd = 0;
    for (const DbfField& f : std::as_const(m_fields)) {
        if (f.type != 'M')
            continue;
        for (int r = 1; r <= m_count; ++r) {
            const quint64 end = m_memo->endBlock(QByteArray::fromRawData(record(r) + f.offset, f.length));
            // A reference past the end of the file is damage of its record, reported when read.
            if (end <= inFile)
                usedEnd = qMax(usedEnd, end);
        }
    }
    m_memo->adoptUsedBlocks(usedEnd);
}

QStringList DbfFile::problems() const {
    QStringList out = m_problems;
    if (m_memo && !m_memo->damage().isEmpty())
        out << m_memo->damage();
    return out;
}

void DbfFile::close() {
    m_memo.reset();
    m_file.close();
    m_records.clear();
    m_fields.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_problems.clear();
    m_count = 0;
    m_diskCount = 0;
}

int DbfFile::fieldIndex(const QByteArray& name) const {
    // Callers name fields as the header spells them; any other spelling is searched for.
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).name == name)
            return i;
    }
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DbfFile::writeRecord(int recNo, const QByteArray& bytes) {
    Q_ASSERT(recNo >= 1 && recNo <= m_count && bytes.size() == m_recordLength);
    m_records.replace(qsizetype(recNo - 1) * m_recordLength, m_recordLength, bytes);
    if (!m_pending[size_t(recNo - 1)]) {
        m_pending[size_t(recNo - 1)] = true;
        ++m_pendingCount;
    }
}

int DbfFile::appendRecord(const QByteArray& bytes) {
    Q_ASSERT(bytes.size() == m_recordLength);
    m_records.append(bytes);
    m_pending.push_back(true);
    ++m_pendingCount;
    return ++m_count;
}

void DbfFile::flush() {
    if (m_memo)
        m_memo->flush(); // the texts are on disk before any record points to them
    // Several records change as one: cut off part-way, the journal completes them at the next opening.
    // Records only appended need none: the count in the header, written last, is what makes them count.
    const auto firstChanged = std::find(m_pending.begin(), m_pending.end(), true);
    const bool journaled = m_pendingCount > 1 && firstChanged != m_pending.end() &&
                           firstChanged - m_pending.begin() < m_diskCount;
    if (journaled)
        writeJournal();
    writePendingRecords();
    if (m_count != m_diskCount) {
        m_file.writeAt(m_headerLength + qint64(m_count) * m_recordLength, QByteArray(1, kEof));
        m_file.flush(); // the records are on disk before the header counts them
        writeCountAndDate(m_count);
    }
    m_file.flush();
    if (journaled)
        QFile::remove(journalPathFor(m_file.path()));
}

// The journal: "VJN1", the record length, the record count before and after, the number of
// records, then per record its index, the bytes on disk before (blank for an appended one) and
// the bytes after.
void DbfFile::writeJournal() {
    QByteArray head(20, '\0');
    head.replace(0, 4, "VJN1");
    le::put32(head, 4, quint32(m_recordLength));
    le::put32(head, 8, quint32(m_diskCount));
    le::put32(head, 12, quint32(m_count));
    le::put32(head, 16, quint32(m_pendingCount));
    QByteArray body;
    body.reserve(qsizetype(m_pendingCount) * (4 + 2 * m_recordLength));
    QByteArray index(4, '\0');
    for (int r = 0; r < m_count; ++r) {
        if (!m_pending[size_t(r)])
            continue;
        le::put32(index, 0, quint32(r));
        body += index;
        const qint64 at = m_headerLength + qint64(r) * m_recordLength;
        body += r < m_diskCount ? m_file.readAt(at, m_recordLength).leftJustified(m_recordLength, ' ', true)
                                : blankRecord();
        body += m_records.mid(qsizetype(r) * m_recordLength, m_recordLength);
    }
    QString reason;
    if (!AtomicFile::write(journalPathFor(m_file.path()), head + body, &reason))
        throw StoreError(
            QStringLiteral("Schreibfehler in %1 (%2)").arg(journalPathFor(m_file.path()), reason));
}

// Completes a journal that belongs to this table: the header counts the records before or after,
// and every record it names that the table held before is on disk as before or as after. Any
// other journal is left from another copy of the table and is dropped.
void DbfFile::replayJournal() {
    const QString path = journalPathFor(m_file.path());
    QFile journal(path);
    if (!journal.exists() || !journal.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = journal.readAll();
    journal.close();
    const auto drop = [&path] { QFile::remove(path); };
    if (bytes.size() < 20 || !bytes.startsWith("VJN1") || int(le::u32(bytes, 4)) != m_recordLength)
        return drop();
    const int before = int(le::u32(bytes, 8));
    const int after = int(le::u32(bytes, 12));
    const qint64 records = le::u32(bytes, 16);
    const qint64 entry = 4 + 2 * qint64(m_recordLength);
    if ((m_diskCount != before && m_diskCount != after) || bytes.size() != 20 + records * entry)
        return drop();
    for (qint64 k = 0; k < records; ++k) {
        const qsizetype at = qsizetype(20 + k * entry);
        const int r = int(le::u32(bytes, at));
        if (r < 0 || r >= after)
            return drop();
        if (r < before) {
            const QByteArray disk =
                m_file.readAt(m_headerLength + qint64(r) * m_recordLength, m_recordLength);
            if (disk != bytes.mid(at + 4, m_recordLength) &&
                disk != bytes.mid(at + 4 + m_recordLength, m_recordLength))
                return drop();
        }
    }
    for (qint64 k = 0; k < records; ++k) {
        const qsizetype at = qsizetype(20 + k * entry);
        m_file.writeAt(m_headerLength + qint64(le::u32(bytes, at)) * m_recordLength,
                       bytes.mid(at + 4 + m_recordLength, m_recordLength));
    }
    m_file.writeAt(m_headerLength + qint64(after) * m_recordLength, QByteArray(1, kEof));
    m_file.flush();
    writeCountAndDate(after);
    m_count = after;
    m_file.flush();
    drop();
}

void DbfFile::discardPending() {
    m_count = m_diskCount;
    m_records.resize(qsizetype(m_count) * m_recordLength);
    m_pending.resize(size_t(m_count));
    for (int r = 0; r < m_count && m_pendingCount > 0; ++r) {
        if (!m_pending[size_t(r)])
            continue;
        const qsizetype at = qsizetype(r) * m_recordLength;
        const QByteArray disk = m_file.readAt(m_headerLength + at, m_recordLength);
        m_records.replace(at, m_recordLength, disk.leftJustified(m_recordLength, ' ', true));
        m_pending[size_t(r)] = false;
    }
    m_pendingCount = 0;
}

void DbfFile::writePendingRecords() {
    for (int r = 0; r < m_count && m_pendingCount > 0; ++r) {
        if (!m_pending[size_t(r)])
            continue;
        // One write from this record to the last pending one that follows within the gap.
        int last = r;
        for (int next = r + 1; next < m_count && next <= last + kJoinGap; ++next) {
            if (m_pending[size_t(next)])
                last = next;
        }
        m_file.writeAt(
            m_headerLength + qint64(r) * m_recordLength,
            m_records.mid(qsizetype(r) * m_recordLength, qsizetype(last - r + 1) * m_recordLength));
        for (int k = r; k <= last; ++k) {
            if (m_pending[size_t(k)]) {
                m_pending[size_t(k)] = false;
                --m_pendingCount;
            }
        }
        r = last;
    }
}

void DbfFile::writeCountAndDate(int count) {
    const QDate today = stampDate();
    QByteArray part(7, '\0');
    part.replace(0, 3, dateBytes(today));
    le::put32(part, 3, quint32(count));
    m_file.writeAt(1, part);
    m_lastUpdate = today;
    m_diskCount = count;
}

void DbfFile::zap() {
    // The header first: at any interruption it counts no more records than the file holds.
    writeCountAndDate(0);
    m_count = 0;
    m_records.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_file.writeAt(m_headerLength, QByteArray(1, kEof));
    m_file.truncate(m_headerLength + 1);
    if (m_memo)
        m_memo->zap();
    flush();
}
