#pragma once

#include "store/DbfField.h"
#include "store/MemoFile.h"
#include "store/RawFile.h"

#include <QDate>
#include <QList>

#include <memory>

// A DBF table file with its memo file. All records are held in memory while the table is open;
// every change is written through at once: record bytes and memo blocks before the header and the
// references that point to them, so an interrupted write never leaves a table that will not open.
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

    void open(const QString& path, RawFile::Mode mode);
    void close();
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
    void zap();
    void flush();

    // Bulk writing, for a table refilled in one go: while on, appended and changed records stay in
    // memory and the memo file collects its texts; ending it writes the memo texts, the records
    // and then the header, each in one piece, so an interrupted write still leaves a table that
    // opens. Closing without ending it discards what was not written.
    void beginBulk();
    void endBulk();
    bool inBulk() const { return m_bulk; }

    MemoFile* memo() const { return m_memo.get(); }
    QByteArray blankRecord() const { return QByteArray(m_recordLength, ' '); }

    static QString memoPathFor(const QString& tablePath, MemoFile::Kind kind);

private:
    void readHeader(const QString& path);
    void readFields(const QByteArray& header);
    void openMemo(const QString& path, RawFile::Mode mode);
    void writeCountAndDate();

    RawFile m_file;
    std::unique_ptr<MemoFile> m_memo;
    QList<DbfField> m_fields;
    QByteArray m_records;
    quint8 m_version = 0;
    int m_count = 0;
    int m_headerLength = 0;
    int m_recordLength = 0;
    QDate m_lastUpdate;
    bool m_bulk = false;
    int m_bulkFrom = 0; // the first record (0-based) not yet written in bulk mode
};
