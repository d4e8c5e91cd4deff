#pragma once

#include <QRect>
#include <QSize>

// Size and placement rules shared by the program's dialogs.
class DialogGeometry {
public:
    // Every dialog centres itself on the main window's bounds; division truncates towards zero.
    static QPoint centreOn(const QRect& mainBounds, const QSize& window);

    // The message box: text field at y 36, 15 pixels per line, buttons 41 above the bottom.
    static int messageTextTop() { return 36; }
    static int messageTextHeight(int lines) { return lines * 15; }
    static int messageClientHeight(int lines) { return messageTextHeight(lines) + 90; }
    static int messageButtonTop(int lines) { return messageClientHeight(lines) - 41; }

    // The wait window's progress: the step callers update at, and the bar's maximum.
    static int waitStep(int maximum) { return maximum / 20; }
    static int waitBarMaximum(int maximum) { return maximum - 2 * waitStep(maximum); }
};
