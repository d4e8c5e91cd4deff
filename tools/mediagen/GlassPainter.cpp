#include "GlassPainter.h"

#include "GarnishPainter.h"
#include "Noise.h"
#include "Tone.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

using Ice = DrinkLook::Ice;
using Material = GlassShape::Material;

QPen pen(const QColor& c, double width) {
    return Tone::roundPen(c, width);
}

double ellipseDepth(double halfWidth) {
    return std::max(1.5, halfWidth * 0.17);
}

QPainterPath handlePath(const GlassShape& g) {
    const double top = g.rimY() + (g.bottomY() - g.rimY()) * 0.18;
    const double bottom = g.rimY() + (g.bottomY() - g.rimY()) * 0.72;
    const double x0 = g.centreX + g.halfWidthAt(top) - 1;
    const double x1 = g.centreX + g.halfWidthAt(bottom) - 1;
    const double out = std::max(13.0, (bottom - top) * 0.32);
    QPainterPath path;
    path.moveTo(x0, top);
    path.cubicTo(x0 + out, top - 2, x1 + out, bottom + 2, x1, bottom);
    return path;
}

void steam(QPainter& p, const GlassShape& g, quint32 seed) {
    for (int i = 0; i < 3; ++i) {
        QPainterPath wisp;
        const double x = g.centreX - 10 + i * 10 + Noise::white(i, 0, seed) * 4;
        wisp.moveTo(x, g.rimY() - 4);
        for (int k = 1; k <= 4; ++k)
            wisp.quadTo(x + (k % 2 == 0 ? -6 : 6), g.rimY() - 4 - k * 9 + 4, x, g.rimY() - 4 - k * 9);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(QColor(255, 255, 255, 46 - i * 8), 3.5));
        p.drawPath(wisp);
        p.setPen(pen(QColor(255, 255, 255, 70 - i * 10), 1.2));
        p.drawPath(wisp);
    }
}

void straw(QPainter& p, const GlassShape& g, double level, quint32 seed) {
    static const QColor colours[] = {QColor(220, 40, 50), QColor(30, 30, 30), QColor(40, 150, 90),
                                     QColor(250, 160, 30)};
    const QColor c = colours[seed % 4];
    const QPointF bottom(g.centreX - g.rimHalfWidth() * 0.25, std::min(g.bottomY() - 6, level + 40));
    const QPointF top(g.centreX + g.rimHalfWidth() * 0.7, g.rimY() - 30);
    p.setPen(pen(Tone::shade(c, 0.7), 4.2));
    p.drawLine(bottom, top);
    p.setPen(pen(c, 3.0));
    p.drawLine(bottom, top);
    p.setPen(pen(QColor(255, 255, 255, 110), 0.9));
    p.drawLine(bottom + QPointF(-0.8, 0), top + QPointF(-0.8, 0));
}

} // namespace

double GlassPainter::liquidLevel(const GlassShape& g, const DrinkLook& look) {
    if (look.empty)
        return g.bottomY();
    if (look.ice == Ice::Frozen)
        return g.rimY() + 1;
    const double fill = look.fill > 0 ? look.fill : g.defaultFill;
    return g.rimY() + (g.bottomY() - g.rimY()) * (1 - fill);
}

void GlassPainter::liquid(QPainter& p, const GlassShape& g, const DrinkLook& look, double level) {
    const double rimW = g.rimHalfWidth();
    const double left = g.centreX - rimW * 1.3;
    const double right = g.centreX + rimW * 1.3;
    const QPainterPath body = g.bowlBelow(level);
    const int alpha = look.clear ? 60 : 228;
    if (!look.layers.isEmpty()) {
        double bottom = g.bottomY();
        const double height = g.bottomY() - level;
        for (const DrinkLook::Layer& layer : look.layers) {
            const double top = bottom - height * layer.share;
            QPainterPath band;
            band.addRect(QRectF(0, top - 0.5, 300, bottom - top + 1));
            QLinearGradient grad(left, 0, right, 0);
            grad.setColorAt(0, Tone::alpha(Tone::shade(layer.colour, 0.75), 235));
            grad.setColorAt(0.45, Tone::alpha(layer.colour, 235));
            grad.setColorAt(1, Tone::alpha(Tone::shade(layer.colour, 0.7), 235));
            p.fillPath(body.intersected(band), grad);
            bottom = top;
        }
    } else {
        QLinearGradient grad(left, 0, right, 0);
        grad.setColorAt(0, Tone::alpha(look.edge, alpha));
        grad.setColorAt(0.42, Tone::alpha(Tone::shade(look.centre, 1.06), alpha));
        grad.setColorAt(0.6, Tone::alpha(look.centre, alpha));
        grad.setColorAt(1, Tone::alpha(Tone::shade(look.edge, 0.85), alpha));
        p.fillPath(body, grad);
    }
    // Deeper at the foot of the glass.
    QLinearGradient depth(0, level, 0, g.bottomY());
    depth.setColorAt(0, QColor(0, 0, 0, 0));
    depth.setColorAt(1, QColor(0, 0, 0, look.clear ? 20 : 60));
    p.fillPath(body, depth);
    if (look.ice == Ice::Frozen) {
        for (int i = 0; i < 160; ++i) {
            const QPointF pt(left + Noise::white(i, 1, look.seed) * (right - left),
                             level + Noise::white(i, 2, look.seed) * (g.bottomY() - level));
            if (body.contains(pt)) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 40 + int(60 * Noise::white(i, 3, look.seed))));
                p.drawEllipse(pt, 1.1, 0.9);
            }
        }
    }
    if (look.sparkling) {
        for (int i = 0; i < 34; ++i) {
            const double t = Noise::white(i, 4, look.seed);
            const QPointF pt(left + Noise::white(i, 5, look.seed) * (right - left),
                             level + 3 + t * t * (g.bottomY() - level - 4));
            if (!body.contains(pt))
                continue;
            const double r = 0.5 + Noise::white(i, 6, look.seed) * 1.0;
            p.setBrush(QColor(255, 255, 255, 60));
            p.setPen(pen(QColor(255, 255, 255, 150), 0.5));
            p.drawEllipse(pt, r, r);
        }
    }
    // The surface seen from a little above.
    const double w = g.halfWidthAt(level + 0.01);
    if (w > 1 && look.ice != Ice::Frozen) {
        const double d = ellipseDepth(w);
        const QColor top =
            look.foam.isValid() ? look.foam : Tone::shade(look.centre, look.clear ? 1.0 : 1.18);
        p.setPen(pen(Tone::alpha(Tone::shade(top, 1.2), look.clear ? 120 : 200), 0.7));
        p.setBrush(Tone::alpha(top, look.clear ? 50 : 235));
        p.drawEllipse(QPointF(g.centreX, level), w - 0.5, d);
    }
}

void GlassPainter::ice(QPainter& p, const GlassShape& g, const DrinkLook& look, double level) {
    const QPainterPath inside = g.bowl();
    p.save();
    p.setClipPath(inside);
    if (look.ice == Ice::Cubes) {
        const double size = qBound(11.0, g.rimHalfWidth() * 0.62, 17.0);
        const double top = std::max(g.rimY() + size * 0.4, level - size * 0.45);
        int index = 0;
        for (double y = g.bottomY() - size * 0.55; y > top; y -= size * 0.92) {
            const double w = g.halfWidthAt(y) - size * 0.45;
            const int columns = std::max(1, int(2 * w / (size * 0.95)));
            for (int c = 0; c < columns; ++c) {
                const double x = g.centreX - w + (columns == 1 ? w : c * 2 * w / (columns - 1)) +
                                 (Noise::white(index, 7, look.seed) - 0.5) * 6;
                const double cube = size * (0.85 + 0.3 * Noise::white(index, 10, look.seed));
                p.save();
                p.translate(x, y + (Noise::white(index, 8, look.seed) - 0.5) * 5);
                p.rotate((Noise::white(index, 9, look.seed) - 0.5) * 60);
                const QRectF r(-cube / 2, -cube * 0.45, cube, cube * 0.9);
                QLinearGradient grad(r.topLeft(), r.bottomRight());
                grad.setColorAt(0, QColor(255, 255, 255, 110));
                grad.setColorAt(0.5, QColor(255, 255, 255, 30));
                grad.setColorAt(1, QColor(255, 255, 255, 80));
                p.setBrush(grad);
                p.setPen(pen(QColor(255, 255, 255, 150), 0.8));
                p.drawRoundedRect(r, 2.5, 2.5);
                p.setPen(pen(QColor(255, 255, 255, 200), 0.9));
                p.drawLine(r.topLeft() + QPointF(2.5, 2.5), r.topLeft() + QPointF(cube * 0.5, 2.5));
                p.restore();
                ++index;
            }
        }
    } else if (look.ice == Ice::Crushed) {
        for (int i = 0; i < 260; ++i) {
            const double y = g.rimY() - 6 + Noise::white(i, 10, look.seed) * (g.bottomY() - g.rimY()) * 0.8;
            const double w = std::max(g.halfWidthAt(std::max(y, g.rimY())), 4.0);
            const QPointF c(g.centreX + (Noise::white(i, 11, look.seed) * 2 - 1) * w, y);
            const double s = 2 + Noise::white(i, 12, look.seed) * 3;
            QPolygonF shard;
            for (int k = 0; k < 4; ++k) {
                const double a = k * M_PI / 2 + Noise::white(i, 13 + k, look.seed);
                shard << c + QPointF(std::cos(a) * s, std::sin(a) * s * 0.8);
            }
            p.setBrush(QColor(255, 255, 255, 40 + int(70 * Noise::white(i, 17, look.seed))));
            p.setPen(pen(QColor(255, 255, 255, 120), 0.5));
            p.drawPolygon(shard);
        }
    }
    p.restore();
    // Crushed and frozen drinks are heaped above the rim.
    if (look.ice == Ice::Crushed || look.ice == Ice::Frozen) {
        const double w = g.rimHalfWidth();
        const double h = std::max(6.0, w * 0.35);
        QPainterPath mound;
        mound.moveTo(g.centreX - w + 1, g.rimY());
        mound.cubicTo(g.centreX - w * 0.6, g.rimY() - h * 1.3, g.centreX + w * 0.6, g.rimY() - h * 1.3,
                      g.centreX + w - 1, g.rimY());
        mound.closeSubpath();
        if (look.ice == Ice::Frozen) {
            QRadialGradient grad(QPointF(g.centreX - w * 0.3, g.rimY() - h), w * 1.2);
            grad.setColorAt(0, Tone::shade(look.centre, 1.3));
            grad.setColorAt(1, look.centre);
            p.fillPath(mound, grad);
        }
        for (int i = 0; i < 90; ++i) {
            const double t = Noise::white(i, 18, look.seed) * 2 - 1;
            const double top = g.rimY() - h * (1 - t * t) * 0.95;
            const QPointF c(g.centreX + t * (w - 3), top + Noise::white(i, 19, look.seed) * (g.rimY() - top));
            const double s = look.ice == Ice::Frozen ? 1.2 : 2 + Noise::white(i, 20, look.seed) * 2.5;
            p.setBrush(look.ice == Ice::Frozen
                           ? QColor(255, 255, 255, 70)
                           : QColor(255, 255, 255, 120 + int(80 * Noise::white(i, 21, look.seed))));
            p.setPen(look.ice == Ice::Frozen ? Qt::NoPen : pen(QColor(220, 236, 246, 200), 0.5));
            p.drawEllipse(c, s, s * 0.8);
        }
    }
}

void GlassPainter::topping(QPainter& p, const GlassShape& g, const DrinkLook& look, double level) {
    if (look.foam.isValid() && look.ice != Ice::Frozen) {
        const double h = std::min(9.0, (g.bottomY() - level) * 0.22);
        QPainterPath band;
        band.addRect(QRectF(0, level, 300, h));
        const QPainterPath foam = g.bowlBelow(level).intersected(band);
        p.fillPath(foam, look.foam);
        for (int i = 0; i < 40; ++i) {
            const QPointF pt(g.centreX + (Noise::white(i, 22, look.seed) * 2 - 1) * g.rimHalfWidth(),
                             level + Noise::white(i, 23, look.seed) * h);
            if (foam.contains(pt)) {
                p.setPen(pen(Tone::shade(look.foam, 0.88), 0.5));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(pt, 0.9, 0.8);
            }
        }
    }
    if (look.creamCap) {
        const double w = g.halfWidthAt(std::max(level, g.rimY()) + 0.01);
        const double top = std::max(level, g.rimY());
        QPainterPath band;
        band.addRect(QRectF(0, top, 300, 9));
        p.fillPath(g.bowlBelow(top).intersected(band), QColor(250, 246, 236));
        QPainterPath dome;
        dome.moveTo(g.centreX - w, top);
        dome.cubicTo(g.centreX - w * 0.7, top - w * 0.5, g.centreX + w * 0.7, top - w * 0.5, g.centreX + w,
                     top);
        dome.closeSubpath();
        QRadialGradient grad(QPointF(g.centreX - w * 0.3, top - w * 0.3), w * 1.2);
        grad.setColorAt(0, QColor(255, 255, 253));
        grad.setColorAt(1, QColor(228, 220, 204));
        p.setPen(pen(QColor(214, 204, 186), 0.6));
        p.setBrush(grad);
        p.drawPath(dome);
    }
}

void GlassPainter::opaqueBody(QPainter& p, const GlassShape& g, const DrinkLook& look) {
    QPainterPath body = g.bowl();
    body.addRect(QRectF(g.centreX - g.profile.last().x(), g.bottomY() - 1, 2 * g.profile.last().x(),
                        g.baseBottom - g.bottomY() + 1));
    body = body.simplified();
    const double l = g.centreX - g.rimHalfWidth() - 2;
    const double r = g.centreX + g.rimHalfWidth() + 2;
    QColor dark;
    QColor mid;
    QColor bright;
    if (g.material == Material::Copper) {
        dark = QColor(110, 44, 18);
        mid = QColor(200, 104, 56);
        bright = QColor(252, 196, 150);
    } else if (g.material == Material::Silver) {
        dark = QColor(100, 106, 112);
        mid = QColor(196, 202, 208);
        bright = QColor(250, 252, 255);
    } else {
        static const QColor glazes[] = {QColor(132, 84, 40), QColor(36, 120, 112), QColor(172, 60, 36)};
        mid = glazes[look.seed % 3];
        dark = Tone::shade(mid, 0.45);
        bright = Tone::shade(mid, 1.45);
    }
    if (g.handle) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(dark, 7));
        p.drawPath(handlePath(g));
        p.setPen(pen(mid, 4.5));
        p.drawPath(handlePath(g));
    }
    QLinearGradient grad(l, 0, r, 0);
    grad.setColorAt(0, dark);
    grad.setColorAt(0.28, bright);
    grad.setColorAt(0.45, mid);
    grad.setColorAt(0.85, Tone::shade(mid, 0.75));
    grad.setColorAt(1, dark);
    p.fillPath(body, grad);
    p.save();
    p.setClipPath(body);
    if (g.material == Material::Copper) {
        for (int i = 0; i < 70; ++i) {
            const QPointF c(l + Noise::white(i, 30, 3) * (r - l),
                            g.rimY() + Noise::white(i, 31, 3) * (g.baseBottom - g.rimY()));
            p.setPen(Qt::NoPen);
            p.setBrush(Noise::white(i, 32, 3) > 0.5 ? QColor(255, 220, 190, 50) : QColor(80, 30, 10, 40));
            p.drawEllipse(c, 3.0, 2.2);
        }
    } else if (g.material == Material::Silver) {
        for (int i = 0; i < 400; ++i) {
            const QPointF c(l + Noise::white(i, 33, 4) * (r - l),
                            g.rimY() + 4 + Noise::white(i, 34, 4) * (g.baseBottom - g.rimY()));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 60 + int(80 * Noise::white(i, 35, 4))));
            p.drawEllipse(c, 0.8, 0.8);
        }
    } else {
        // A carved tiki face: brow, eyes, nose and a wide mouth.
        const double cx = g.centreX;
        const double y = g.rimY() + (g.baseBottom - g.rimY()) * 0.3;
        const QColor carve = Tone::shade(mid, 0.4);
        const QColor lit = Tone::shade(mid, 1.35);
        p.setPen(pen(carve, 2.2));
        p.drawLine(QPointF(cx - 20, y - 6), QPointF(cx + 20, y - 6));
        p.setPen(pen(lit, 1));
        p.drawLine(QPointF(cx - 20, y - 4), QPointF(cx + 20, y - 4));
        for (int side = -1; side <= 1; side += 2) {
            p.setPen(pen(carve, 1.6));
            p.setBrush(Tone::shade(mid, 0.6));
            p.drawEllipse(QPointF(cx + side * 10, y + 4), 6.5, 4.5);
            p.setBrush(lit);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(cx + side * 10, y + 4), 2.2, 2.2);
        }
        p.setPen(pen(carve, 1.8));
        p.setBrush(Tone::shade(mid, 0.8));
        QPainterPath nose;
        nose.moveTo(cx, y + 4);
        nose.lineTo(cx - 5, y + 20);
        nose.lineTo(cx + 5, y + 20);
        nose.closeSubpath();
        p.drawPath(nose);
        const QRectF mouth(cx - 15, y + 26, 30, 12);
        p.setBrush(Tone::shade(mid, 0.35));
        p.drawRoundedRect(mouth, 4, 4);
        p.setPen(pen(lit, 1));
        for (int i = 1; i < 5; ++i)
            p.drawLine(QPointF(mouth.left() + i * 6, mouth.top() + 1),
                       QPointF(mouth.left() + i * 6, mouth.bottom() - 1));
    }
    p.restore();
    // The rim and the drink just below it.
    const double w = g.rimHalfWidth();
    const double d = ellipseDepth(w);
    p.setPen(pen(Tone::shade(mid, 1.3), 1.2));
    p.setBrush(Tone::shade(dark, 0.7));
    p.drawEllipse(QPointF(g.centreX, g.rimY()), w, d);
    if (!look.empty) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.centre);
        p.drawEllipse(QPointF(g.centreX, g.rimY() + d * 0.35), w - 2.5, d * 0.7);
    }
}

void GlassPainter::glassFront(QPainter& p, const GlassShape& g, const DrinkLook& look) {
    const double cx = g.centreX;
    // Thick base of tumblers and highballs: glass with a little of the drink's colour in it.
    if (!g.stemmed()) {
        const double w = g.profile.last().x();
        const QRectF base(cx - w, g.bottomY(), 2 * w, g.baseBottom - g.bottomY());
        QLinearGradient grad(base.left(), 0, base.right(), 0);
        const QColor tint = look.empty ? QColor(220, 230, 236) : look.edge;
        grad.setColorAt(0, Tone::alpha(Tone::mix(tint, QColor(255, 255, 255), 0.6), 150));
        grad.setColorAt(0.5, Tone::alpha(Tone::mix(tint, QColor(255, 255, 255), 0.3), 90));
        grad.setColorAt(1, Tone::alpha(Tone::mix(tint, QColor(255, 255, 255), 0.5), 140));
        p.setPen(Qt::NoPen);
        p.setBrush(grad);
        p.drawRect(base);
        p.setPen(pen(QColor(255, 255, 255, 150), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(cx, g.baseBottom - 1), w, ellipseDepth(w) * 0.8);
        p.drawEllipse(QPointF(cx, g.bottomY()), w - 1, ellipseDepth(w) * 0.7);
    } else {
        const double top = g.bottomY() - 1;
        QLinearGradient grad(cx - 2.5, 0, cx + 2.5, 0);
        grad.setColorAt(0, QColor(255, 255, 255, 170));
        grad.setColorAt(0.5, QColor(255, 255, 255, 50));
        grad.setColorAt(1, QColor(255, 255, 255, 140));
        p.setPen(Qt::NoPen);
        p.setBrush(grad);
        p.drawRect(QRectF(cx - 2, top, 4, g.stemBottom - top));
        p.setBrush(QColor(255, 255, 255, 38));
        p.setPen(pen(QColor(255, 255, 255, 150), 0.9));
        p.drawEllipse(QPointF(cx, g.stemBottom + 1.5), g.footHalfWidth, 3.2);
    }
    if (g.handle) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(QColor(255, 255, 255, 70), 5.5));
        p.drawPath(handlePath(g));
        p.setPen(pen(QColor(255, 255, 255, 170), 1.1));
        p.drawPath(handlePath(g));
    }
    // Walls: a faint body, bright edges and the long highlight on the left.
    p.fillPath(g.bowl(), QColor(255, 255, 255, 16));
    QPolygonF leftWall;
    QPolygonF rightWall;
    QPolygonF highlight;
    QPolygonF glint;
    for (const QPointF& pt : g.profile) {
        leftWall << QPointF(cx - pt.x(), pt.y());
        rightWall << QPointF(cx + pt.x(), pt.y());
        if (pt.x() > 6) {
            highlight << QPointF(cx - pt.x() + 3.2, pt.y() + 2);
            glint << QPointF(cx + pt.x() - 3.5, pt.y() + 2);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(255, 255, 255, 150), 1.0));
    p.drawPolyline(leftWall);
    p.drawPolyline(rightWall);
    p.setPen(pen(QColor(255, 255, 255, 110), 2.4));
    p.drawPolyline(highlight);
    p.setPen(pen(QColor(255, 255, 255, 60), 1.2));
    p.drawPolyline(glint);
    const double w = g.rimHalfWidth();
    const double d = ellipseDepth(w);
    p.setPen(pen(QColor(255, 255, 255, 90), 0.9));
    p.drawArc(QRectF(cx - w, g.rimY() - d, 2 * w, 2 * d), 0, 180 * 16);
    p.setPen(pen(QColor(255, 255, 255, 190), 1.2));
    p.drawArc(QRectF(cx - w, g.rimY() - d, 2 * w, 2 * d), 180 * 16, 180 * 16);
}

void GlassPainter::paint(QPainter& p, const GlassShape& g, const DrinkLook& look) {
    p.setRenderHint(QPainter::Antialiasing);
    const double level = liquidLevel(g, look);
    const GarnishPainter::GarnishLook garnish = GarnishPainter::forName(look.garnish);
    if (g.opaque()) {
        opaqueBody(p, g, look);
        if (!look.empty) {
            if (look.straw)
                straw(p, g, g.rimY(), look.seed);
            ice(p, g, look, g.rimY());
            GarnishPainter::drawOnDrink(p, garnish, g, g.rimY() + 2, look.seed);
        }
        return;
    }
    if (!look.empty) {
        if (look.straw)
            straw(p, g, level, look.seed);
        liquid(p, g, look, level);
        if (look.mintInside) {
            for (int i = 0; i < 5; ++i) {
                p.save();
                p.setClipPath(g.bowlBelow(level));
                const GarnishPainter::GarnishLook mint{GarnishPainter::Kind::Mint, QColor(40, 120, 50),
                                                       QColor()};
                p.translate(g.centreX + (Noise::white(i, 40, look.seed) - 0.5) * g.rimHalfWidth(),
                            level + (g.bottomY() - level) * (0.3 + 0.6 * Noise::white(i, 41, look.seed)));
                p.rotate(Noise::white(i, 42, look.seed) * 360);
                p.setOpacity(0.7);
                GarnishPainter::drawItem(p, mint, 12, look.seed);
                p.restore();
            }
        }
        if (look.limeInside) {
            const GarnishPainter::GarnishLook lime =
                GarnishPainter::forName(QStringLiteral("Limettenspalte"));
            for (int i = 0; i < 2; ++i) {
                p.save();
                p.setClipPath(g.bowlBelow(level));
                p.translate(g.centreX + (i == 0 ? -0.35 : 0.3) * g.rimHalfWidth(), g.bottomY() - 10 - i * 8);
                p.rotate(i == 0 ? 150 : 20);
                p.setOpacity(0.85);
                GarnishPainter::drawItem(p, lime, 14, look.seed);
                p.restore();
            }
        }
        ice(p, g, look, level);
        topping(p, g, look, level);
    }
    glassFront(p, g, look);
    if (!look.empty) {
        GarnishPainter::drawOnDrink(p, garnish, g, level, look.seed);
        if (look.hot)
            steam(p, g, look.seed);
    }
}
