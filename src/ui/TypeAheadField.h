#pragma once

#include <QLineEdit>

#include <functional>

class EntryList;

// The type-ahead field above a list: typing selects the first entry the search finds, the arrow
// and page keys move the list while the focus stays here (copying the entry's text into the
// field), Enter reports the choice. A click on an entry copies its text into the field.
class TypeAheadField : public QLineEdit {
    Q_OBJECT
public:
    // The search: the row for the typed text, -1 when none.
    using Search = std::function<int(const QString&)>;

    TypeAheadField(EntryList* list, Search search, QWidget* parent = nullptr);

    // Copies the list's current entry into the field, selected, as a click does.
    void takeCurrentEntry();

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void typed(const QString& text);
    bool moveList(int key);

    EntryList* m_list;
    Search m_search;
};
