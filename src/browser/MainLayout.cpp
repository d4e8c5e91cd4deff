#include "browser/MainLayout.h"

MainLayout MainLayout::compute(int w, int h, int toolbarHeight, int editHeight, int labelHeight) {
    MainLayout l;
    const int a = (w - 320) / 2;
    // Rectangles from corner to corner, both corners inside.
    l.scrollDown = QRect(QPoint(a + 238, h - 32), QPoint(a + 263, h - 16));
    l.scrollUp = QRect(QPoint(a + 264, h - 32), QPoint(a + 289, h - 16));
    l.text = QRect(257, 72, w - 257 - 39, h - 72 - 39);
    l.photo = QRect(41, 45, 140, 200);
    l.searchField = QRect(36, 45 + 200 + 8, 150, editHeight);
    l.list = QRect(36, 283, 150, h - 253 - toolbarHeight - 20);
    const int labelTop = l.list.bottom() + 1 + 5;
    l.countLabel = QRect(36 + 150 - 97, labelTop, 97, labelHeight);
    l.stepNext = QRect(36, labelTop, 15, 16);
    l.stepPrevious = QRect(36 + 15 + 1, labelTop, 15, 16);
    l.markPanel = QRect(w - 34, 18, 18, 18);
    return l;
}
