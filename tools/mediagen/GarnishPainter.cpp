#include "GarnishPainter.h"

#include "Noise.h"
#include "Tone.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

using Kind = GarnishPainter::Kind;
using GarnishLook = GarnishPainter::GarnishLook;

const QColor kLemon(250, 218, 40);
const QColor kLemonFlesh(252, 240, 150);
const QColor kLime(110, 176, 36);
const QColor kLimeFlesh(204, 232, 120);
const QColor kOrange(250, 138, 20);
const QColor kOrangeFlesh(255, 184, 70);

GarnishLook look(Kind k, QColor a = QColor(), QColor b = QColor()) {
    return GarnishLook{k, a, b};
}

QPen outline(const QColor& c, double width = 0.8) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A shiny ball: light from the upper left.
void sphere(QPainter& p, QPointF c, double r, const QColor& colour) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, Tone::shade(colour, 1.45));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, Tone::shade(colour, 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.42), r * 0.22, r * 0.16);
}

// A pointed leaf along the x axis from the origin, turned by angle degrees.
void leaf(QPainter& p, QPointF base, double length, double width, double angle, const QColor& colour) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    path.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    QLinearGradient g(0, -width, 0, width);
    g.setColorAt(0, Tone::shade(colour, 1.25));
    g.setColorAt(1, Tone::shade(colour, 0.7));
    p.setBrush(g);
    p.setPen(outline(Tone::shade(colour, 0.55), 0.6));
    p.drawPath(path);
    p.setPen(outline(Tone::shade(colour, 1.35), 0.6));
    p.drawLine(QPointF(length * 0.05, 0), QPointF(length * 0.85, 0));
    for (int i = 1; i <= 3; ++i) {
        const double x = length * 0.2 * i;
        p.drawLine(QPointF(x, 0), QPointF(x + length * 0.12, -width * 0.55));
        p.drawLine(QPointF(x, 0), QPointF(x + length * 0.12, width * 0.55));
    }
    p.restore();
}

void wheel(QPainter& p, double s, const QColor& peel, const QColor& flesh) {
    const double r = s / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(Tone::shade(peel, 0.85));
    p.drawEllipse(QPointF(0, 0), r, r);
    p.setBrush(peel);
    p.drawEllipse(QPointF(0, 0), r * 0.93, r * 0.93);
    p.setBrush(QColor(252, 248, 228));
    p.drawEllipse(QPointF(0, 0), r * 0.84, r * 0.84);
    const int segments = 10;
    for (int i = 0; i < segments; ++i) {
        const double a0 = i * 360.0 / segments + 3;
        QPainterPath seg;
        seg.moveTo(0, 0);
        seg.arcTo(QRectF(-r * 0.78, -r * 0.78, r * 1.56, r * 1.56), a0, 360.0 / segments - 6);
        seg.closeSubpath();
        QRadialGradient g(QPointF(0, 0), r * 0.8);
        g.setColorAt(0, Tone::shade(flesh, 1.2));
        g.setColorAt(1, flesh);
        p.setBrush(g);
        p.drawPath(seg);
    }
    p.setBrush(QColor(252, 248, 228));
    p.drawEllipse(QPointF(0, 0), r * 0.08, r * 0.08);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QPointF(-r * 0.3, -r * 0.35), r * 0.25, r * 0.15);
}

void wedge(QPainter& p, double s, const QColor& peel, const QColor& flesh) {
    const double r = s / 2;
    QPainterPath outer;
    outer.moveTo(-r, 0);
    outer.arcTo(QRectF(-r, -r * 0.9, 2 * r, 1.8 * r), 180, 180);
    outer.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(peel);
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(-r * 0.86, 0);
    inner.arcTo(QRectF(-r * 0.86, -r * 0.72, 1.72 * r, 1.44 * r), 180, 180);
    inner.closeSubpath();
    p.setBrush(QColor(252, 248, 228));
    p.drawPath(inner);
    QPainterPath fleshPath;
    fleshPath.moveTo(-r * 0.78, 0);
    fleshPath.arcTo(QRectF(-r * 0.78, -r * 0.62, 1.56 * r, 1.24 * r), 180, 180);
    fleshPath.closeSubpath();
    QLinearGradient g(0, 0, 0, r * 0.6);
    g.setColorAt(0, Tone::shade(flesh, 1.15));
    g.setColorAt(1, Tone::shade(flesh, 0.9));
    p.setBrush(g);
    p.drawPath(fleshPath);
    p.setPen(outline(QColor(252, 248, 228, 200), 0.7));
    for (int i = 1; i < 4; ++i) {
        const double a = qDegreesToRadians(180.0 + 45.0 * i);
        p.drawLine(QPointF(0, r * 0.02), QPointF(std::cos(a) * r * 0.74, -std::sin(a) * r * 0.58));
    }
    p.setPen(outline(Tone::shade(peel, 1.3), 0.8));
    p.drawArc(QRectF(-r * 0.95, -r * 0.85, 1.9 * r, 1.7 * r), 200 * 16, 60 * 16);
}

void zest(QPainter& p, double s, const QColor& peel) {
    // A twisted ribbon: its width swings with the twist, and the pale inside shows where it turns.
    const int steps = 36;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < steps; ++i) {
            const double t0 = double(i) / steps;
            const double t1 = double(i + 1) / steps;
            const auto at = [&](double t) {
                return QPointF(-s / 2 + s * t, std::sin(t * 2.6 * M_PI) * s * 0.16 + (t - 0.5) * s * 0.2);
            };
            const double twist = std::cos(t0 * 5.2 * M_PI);
            if ((twist >= 0) != (pass == 1))
                continue;
            const QColor c = twist >= 0 ? Tone::shade(peel, 0.9 + 0.25 * twist)
                                        : Tone::mix(peel, QColor(250, 240, 200), 0.55);
            p.setPen(outline(c, std::max(1.0, s * 0.13 * (0.35 + 0.65 * std::abs(twist)))));
            p.drawLine(at(t0), at(t1));
        }
    }
}

void cherry(QPainter& p, double s, const QColor& colour) {
    const double r = s * 0.3;
    p.setPen(outline(QColor(96, 110, 40), std::max(1.0, s * 0.045)));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(0, -r * 0.7);
    stem.cubicTo(r * 0.2, -r * 1.6, r * 0.9, -r * 2.2, r * 1.4, -r * 2.6);
    p.drawPath(stem);
    sphere(p, QPointF(0, 0), r, colour);
}

void herb(QPainter& p, double s, Kind kind, const QColor& colour, quint32 seed) {
    if (kind == Kind::Rosemary || kind == Kind::Lavender) {
        p.setPen(outline(QColor(90, 80, 50), std::max(1.0, s * 0.04)));
        p.drawLine(QPointF(0, s / 2), QPointF(0, -s / 2));
        const int n = 16;
        for (int i = 0; i < n; ++i) {
            const double y = s / 2 - s * 0.9 * i / n;
            const double len = s * (kind == Kind::Lavender ? 0.05 : 0.18) * (1 - 0.3 * i / n);
            const double side = i % 2 == 0 ? 1 : -1;
            if (kind == Kind::Lavender && i > n / 3) {
                sphere(p, QPointF(side * s * 0.04, y), s * 0.045, QColor(140, 100, 200));
                sphere(p, QPointF(-side * s * 0.03, y - s * 0.02), s * 0.04, QColor(160, 120, 214));
            } else {
                p.setPen(outline(Tone::shade(colour, 0.9 + 0.2 * Noise::white(i, 0, seed)),
                                 std::max(1.0, s * 0.035)));
                p.drawLine(QPointF(0, y), QPointF(side * len, y - len * 0.6));
            }
        }
        return;
    }
    const bool basil = kind == Kind::Basil;
    p.setPen(outline(Tone::shade(colour, 0.7), std::max(1.0, s * 0.04)));
    p.drawLine(QPointF(0, s / 2), QPointF(0, -s * 0.3));
    const int pairs = basil ? 2 : 3;
    for (int i = 0; i < pairs; ++i) {
        const double y = s * 0.3 - i * s * (basil ? 0.35 : 0.25);
        const double len = s * (basil ? 0.48 : 0.36) * (1 - 0.18 * i);
        const double wid = len * (basil ? 0.42 : 0.38);
        leaf(p, QPointF(0, y), len, wid, -35 - 10 * i, Tone::shade(colour, 1.0 - 0.06 * i));
        leaf(p, QPointF(0, y - s * 0.04), len, wid, -145 + 10 * i, Tone::shade(colour, 0.92 + 0.05 * i));
    }
    leaf(p, QPointF(0, -s * 0.3), s * 0.26, s * 0.1, -90, Tone::shade(colour, 1.1));
}

void cucumberSlice(QPainter& p, double s) {
    const double r = s / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 30));
    p.drawEllipse(QPointF(0, 0), r, r);
    QRadialGradient g(QPointF(0, 0), r);
    g.setColorAt(0, QColor(232, 244, 200));
    g.setColorAt(0.8, QColor(196, 226, 150));
    g.setColorAt(1, QColor(120, 170, 80));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), r * 0.9, r * 0.9);
    p.setBrush(QColor(250, 250, 230));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.save();
        p.translate(std::cos(a) * r * 0.42, std::sin(a) * r * 0.42);
        p.rotate(qRadiansToDegrees(a));
        p.drawEllipse(QPointF(0, 0), r * 0.1, r * 0.05);
        p.restore();
    }
}

void ribbon(QPainter& p, double s) {
    QPainterPath path;
    path.moveTo(-s * 0.1, s / 2);
    path.cubicTo(s * 0.35, s * 0.2, -s * 0.35, -s * 0.1, s * 0.05, -s / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(50, 110, 40), s * 0.2));
    p.drawPath(path);
    p.setPen(outline(QColor(206, 232, 170), s * 0.15));
    p.drawPath(path);
}

void olive(QPainter& p, double s, bool onion) {
    if (onion) {
        sphere(p, QPointF(0, 0), s * 0.2, QColor(238, 236, 216));
        sphere(p, QPointF(s * 0.3, -s * 0.12), s * 0.17, QColor(236, 232, 212));
        return;
    }
    const QColor green(126, 150, 48);
    QRadialGradient g(QPointF(-s * 0.1, -s * 0.1), s * 0.4);
    g.setColorAt(0, Tone::shade(green, 1.4));
    g.setColorAt(1, Tone::shade(green, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), s * 0.3, s * 0.22);
    p.setBrush(QColor(210, 40, 30));
    p.drawEllipse(QPointF(s * 0.22, 0), s * 0.08, s * 0.1);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(-s * 0.1, -s * 0.1), s * 0.08, s * 0.04);
}

// A stalk: celery by default; rhubarb, sugar cane and lemongrass bring their own colour and no leaves.
void celery(QPainter& p, double s, const QColor& stalk) {
    const QColor base = stalk.isValid() ? stalk : QColor(170, 212, 110);
    QLinearGradient g(-s * 0.08, 0, s * 0.08, 0);
    g.setColorAt(0, base.darker(125));
    g.setColorAt(0.5, base.lighter(115));
    g.setColorAt(1, base.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-s * 0.08, -s * 0.3, s * 0.16, s * 0.8), s * 0.05, s * 0.05);
    QColor line = base.darker(150);
    line.setAlpha(160);
    p.setPen(outline(line, 0.6));
    p.drawLine(QPointF(-s * 0.03, -s * 0.28), QPointF(-s * 0.03, s * 0.48));
    p.drawLine(QPointF(s * 0.03, -s * 0.28), QPointF(s * 0.03, s * 0.48));
    if (stalk.isValid())
        return;
    for (int i = 0; i < 5; ++i)
        leaf(p, QPointF(0, -s * 0.3), s * 0.22, s * 0.08, -150 + i * 30, QColor(80, 150, 50));
}

void pineapplePiece(QPainter& p, double s) {
    QPainterPath flesh;
    flesh.moveTo(-s * 0.45, s * 0.15);
    flesh.lineTo(s * 0.1, -s * 0.42);
    flesh.lineTo(s * 0.45, s * 0.15);
    flesh.closeSubpath();
    QLinearGradient g(0, -s * 0.4, 0, s * 0.15);
    g.setColorAt(0, QColor(255, 240, 150));
    g.setColorAt(1, QColor(250, 204, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(flesh);
    p.setBrush(QColor(160, 120, 40));
    p.drawRect(QRectF(-s * 0.45, s * 0.15, s * 0.9, s * 0.14));
    p.setPen(outline(QColor(90, 110, 40), 0.8));
    for (int i = 0; i < 6; ++i) {
        const double x = -s * 0.42 + i * s * 0.16;
        p.drawLine(QPointF(x, s * 0.15), QPointF(x + s * 0.08, s * 0.29));
        p.drawLine(QPointF(x + s * 0.08, s * 0.15), QPointF(x, s * 0.29));
    }
}

void pineappleLeaf(QPainter& p, double s) {
    for (int i = 0; i < 4; ++i) {
        const double angle = -130 + i * 26;
        leaf(p, QPointF(0, s * 0.4), s * (0.75 - 0.08 * std::abs(i - 1.5)), s * 0.07, angle,
             QColor(50 + 10 * i, 120 + 8 * i, 60));
    }
}

void strawberry(QPainter& p, double s) {
    QPainterPath berry;
    berry.moveTo(0, s * 0.42);
    berry.cubicTo(-s * 0.45, s * 0.05, -s * 0.36, -s * 0.32, 0, -s * 0.28);
    berry.cubicTo(s * 0.36, -s * 0.32, s * 0.45, s * 0.05, 0, s * 0.42);
    QRadialGradient g(QPointF(-s * 0.1, -s * 0.1), s * 0.5);
    g.setColorAt(0, QColor(250, 80, 80));
    g.setColorAt(1, QColor(170, 10, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(berry);
    p.setBrush(QColor(250, 220, 110));
    for (int i = 0; i < 14; ++i) {
        const double x = (Noise::white(i, 1, 5) - 0.5) * s * 0.5;
        const double y = (Noise::white(i, 2, 5) - 0.4) * s * 0.55;
        if (berry.contains(QPointF(x, y)))
            p.drawEllipse(QPointF(x, y), s * 0.018, s * 0.028);
    }
    for (int i = 0; i < 5; ++i)
        leaf(p, QPointF(0, -s * 0.28), s * 0.2, s * 0.06, -170 + i * 40, QColor(60, 140, 50));
}

void berries(QPainter& p, double s, Kind kind, const QColor& colour) {
    const QPointF centres[] = {{-s * 0.2, s * 0.08}, {s * 0.18, s * 0.1}, {0, -s * 0.16}};
    for (const QPointF& c : centres) {
        if (kind == Kind::Blueberries) {
            sphere(p, c, s * 0.16, colour);
            p.setPen(outline(Tone::shade(colour, 0.5), 0.7));
            p.drawEllipse(c + QPointF(0, -s * 0.1), s * 0.04, s * 0.025);
            continue;
        }
        for (int k = 0; k < 12; ++k) {
            const double a = k * 2.4;
            const double rr = s * 0.03 * std::sqrt(k + 1.0);
            sphere(p, c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 1.1), s * 0.07, colour);
        }
    }
}

void crescent(QPainter& p, double s, const QColor& skin, const QColor& flesh, bool seeds) {
    QPainterPath path;
    path.moveTo(-s * 0.48, 0);
    path.cubicTo(-s * 0.3, -s * 0.46, s * 0.3, -s * 0.46, s * 0.48, 0);
    path.cubicTo(s * 0.25, -s * 0.18, -s * 0.25, -s * 0.18, -s * 0.48, 0);
    p.setPen(outline(skin, s * 0.06));
    QLinearGradient g(0, -s * 0.35, 0, 0);
    g.setColorAt(0, Tone::shade(flesh, 1.1));
    g.setColorAt(1, Tone::shade(flesh, 0.92));
    p.setBrush(g);
    p.drawPath(path);
    if (seeds) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 50, 20));
        p.drawEllipse(QPointF(-s * 0.06, -s * 0.2), s * 0.035, s * 0.02);
        p.drawEllipse(QPointF(s * 0.06, -s * 0.2), s * 0.035, s * 0.02);
    }
}

void bananaSlice(QPainter& p, double s) {
    p.setPen(outline(QColor(226, 206, 110), s * 0.04));
    QRadialGradient g(QPointF(0, 0), s * 0.45);
    g.setColorAt(0, QColor(252, 246, 210));
    g.setColorAt(1, QColor(244, 226, 160));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), s * 0.42, s * 0.4);
    p.setPen(outline(QColor(200, 170, 110), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), s * 0.1, s * 0.09);
}

void physalis(QPainter& p, double s) {
    for (int i = 0; i < 5; ++i)
        leaf(p, QPointF(0, 0), s * 0.48, s * 0.16, -90 + i * 72 + 20, QColor(226, 206, 150));
    sphere(p, QPointF(0, 0), s * 0.2, QColor(250, 150, 20));
}

void starFruit(QPainter& p, double s) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0 ? 0.48 : 0.24) * s;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(outline(QColor(200, 170, 20), s * 0.04));
    QRadialGradient g(QPointF(0, 0), s * 0.5);
    g.setColorAt(0, QColor(255, 248, 180));
    g.setColorAt(1, QColor(246, 214, 60));
    p.setBrush(g);
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 120, 40));
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(std::cos(a) * s * 0.1, std::sin(a) * s * 0.1), s * 0.02, s * 0.02);
    }
}

void sprinkle(QPainter& p, double s, const QColor& colour, quint32 seed, bool curls) {
    for (int i = 0; i < 40; ++i) {
        const double a = Noise::white(i, 0, seed) * 2 * M_PI;
        const double r = std::sqrt(Noise::white(i, 1, seed)) * s * 0.45;
        const QPointF c(std::cos(a) * r, std::sin(a) * r * 0.45);
        const QColor tone = Tone::shade(colour, 0.8 + 0.4 * Noise::white(i, 2, seed));
        p.setPen(outline(tone, curls ? s * 0.035 : s * 0.025));
        if (curls)
            p.drawArc(QRectF(c.x() - s * 0.04, c.y() - s * 0.03, s * 0.08, s * 0.06), 0, 200 * 16);
        else
            p.drawLine(c, c + QPointF(s * 0.03, s * 0.01));
    }
}

void cinnamon(QPainter& p, double s) {
    QLinearGradient g(0, -s * 0.07, 0, s * 0.07);
    g.setColorAt(0, QColor(176, 100, 50));
    g.setColorAt(0.5, QColor(140, 72, 32));
    g.setColorAt(1, QColor(90, 44, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-s * 0.48, -s * 0.07, s * 0.96, s * 0.14), s * 0.03, s * 0.03);
    p.setBrush(QColor(110, 56, 24));
    p.drawEllipse(QPointF(s * 0.48, 0), s * 0.03, s * 0.07);
    p.setPen(outline(QColor(190, 120, 70), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.45, -s * 0.05, s * 0.05, s * 0.1), 90 * 16, 200 * 16);
}

void coffeeBeans(QPainter& p, double s) {
    const QPointF at[] = {{-s * 0.18, 0}, {s * 0.16, -s * 0.05}, {0, s * 0.12}};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(at[i]);
        p.rotate(30.0 * i - 20);
        QRadialGradient g(QPointF(-s * 0.03, -s * 0.03), s * 0.16);
        g.setColorAt(0, QColor(120, 70, 40));
        g.setColorAt(1, QColor(40, 20, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), s * 0.13, s * 0.09);
        p.setPen(outline(QColor(30, 14, 6), s * 0.02));
        p.drawArc(QRectF(-s * 0.1, -s * 0.02, s * 0.2, s * 0.04), 0, 180 * 16);
        p.restore();
    }
}

void cream(QPainter& p, double s) {
    for (int i = 0; i < 4; ++i) {
        const double w = s * (0.48 - i * 0.1);
        const double y = -i * s * 0.12;
        QRadialGradient g(QPointF(-w * 0.3, y - s * 0.05), w * 1.3);
        g.setColorAt(0, QColor(255, 255, 252));
        g.setColorAt(1, QColor(226, 218, 200));
        p.setPen(outline(QColor(210, 200, 182), 0.6));
        p.setBrush(g);
        p.drawEllipse(QPointF(0, y), w, s * 0.1);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 246));
    p.drawEllipse(QPointF(0, -s * 0.42), s * 0.05, s * 0.06);
}

void crystals(QPainter& p, double s, bool salt, quint32 seed) {
    for (int i = 0; i < 70; ++i) {
        const double a = Noise::white(i, 3, seed) * 2 * M_PI;
        const double r = std::sqrt(Noise::white(i, 4, seed)) * s * 0.45;
        const QPointF c(std::cos(a) * r, std::sin(a) * r * 0.4 + r * 0.2);
        const int v = 220 + int(35 * Noise::white(i, 5, seed));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(v, v, salt ? v : v - 8));
        const double k = s * (salt ? 0.035 : 0.022);
        p.drawRect(QRectF(c.x(), c.y(), k, k));
    }
}

void orchid(QPainter& p, double s) {
    const QColor petal(186, 70, 170);
    for (int i = 0; i < 5; ++i)
        leaf(p, QPointF(0, 0), s * 0.45, s * 0.2, -90 + i * 72, Tone::shade(petal, 1.0 + 0.05 * (i % 2)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 20, 90));
    p.drawEllipse(QPointF(0, s * 0.06), s * 0.12, s * 0.1);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(0, 0), s * 0.05, s * 0.04);
}

void umbrella(QPainter& p, double s, quint32 seed) {
    p.setPen(outline(QColor(200, 170, 120), s * 0.03));
    p.drawLine(QPointF(0, -s * 0.22), QPointF(0, s * 0.5));
    static const QColor colours[] = {QColor(230, 40, 60), QColor(250, 200, 40), QColor(40, 150, 220),
                                     QColor(60, 180, 90)};
    const QColor c = colours[seed % 4];
    const int panels = 8;
    for (int i = 0; i < panels; ++i) {
        QPainterPath panel;
        const double x0 = -s * 0.48 + i * s * 0.96 / panels;
        const double x1 = x0 + s * 0.96 / panels;
        panel.moveTo(0, -s * 0.36);
        panel.lineTo(x0, -s * 0.12 + std::abs(x0) * 0.1);
        panel.quadTo((x0 + x1) / 2, -s * 0.06, x1, -s * 0.12 + std::abs(x1) * 0.1);
        panel.closeSubpath();
        p.setPen(outline(Tone::shade(c, 0.6), 0.5));
        p.setBrush(i % 2 == 0 ? c : Tone::mix(c, QColor(255, 255, 255), 0.55));
        p.drawPath(panel);
    }
}

void gingerSlice(QPainter& p, double s) {
    QPainterPath path;
    for (int i = 0; i <= 16; ++i) {
        const double a = i * 2 * M_PI / 16;
        const double r = s * (0.4 + 0.06 * std::sin(a * 3) + 0.03 * std::cos(a * 5));
        const QPointF pt(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setPen(outline(QColor(190, 150, 90), s * 0.05));
    QRadialGradient g(QPointF(0, 0), s * 0.45);
    g.setColorAt(0, QColor(252, 240, 190));
    g.setColorAt(1, QColor(236, 210, 130));
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(outline(QColor(220, 190, 120), 0.5));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(0, 0), s * 0.05 * i, s * 0.05 * i);
}

void chili(QPainter& p, double s) {
    QPainterPath pod;
    pod.moveTo(-s * 0.42, -s * 0.05);
    pod.cubicTo(-s * 0.1, -s * 0.2, s * 0.3, -s * 0.05, s * 0.48, s * 0.25);
    pod.cubicTo(s * 0.25, s * 0.08, -s * 0.1, s * 0.12, -s * 0.42, s * 0.08);
    pod.closeSubpath();
    QLinearGradient g(0, -s * 0.15, 0, s * 0.15);
    g.setColorAt(0, QColor(250, 70, 50));
    g.setColorAt(1, QColor(150, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(pod);
    p.setPen(outline(QColor(60, 120, 40), s * 0.06));
    p.drawLine(QPointF(-s * 0.42, 0), QPointF(-s * 0.5, -s * 0.08));
}

void pomegranate(QPainter& p, double s, quint32 seed) {
    for (int i = 0; i < 14; ++i) {
        const QPointF c((Noise::white(i, 7, seed) - 0.5) * s * 0.7,
                        (Noise::white(i, 8, seed) - 0.5) * s * 0.3);
        p.save();
        p.translate(c);
        p.rotate(Noise::white(i, 9, seed) * 180);
        QRadialGradient g(QPointF(-s * 0.02, -s * 0.02), s * 0.08);
        g.setColorAt(0, QColor(255, 130, 140));
        g.setColorAt(1, QColor(170, 10, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), s * 0.06, s * 0.045);
        p.restore();
    }
}

void vanillaPod(QPainter& p, double s) {
    QPainterPath path;
    path.moveTo(-s * 0.5, s * 0.1);
    path.cubicTo(-s * 0.1, -s * 0.1, s * 0.2, -s * 0.1, s * 0.5, -s * 0.2);
    p.setPen(outline(QColor(40, 24, 12), s * 0.07));
    p.drawPath(path);
    p.setPen(outline(QColor(90, 60, 30), s * 0.015));
    p.drawPath(path);
}

void starAnise(QPainter& p, double s) {
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        QPainterPath pod;
        pod.moveTo(0, 0);
        pod.cubicTo(s * 0.1, -s * 0.08, s * 0.36, -s * 0.08, s * 0.44, 0);
        pod.cubicTo(s * 0.36, s * 0.08, s * 0.1, s * 0.08, 0, 0);
        QLinearGradient g(0, -s * 0.08, 0, s * 0.08);
        g.setColorAt(0, QColor(160, 84, 40));
        g.setColorAt(1, QColor(80, 36, 14));
        p.setPen(outline(QColor(60, 26, 10), 0.5));
        p.setBrush(g);
        p.drawPath(pod);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 150, 80));
        p.drawEllipse(QPointF(s * 0.25, 0), s * 0.04, s * 0.025);
        p.restore();
    }
}

void pick(QPainter& p, QPointF from, QPointF to) {
    p.setPen(outline(QColor(214, 188, 140), 1.4));
    p.drawLine(from, to);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(from, 2.0, 2.0);
}

bool onRim(Kind k) {
    switch (k) {
    case Kind::Wheel:
    case Kind::Wedge:
    case Kind::CucumberSlice:
    case Kind::PineapplePiece:
    case Kind::Strawberry:
    case Kind::AppleSlice:
    case Kind::BananaSlice:
    case Kind::PeachWedge:
    case Kind::Physalis:
    case Kind::StarFruit:
    case Kind::Orchid:
    case Kind::GingerSlice:
    case Kind::Chili:
        return true;
    default:
        return false;
    }
}

bool onPick(Kind k) {
    return k == Kind::Cherry || k == Kind::Olive || k == Kind::Onion || k == Kind::MelonBall ||
           k == Kind::Raspberries || k == Kind::Blackberries;
}

bool standsUp(Kind k) {
    return k == Kind::Mint || k == Kind::Basil || k == Kind::Rosemary || k == Kind::Lavender ||
           k == Kind::Celery || k == Kind::PineappleLeaf || k == Kind::Cinnamon || k == Kind::VanillaPod;
}

} // namespace

bool GarnishPainter::floats(Kind kind) {
    return kind == Kind::Sprinkle || kind == Kind::CoffeeBeans || kind == Kind::StarAnise ||
           kind == Kind::Pomegranate || kind == Kind::Blueberries;
}

GarnishPainter::GarnishLook GarnishPainter::forName(const QString& decorationName) {
    const QString n = decorationName.toLower();
    const auto has = [&](const char* w) { return n.contains(QString::fromUtf8(w)); };
    QColor peel = kOrange;
    QColor flesh = kOrangeFlesh;
    if (has("zitron")) {
        peel = kLemon;
        flesh = kLemonFlesh;
    } else if (has("limett")) {
        peel = kLime;
        flesh = kLimeFlesh;
    } else if (has("grapefruit")) {
        peel = QColor(246, 156, 110);
        flesh = QColor(246, 120, 110);
    }
    if (has("blutorange"))
        flesh = QColor(196, 40, 44);
    // Names that contain a citrus word but are no citrus garnish come first.
    if (has("zitronengras"))
        return look(Kind::Celery, QColor(200, 214, 130));
    if (has("melisse"))
        return look(Kind::Mint, QColor(110, 170, 70));
    if (has("abrieb"))
        return look(Kind::Sprinkle, peel);
    if (has("rand") && has("zucker"))
        return look(Kind::SugarRim);
    if (has("zeste") || has("twist") || has("spirale"))
        return look(Kind::Zest, peel);
    if (has("gurkenstreifen"))
        return look(Kind::CucumberRibbon);
    if (has("gurke"))
        return look(Kind::CucumberSlice);
    if (has("scheibe") && (has("zitron") || has("limett") || has("orange")))
        return look(Kind::Wheel, peel, flesh);
    if (has("spalte") && (has("zitron") || has("limett") || has("orange")))
        return look(Kind::Wedge, peel, flesh);
    if (has("amarena"))
        return look(Kind::Cherry, QColor(100, 10, 34));
    if (has("kirsch"))
        return look(Kind::Cherry, QColor(220, 20, 40));
    if (has("minz"))
        return look(Kind::Mint, QColor(60, 160, 60));
    if (has("basilikum"))
        return look(Kind::Basil, QColor(44, 136, 44));
    if (has("rosmarin"))
        return look(Kind::Rosemary, QColor(70, 116, 74));
    if (has("lavendel"))
        return look(Kind::Lavender, QColor(90, 120, 90));
    if (has("olive"))
        return look(Kind::Olive);
    if (has("zwiebel"))
        return look(Kind::Onion);
    if (has("sellerie"))
        return look(Kind::Celery);
    if (has("ananasblatt"))
        return look(Kind::PineappleLeaf);
    if (has("ananas"))
        return look(Kind::PineapplePiece);
    if (has("erdbeer"))
        return look(Kind::Strawberry);
    if (has("himbeer"))
        return look(Kind::Raspberries, QColor(210, 36, 80));
    if (has("brombeer"))
        return look(Kind::Blackberries, QColor(50, 20, 50));
    if (has("heidelbeer"))
        return look(Kind::Blueberries, QColor(60, 70, 140));
    if (has("granat"))
        return look(Kind::Pomegranate);
    if (has("apfel"))
        return look(Kind::AppleSlice, QColor(196, 30, 40), QColor(250, 244, 214));
    if (has("banane"))
        return look(Kind::BananaSlice);
    if (has("pfirsich"))
        return look(Kind::PeachWedge, QColor(220, 80, 50), QColor(252, 190, 100));
    if (has("wassermelone"))
        return look(Kind::PeachWedge, QColor(60, 140, 60), QColor(232, 60, 72));
    if (has("melone"))
        return look(Kind::MelonBall, QColor(160, 210, 100));
    if (has("physalis"))
        return look(Kind::Physalis);
    if (has("sternfrucht") || has("karambol"))
        return look(Kind::StarFruit);
    if (has("kokos"))
        return look(Kind::Sprinkle, QColor(250, 248, 240));
    if (has("muskat"))
        return look(Kind::Sprinkle, QColor(150, 96, 50));
    if (has("schoko"))
        return look(Kind::Sprinkle, QColor(80, 40, 20), QColor(1, 0, 0));
    if (has("zimt"))
        return look(Kind::Cinnamon);
    if (has("kaffee"))
        return look(Kind::CoffeeBeans);
    if (has("sahne"))
        return look(Kind::CreamCap);
    if (has("zuckerrand"))
        return look(Kind::SugarRim);
    if (has("salzrand"))
        return look(Kind::SaltRim);
    if (has("orchid"))
        return look(Kind::Orchid);
    if (has("schirm"))
        return look(Kind::Umbrella);
    if (has("ingwer"))
        return look(Kind::GingerSlice);
    if (has("chili"))
        return look(Kind::Chili);
    if (has("granat"))
        return look(Kind::Pomegranate);
    if (has("vanille"))
        return look(Kind::VanillaPod);
    if (has("sternanis") || has("anis"))
        return look(Kind::StarAnise);
    if (has("salbei"))
        return look(Kind::Basil, QColor(120, 150, 110));
    if (has("thymian"))
        return look(Kind::Rosemary, QColor(90, 120, 70));
    if (has("dill"))
        return look(Kind::Rosemary, QColor(110, 160, 80));
    if (has("milchschaum"))
        return look(Kind::CreamCap);
    if (has("kakao"))
        return look(Kind::Sprinkle, QColor(110, 70, 40));
    if (has("rhabarber"))
        return look(Kind::Celery, QColor(206, 84, 100));
    if (has("zuckerrohr"))
        return look(Kind::Celery, QColor(196, 184, 110));
    if (has("birne"))
        return look(Kind::AppleSlice, QColor(196, 190, 70), QColor(250, 246, 214));
    if (has("mango"))
        return look(Kind::PeachWedge, QColor(236, 170, 40), QColor(255, 184, 40));
    if (has("aprikose"))
        return look(Kind::PeachWedge, QColor(240, 140, 60), QColor(252, 186, 96));
    if (has("kiwi"))
        return look(Kind::Wheel, QColor(120, 90, 50), QColor(130, 186, 60));
    if (has("litschi") || has("marshmallow"))
        return look(Kind::MelonBall, QColor(250, 246, 238));
    if (has("preiselbeer") || has("cranberr"))
        return look(Kind::Blueberries, QColor(190, 30, 50));
    if (has("johannisbeer"))
        return look(Kind::Raspberries, QColor(206, 24, 34));
    if (has("traube"))
        return look(Kind::Blueberries, QColor(160, 196, 90));
    if (has("blüte"))
        return look(Kind::Orchid);
    if (has("jalape"))
        return look(Kind::Chili);
    if (has("kumquat"))
        return look(Kind::Cherry, QColor(250, 150, 30));
    if (has("spieß"))
        return look(Kind::PineapplePiece);
    if (has("scheibe"))
        return look(Kind::Wheel, peel, flesh);
    if (has("spalte"))
        return look(Kind::Wedge, peel, flesh);
    return look(Kind::None);
}

void GarnishPainter::drawItem(QPainter& p, const GarnishLook& s, double size, quint32 seed) {
    p.save();
    switch (s.kind) {
    case Kind::None:
        break;
    case Kind::Wheel:
        wheel(p, size, s.main, s.second);
        break;
    case Kind::Wedge:
        wedge(p, size, s.main, s.second);
        break;
    case Kind::Zest:
        zest(p, size, s.main);
        break;
    case Kind::Cherry:
        cherry(p, size, s.main);
        break;
    case Kind::Mint:
    case Kind::Basil:
    case Kind::Rosemary:
    case Kind::Lavender:
        herb(p, size, s.kind, s.main, seed);
        break;
    case Kind::CucumberSlice:
        cucumberSlice(p, size);
        break;
    case Kind::CucumberRibbon:
        ribbon(p, size);
        break;
    case Kind::Olive:
    case Kind::Onion:
        olive(p, size, s.kind == Kind::Onion);
        break;
    case Kind::Celery:
        celery(p, size, s.main);
        break;
    case Kind::PineapplePiece:
        pineapplePiece(p, size);
        break;
    case Kind::PineappleLeaf:
        pineappleLeaf(p, size);
        break;
    case Kind::Strawberry:
        strawberry(p, size);
        break;
    case Kind::Raspberries:
    case Kind::Blackberries:
    case Kind::Blueberries:
        berries(p, size, s.kind, s.main);
        break;
    case Kind::AppleSlice:
    case Kind::PeachWedge:
        crescent(p, size, s.main, s.second, s.kind == Kind::AppleSlice);
        break;
    case Kind::BananaSlice:
        bananaSlice(p, size);
        break;
    case Kind::MelonBall:
        sphere(p, QPointF(0, 0), size * 0.3, s.main);
        break;
    case Kind::Physalis:
        physalis(p, size);
        break;
    case Kind::StarFruit:
        starFruit(p, size);
        break;
    case Kind::Sprinkle:
        sprinkle(p, size, s.main, seed, s.second.isValid());
        break;
    case Kind::Cinnamon:
        cinnamon(p, size);
        break;
    case Kind::CoffeeBeans:
        coffeeBeans(p, size);
        break;
    case Kind::CreamCap:
        cream(p, size);
        break;
    case Kind::SugarRim:
    case Kind::SaltRim:
        crystals(p, size, s.kind == Kind::SaltRim, seed);
        break;
    case Kind::Orchid:
        orchid(p, size);
        break;
    case Kind::Umbrella:
        umbrella(p, size, seed);
        break;
    case Kind::GingerSlice:
        gingerSlice(p, size);
        break;
    case Kind::Chili:
        chili(p, size);
        break;
    case Kind::Pomegranate:
        pomegranate(p, size, seed);
        break;
    case Kind::VanillaPod:
        vanillaPod(p, size);
        break;
    case Kind::StarAnise:
        starAnise(p, size);
        break;
    }
    p.restore();
}

void GarnishPainter::drawOnDrink(QPainter& p, const GarnishLook& s, const GlassShape& g, double level,
                                 quint32 seed) {
    if (s.kind == Kind::None || s.kind == Kind::CreamCap)
        return;
    const double cx = g.centreX;
    const double rimY = g.rimY();
    const double rimW = g.rimHalfWidth();
    const double size = qBound(20.0, rimW * 1.05, 30.0);
    p.save();
    if (onRim(s.kind)) {
        p.translate(cx + rimW - 1, rimY - size * 0.12);
        p.rotate(s.kind == Kind::Wedge || s.kind == Kind::PeachWedge || s.kind == Kind::AppleSlice ? -30
                                                                                                   : -12);
        drawItem(p, s, size, seed);
    } else if (onPick(s.kind)) {
        const QPointF top(cx + rimW + 8, rimY - 24);
        const double depth = std::max(level, rimY) + (g.bottomY() - std::max(level, rimY)) * 0.3;
        const QPointF end(cx - rimW * 0.25, std::min(depth, g.bottomY() - 4));
        pick(p, top, end);
        const QPointF along = end - top;
        const int count = s.kind == Kind::Olive || s.kind == Kind::Onion ? 2 : 1;
        for (int i = 0; i < count; ++i) {
            p.save();
            p.translate(top + along * (0.72 - 0.24 * i));
            p.rotate(qRadiansToDegrees(std::atan2(along.y(), along.x())) * (s.kind == Kind::Olive ? 1 : 0));
            drawItem(p, s, size * 0.85, seed + quint32(i));
            p.restore();
        }
    } else if (standsUp(s.kind)) {
        const double base = std::max(level, rimY + 4);
        p.translate(cx - rimW * 0.3, base - size * 0.55);
        p.rotate(s.kind == Kind::Cinnamon || s.kind == Kind::VanillaPod ? -62 : -14);
        drawItem(p, s, size * 1.5, seed);
    } else if (s.kind == Kind::Zest) {
        p.translate(cx + rimW * 0.55, rimY + size * 0.2);
        p.rotate(70);
        drawItem(p, s, size * 1.2, seed);
    } else if (s.kind == Kind::CucumberRibbon) {
        p.translate(cx - rimW * 0.55, (rimY + g.bottomY()) / 2);
        p.scale(0.6, 1.0);
        drawItem(p, s, (g.bottomY() - rimY) * 0.9, seed);
    } else if (s.kind == Kind::SugarRim || s.kind == Kind::SaltRim) {
        for (int i = 0; i < 90; ++i) {
            const double a = Noise::white(i, 11, seed) * M_PI;
            const double x = cx + std::cos(a) * rimW;
            const double y = rimY + std::sin(a) * rimW * 0.16 + Noise::white(i, 12, seed) * 4;
            const int v = 226 + int(29 * Noise::white(i, 13, seed));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(v, v, v));
            p.drawRect(QRectF(x - 0.7, y - 0.7, 1.4, 1.4));
        }
        for (int i = 0; i < 60; ++i) {
            const double a = M_PI + Noise::white(i, 14, seed) * M_PI;
            const double x = cx + std::cos(a) * rimW;
            const double y = rimY + std::sin(a) * rimW * 0.16 + Noise::white(i, 15, seed) * 3;
            p.setBrush(QColor(236, 236, 232, 200));
            p.drawRect(QRectF(x - 0.6, y - 0.6, 1.2, 1.2));
        }
    } else if (s.kind == Kind::Umbrella) {
        p.translate(cx + rimW * 0.55, rimY - size * 0.55);
        p.rotate(22);
        drawItem(p, s, size * 1.6, seed);
    } else if (floats(s.kind)) {
        p.translate(cx, std::max(level, rimY) + 1);
        p.scale(1.0, 0.7);
        drawItem(p, s, std::max(12.0, g.halfWidthAt(std::max(level, rimY) + 0.5) * 1.4), seed);
    }
    p.restore();
}
