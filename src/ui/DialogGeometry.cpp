#include "ui/DialogGeometry.h"

QPoint DialogGeometry::centreOn(const QRect& mainBounds, const QSize& window) {
    return {(mainBounds.width() - window.width()) / 2 + mainBounds.left(),
            (mainBounds.height() - window.height()) / 2 + mainBounds.top()};
}
