#pragma once

#include <QApplication>
#include <QWidget>

// Whether a window of the given class is on screen: the home bar dialog and the shopping assistant
// each offer to open the other only while the other is not showing.
template <class Window> bool windowShowing() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->isVisible() && qobject_cast<Window*>(w))
            return true;
    }
    return false;
}
