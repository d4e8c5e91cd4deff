#pragma once

#include "store/RecordListener.h"
#include "store/RecordOrder.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/XbaseExpression.h"

#include <QString>

#include <vector>

// The record-level operations on one table (which must outlive it): navigation in the controlling order,
// respecting the filter and the hiding of deleted records; field reads and writes; filters and seeks.
class TApollo : public RecordListener {
public:
    explicit TApollo(TTable& table);
    ~TApollo() override;
    TApollo(const TApollo&) = delete;
    TApollo& operator=(const TApollo&) = delete;

    TTable& table() const { return m_table; }

    // Navigation.
    void GoTop();
    void GoBottom();
    void Go(int recNo);
    void Skip(int count = 1);
    bool Eof() const;
    bool Bof() const;
    int RecNo() const;
    int Count();
    int RecCount() const;

    // Fields, found by name without regard to case. Unknown names throw StoreError.
    QString GetTrimString(const QString& field) const;
    // The same of any record as the table holds it, without moving to it (pending values of the
    // current record not included).
    QString GetTrimStringOf(int recNo, const QString& field) const;
    QString GetPaddedString(const QString& field) const;
    QByteArray GetRawBytes(const QString& field) const;
    qint64 GetInteger(const QString& field) const;
    bool GetLogical(const QString& field) const;
    QString GetMemo(const QString& field) const;
    bool IsEmpty(const QString& field) const;
    QString FieldName(int number) const; // 1-based; empty when out of range
    int FieldCount() const;

    void ReplaceInteger(const QString& field, qint64 value);
    void ReplaceLogical(const QString& field, bool value);
    // Into a number field the text is converted: a decimal number, rounded to the field's decimals
    // (halves to the even neighbour); text that is no number throws StoreError.
    void ReplaceText(const QString& field, const QString& value);
    void ReplaceMemo(const QString& field, const QString& value);
    // A text from an edit control (line breaks as LF): stored with CR LF, and not written at all
    // when it reads the same as what the record holds, so that an unchanged memo keeps its bytes.
    void ReplaceEditedMemo(const QString& field, const QString& edited);

    // Records.
    void AppendBlank();
    // A new record that reaches the table whole with the next Commit (or move), so that a failed
    // save leaves no blank record behind; Cancel drops it.
    void BeginAppend();
    void Edit();
    // Writes what is pending to disk: memo texts, then records, then the header that counts them.
    // While a BulkWrite is under way it only posts, and the bulk write's end writes.
    // Drops the values not yet written, and a begun append: the record reads as stored.
    void Cancel();
    void Commit();
    void Delete();
    bool IsDeleted() const;
    void Recall();
    void Zap();

    // Filter: returns the number of matching records and goes to the first; "" lifts it.
    int Query(const QString& expression);
    QString filterText() const { return m_filterText; }

    // Orders.
    int IndexTag(const QString& indexFile, const QString& tag, const QString& keyExpression, int option = 0,
                 bool descending = false, const QString& condition = {});
    int TagArea(const QString& tag) const;
    void SetOrder(int order);
    int order() const { return m_order; }
    // The controlling order's tag; empty without one.
    const QString& orderTag() const { return m_order > 0 ? m_orders[size_t(m_order - 1)].tag() : m_noTag; }
    bool Seek(const QString& key);
    // Seek with a number, without the detour through text: the ingredient look-ups' path.
    bool SeekNumber(qint64 key);

    bool LockFile();
    void recordChanged(int recNo) override;
    void recordsReset() override;

    void Unlock(int record = 0);
    void SetTurboRead(bool on) { m_turbo = on; }
    bool turboRead() const { return m_turbo; }

private:
    void sync();
    void reapplyFilter();
    void requireOpen() const {
        if (!m_table.active())
            notOpen();
    }
    [[noreturn]] void notOpen() const;
    void putNumber(const DbfField& f, const QString& field, qint64 units, int scale);
    void putNumberText(const DbfField& f, const QString& field, const QString& value);
    const RecordOrder& seekOrder();
    bool seekKey(const RecordOrder& o, const RecordOrder::Key& k);
    // Inline for the seeks and scans without a filter, which ask this for every record.
    bool isVisible(int recNo) const {
        if (m_table.env().deletedHidden() && m_table.file().record(recNo)[0] == '*')
            return false;
        return m_filter.isEmpty() || matchesFilter(recNo);
    }
    bool matchesFilter(int recNo) const;
    const DbfField& fieldFor(const QString& name) const;
    QByteArray fieldBytes(const DbfField& f) const;
    void putField(const DbfField& f, const QByteArray& bytes);
    void writeThrough();
    // The controlling order as a sequence of record numbers.
    int orderSize() const;
    int recAt(int position) const;
    int positionOf(int recNo) const;
    int findVisible(int position, int step) const;
    void setEof();

    TTable& m_table;
    QString m_filterText;
    XbaseExpression m_filter;
    std::vector<RecordOrder> m_orders;
    int m_order = 0;
    QString m_noTag;
    quint64 m_seenOpen = 0;
    bool m_turbo = false;
    // Filter results per record: -1 not yet known. Kept up to date by the table's notifications.
    mutable std::vector<qint8> m_matches;
};
