#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

class Skins;

// The client area below the toolbar (Panel2 with UntenPaintBox): the main window's skin tiled
// around the edges, the engraved outlines of the left panel, the photo, the text and the mark box,
// the recipe's title bar and the two scroll arrows of the recipe text.
class ClientFrame : public QWidget {
    Q_OBJECT
public:
    enum class HotSpot { None, Down, Up };

    ClientFrame(Skins& skins, QWidget* parent = nullptr);
    void setShown(bool shown) { m_shown = shown; }
    void setTitle(const QString& name, const QFont& textFont);
    // The user's stars of the drink shown, drawn at the right end of the title.
    void setStars(int stars);
    int stars() const { return m_stars; }
    void setHotSpots(const QRect& down, const QRect& up);
    void setCanScroll(bool canScroll);
    void setLinkCursor(const QCursor& cursor) { m_linkCursor = cursor; }
    HotSpot held() const { return m_held; }
    QRect downSpot() const { return m_down; }
    QRect upSpot() const { return m_up; }
    HotSpot hover() const { return m_hover; }
    // The largest title size whose "A" is at most 35 pixels high, computed once per font.
    static int titlePointSize(const QFont& textFont);

signals:
    void scrollPressed(ClientFrame::HotSpot spot);
    void scrollReleased();
    // A click on the n-th star of the title (1..5).
    void starClicked(int n);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintSkin(class QPainter& p);
    void paintOutlines(class QPainter& p);
    void paintTitle(class QPainter& p);
    void paintArrows(class QPainter& p);
    void paintStars(class QPainter& p, const QRect& title);
    void paintArrow(class QPainter& p, const QRect& r, bool down, bool hot);
    HotSpot spotAt(const QPoint& point) const;

    Skins& m_skins;
    bool m_shown = false;
    QString m_title;
    QFont m_titleFont;
    int m_stars = 0;
    QRect m_down;
    QRect m_up;
    bool m_canScroll = false;
    HotSpot m_hover = HotSpot::None;
    HotSpot m_held = HotSpot::None;
    QCursor m_linkCursor = QCursor(Qt::PointingHandCursor);
};
