#include "ui/EntryList.h"

#include <QApplication>
#include <QMouseEvent>

EntryList::EntryList(QWidget* parent) : QListView(parent) {
    setModel(&m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void EntryList::setEntries(QList<ListEntry> entries) {
    m_model.setEntries(std::move(entries));
}

int EntryList::currentRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void EntryList::setCurrentRow(int row) {
    if (row < 0 || row >= count()) {
        setCurrentIndex(QModelIndex());
        clearSelection();
        return;
    }
    const QModelIndex index = m_model.index(row);
    setCurrentIndex(index);
    scrollTo(index);
}

QString EntryList::currentText() const {
    const int row = currentRow();
    return row >= 0 ? entries().at(row).text : QString();
}

int EntryList::currentData() const {
    const int row = currentRow();
    return row >= 0 ? entries().at(row).data : -1;
}

int EntryList::visibleRows() const {
    const int rowHeight = qMax(1, sizeHintForRow(0));
    return qMax(1, viewport()->height() / rowHeight);
}

// A press selects; the release ends both a click and a drag over the entries, so the entry under
// the pointer when the button comes up is the one chosen.
void EntryList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int row = currentRow();
    if (row >= 0)
        emit rowChosen(row);
}

void EntryList::keyboardSearch(const QString& search) {
    const int row = m_search.find(entries(), currentRow(), search, QApplication::keyboardInputInterval());
    if (row >= 0)
        setCurrentRow(row);
}

int EntryList::findRow(const QString& text) const {
    for (int row = 0; row < count(); ++row)
        if (entries().at(row).text == text)
            return row;
    return -1;
}

int EntryList::wholeRowsHeight(int available) const {
    const int row = count() > 0 ? sizeHintForRow(0) : 0;
    const int frame = 2 * frameWidth();
    if (row <= 0 || available <= frame + row)
        return available;
    return frame + (available - frame) / row * row;
}
