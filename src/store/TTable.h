#pragma once

#include "store/DbfFile.h"
#include "store/RecordListener.h"

#include <QString>

#include <vector>

class TApolloEnv;

// One table of the program: its folder, name, driver and read-only property, the open file, the
// current record and the record buffer with pending field values.
class TTable {
public:
    enum class Driver { Nsx, Ntx, Cdx, Fox, None };

    explicit TTable(TApolloEnv& env);
    ~TTable();
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    void setDatabaseName(const QString& folder) { m_folder = folder; }
    void setTableName(const QString& name) { m_name = name; }
    void setTableType(Driver driver) { m_driver = driver; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    QString databaseName() const { return m_folder; }
    QString tableName() const { return m_name; }
    Driver tableType() const { return m_driver; }
    bool readOnly() const { return m_readOnly; }

    // Opens exclusively (or read-only); throws StoreError. Pending values are posted on close.
    void Open();
    // Sets folder, name and mode, then opens.
    void Open(const QString& folder, const QString& name, bool readOnly);
    void Close();
    bool active() const { return m_file.isOpen(); }
    QString alias() const { return m_alias; }
    QString filePath() const;

    // Driver by the table file's first byte, as when a table is opened without one.
    static Driver detectDriver(const QString& path);
    static Driver driverFromName(const QString& name); // "SXNTX", "SXFOX", "SXNSX"

    TApolloEnv& env() const { return m_env; }
    DbfFile& file() { return m_file; }
    const DbfFile& file() const { return m_file; }

    // Cursor and record buffer, moved by TApollo.
    int recNo() const { return m_recNo; }
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    // Moving costs no copy: the record is copied only when it is changed.
    void setPosition(int recNo, bool eof, bool bof) {
        m_recNo = recNo;
        m_eof = eof;
        m_bof = bof;
        m_dirty = false;
        m_appending = false;
    }
    // The current record's bytes: its pending values while it is being changed, else the record as
    // the table holds it; the phantom record past the end reads blank.
    const char* current() const {
        if (m_dirty || m_appending)
            return m_buffer.constData();
        if (m_recNo >= 1 && m_recNo <= m_file.recordCount())
            return m_file.record(m_recNo);
        return m_blank.constData();
    }
    // The current record's bytes for changing them; they are pending from then on.
    QByteArray& edit();
    void post(); // hands the pending values of the current record to the file
    // Posts and writes everything pending to disk, unless a bulk write is under way.
    void commit();
    // Between these, commit() only posts; the end of the outermost bulk write commits.
    void beginBulk();
    void endBulk();
    bool inBulk() const { return m_bulkDepth > 0; }
    // A new blank record that reaches the file whole with the next post; until then the table is
    // unchanged. The record number it will get is current.
    void beginAppend();
    bool appending() const { return m_appending; }
    // Drops pending values (and a begun append): the current record reads as stored again.
    void cancel();
    quint64 openCount() const { return m_openCount; }
    quint64 changeCount() const { return m_changeCount; }
    // Differs from every earlier stamp of any table once this table was opened, changed or emptied:
    // what is derived from the records is current while the stamp it was built at is.
    quint64 stamp() const { return m_stamp; }
    void requireWritable() const;
    int append(); // a blank record at the end; returns its number
    void zap();

    void addListener(RecordListener* listener) { m_listeners.push_back(listener); }
    void removeListener(RecordListener* listener);

private:
    TApolloEnv& m_env;
    DbfFile m_file;
    QString m_folder;
    QString m_name;
    QString m_alias;
    Driver m_driver = Driver::Nsx;
    bool m_readOnly = false;
    int m_recNo = 1;
    bool m_eof = true;
    bool m_bof = true;
    bool m_dirty = false;
    int m_bulkDepth = 0;
    bool m_appending = false;
    QByteArray m_buffer;
    QByteArray m_blank;
    quint64 m_openCount = 0;
    quint64 m_changeCount = 0;
    quint64 m_stamp = 0;
    std::vector<RecordListener*> m_listeners;
    void changed(int recNo);
    void reset();
};
