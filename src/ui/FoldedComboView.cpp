#include "ui/FoldedComboView.h"

#include <QApplication>
#include <QComboBox>

void FoldedComboView::install(QComboBox* box) {
    box->setView(new FoldedComboView(box));
}

void FoldedComboView::keyboardSearch(const QString& search) {
    QAbstractItemModel* items = model();
    if (!items)
        return;
    QList<ListEntry> entries;
    entries.reserve(items->rowCount(rootIndex()));
    for (int row = 0; row < items->rowCount(rootIndex()); ++row)
        entries.append({items->index(row, modelColumn(), rootIndex()).data().toString(), row});
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const int row = m_search.find(entries, current, search, QApplication::keyboardInputInterval());
    if (row >= 0)
        setCurrentIndex(items->index(row, modelColumn(), rootIndex()));
}
