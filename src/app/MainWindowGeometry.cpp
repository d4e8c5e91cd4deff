#include "app/MainWindowGeometry.h"

MainWindowGeometry::Start MainWindowGeometry::startGeometry(const QSize& screen) {
    if (screen.width() > 820)
        return {QRect((screen.width() - 800) / 2, (screen.height() - 600) / 2, 800, 600), false};
    return {QRect(0, 0, 630, 440), true};
}

QRect MainWindowGeometry::mainBounds(const QRect& window) {
    QRect bounds = window;
    if (window.width() > 900 && window.height() > 700)
        bounds.moveTo(window.left() + 100, window.top() + 40);
    return bounds;
}
