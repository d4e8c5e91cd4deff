#include "ui/TypeAheadField.h"

#include "ui/EntryList.h"

#include <QKeyEvent>

TypeAheadField::TypeAheadField(EntryList* list, Search search, QWidget* parent)
    : QLineEdit(parent), m_list(list), m_search(std::move(search)) {
    connect(this, &QLineEdit::textEdited, this, &TypeAheadField::typed);
    connect(m_list, &EntryList::rowChosen, this, &TypeAheadField::takeCurrentEntry);
}

void TypeAheadField::typed(const QString& text) {
    const int row = m_search(text);
    if (row >= 0)
        m_list->setCurrentRow(row);
}

void TypeAheadField::takeCurrentEntry() {
    if (m_list->currentRow() < 0)
        return;
    setText(m_list->currentText().trimmed());
    selectAll();
}

bool TypeAheadField::moveList(int key) {
    const int last = m_list->count() - 1;
    if (last < 0)
        return true;
    const int page = qMax(1, m_list->visibleRows() - 1);
    int row = m_list->currentRow();
    switch (key) {
    case Qt::Key_Up:
        row = qMax(0, row - 1);
        break;
    case Qt::Key_Down:
        row = qMin(last, row + 1);
        break;
    case Qt::Key_PageUp:
        row = qMax(0, row - page);
        break;
    case Qt::Key_PageDown:
        row = qMin(last, row + page);
        break;
    default:
        return false;
    }
    m_list->setCurrentRow(row);
    takeCurrentEntry();
    return true;
}

void TypeAheadField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit entered();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && moveList(key))
        return;
    QLineEdit::keyPressEvent(event);
}
