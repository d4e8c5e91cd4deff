#include "app/KeyboardHook.h"

#include "ui/EntryList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>

#include <algorithm>

KeyboardHook::KeyboardHook(QWidget* mainWindow, EntryList* list, QObject* parent)
    : QObject(parent), m_main(mainWindow), m_list(list) {}

int KeyboardHook::moveSelection(int key, int current, int count, int visibleRows) {
    if (count <= 0)
        return -1;
    const int page = qMax(1, visibleRows - 1);
    switch (key) {
    case Qt::Key_PageUp:
        return current > 0 ? qMax(0, current - page) : -1;
    case Qt::Key_PageDown:
        return current < count - 1 ? qMin(count - 1, current + page) : -1;
    case Qt::Key_Up:
        return current > 0 ? current - 1 : -1;
    case Qt::Key_Down:
        return current < count - 1 ? current + 1 : -1;
    default:
        return -1;
    }
}

bool KeyboardHook::handleMainKey(QKeyEvent* key) {
    const int k = key->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        emit selectionMoved();
        return true;
    }
    if (k != Qt::Key_PageUp && k != Qt::Key_PageDown && k != Qt::Key_Up && k != Qt::Key_Down)
        return false;
    const int rowHeight = qMax(1, m_list->sizeHintForRow(0));
    const int rows = m_list->viewport()->height() / rowHeight;
    const int target = moveSelection(k, m_list->currentRow(), m_list->count(), rows);
    if (target >= 0)
        m_list->setCurrentRow(target);
    emit selectionMoved();
    return true;
}

bool KeyboardHook::menuShortcut(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(m_shortcuts.begin(), m_shortcuts.end(), [&pressed](const QKeySequence& s) {
        return s.matches(pressed) == QKeySequence::ExactMatch;
    });
}

// Qt opens a context menu on the press on this platform; the program opens it on the release, so
// the press and every context menu caused by the mouse are held back until then. Only widgets are
// watched: the window underneath must see the press to route the release to the same widget.
bool KeyboardHook::rightButton(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    if (event->type() == QEvent::ContextMenu)
        return !m_sendingMenu && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (event->type() != QEvent::MouseButtonRelease)
        return true;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, mouse->position().toPoint(),
                           mouse->globalPosition().toPoint(), mouse->modifiers());
    m_sendingMenu = true;
    QApplication::sendEvent(watched, &menu);
    m_sendingMenu = false;
    return true;
}

bool KeyboardHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // An edit field would take Strg+A and Strg+E for itself: the menu's shortcuts win.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_main &&
            menuShortcut(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        // Only keys meant for the main window: a dialog's own list or edit field keeps its keys,
        // even where the main window is still the active one (a dialog shown without activation).
        if (QApplication::activeWindow() == m_main && !QApplication::activePopupWidget() &&
            !QApplication::activeModalWidget() && !qobject_cast<QMenuBar*>(QApplication::focusWidget()) &&
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_main)
            return handleMainKey(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
        return rightButton(watched, event);
    default:
        return false;
    }
}
