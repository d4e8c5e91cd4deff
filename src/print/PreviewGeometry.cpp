#include "print/PreviewGeometry.h"

QRect PreviewGeometry::window(const QRect& mainBounds) {
    int x = mainBounds.x();
    int y = mainBounds.y();
    int w = mainBounds.width();
    int h = mainBounds.height();
    if (w > 900 && h > 700) {
        x -= 100;
        y -= 40;
    }
    if (w < 600)
        w = 638;
    if (h < 400)
        h = 400;
    const int width = w - 100;
    const int height = h - 120;
    return QRect(x + (w - width) / 2, y + (h - height) / 2, width, height);
}
