#pragma once

#include <QImage>

// The small pictures compiled into the program: the ten toolbar pictures in both sets (48 x 44,
// "Hi-Color" with shading, "Lo-Color" in the 16 VGA colours only), the stepping buttons' arrows,
// the mark picture and the hand cursor CURSOR_1.
class IconPainter {
public:
    static constexpr int kButtonWidth = 48;
    static constexpr int kButtonHeight = 44;
    static constexpr int kCursorHotX = 9;
    static constexpr int kCursorHotY = 2;

    // button 1 ... 10 in toolbar order.
    static QImage toolbar(int button, bool hiColour);
    // down: the button that steps to the next recipe (OListe); else the previous one (UListe).
    static QImage stepArrow(bool down);
    static QImage mark();
    static QImage cursor();
};
