#pragma once

#include "store/DbfFile.h"

#include <QString>

#include <vector>

// An index tag kept in memory: the record numbers sorted by one field (numerically for N fields,
// byte-wise for the others), rebuilt whenever the table changed since it was built. Number keys
// that are all small whole numbers (as ingredient numbers are) also get a table from the key to
// its first position, so that a seek is one look-up.
class RecordOrder {
public:
    RecordOrder(const QString& tag, const QByteArray& keyField, bool descending);

    const QString& tag() const { return m_tag; }
    // Throws StoreError when the key field does not exist.
    void rebuild(const DbfFile& file, quint64 changeCount);
    bool isCurrent(quint64 changeCount) const { return m_builtAt == changeCount; }
    // Told that a record changed (the table's change count is now `changeCount`): an order that was
    // current stays current when the record's key is what it was.
    void keepIfKeyUnchanged(int recNo, quint64 changeCount);

    int size() const { return int(m_recNos.size()); }
    int recNoAt(int position) const { return m_recNos[size_t(position)]; }
    int positionOf(int recNo) const; // -1 for a record not in the order
    // A seek key, converted once for the comparisons.
    struct Key {
        double number = 0;
        qint64 whole = -1; // the number when it is a whole number from 0 up, for the dense look-up
        QByteArray text;
    };
    Key makeKey(const QString& key) const;
    Key makeKey(qint64 key) const;
    // First position whose key equals (numeric) or starts with (text) the key; -1 when none.
    int lowerBound(const Key& key) const;
    // The dense look-up itself, for seeks by number: -1 when no record has the key. Only while
    // hasDense().
    bool hasDense() const { return !m_dense.empty(); }
    int denseFirst(qint64 key) const {
        return key >= 0 && key < qint64(m_dense.size()) ? m_dense[size_t(key)] : -1;
    }
    double numberAtPosition(int position) const { return m_numbers[size_t(position)]; }
    bool keyMatches(int position, const Key& key) const;

private:
    double numberAt(int recNo) const;
    QByteArray textAt(int recNo) const;
    bool isNumeric() const { return m_field.type == 'N'; }
    void buildDense();

    QString m_tag;
    QByteArray m_keyField;
    bool m_descending = false;
    const DbfFile* m_file = nullptr;
    DbfField m_field;
    std::vector<int> m_recNos;
    std::vector<int> m_positions;    // by record number - 1
    std::vector<double> m_numbers;   // keys in order, for number fields
    std::vector<QByteArray> m_texts; // keys in order, for the others
    std::vector<int> m_dense;        // first position by whole-number key; empty when unfit
    quint64 m_builtAt = ~quint64(0);
};
