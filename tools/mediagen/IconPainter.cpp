#include "IconPainter.h"

#include "DrinkLook.h"
#include "GlassPainter.h"
#include "PropPainter.h"
#include "Tone.h"
#include "VgaPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include <stdexcept>

namespace {

using K = GlassShape::Kind;
using Thing = PropPainter::Thing;

QPen pen(const QColor& c, double w) {
    return Tone::roundPen(c, w);
}

void card(QPainter& p, const QRectF& r) {
    p.setPen(pen(QColor(90, 90, 100), 1));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(226, 226, 232));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(pen(QColor(150, 30, 40), 1.6));
    p.drawLine(QPointF(r.left() + 5, r.top() + 7), QPointF(r.right() - 5, r.top() + 7));
    p.setPen(pen(QColor(120, 120, 140), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(r.left() + 5, r.top() + 13 + i * 5),
                   QPointF(r.right() - 5 - (i % 2) * 5, r.top() + 13 + i * 5));
}

void cocktail(QPainter& p, QPointF foot, double scale, const QColor& colour, bool cherry) {
    DrinkLook l;
    l.glass = K::Cocktail;
    l.centre = colour;
    l.edge = Tone::mix(colour, QColor(255, 255, 255), 0.3);
    l.garnish = cherry ? QStringLiteral("Cocktailkirsche") : QString();
    const GlassShape g = GlassShape::forKind(K::Cocktail);
    p.save();
    p.translate(foot);
    p.scale(scale, scale);
    p.translate(-g.centreX, -180);
    // The icon shows the glass on light backgrounds too: give it a dark outline.
    p.setPen(pen(QColor(40, 40, 60), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(g.silhouette());
    GlassPainter::paint(p, g, l);
    p.restore();
}

void magnifier(QPainter& p, QPointF centre, double r) {
    p.setPen(pen(QColor(60, 40, 20), 5));
    p.drawLine(centre + QPointF(r * 0.7, r * 0.7), centre + QPointF(r * 1.7, r * 1.7));
    p.setPen(pen(QColor(40, 40, 50), 2.4));
    QRadialGradient lens(centre - QPointF(r * 0.3, r * 0.3), r * 1.2);
    lens.setColorAt(0, QColor(230, 246, 255, 200));
    lens.setColorAt(1, QColor(140, 190, 230, 140));
    p.setBrush(lens);
    p.drawEllipse(centre, r, r);
}

void badge(QPainter& p, QPointF c, const QColor& colour, bool plus) {
    p.setPen(pen(Tone::shade(colour, 0.5), 1));
    p.setBrush(colour);
    p.drawEllipse(c, 7.5, 7.5);
    p.setPen(pen(QColor(255, 255, 255), 2.4));
    if (plus) {
        p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
        p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
    } else {
        p.drawLine(c + QPointF(-3.2, -3.2), c + QPointF(3.2, 3.2));
        p.drawLine(c + QPointF(-3.2, 3.2), c + QPointF(3.2, -3.2));
    }
}

void pencil(QPainter& p) {
    p.save();
    p.translate(30, 26);
    p.rotate(-45);
    QLinearGradient body(0, -3.5, 0, 3.5);
    body.setColorAt(0, QColor(255, 220, 90));
    body.setColorAt(1, QColor(220, 150, 20));
    p.setPen(pen(QColor(90, 60, 10), 0.8));
    p.setBrush(body);
    p.drawRect(QRectF(-12, -3.5, 24, 7));
    p.setBrush(QColor(240, 200, 160));
    QPainterPath tip;
    tip.moveTo(12, -3.5);
    tip.lineTo(19, 0);
    tip.lineTo(12, 3.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.setBrush(QColor(230, 110, 140));
    p.drawRect(QRectF(-16, -3.5, 4, 7));
    p.restore();
}

void paintButton(QPainter& p, int button) {
    switch (button) {
    case 1:
        card(p, QRectF(8, 4, 28, 34));
        badge(p, QPointF(36, 32), QColor(40, 160, 60), true);
        break;
    case 2:
        card(p, QRectF(6, 4, 28, 34));
        pencil(p);
        break;
    case 3:
        cocktail(p, QPointF(18, 42), 0.36, QColor(230, 60, 80), true);
        magnifier(p, QPointF(29, 17), 8);
        break;
    case 4:
        cocktail(p, QPointF(18, 42), 0.36, QColor(230, 60, 80), false);
        magnifier(p, QPointF(29, 17), 8);
        badge(p, QPointF(38, 34), QColor(210, 30, 30), false);
        break;
    case 5:
        PropPainter::thing(p, QRectF(2, 0, 44, 44), Thing::BarShelf, 1);
        break;
    case 6: {
        cocktail(p, QPointF(20, 43), 0.4, QColor(60, 150, 230), true);
        p.setPen(pen(QColor(80, 50, 20), 2.2));
        p.drawLine(QPointF(30, 30), QPointF(42, 12));
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? 7 : 3;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(42 + std::cos(a) * r, 10 + std::sin(a) * r);
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(pen(QColor(160, 110, 0), 0.8));
        p.setBrush(QColor(255, 220, 50));
        p.drawPath(star);
        break;
    }
    case 7:
        PropPainter::tool(p, QRectF(0, 0, 40, 44), PropPainter::Tool::Jigger);
        p.setPen(pen(QColor(30, 90, 170), 2));
        p.drawLine(QPointF(38, 8), QPointF(38, 36));
        p.drawLine(QPointF(34, 12), QPointF(38, 7));
        p.drawLine(QPointF(42, 12), QPointF(38, 7));
        p.drawLine(QPointF(34, 32), QPointF(38, 37));
        p.drawLine(QPointF(42, 32), QPointF(38, 37));
        break;
    case 8:
        PropPainter::thing(p, QRectF(2, 2, 44, 44), Thing::Gauge);
        break;
    case 9:
        PropPainter::thing(p, QRectF(2, 0, 44, 44), Thing::Book);
        break;
    case 10:
        PropPainter::thing(p, QRectF(2, 0, 44, 44), Thing::Printer);
        break;
    default:
        throw std::invalid_argument("toolbar button out of range");
    }
}

// Glass and shading wash colours out; sixteen colours need them clearer to keep their hue.
QRgb vivid(QRgb c) {
    QColor colour = QColor::fromRgb(c);
    float h = 0;
    float sat = 0;
    float v = 0;
    colour.getHsvF(&h, &sat, &v);
    if (h < 0)
        return c;
    return QColor::fromHsvF(h, std::min(1.0f, sat * 1.6f), v).rgb();
}

// Low colour: the picture as it looks on the button face, every pixel on the VGA palette, and
// transparent only where the full-colour picture is (nearly) empty, so no colour fringes remain.
QImage toVga(const QImage& hi) {
    QImage onFace(hi.size(), QImage::Format_RGB32);
    onFace.fill(VgaPalette::colours().at(VgaPalette::Silver));
    {
        QPainter p(&onFace);
        p.drawImage(0, 0, hi);
    }
    QImage out(hi.size(), QImage::Format_ARGB32);
    for (int y = 0; y < hi.height(); ++y) {
        for (int x = 0; x < hi.width(); ++x) {
            if (qAlpha(hi.pixel(x, y)) < 60)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
            else
                out.setPixel(x, y, VgaPalette::colours().at(VgaPalette::nearest(vivid(onFace.pixel(x, y)))));
        }
    }
    return out;
}

} // namespace

QImage IconPainter::toolbar(int button, bool hiColour) {
    QImage img(kButtonWidth, kButtonHeight, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintButton(p, button);
    }
    return hiColour ? img : toVga(img);
}

QImage IconPainter::stepArrow(bool down) {
    QImage img(11, 10, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    if (down) {
        tri.moveTo(1, 2);
        tri.lineTo(10, 2);
        tri.lineTo(5.5, 8.5);
    } else {
        tri.moveTo(1, 8);
        tri.lineTo(10, 8);
        tri.lineTo(5.5, 1.5);
    }
    tri.closeSubpath();
    QLinearGradient g(0, 0, 0, 10);
    g.setColorAt(0, QColor(60, 150, 70));
    g.setColorAt(1, QColor(20, 90, 30));
    p.setPen(pen(QColor(10, 50, 16), 0.8));
    p.setBrush(g);
    p.drawPath(tri);
    return img;
}

QImage IconPainter::mark() {
    QImage img(18, 18, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 8.4 : 3.6;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(9 + std::cos(a) * r, 9.6 + std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient g(QPointF(7, 7), 9);
    g.setColorAt(0, QColor(255, 236, 120));
    g.setColorAt(1, QColor(220, 140, 0));
    p.setPen(pen(QColor(120, 60, 0), 0.9));
    p.setBrush(g);
    p.drawPath(star);
    return img;
}

QImage IconPainter::cursor() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A pointing hand: the index finger up, its tip at the hot spot.
    QPainterPath hand;
    hand.moveTo(7.5, 4);
    hand.quadTo(9.5, 0.8, 11.5, 4);
    hand.lineTo(11.5, 13);
    hand.quadTo(13.5, 11, 15.5, 13);
    hand.quadTo(17.5, 11.5, 19.5, 14);
    hand.quadTo(21.5, 12.5, 23.5, 15);
    hand.lineTo(23.5, 22);
    hand.quadTo(23, 27, 19, 29);
    hand.lineTo(11, 29);
    hand.quadTo(8, 27, 6, 23);
    hand.lineTo(2.5, 17);
    hand.quadTo(2.5, 14.5, 5, 15.5);
    hand.lineTo(7.5, 18);
    hand.closeSubpath();
    p.setPen(pen(QColor(0, 0, 0), 1.3));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(hand);
    p.setPen(pen(QColor(0, 0, 0), 0.9));
    p.drawLine(QPointF(15.5, 13), QPointF(15.5, 18));
    p.drawLine(QPointF(19.5, 14), QPointF(19.5, 18));
    img.setText(QStringLiteral("HotspotX"), QString::number(kCursorHotX));
    img.setText(QStringLiteral("HotspotY"), QString::number(kCursorHotY));
    return img;
}
