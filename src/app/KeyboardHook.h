#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class EntryList;
class QWidget;

// The application-wide key and mouse hook: arrow and page keys move the recipe list's selection
// while the focus stays in the quick-search field, Enter is swallowed (keys for the main window
// only, never for a dialog beside it), and the right button's
// press is swallowed everywhere — its context menu then opens on the release instead. The menu's
// shortcuts win over the edit fields of the main window, and keys go to the menu bar while it is
// active.
class KeyboardHook : public QObject {
    Q_OBJECT
public:
    KeyboardHook(QWidget* mainWindow, EntryList* list, QObject* parent = nullptr);

    // The selection after a navigation key in a list of count entries showing visibleRows rows;
    // -1 when the key does not move the selection.
    static int moveSelection(int key, int current, int count, int visibleRows);
    // The shortcuts of the main menu: an edit field of the main window never takes them.
    void setMenuShortcuts(const QList<QKeySequence>& shortcuts) { m_shortcuts = shortcuts; }

signals:
    // The selection moved by a key: the recipe is to be shown.
    void selectionMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleMainKey(class QKeyEvent* key);
    bool menuShortcut(const QKeyEvent* key) const;
    bool rightButton(QObject* watched, QEvent* event);
    QWidget* m_main;
    EntryList* m_list;
    QList<QKeySequence> m_shortcuts;
    bool m_sendingMenu = false;
};
