#include "store/TTable.h"

#include "store/FolderEntry.h"
#include "store/StoreError.h"
#include "store/TApolloEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

TTable::TTable(TApolloEnv& env) : m_env(env) {}

TTable::~TTable() {
    try {
        Close();
    } catch (const StoreError&) {
        // A destructor cannot report; the pending values were lost with the failed write.
    }
    for (RecordListener* l : std::vector<RecordListener*>(m_listeners))
        l->tableGone();
}

QString TTable::filePath() const {
    QString name = m_name;
    if (!name.contains(QLatin1Char('.')))
        name += QStringLiteral(".DBF");
    return FolderEntry::path(m_folder, name);
}

void TTable::Open() {
    Close();
    m_file.open(filePath(), m_readOnly ? RawFile::Mode::ReadOnly : RawFile::Mode::Exclusive);
    m_alias = m_env.acquireAlias(m_name);
    ++m_openCount;
    m_dirty = false;
    m_blank = m_file.blankRecord();
    reset();
    if (m_file.recordCount() > 0)
        setPosition(1, false, false);
    else
        setPosition(1, true, true);
}

void TTable::Open(const QString& folder, const QString& name, bool readOnly) {
    setDatabaseName(folder);
    setTableName(name);
    setReadOnly(readOnly);
    Open();
}

void TTable::Close() {
    if (!active())
        return;
    try {
        post();
        if (m_file.hasPendingWrites())
            m_file.flush();
    } catch (...) {
        m_env.releaseAlias(m_alias);
        m_file.close();
        throw;
    }
    m_env.releaseAlias(m_alias);
    m_file.close();
    m_dirty = false;
    m_appending = false;
    reset();
}

QByteArray& TTable::edit() {
    if (!m_dirty && !m_appending)
        m_buffer = QByteArray(current(), m_file.recordLength());
    m_dirty = true;
    return m_buffer;
}

// A begun append stays pending until it is written, so that a failed one can be retried or cancelled.
void TTable::post() {
    if (m_appending) {
        const int recNo = m_file.appendRecord(m_buffer);
        m_appending = false;
        m_dirty = false;
        m_recNo = recNo;
        changed(recNo);
        return;
    }
    if (!m_dirty)
        return;
    m_dirty = false;
    if (m_recNo >= 1 && m_recNo <= m_file.recordCount()) {
        m_file.writeRecord(m_recNo, m_buffer);
        changed(m_recNo);
    }
}

// A commit that fails leaves the file's image as the disk holds it, while the current record keeps
// its pending values: Cancel() drops them, a second commit writes them.
void TTable::commit() {
    if (m_bulkDepth > 0) {
        post();
        return;
    }
    const bool appending = m_appending;
    const bool dirty = m_dirty;
    const QByteArray values = m_buffer;
    try {
        post();
        m_file.flush();
    } catch (const StoreError&) {
        m_file.discardPending();
        // A record appended blank and not yet on disk is pending as a begun append again.
        m_appending = appending || m_recNo > m_file.recordCount();
        m_dirty = dirty || m_appending;
        m_buffer = values;
        if (m_appending)
            m_recNo = m_file.recordCount() + 1;
        reset();
        throw;
    }
}

void TTable::beginBulk() {
    ++m_bulkDepth;
}

// Unlike a single commit, a failed bulk write stays pending as a whole: the next commit writes it.
void TTable::endBulk() {
    if (m_bulkDepth > 0 && --m_bulkDepth == 0 && active()) {
        post();
        m_file.flush();
    }
}

void TTable::beginAppend() {
    post();
    setPosition(m_file.recordCount() + 1, false, false);
    m_buffer = m_blank;
    m_appending = true;
}

void TTable::cancel() {
    m_dirty = false;
    if (m_appending)
        setPosition(m_file.recordCount() + 1, true, false);
    else
        setPosition(m_recNo, m_eof, m_bof);
}

int TTable::append() {
    const int recNo = m_file.appendRecord(m_file.blankRecord());
    changed(recNo);
    return recNo;
}

void TTable::zap() {
    m_file.zap();
    reset();
}

void TTable::removeListener(RecordListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

namespace {
std::atomic<quint64> s_lastStamp{0};
}

void TTable::changed(int recNo) {
    ++m_changeCount;
    m_stamp = ++s_lastStamp;
    for (RecordListener* l : m_listeners)
        l->recordChanged(recNo);
}

void TTable::reset() {
    ++m_changeCount;
    m_stamp = ++s_lastStamp;
    for (RecordListener* l : m_listeners)
        l->recordsReset();
}

void TTable::requireWritable() const {
    if (!active())
        throw StoreError(QStringLiteral("Die Tabelle %1 ist nicht geöffnet.").arg(m_name));
    if (m_file.isReadOnly())
        throw StoreError(QStringLiteral("Die Tabelle %1 ist schreibgeschützt.").arg(m_name));
}

TTable::Driver TTable::detectDriver(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Driver::None;
    char first = 0;
    if (!file.getChar(&first))
        return Driver::None;
    const auto withIndex = [&](const char* ext) {
        const QFileInfo info(path);
        return FolderEntry::exists(info.absolutePath(), info.completeBaseName() + QLatin1String(ext));
    };
    switch (quint8(first)) {
    case 0x03:
    case 0x06:
        if (withIndex(".NSX"))
            return Driver::Nsx;
        return withIndex(".CDX") ? Driver::Cdx : Driver::None;
    case 0x83:
    case 0x86:
        return Driver::Ntx;
    case 0xE5:
    case 0xE6:
        return Driver::Nsx;
    case 0xF5:
    case 0xF6:
        return Driver::Fox;
    default:
        return Driver::None;
    }
}

TTable::Driver TTable::driverFromName(const QString& name) {
    if (name.compare(QStringLiteral("SXNTX"), Qt::CaseInsensitive) == 0)
        return Driver::Ntx;
    if (name.compare(QStringLiteral("SXFOX"), Qt::CaseInsensitive) == 0)
        return Driver::Fox;
    if (name.compare(QStringLiteral("SXNSX"), Qt::CaseInsensitive) == 0)
        return Driver::Nsx;
    return Driver::None;
}
