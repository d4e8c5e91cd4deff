#pragma once

#include <QRect>
#include <QSize>

// Size rules of the main window.
class MainWindowGeometry {
public:
    struct Start {
        QRect rect;
        bool maximised = false;
    };
    // Wider screens than 820 pixels get a centred 800 × 600 window, others a maximised one.
    static Start startGeometry(const QSize& screen);
    // The bounds dialogs centre on: a big window shifts the centre right and down.
    static QRect mainBounds(const QRect& window);
    // Spacing of the toolbar buttons for the toolbar's width, and the left edge of button k (1..10).
    static int toolbarSpacing(int toolbarWidth) { return toolbarWidth <= 700 ? 60 : 65; }
    static int toolbarButtonLeft(int k, int spacing) { return 5 + (k - 1) * spacing; }
};
