#pragma once

#include "common/ListEntry.h"

#include <QAbstractListModel>

// A list of entries for a list view: the text shown, the key (record number, ingredient number,
// list position) under Qt::UserRole. Replacing the entries is one reset, however many there are.
class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(QList<ListEntry> entries);
    const QList<ListEntry>& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<ListEntry> m_entries;
};
