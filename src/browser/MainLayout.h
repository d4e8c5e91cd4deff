#pragma once

#include <QRect>

// Where the browser's controls sit in the client area below the toolbar (W × H), as the main
// window lays them out on every show and resize.
struct MainLayout {
    QRect scrollDown;
    QRect scrollUp;
    QRect text;
    QRect photo;
    QRect searchField;
    QRect list;
    QRect countLabel;
    QRect stepNext;
    QRect stepPrevious;
    QRect markPanel;

    static MainLayout compute(int width, int height, int toolbarHeight, int editHeight, int labelHeight);
};
