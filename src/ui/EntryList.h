#pragma once

#include "common/KeyboardSearch.h"
#include "ui/EntryListModel.h"

#include <QListView>

// The program's list box: shows entries, each carrying its key; rows are addressed by index as
// the list boxes of the original were. Filling it with thousands of entries costs one model reset.
class EntryList : public QListView {
    Q_OBJECT
public:
    explicit EntryList(QWidget* parent = nullptr);

    void setEntries(QList<ListEntry> entries);
    const QList<ListEntry>& entries() const { return m_model.entries(); }
    int count() const { return int(m_model.entries().size()); }
    int currentRow() const;
    // Selects the row (-1 clears) and scrolls it into view; emits no clicked().
    void setCurrentRow(int row);
    QString currentText() const;
    QString text(int row) const { return entries().at(row).text; }
    // The row whose text is exactly the text; -1 when none.
    int findRow(const QString& text) const;
    // The key of the current entry; -1 when none is selected.
    int currentData() const;
    // Rows that fit in the visible area, for the page keys.
    int visibleRows() const;
    // The largest height up to `available` that shows only whole rows, as the list boxes of the
    // original sized themselves; `available` itself while the list is empty.
    int wholeRowsHeight(int available) const;
    // Letters typed while the list has the focus select as the type-ahead fields do, folded.
    void keyboardSearch(const QString& search) override;

signals:
    // A click or the end of a drag on an entry: the user chose the row.
    void rowChosen(int row);
    void rowDoubleClicked(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    EntryListModel m_model;
    KeyboardSearch m_search;
};
