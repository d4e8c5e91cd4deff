#include "browser/gui/ClientFrame.h"

#include "browser/TitleBarGeometry.h"
#include "ui/Skins.h"

#include <QMouseEvent>

#include <QPainter>
#include <cmath>

namespace {

// A sunken outline: shadow outside, highlight one pixel in, window frame at the inner edge.
void engrave(QPainter& p, const QRect& r) {
    const QPalette pal;
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
}

void groove(QPainter& p, int x, int y1, int y2) {
    const QPalette pal;
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(x, y1, x, y2);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(x + 1, y1, x + 1, y2);
}

} // namespace

ClientFrame::ClientFrame(Skins& skins, QWidget* parent) : QWidget(parent), m_skins(skins) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

void ClientFrame::paintEvent(QPaintEvent*) {
    if (!m_shown)
        return;
    QPainter p(this);
    paintSkin(p);
    paintOutlines(p);
    paintTitle(p);
    paintArrows(p);
}

int ClientFrame::titlePointSize(const QFont& textFont) {
    return TitleBarGeometry::fontSize([&textFont](int points) {
        QFont f = textFont;
        f.setPointSize(points);
        return QFontMetrics(f).boundingRect(QLatin1Char('A')).height();
    });
}

void ClientFrame::setTitle(const QString& name, const QFont& textFont) {
    m_title = name.left(30);
    if (m_titleFont.family() != textFont.family() || m_titleFont.bold() != textFont.bold() ||
        m_titleFont.italic() != textFont.italic() || m_titleFont.pointSize() <= 0) {
        m_titleFont = textFont;
        m_titleFont.setPointSize(titlePointSize(textFont));
    }
    update(TitleBarGeometry::titleRect(width()));
}

void ClientFrame::paintTitle(QPainter& p) {
    if (m_title.isEmpty())
        return;
    const QRect area = TitleBarGeometry::titleRect(width());
    const QFontMetrics metrics(m_titleFont);
    const TitleBarGeometry::Name name =
        TitleBarGeometry::name(area.width(), metrics.horizontalAdvance(m_title),
                               metrics.horizontalAdvance(QLatin1Char('a')), m_titleFont.italic());
    p.save();
    p.translate(area.topLeft());
    const QPalette pal;
    const auto groove = [&](int from, int to) {
        if (to <= from)
            return;
        p.fillRect(QRect(from, 19, to - from, 6), pal.color(QPalette::Button));
        p.setPen(pal.color(QPalette::Mid));
        p.drawLine(from, 19, to, 19);
        p.drawLine(from, 23, to, 23);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(from, 20, to, 20);
        p.drawLine(from, 24, to, 24);
        p.setPen(pal.color(QPalette::Shadow));
        p.drawLine(from, 22, to, 22);
    };
    groove(0, name.leftGrooveEnd);
    groove(name.rightGrooveStart, area.width());
    paintStars(p, area);
    // A long name stops before the stars.
    const int clipRight = qMin(name.clipRight, TitleBarGeometry::star(area.width(), 1).left() - 4);
    p.setClipRect(QRect(name.clipLeft, 0, qMax(0, clipRight - name.clipLeft), area.height()));
    p.setFont(m_titleFont);
    p.setPen(Qt::black);
    p.drawText(name.x + 2, 4 + metrics.ascent(), m_title);
    p.setPen(Qt::white);
    p.drawText(name.x, 2 + metrics.ascent(), m_title);
    p.restore();
}

void ClientFrame::setStars(int stars) {
    if (stars == m_stars)
        return;
    m_stars = stars;
    update(TitleBarGeometry::titleRect(width()));
}

// Filled in gold up to the drink's stars, the others outlined: every star is a place to click.
void ClientFrame::paintStars(QPainter& p, const QRect& title) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int n = 1; n <= 5; ++n) {
        const QRectF r = TitleBarGeometry::star(title.width(), n);
        QPolygonF shape;
        for (int k = 0; k < 10; ++k) {
            const double radius = (k % 2 == 0 ? 0.5 : 0.21) * r.width();
            const double angle = -M_PI / 2 + k * M_PI / 5;
            shape << r.center() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
        p.setPen(QPen(n <= m_stars ? QColor(120, 80, 0) : QPalette().color(QPalette::Mid), 1));
        p.setBrush(n <= m_stars ? QColor(255, 200, 0) : QPalette().color(QPalette::Button));
        p.drawPolygon(shape);
    }
    p.restore();
}

void ClientFrame::setHotSpots(const QRect& down, const QRect& up) {
    m_down = down;
    m_up = up;
}

void ClientFrame::setCanScroll(bool canScroll) {
    m_canScroll = canScroll;
    update(m_down.united(m_up));
}

void ClientFrame::paintArrows(QPainter& p) {
    if (!m_canScroll) {
        p.fillRect(m_down, QPalette().color(QPalette::Button));
        p.fillRect(m_up, QPalette().color(QPalette::Button));
        return;
    }
    paintArrow(p, m_down, true, m_hover == HotSpot::Down);
    paintArrow(p, m_up, false, m_hover == HotSpot::Up);
}

void ClientFrame::paintArrow(QPainter& p, const QRect& r, bool down, bool hot) {
    const QPalette pal;
    p.fillRect(r, pal.color(QPalette::Button));
    if (hot) {
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(pal.color(QPalette::Mid));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const QPoint o = r.topLeft();
    const QPolygon triangle = down ? QPolygon({o + QPoint(4, 4), o + QPoint(12, 12), o + QPoint(20, 4)})
                                   : QPolygon({o + QPoint(4, 12), o + QPoint(12, 4), o + QPoint(20, 12)});
    // Seven horizontal lines fill the triangle: green under the mouse, else the shadow colour.
    p.setPen(hot ? QColor(0, 128, 0) : pal.color(QPalette::Mid));
    for (int i = 1; i <= 7; ++i) {
        const int y = down ? 4 + i : 12 - i;
        const int half = 8 - i; // narrowing towards the tip, whichever way it points
        p.drawLine(o.x() + 12 - half + 1, o.y() + y, o.x() + 12 + half - 1, o.y() + y);
    }
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawPolygon(triangle);
}

ClientFrame::HotSpot ClientFrame::spotAt(const QPoint& point) const {
    if (!m_canScroll)
        return HotSpot::None;
    if (m_down.contains(point))
        return HotSpot::Down;
    if (m_up.contains(point))
        return HotSpot::Up;
    return HotSpot::None;
}

void ClientFrame::mousePressEvent(QMouseEvent* event) {
    const HotSpot spot = spotAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && spot != HotSpot::None) {
        m_held = spot;
        emit scrollPressed(spot);
    } else if (event->button() == Qt::LeftButton && !m_title.isEmpty()) {
        const QRect title = TitleBarGeometry::titleRect(width());
        if (const int n =
                TitleBarGeometry::starAt(title.width(), event->position().toPoint() - title.topLeft()))
            emit starClicked(n);
    }
    QWidget::mousePressEvent(event);
}

void ClientFrame::mouseMoveEvent(QMouseEvent* event) {
    const HotSpot spot = spotAt(event->position().toPoint());
    const QRect title = TitleBarGeometry::titleRect(width());
    const bool onStar =
        !m_title.isEmpty() &&
        TitleBarGeometry::starAt(title.width(), event->position().toPoint() - title.topLeft()) > 0;
    setCursor(spot != HotSpot::None || onStar ? m_linkCursor : QCursor(Qt::ArrowCursor));
    if (spot != m_hover) {
        m_hover = spot;
        update(m_down.united(m_up));
    }
    QWidget::mouseMoveEvent(event);
}

// The press grabbed the mouse, so the release arrives here wherever it happens.
void ClientFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_held != HotSpot::None) {
        m_held = HotSpot::None;
        emit scrollReleased();
    }
    QWidget::mouseReleaseEvent(event);
}

void ClientFrame::paintSkin(QPainter& p) {
    const SkinSet& skin = m_skins.mainSet();
    if (!skin.isLoaded())
        return;
    const int w = width();
    const int h = height();
    p.drawTiledPixmap(QRect(0, 0, 210, 11), skin.top);
    p.drawTiledPixmap(QRect(210, 0, w - 210, 44), skin.top);
    p.drawTiledPixmap(QRect(0, 11, 11, h - 11), skin.left);
    // The outer border is in the rightmost 12 columns of the right bitmap.
    p.drawTiledPixmap(QRect(w - 12, 0, 12, h),
                      skin.right.copy(qMax(0, skin.right.width() - 12), 0, 12, skin.right.height()));
    p.drawTiledPixmap(QRect(0, h - 11, w, 11), skin.bottom);
    // The separator strips between the left panel and the recipe text.
    const QPixmap strip = skin.left.copy(0, 0, qMin(8, skin.left.width()), skin.left.height());
    for (int x : {211, 219, 227})
        p.drawTiledPixmap(QRect(x, 44, strip.width(), h - 44 - 11), strip);
}

void ClientFrame::paintOutlines(QPainter& p) {
    const int w = width();
    const int h = height();
    engrave(p, QRect(QPoint(11, 11), QPoint(210, h - 11)));
    engrave(p, QRect(QPoint(39, 43), QPoint(183, 246)));
    for (int x : {214, 222, 230})
        groove(p, x, 45, h - 12);
    engrave(p, QRect(QPoint(255, 70), QPoint(w - 36, h - 37)));
    // The band from the left panel to the title.
    const QPalette pal;
    const int bandEnd = TitleBarGeometry::titleRect(w).left();
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(210, 24, bandEnd, 24);
    p.drawLine(210, 28, bandEnd, 28);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(210, 25, bandEnd, 25);
    p.drawLine(210, 29, bandEnd, 29);
    engrave(p, QRect(QPoint(w - 37, 15), QPoint(w - 12, 39)));
    p.fillRect(QRect(QPoint(w - 35, 17), QPoint(w - 14, 38)), pal.color(QPalette::Button));
}
