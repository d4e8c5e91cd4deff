#include "app/KeyboardHook.h"

#include "ui/EntryList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

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

bool KeyboardHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (QApplication::activeWindow() == m_main && !QApplication::activePopupWidget() &&
            watched->isWidgetType())
            return handleMainKey(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton || !watched->isWidgetType())
            return false;
        QContextMenuEvent menu(QContextMenuEvent::Mouse, mouse->position().toPoint(),
                               mouse->globalPosition().toPoint(), mouse->modifiers());
        QApplication::sendEvent(watched, &menu);
        return true;
    }
    default:
        return false;
    }
}
