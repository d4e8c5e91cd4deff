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

QRect TitleBarGeometry::star(int titleWidth, int n) {
    constexpr int kRightMargin = 6;
    const int left = titleWidth - kRightMargin - 5 * (kStarSize + kStarGap) + kStarGap;
    return QRect(left + (n - 1) * (kStarSize + kStarGap), 22 - kStarSize / 2, kStarSize, kStarSize);
}

int TitleBarGeometry::starAt(int titleWidth, const QPoint& point) {
    for (int n = 1; n <= 5; ++n) {
        // The gap after a star counts to it, so that no click falls between two.
        if (star(titleWidth, n).adjusted(0, -3, kStarGap, 3).contains(point))
            return n;
    }
    return 0;
}
