#pragma once

#include <QRect>

// Where the print preview window opens and how its parts are placed, from the main window's
// bounds and the preview's client size.
class PreviewGeometry {
public:
    // A large main window moves the area up and left; a small one is widened to 638 × 400 first.
    // The preview is 100 pixels narrower and 120 lower than that area and centred on it.
    static QRect window(const QRect& mainBounds);
    static QRect panel(const QSize& client) {
        return QRect(23, 33, client.width() - 70, client.height() - 85);
    }
    static int buttonTop(const QSize& client) { return client.height() - 45; }
    // "Abbrechen" ends at the panel's right edge; "&Drucken" 87 pixels further left.
    static int cancelLeft(const QSize& client, int buttonWidth) {
        return panel(client).left() + panel(client).width() - buttonWidth;
    }
    static int printLeft(const QSize& client, int buttonWidth) {
        return cancelLeft(client, buttonWidth) - 87;
    }
    static QString pageLabel(int page, int count) {
        return QStringLiteral("Seite %1 von %2").arg(page).arg(count);
    }
};
