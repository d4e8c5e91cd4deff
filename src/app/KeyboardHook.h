#pragma once

#include <QObject>

class EntryList;
class QWidget;

// The application-wide key and mouse hook: arrow and page keys move the recipe list's selection
// while the focus stays in the quick-search field, Enter is swallowed, and the right button's
// press is swallowed everywhere — its context menu then opens on the release instead.
class KeyboardHook : public QObject {
    Q_OBJECT
public:
    KeyboardHook(QWidget* mainWindow, EntryList* list, QObject* parent = nullptr);

    // The selection after a navigation key in a list of count entries showing visibleRows rows;
    // -1 when the key does not move the selection.
    static int moveSelection(int key, int current, int count, int visibleRows);

signals:
    // The selection moved by a key: the recipe is to be shown.
    void selectionMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleMainKey(class QKeyEvent* key);
    QWidget* m_main;
    EntryList* m_list;
};
