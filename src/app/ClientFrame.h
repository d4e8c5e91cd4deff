#pragma once

#include <QWidget>

class Skins;

// The client area below the toolbar (Panel2 with UntenPaintBox): the main window's skin tiled
// around the edges and the engraved outlines of the left panel, the photo, the text and the mark box.
class ClientFrame : public QWidget {
    Q_OBJECT
public:
    ClientFrame(Skins& skins, QWidget* parent = nullptr);
    void setShown(bool shown) { m_shown = shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintSkin(class QPainter& p);
    void paintOutlines(class QPainter& p);
    Skins& m_skins;
    bool m_shown = false;
};
