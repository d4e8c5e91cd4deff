#include "browser/TitleBarGeometry.h"

QRect TitleBarGeometry::titleRect(int paintBoxWidth) {
    const int width = qMin(paintBoxWidth - 300, kMaxWidth);
    const int left = (paintBoxWidth - width - 295) / 2 + 255;
    return QRect(left, kTop, width, kBottom - kTop);
}

int TitleBarGeometry::fontSize(const std::function<int(int)>& heightOfA) {
    for (int size : {22, 20, 18, 16}) {
        if (heightOfA(size) <= kMaxLetterHeight)
            return size;
    }
    return kFallbackSize;
}

TitleBarGeometry::Name TitleBarGeometry::name(int titleWidth, int nameWidth, int aWidth, bool italic) {
    const int width = nameWidth + (italic ? aWidth / 2 : 0);
    Name n;
    n.x = (titleWidth - width) / 2;
    if (n.x < 8)
        n.x = 14;
    n.clipLeft = n.x;
    n.clipRight = titleWidth - n.x + 2;
    n.leftGrooveEnd = n.x - 8;
    n.rightGrooveStart = titleWidth - n.x + 7;
    return n;
}
