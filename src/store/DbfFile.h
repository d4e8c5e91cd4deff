#pragma once

#include "store/DbfField.h"
#include "store/MemoFile.h"
#include "store/RawFile.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

// A DBF table file with its memo file. All records are held in memory while the table is open.
// Changed and appended records are kept as pending until flush(), which writes them in the order
// that survives a power loss: memo texts forced to disk before the records that point to them, the
// records before the header that counts them. An interrupted or failed flush leaves them pending,
// so the next one writes them again. A flush of several records is all or nothing: the records go
// first to a journal beside the table ("RE.DBF.jnl"), and a writable opening that finds one whose
// records match the table's completes it.
class DbfFile {
public:
    static constexpr quint8 kVersionSmt = 0xE5;
    static constexpr quint8 kVersionDbt = 0x83;
    static constexpr quint8 kVersionPlain = 0x03;
    static constexpr int kMaxRecordLength = 65535;

    struct Definition {
        QByteArray name;
        char type = 'C';
        int length = 0;
        int decimals = 0;
    };

    // Creates an empty table (and its memo file when a field is a memo). Throws StoreError.
    static void create(const QString& path, quint8 version, const QList<Definition>& fields,
                       int memoBlockSize = 64);
    // The date written into the header: today, or the day of SOURCE_DATE_EPOCH for reproducible output.
    static QDate stampDate();

    // Throws StoreError. A header that counts more records than the file holds is read with the
    // complete records, and problems() says so.
    void open(const QString& path, RawFile::Mode mode);
    void close(); // pending records are dropped: flush() first

    bool isOpen() const { return m_file.isOpen(); }
    bool isReadOnly() const { return m_file.isReadOnly(); }
    QString path() const { return m_file.path(); }

    quint8 version() const { return m_version; }
    const QList<DbfField>& fields() const { return m_fields; }
    int fieldIndex(const QByteArray& name) const; // case-insensitive; -1 when absent
    int recordCount() const { return m_count; }
    int recordLength() const { return m_recordLength; }
    int headerLength() const { return m_headerLength; }
    QDate lastUpdate() const { return m_lastUpdate; }

    // Record numbers are 1-based; the pointer stays valid until the next append or zap.
    const char* record(int recNo) const {
        return m_records.constData() + qsizetype(recNo - 1) * m_recordLength;
    }
    void writeRecord(int recNo, const QByteArray& bytes);
    int appendRecord(const QByteArray& bytes);
    bool hasPendingWrites() const { return m_pendingCount > 0 || m_count != m_diskCount; }
    void zap();
    void flush();
    // Forgets what flush() could not write: the records read as the file on disk holds them.
    void discardPending();

    MemoFile* memo() const { return m_memo.get(); }
    // What opening found wrong and how it is dealt with, one German line each; empty when sound.
    QStringList problems() const;
    QByteArray blankRecord() const { return QByteArray(m_recordLength, ' '); }

    static QString memoPathFor(const QString& tablePath, MemoFile::Kind kind);
    static QString journalPathFor(const QString& tablePath) { return tablePath + QStringLiteral(".jnl"); }

private:
    void readHeader(const QString& path);
    void readFields(const QByteArray& header);
    void openMemo(const QString& path, RawFile::Mode mode);
    void writeCountAndDate(int count);
    void writePendingRecords();
    void writeJournal();
    void replayJournal();
    void checkMemoBlocks();

    RawFile m_file;
    std::unique_ptr<MemoFile> m_memo;
    QList<DbfField> m_fields;
    QByteArray m_records;
    std::vector<bool> m_pending; // by record number - 1
    int m_pendingCount = 0;
    QStringList m_problems;
    quint8 m_version = 0;
    int m_count = 0;
    int m_diskCount = 0; // as the header on disk says
    int m_headerLength = 0;
    int m_recordLength = 0;
    QDate m_lastUpdate;
};
