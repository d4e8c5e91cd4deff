#include "app/ClientFrame.h"

#include "ui/Skins.h"

#include <QPainter>

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
    const QPalette pal;
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(210, 24, w - 40, 24);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(210, 25, w - 40, 25);
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(210, 28, w - 40, 28);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(210, 29, w - 40, 29);
    engrave(p, QRect(QPoint(w - 37, 15), QPoint(w - 12, 39)));
    p.fillRect(QRect(QPoint(w - 35, 17), QPoint(w - 14, 38)), pal.color(QPalette::Button));
}
