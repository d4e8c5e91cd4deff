#pragma once

#include <QRect>

#include <functional>

// The title bar of the recipe view: where it sits in the client area, which font size the name
// gets, and where the name, its clipping and the grooves beside it go.
class TitleBarGeometry {
public:
    static constexpr int kMaxWidth = 520;
    static constexpr int kTop = 5;
    static constexpr int kBottom = 42;
    static constexpr int kFallbackSize = 16;
    static constexpr int kMaxLetterHeight = 35;

    // The title's rectangle in `UntenPaintBox` of the given width.
    static QRect titleRect(int paintBoxWidth);
    // The largest of 22, 20, 18 and 16 points whose "A" is at most 35 pixels high; 16 when none.
    static int fontSize(const std::function<int(int pointSize)>& heightOfA);

    struct Name {
        int x = 0;        // white text at (x, 2), black shadow at (x + 2, 4)
        int clipLeft = 0; // the text is clipped to clipLeft..clipRight
        int clipRight = 0;
        int leftGrooveEnd = 0;    // the left groove runs from 0 to here
        int rightGrooveStart = 0; // the right groove runs from here to the title's width
    };
    // nameWidth: width of the name's first 30 characters; aWidth: width of "a", half of which is
    // added for an italic font.
    static Name name(int titleWidth, int nameWidth, int aWidth, bool italic);

    // The user's five stars at the right end of the title, over the groove: star n (1..5) in the
    // title's coordinates, the first on the left.
    static constexpr int kStarSize = 14;
    static constexpr int kStarGap = 3;
    static QRect star(int titleWidth, int n);
    // The star under a point of the title; 0 beside them.
    static int starAt(int titleWidth, const QPoint& point);
};
