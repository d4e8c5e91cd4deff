#include "ui/EntryListModel.h"

void EntryListModel::setEntries(QList<ListEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int EntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const ListEntry& e = m_entries.at(index.row());
    if (role == Qt::DisplayRole)
        return e.text;
    if (role == Qt::UserRole)
        return e.data;
    return {};
}
