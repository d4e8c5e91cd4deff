#pragma once

class QWidget;

// Screen readers read a control by its accessible name. Buttons and boxes carry their caption;
// fields, lists and choice boxes are named after the label beside or above them, as the eye reads
// the window; a control without any label takes the window's caption. A control that already has a
// name keeps it.
class AccessibleNames {
public:
    static void nameControls(QWidget* window);
    // Whether a screen reader would have to announce this widget as a control of its own.
    static bool isControl(const QWidget* widget);
    // The name a screen reader reads for it (empty: none).
    static QString nameOf(QWidget* widget);
};
