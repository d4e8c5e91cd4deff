#include "PropPainter.h"

#include "GarnishPainter.h"
#include "Noise.h"
#include "Tone.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

const QColor kSteel(176, 182, 190);
const QColor kCopper(196, 100, 52);
const QColor kWood(150, 96, 52);
const QColor kInk(30, 30, 36);

// Maps a 100 x 100 drawing square onto the middle of the box.
class Square {
public:
    Square(QPainter& p, const QRectF& box) : m_p(p) {
        const double s = std::min(box.width(), box.height());
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.translate(box.center().x() - s / 2, box.center().y() - s / 2);
        m_p.scale(s / 100.0, s / 100.0);
    }
    ~Square() { m_p.restore(); }
    Square(const Square&) = delete;
    Square& operator=(const Square&) = delete;

private:
    QPainter& m_p;
};

QPen line(const QColor& c, double w) {
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void part(QPainter& p, const QPainterPath& path, const QColor& base) {
    p.setPen(line(Tone::shade(base, 0.45), 0.8));
    p.setBrush(PropPainter::metal(path.boundingRect(), base));
    p.drawPath(path);
}

void rect(QPainter& p, const QRectF& r, const QColor& base, double radius = 1.5) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    part(p, path, base);
}

QPainterPath taper(double cx, double top, double topHalf, double bottom, double bottomHalf) {
    QPainterPath path;
    path.moveTo(cx - topHalf, top);
    path.lineTo(cx + topHalf, top);
    path.lineTo(cx + bottomHalf, bottom);
    path.lineTo(cx - bottomHalf, bottom);
    path.closeSubpath();
    return path;
}

void glassBody(QPainter& p, const QPainterPath& path, const QColor& tint) {
    QLinearGradient g(path.boundingRect().left(), 0, path.boundingRect().right(), 0);
    g.setColorAt(0, Tone::alpha(Tone::mix(tint, QColor(255, 255, 255), 0.5), 150));
    g.setColorAt(0.5, Tone::alpha(tint, 60));
    g.setColorAt(1, Tone::alpha(Tone::mix(tint, QColor(255, 255, 255), 0.3), 130));
    p.setBrush(g);
    p.setPen(line(QColor(255, 255, 255, 170), 0.8));
    p.drawPath(path);
}

void highlight(QPainter& p, double x, double top, double bottom) {
    p.setPen(line(QColor(255, 255, 255, 150), 2));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
}

} // namespace

QBrush PropPainter::metal(const QRectF& r, const QColor& base) {
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, Tone::shade(base, 0.55));
    g.setColorAt(0.25, Tone::shade(base, 1.5));
    g.setColorAt(0.45, base);
    g.setColorAt(0.8, Tone::shade(base, 0.8));
    g.setColorAt(1, Tone::shade(base, 0.5));
    return QBrush(g);
}

void PropPainter::bottle(QPainter& p, const QRectF& box, Bottle shape, const QColor& liquid,
                         const QColor& label) {
    Square sq(p, box);
    QPainterPath body;
    double shoulder = 40;
    double neckHalf = 5;
    double bodyHalf = 17;
    double top = 6;
    switch (shape) {
    case Bottle::Spirit:
        break;
    case Bottle::Liqueur:
        bodyHalf = 21;
        shoulder = 50;
        neckHalf = 4.5;
        top = 14;
        break;
    case Bottle::Wine:
    case Bottle::Sparkling:
        bodyHalf = 15;
        shoulder = 46;
        neckHalf = 4.5;
        top = 4;
        break;
    case Bottle::Bitters:
        bodyHalf = 13;
        shoulder = 52;
        neckHalf = 4;
        top = 26;
        break;
    case Bottle::Syrup:
        bodyHalf = 16;
        shoulder = 38;
        neckHalf = 6;
        top = 16;
        break;
    case Bottle::Square:
        bodyHalf = 19;
        shoulder = 36;
        neckHalf = 5;
        top = 10;
        break;
    }
    const double bottom = 96;
    body.moveTo(50 - neckHalf, top + 8);
    body.lineTo(50 - neckHalf, shoulder - 10);
    if (shape == Bottle::Square) {
        body.lineTo(50 - bodyHalf, shoulder);
    } else {
        body.cubicTo(50 - neckHalf, shoulder - 2, 50 - bodyHalf, shoulder - 6, 50 - bodyHalf, shoulder + 6);
    }
    body.lineTo(50 - bodyHalf, bottom - 3);
    body.quadTo(50 - bodyHalf, bottom, 50 - bodyHalf + 3, bottom);
    body.lineTo(50 + bodyHalf - 3, bottom);
    body.quadTo(50 + bodyHalf, bottom, 50 + bodyHalf, bottom - 3);
    if (shape == Bottle::Square) {
        body.lineTo(50 + bodyHalf, shoulder);
    } else {
        body.lineTo(50 + bodyHalf, shoulder + 6);
        body.cubicTo(50 + bodyHalf, shoulder - 6, 50 + neckHalf, shoulder - 2, 50 + neckHalf, shoulder - 10);
    }
    body.lineTo(50 + neckHalf, top + 8);
    body.closeSubpath();
    const bool darkGlass = shape == Bottle::Wine || shape == Bottle::Sparkling || shape == Bottle::Bitters;
    // The liquid shows through clear glass; wine bottles are dark green or brown glass.
    QPainterPath fill;
    fill.addRect(QRectF(0, shoulder - 4, 100, 100));
    const QColor glassTint = darkGlass ? QColor(40, 70, 40) : QColor(210, 226, 230);
    QLinearGradient lg(50 - bodyHalf, 0, 50 + bodyHalf, 0);
    const QColor seen = darkGlass ? Tone::mix(glassTint, liquid, 0.2) : liquid;
    lg.setColorAt(0, Tone::shade(seen, 0.7));
    lg.setColorAt(0.35, Tone::shade(seen, 1.15));
    lg.setColorAt(1, Tone::shade(seen, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawPath(body.intersected(fill));
    glassBody(p, body, glassTint);
    if (darkGlass) {
        p.setBrush(Tone::alpha(glassTint, 170));
        p.setPen(Qt::NoPen);
        p.drawPath(body);
    }
    // Cap or cork, foil for sparkling wine.
    const QRectF cap(50 - neckHalf - 1, top, 2 * neckHalf + 2, 10);
    rect(p, cap,
         shape == Bottle::Sparkling ? QColor(214, 180, 80)
         : shape == Bottle::Wine    ? QColor(130, 30, 40)
                                    : kInk);
    // Label.
    const QRectF labelRect(50 - bodyHalf + 3, shoulder + 14, 2 * bodyHalf - 6,
                           std::min(30.0, bottom - shoulder - 24));
    QLinearGradient lab(labelRect.left(), 0, labelRect.right(), 0);
    lab.setColorAt(0, Tone::shade(label, 0.75));
    lab.setColorAt(0.35, Tone::shade(label, 1.1));
    lab.setColorAt(1, Tone::shade(label, 0.7));
    p.setBrush(lab);
    p.setPen(line(Tone::shade(label, 0.5), 0.6));
    p.drawRoundedRect(labelRect, 1.5, 1.5);
    const QColor ink = label.lightnessF() > 0.55 ? QColor(60, 30, 20) : QColor(240, 220, 160);
    p.setPen(line(ink, 1.2));
    p.drawLine(QPointF(labelRect.left() + 4, labelRect.top() + 8),
               QPointF(labelRect.right() - 4, labelRect.top() + 8));
    p.setPen(line(Tone::alpha(ink, 150), 0.8));
    p.drawLine(QPointF(labelRect.left() + 6, labelRect.top() + 14),
               QPointF(labelRect.right() - 6, labelRect.top() + 14));
    p.drawLine(QPointF(labelRect.left() + 8, labelRect.top() + 18),
               QPointF(labelRect.right() - 8, labelRect.top() + 18));
    p.setPen(line(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, labelRect.bottom() - 5), 3, 3);
    highlight(p, 50 - bodyHalf + 4, shoulder + 4, bottom - 6);
}

void PropPainter::tool(QPainter& p, const QRectF& box, Tool t) {
    Square sq(p, box);
    switch (t) {
    case Tool::BostonShaker: {
        QPainterPath tin = taper(58, 8, 15, 92, 11);
        part(p, tin, kSteel);
        QPainterPath glass = taper(38, 30, 14, 92, 10);
        glassBody(p, glass, QColor(220, 230, 236));
        highlight(p, 28, 34, 88);
        break;
    }
    case Tool::CobblerShaker: {
        part(p, taper(50, 40, 16, 94, 21), kSteel);
        part(p, taper(50, 22, 10, 40, 16), kSteel);
        rect(p, QRectF(44, 8, 12, 14), kSteel, 3);
        p.setPen(line(QColor(80, 86, 94), 0.8));
        p.drawLine(QPointF(34, 40), QPointF(66, 40));
        break;
    }
    case Tool::BarSpoon: {
        p.setPen(line(QColor(90, 96, 104), 3.2));
        p.drawLine(QPointF(30, 88), QPointF(74, 14));
        p.setPen(line(QColor(220, 224, 230), 1.2));
        for (int i = 0; i < 14; ++i) {
            const double t0 = 0.15 + i * 0.05;
            const QPointF a(30 + 44 * t0, 88 - 74 * t0);
            p.drawLine(a + QPointF(-1.5, -0.5), a + QPointF(1.5, 0.8));
        }
        QPainterPath bowl;
        bowl.addEllipse(QPointF(27, 92), 5, 7);
        part(p, bowl, kSteel);
        QPainterPath disc;
        disc.addEllipse(QPointF(75, 12), 4, 4);
        part(p, disc, kSteel);
        break;
    }
    case Tool::Strainer: {
        QPainterPath head;
        head.addEllipse(QPointF(40, 50), 24, 24);
        part(p, head, kSteel);
        p.setPen(line(QColor(90, 96, 104), 0.6));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 18; ++i) {
            const double a = i * M_PI / 9;
            p.drawEllipse(QPointF(40 + std::cos(a) * 17, 50 + std::sin(a) * 17), 1.5, 1.5);
        }
        p.setPen(line(QColor(150, 156, 164), 2));
        for (int i = 0; i < 40; ++i) {
            const double a = i * 2 * M_PI / 40;
            p.drawPoint(QPointF(40 + std::cos(a) * 22, 50 + std::sin(a) * 22));
        }
        rect(p, QRectF(62, 45, 34, 10), kSteel, 4);
        break;
    }
    case Tool::FineStrainer: {
        QPainterPath cone;
        cone.moveTo(18, 30);
        cone.lineTo(62, 30);
        cone.lineTo(40, 80);
        cone.closeSubpath();
        p.setBrush(QColor(200, 206, 212, 140));
        p.setPen(line(QColor(120, 126, 134), 1));
        p.drawPath(cone);
        p.setPen(line(QColor(140, 146, 154, 150), 0.4));
        for (int i = 0; i < 12; ++i) {
            p.drawLine(QPointF(18 + i * 3.7, 30), QPointF(40, 80));
            p.drawLine(QPointF(20 + i * 1.8, 30 + i * 4.2), QPointF(60 - i * 1.8, 30 + i * 4.2));
        }
        rect(p, QRectF(16, 27, 48, 5), kSteel, 2);
        rect(p, QRectF(62, 26, 32, 7), kSteel, 3);
        break;
    }
    case Tool::MixingGlass: {
        QPainterPath glass = taper(46, 22, 22, 92, 20);
        QPainterPath liquid = taper(46, 48, 21.2, 91, 19.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 120, 44, 200));
        p.drawPath(liquid);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawRoundedRect(QRectF(30 + (i % 3) * 11, 54 + (i / 3) * 14, 10, 10), 2, 2);
        }
        glassBody(p, glass, QColor(220, 230, 236));
        p.setPen(line(QColor(255, 255, 255, 160), 0.8));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(28 + i * 8, 70), QPointF(32 + i * 8, 90));
        p.setPen(line(QColor(100, 106, 114), 2.4));
        p.drawLine(QPointF(52, 80), QPointF(80, 6));
        highlight(p, 28, 26, 88);
        break;
    }
    case Tool::Muddler: {
        p.save();
        p.translate(50, 50);
        p.rotate(-35);
        rect(p, QRectF(-6, -44, 12, 70), kWood, 5);
        rect(p, QRectF(-8, 24, 16, 20), Tone::shade(kWood, 0.85), 3);
        p.restore();
        break;
    }
    case Tool::Jigger: {
        part(p, taper(50, 8, 20, 48, 6), kSteel);
        part(p, taper(50, 52, 6, 92, 16), kSteel);
        rect(p, QRectF(43, 46, 14, 8), kSteel, 2);
        p.setPen(line(QColor(90, 96, 104), 0.8));
        p.drawLine(QPointF(34, 20), QPointF(66, 20));
        p.drawLine(QPointF(40, 80), QPointF(60, 80));
        break;
    }
    case Tool::Blender: {
        QPainterPath jar = taper(50, 8, 26, 62, 17);
        QPainterPath content = taper(50, 28, 23, 61, 16.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(246, 150, 120, 210));
        p.drawPath(content);
        glassBody(p, jar, QColor(220, 230, 236));
        rect(p, QRectF(22, 4, 56, 6), kInk, 2);
        rect(p, QRectF(28, 62, 44, 32), QColor(200, 60, 50), 6);
        p.setBrush(QColor(240, 240, 240));
        p.setPen(line(QColor(60, 60, 60), 0.8));
        p.drawEllipse(QPointF(50, 80), 5, 5);
        break;
    }
    case Tool::CitrusPress: {
        QPainterPath dish;
        dish.moveTo(10, 70);
        dish.quadTo(50, 96, 90, 70);
        dish.closeSubpath();
        part(p, dish, QColor(230, 232, 236));
        QPainterPath cone;
        cone.moveTo(30, 72);
        cone.quadTo(50, 10, 70, 72);
        cone.closeSubpath();
        part(p, cone, QColor(236, 238, 242));
        p.setPen(line(QColor(170, 176, 184), 0.8));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(50, 32), QPointF(36 + i * 7, 72));
        GarnishPainter::GarnishLook lemon = GarnishPainter::forName(QStringLiteral("Zitronenscheibe"));
        p.save();
        p.translate(78, 30);
        p.scale(1.0, 0.5);
        GarnishPainter::drawItem(p, lemon, 34, 1);
        p.restore();
        break;
    }
    case Tool::Peeler:
    case Tool::Zester: {
        p.save();
        p.translate(50, 50);
        p.rotate(-40);
        rect(p, QRectF(-6, 4, 12, 42), t == Tool::Peeler ? QColor(60, 60, 66) : kWood, 5);
        if (t == Tool::Peeler) {
            QPainterPath frame;
            frame.addRoundedRect(QRectF(-10, -40, 20, 44), 8, 8);
            frame.addRoundedRect(QRectF(-6, -36, 12, 36), 5, 5);
            part(p, frame, kSteel);
            p.setPen(line(QColor(120, 126, 134), 1.5));
            p.drawLine(QPointF(0, -34), QPointF(0, -2));
        } else {
            rect(p, QRectF(-7, -36, 14, 40), kSteel, 3);
            p.setPen(line(QColor(60, 66, 74), 0.9));
            for (int i = 0; i < 5; ++i)
                p.drawEllipse(QPointF(0, -30 + i * 3.5), 1.4, 1.2);
        }
        p.restore();
        GarnishPainter::GarnishLook zest = GarnishPainter::forName(QStringLiteral("Zitronenzeste"));
        p.save();
        p.translate(72, 76);
        GarnishPainter::drawItem(p, zest, 36, 1);
        p.restore();
        break;
    }
    case Tool::Knife: {
        p.save();
        p.translate(50, 50);
        p.rotate(-30);
        QPainterPath blade;
        blade.moveTo(-44, -4);
        blade.lineTo(10, -6);
        blade.lineTo(10, 6);
        blade.quadTo(-30, 6, -44, -4);
        part(p, blade, kSteel);
        rect(p, QRectF(10, -7, 36, 14), QColor(50, 40, 36), 4);
        p.restore();
        break;
    }
    case Tool::IcePick: {
        p.setPen(line(QColor(120, 126, 134), 2.5));
        p.drawLine(QPointF(20, 86), QPointF(58, 40));
        rect(p, QRectF(56, 10, 14, 40), kWood, 6);
        thing(p, QRectF(0, 60, 40, 40), Thing::IceBlock);
        break;
    }
    case Tool::IceTongs: {
        p.setBrush(Qt::NoBrush);
        p.setPen(line(QColor(110, 116, 124), 4));
        QPainterPath arm;
        arm.moveTo(44, 10);
        arm.quadTo(30, 50, 36, 86);
        arm.moveTo(56, 10);
        arm.quadTo(70, 50, 64, 86);
        p.drawPath(arm);
        p.setPen(line(QColor(220, 224, 230), 1.4));
        p.drawPath(arm);
        p.setPen(line(QColor(110, 116, 124), 4));
        p.drawArc(QRectF(44, 4, 12, 12), 0, 180 * 16);
        thing(p, QRectF(34, 72, 32, 26), Thing::IceCubes);
        break;
    }
    case Tool::IceScoop: {
        QPainterPath scoop;
        scoop.moveTo(8, 40);
        scoop.lineTo(60, 30);
        scoop.quadTo(70, 50, 60, 70);
        scoop.lineTo(8, 62);
        scoop.quadTo(0, 51, 8, 40);
        part(p, scoop, kSteel);
        rect(p, QRectF(60, 44, 34, 10), kSteel, 4);
        thing(p, QRectF(10, 38, 44, 26), Thing::CrushedIce);
        break;
    }
    case Tool::LewisBag: {
        QPainterPath bag;
        bag.moveTo(14, 30);
        bag.lineTo(62, 24);
        bag.lineTo(66, 86);
        bag.lineTo(16, 90);
        bag.closeSubpath();
        p.setPen(line(QColor(150, 130, 100), 1));
        p.setBrush(QColor(226, 212, 184));
        p.drawPath(bag);
        p.setPen(line(QColor(190, 172, 140), 0.5));
        for (int i = 0; i < 12; ++i)
            p.drawLine(QPointF(16 + i * 4, 29), QPointF(18 + i * 4, 89));
        p.save();
        p.translate(74, 40);
        p.rotate(30);
        rect(p, QRectF(-4, -6, 8, 50), kWood, 3);
        rect(p, QRectF(-12, -22, 24, 18), Tone::shade(kWood, 0.9), 4);
        p.restore();
        break;
    }
    case Tool::Siphon: {
        QPainterPath body = taper(44, 30, 20, 92, 20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 226, 236, 120));
        p.drawPath(body);
        glassBody(p, body, QColor(90, 150, 200));
        rect(p, QRectF(28, 14, 32, 18), kSteel, 4);
        rect(p, QRectF(56, 20, 28, 6), kSteel, 2);
        rect(p, QRectF(40, 6, 22, 8), kSteel, 2);
        p.setPen(line(QColor(255, 255, 255, 120), 0.8));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 12; ++i)
            p.drawEllipse(QPointF(30 + Noise::white(i, 1, 3) * 28, 40 + Noise::white(i, 2, 3) * 48), 1.2,
                          1.2);
        break;
    }
    case Tool::Pourer: {
        bottle(p, QRectF(4, 20, 70, 80), Bottle::Spirit, QColor(196, 120, 40), QColor(236, 226, 200));
        rect(p, QRectF(37, 14, 8, 12), QColor(40, 40, 44), 2);
        p.setPen(line(QColor(160, 166, 174), 2.2));
        p.drawLine(QPointF(41, 14), QPointF(56, 4));
        p.setPen(line(QColor(196, 120, 40, 200), 1.6));
        p.drawLine(QPointF(57, 5), QPointF(70, 26));
        break;
    }
    case Tool::Straws: {
        static const QColor colours[] = {QColor(220, 40, 50), QColor(250, 250, 250), QColor(40, 150, 220),
                                         QColor(250, 190, 40), QColor(60, 170, 90)};
        for (int i = 0; i < 5; ++i) {
            p.setPen(line(Tone::shade(colours[i], 0.7), 5));
            const QPointF a(30 + i * 8, 92);
            const QPointF b(24 + i * 12, 8 + (i % 2) * 6);
            p.drawLine(a, b);
            p.setPen(line(colours[i], 3.6));
            p.drawLine(a, b);
        }
        break;
    }
    case Tool::Pick: {
        p.setPen(line(QColor(214, 188, 140), 2));
        p.drawLine(QPointF(16, 84), QPointF(84, 16));
        const GarnishPainter::GarnishLook cherry = GarnishPainter::forName(QStringLiteral("Cocktailkirsche"));
        const GarnishPainter::GarnishLook olive = GarnishPainter::forName(QStringLiteral("Olive"));
        p.save();
        p.translate(38, 62);
        GarnishPainter::drawItem(p, cherry, 34, 1);
        p.restore();
        p.save();
        p.translate(62, 38);
        p.rotate(-45);
        GarnishPainter::drawItem(p, olive, 34, 1);
        p.restore();
        break;
    }
    }
}

void PropPainter::thing(QPainter& p, const QRectF& box, Thing t, quint32 seed) {
    Square sq(p, box);
    switch (t) {
    case Thing::IceCubes:
    case Thing::IceBlock:
    case Thing::CrushedIce: {
        const int count = t == Thing::IceBlock ? 1 : t == Thing::IceCubes ? 5 : 60;
        for (int i = 0; i < count; ++i) {
            const double s = t == Thing::IceBlock   ? 70
                             : t == Thing::IceCubes ? 30
                                                    : 8 + 6 * Noise::white(i, 1, seed);
            const QPointF c = t == Thing::IceBlock ? QPointF(50, 54)
                              : t == Thing::IceCubes
                                  ? QPointF(28 + (i % 3) * 22 + (i / 3) * 11, 68 - (i / 3) * 24)
                                  : QPointF(12 + Noise::white(i, 2, seed) * 76,
                                            90 - Noise::white(i, 3, seed) * 50 *
                                                     (1 - std::abs(Noise::white(i, 2, seed) - 0.5)));
            p.save();
            p.translate(c);
            p.rotate((Noise::white(i, 4, seed) - 0.5) * (t == Thing::IceBlock ? 6 : 50));
            const QRectF r(-s / 2, -s / 2, s, s * (t == Thing::IceBlock ? 0.8 : 0.9));
            QLinearGradient g(r.topLeft(), r.bottomRight());
            g.setColorAt(0, QColor(240, 250, 255, 235));
            g.setColorAt(0.5, QColor(190, 222, 240, 200));
            g.setColorAt(1, QColor(150, 196, 226, 220));
            p.setBrush(g);
            p.setPen(line(QColor(255, 255, 255, 230), 0.8));
            p.drawRoundedRect(r, s * 0.12, s * 0.12);
            p.setPen(line(QColor(255, 255, 255, 200), 1.2));
            p.drawLine(r.topLeft() + QPointF(s * 0.15, s * 0.15), r.topLeft() + QPointF(s * 0.55, s * 0.15));
            p.restore();
        }
        break;
    }
    case Thing::Barrel: {
        QPainterPath barrel;
        barrel.moveTo(26, 10);
        barrel.quadTo(14, 50, 26, 90);
        barrel.lineTo(74, 90);
        barrel.quadTo(86, 50, 74, 10);
        barrel.closeSubpath();
        part(p, barrel, kWood);
        p.setPen(line(Tone::shade(kWood, 0.5), 0.7));
        for (int i = 1; i < 6; ++i)
            p.drawLine(QPointF(26 + i * 8, 10), QPointF(26 + i * 8, 90));
        for (double y : {20.0, 36.0, 64.0, 80.0}) {
            const double inset = 4 * std::abs(y - 50) / 40;
            rect(p, QRectF(18 + inset, y - 2.5, 64 - 2 * inset, 5), QColor(70, 70, 76), 1);
        }
        break;
    }
    case Thing::Still: {
        QPainterPath pot;
        pot.addEllipse(QRectF(12, 40, 50, 52));
        part(p, pot, kCopper);
        QPainterPath neck = taper(37, 16, 7, 44, 14);
        part(p, neck, kCopper);
        p.setBrush(Qt::NoBrush);
        p.setPen(line(Tone::shade(kCopper, 0.6), 5));
        QPainterPath arm;
        arm.moveTo(40, 18);
        arm.quadTo(70, 10, 84, 40);
        p.drawPath(arm);
        p.setPen(line(Tone::shade(kCopper, 1.3), 2));
        p.drawPath(arm);
        rect(p, QRectF(74, 40, 20, 50), kCopper, 4);
        break;
    }
    case Thing::SugarCubes: {
        for (int i = 0; i < 5; ++i) {
            const QPointF c(30 + (i % 3) * 20 + (i / 3) * 10, 70 - (i / 3) * 20);
            QPainterPath front;
            front.addRect(QRectF(c.x() - 9, c.y() - 9, 18, 18));
            p.setPen(line(QColor(200, 200, 196), 0.6));
            p.setBrush(QColor(252, 252, 248));
            p.drawPath(front);
            QPolygonF top{c + QPointF(-9, -9), c + QPointF(-3, -14), c + QPointF(15, -14),
                          c + QPointF(9, -9)};
            p.setBrush(QColor(255, 255, 255));
            p.drawPolygon(top);
            QPolygonF side{c + QPointF(9, -9), c + QPointF(15, -14), c + QPointF(15, 4), c + QPointF(9, 9)};
            p.setBrush(QColor(226, 226, 222));
            p.drawPolygon(side);
        }
        break;
    }
    case Thing::Egg: {
        QRadialGradient g(QPointF(42, 40), 44);
        g.setColorAt(0, QColor(255, 252, 244));
        g.setColorAt(1, QColor(214, 196, 170));
        p.setPen(line(QColor(190, 170, 140), 0.8));
        p.setBrush(g);
        QPainterPath egg;
        egg.moveTo(50, 10);
        egg.cubicTo(76, 10, 80, 60, 76, 72);
        egg.cubicTo(70, 92, 30, 92, 24, 72);
        egg.cubicTo(20, 60, 24, 10, 50, 10);
        p.drawPath(egg);
        break;
    }
    case Thing::CitrusHalves: {
        const GarnishPainter::GarnishLook lemon = GarnishPainter::forName(QStringLiteral("Zitronenscheibe"));
        const GarnishPainter::GarnishLook lime = GarnishPainter::forName(QStringLiteral("Limettenscheibe"));
        const GarnishPainter::GarnishLook orange = GarnishPainter::forName(QStringLiteral("Orangenscheibe"));
        p.save();
        p.translate(32, 38);
        GarnishPainter::drawItem(p, orange, 50, seed);
        p.restore();
        p.save();
        p.translate(68, 46);
        GarnishPainter::drawItem(p, lemon, 42, seed);
        p.restore();
        p.save();
        p.translate(46, 74);
        GarnishPainter::drawItem(p, lime, 38, seed);
        p.restore();
        break;
    }
    case Thing::Botanicals: {
        const GarnishPainter::GarnishLook rosemary = GarnishPainter::forName(QStringLiteral("Rosmarinzweig"));
        p.save();
        p.translate(36, 48);
        p.rotate(-30);
        GarnishPainter::drawItem(p, rosemary, 70, seed);
        p.restore();
        for (int i = 0; i < 9; ++i) {
            const QPointF c(56 + (i % 3) * 10 + (i / 3) * 4, 56 + (i / 3) * 9);
            QRadialGradient g(c + QPointF(-1.5, -1.5), 6);
            g.setColorAt(0, QColor(110, 120, 170));
            g.setColorAt(1, QColor(30, 30, 60));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, 4.2, 4.2);
        }
        const GarnishPainter::GarnishLook anise = GarnishPainter::forName(QStringLiteral("Sternanis"));
        p.save();
        p.translate(70, 26);
        GarnishPainter::drawItem(p, anise, 30, seed);
        p.restore();
        break;
    }
    case Thing::SugarCane: {
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(34 + i * 16, 50);
            p.rotate(-8 + i * 8);
            rect(p, QRectF(-5, -44, 10, 88), QColor(160, 176, 80), 4);
            p.setPen(line(QColor(110, 120, 50), 1.4));
            for (int k = 0; k < 5; ++k)
                p.drawLine(QPointF(-5, -34 + k * 18), QPointF(5, -34 + k * 18));
            p.restore();
        }
        break;
    }
    case Thing::Flame: {
        for (int i = 0; i < 3; ++i) {
            QPainterPath flame;
            const double s = 1.0 - i * 0.28;
            flame.moveTo(50, 92);
            flame.cubicTo(50 - 30 * s, 80, 50 - 20 * s, 40, 50, 8 + i * 14);
            flame.cubicTo(50 + 22 * s, 40, 50 + 30 * s, 80, 50, 92);
            static const QColor colours[] = {QColor(230, 80, 20, 220), QColor(250, 170, 30, 230),
                                             QColor(255, 240, 160, 240)};
            p.setPen(Qt::NoPen);
            p.setBrush(colours[i]);
            p.drawPath(flame);
        }
        break;
    }
    case Thing::Drops: {
        bottle(p, QRectF(-22, -4, 104, 104), Bottle::Bitters, QColor(150, 30, 20), QColor(246, 236, 210));
        for (int i = 0; i < 3; ++i) {
            QPainterPath drop;
            const QPointF c(78, 40 + i * 18);
            drop.moveTo(c + QPointF(0, -6));
            drop.cubicTo(c + QPointF(4, 0), c + QPointF(4, 4), c);
            drop.cubicTo(c + QPointF(-4, 4), c + QPointF(-4, 0), c + QPointF(0, -6));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(160, 40, 24));
            p.drawPath(drop);
        }
        break;
    }
    case Thing::BarShelf: {
        rect(p, QRectF(4, 46, 92, 4), kWood, 1);
        rect(p, QRectF(4, 94, 92, 4), kWood, 1);
        static const QColor liquids[] = {QColor(196, 114, 34), QColor(240, 240, 236), QColor(120, 20, 30),
                                         QColor(40, 150, 70),  QColor(230, 180, 60),  QColor(60, 30, 14)};
        static const PropPainter::Bottle shapes[] = {Bottle::Spirit, Bottle::Square, Bottle::Liqueur,
                                                     Bottle::Wine,   Bottle::Syrup,  Bottle::Spirit};
        for (int i = 0; i < 6; ++i) {
            const QRectF slot(6 + i * 15, 4, 16, 44);
            bottle(p, QRectF(slot.left() - 14, slot.top(), 44, 44), shapes[(i + seed) % 6],
                   liquids[(i * 5 + seed) % 6], QColor(236, 228, 206));
        }
        for (int i = 0; i < 5; ++i) {
            const QRectF slot(8 + i * 18, 52, 18, 44);
            bottle(p, QRectF(slot.left() - 13, slot.top(), 44, 44), shapes[(i + 3 + seed) % 6],
                   liquids[(i * 7 + 2 + seed) % 6], QColor(40, 40, 46));
        }
        break;
    }
    case Thing::Clock: {
        QPainterPath face;
        face.addEllipse(QPointF(50, 50), 42, 42);
        part(p, face, QColor(200, 160, 80));
        p.setBrush(QColor(250, 246, 236));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(50, 50), 36, 36);
        p.setPen(line(QColor(40, 40, 50), 2));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(50 + std::cos(a) * 30, 50 + std::sin(a) * 30),
                       QPointF(50 + std::cos(a) * 34, 50 + std::sin(a) * 34));
        }
        p.setPen(line(QColor(30, 30, 40), 3));
        p.drawLine(QPointF(50, 50), QPointF(50, 28));
        p.setPen(line(QColor(30, 30, 40), 2));
        p.drawLine(QPointF(50, 50), QPointF(70, 58));
        p.setPen(line(QColor(200, 40, 40), 1));
        p.drawLine(QPointF(50, 50), QPointF(34, 70));
        break;
    }
    case Thing::Scale: {
        QPainterPath body;
        body.addRoundedRect(QRectF(8, 30, 84, 62), 12, 12);
        part(p, body, QColor(226, 228, 232));
        p.setBrush(QColor(40, 60, 70));
        p.setPen(line(QColor(20, 20, 24), 1));
        p.drawRoundedRect(QRectF(30, 40, 40, 18), 3, 3);
        p.setPen(line(QColor(120, 240, 200), 2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(36 + i * 11, 44), QPointF(36 + i * 11, 54));
        p.setPen(line(QColor(200, 204, 210), 1));
        for (int i = 0; i < 2; ++i)
            p.drawRoundedRect(QRectF(16 + i * 40, 64, 28, 22), 8, 8);
        break;
    }
    case Thing::Gauge: {
        QPainterPath dial;
        dial.moveTo(8, 70);
        dial.arcTo(QRectF(8, 20, 84, 100), 180, -180);
        dial.closeSubpath();
        part(p, dial, QColor(60, 64, 76));
        static const QColor zones[] = {QColor(60, 180, 90), QColor(240, 200, 40), QColor(230, 60, 40)};
        for (int i = 0; i < 3; ++i) {
            p.setPen(line(zones[i], 7));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(18, 30, 64, 80), (180 - i * 60) * 16, -60 * 16);
        }
        p.setPen(line(QColor(250, 250, 250), 2.5));
        p.drawLine(QPointF(50, 70), QPointF(34, 42));
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QPointF(50, 70), 4, 4);
        break;
    }
    case Thing::Book: {
        QPainterPath cover;
        cover.addRoundedRect(QRectF(18, 10, 62, 80), 3, 3);
        part(p, cover, QColor(130, 30, 40));
        p.setBrush(QColor(250, 246, 232));
        p.setPen(line(QColor(200, 190, 170), 0.6));
        p.drawRect(QRectF(78, 14, 6, 74));
        p.setPen(line(QColor(226, 188, 90), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(26, 18, 46, 64));
        p.drawLine(QPointF(34, 34), QPointF(64, 34));
        p.drawLine(QPointF(38, 40), QPointF(60, 40));
        QPainterPath glass;
        glass.moveTo(40, 50);
        glass.lineTo(58, 50);
        glass.lineTo(49, 62);
        glass.closeSubpath();
        p.drawPath(glass);
        p.drawLine(QPointF(49, 62), QPointF(49, 72));
        p.drawLine(QPointF(43, 72), QPointF(55, 72));
        break;
    }
    case Thing::Printer: {
        rect(p, QRectF(26, 8, 48, 30), QColor(250, 250, 250), 1);
        QPainterPath body;
        body.addRoundedRect(QRectF(8, 34, 84, 40), 6, 6);
        part(p, body, QColor(200, 202, 206));
        rect(p, QRectF(22, 60, 56, 30), QColor(252, 252, 252), 1);
        p.setPen(line(QColor(120, 120, 130), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(28, 68 + i * 5), QPointF(66 - (i % 2) * 12, 68 + i * 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 200, 90));
        p.drawEllipse(QPointF(82, 44), 3, 3);
        break;
    }
    case Thing::CarKey: {
        QPainterPath head;
        head.addRoundedRect(QRectF(10, 30, 36, 40), 10, 10);
        part(p, head, QColor(50, 52, 60));
        QPainterPath blade;
        blade.moveTo(46, 44);
        blade.lineTo(90, 44);
        blade.lineTo(90, 50);
        blade.lineTo(82, 50);
        blade.lineTo(80, 56);
        blade.lineTo(72, 56);
        blade.lineTo(70, 52);
        blade.lineTo(46, 56);
        blade.closeSubpath();
        part(p, blade, kSteel);
        p.setPen(line(QColor(200, 200, 210), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(28, 50), 6, 6);
        break;
    }
    case Thing::Basket: {
        bottle(p, QRectF(20, 0, 40, 70), Bottle::Spirit, QColor(196, 114, 34), QColor(236, 228, 206));
        bottle(p, QRectF(42, 8, 36, 62), Bottle::Liqueur, QColor(40, 120, 220), QColor(250, 240, 220));
        const GarnishPainter::GarnishLook lemon = GarnishPainter::forName(QStringLiteral("Zitronenscheibe"));
        p.save();
        p.translate(30, 56);
        p.scale(1, 0.6);
        GarnishPainter::drawItem(p, lemon, 26, seed);
        p.restore();
        QPainterPath basket = taper(50, 50, 42, 94, 32);
        part(p, basket, QColor(190, 140, 70));
        p.setPen(line(QColor(130, 90, 40), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(10 + i * 1.5, 60 + i * 9), QPointF(90 - i * 1.5, 60 + i * 9));
        for (int i = 0; i < 9; ++i)
            p.drawLine(QPointF(14 + i * 9, 52), QPointF(22 + i * 7, 92));
        p.setBrush(Qt::NoBrush);
        p.setPen(line(QColor(150, 100, 50), 3));
        p.drawArc(QRectF(14, 8, 72, 84), 20 * 16, 140 * 16);
        break;
    }
    case Thing::PalmMoon: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 240, 200));
        p.drawEllipse(QPointF(70, 24), 13, 13);
        p.setBrush(Qt::NoBrush);
        QPainterPath trunk;
        trunk.moveTo(34, 96);
        trunk.quadTo(28, 60, 44, 30);
        p.setPen(line(QColor(26, 22, 32), 4.5));
        p.drawPath(trunk);
        static const double angles[] = {-168, -140, -112, -84, -58, -32, -8};
        for (double degrees : angles) {
            // Each frond arches out and droops; its leaflets hang from the rib.
            const double a = qDegreesToRadians(degrees);
            const QPointF base(44, 30);
            const QPointF tip(44 + std::cos(a) * 40, 30 + std::sin(a) * 16 + 20 * std::abs(std::cos(a)));
            const QPointF bend(44 + std::cos(a) * 22, 30 + std::sin(a) * 20 - 4);
            QPointF previous = base;
            for (int k = 1; k <= 14; ++k) {
                const double u = k / 14.0;
                const QPointF pt = (1 - u) * (1 - u) * base + 2 * (1 - u) * u * bend + u * u * tip;
                p.setPen(line(QColor(26, 22, 32), 2.4 * (1 - u) + 0.6));
                p.drawLine(previous, pt);
                const double leaflet = 7 * (1 - u) + 1.5;
                p.setPen(line(QColor(26, 22, 32), 1.1));
                p.drawLine(pt, pt + QPointF(-leaflet * 0.35, leaflet));
                p.drawLine(pt, pt + QPointF(leaflet * 0.35, leaflet));
                previous = pt;
            }
        }
        p.setPen(line(QColor(40, 40, 60), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(6 + i * 22, 88 + (i % 2) * 3), QPointF(20 + i * 22, 88 + (i % 2) * 3));
        break;
    }
    case Thing::Candles: {
        for (int i = 0; i < 2; ++i) {
            const double x = 34 + i * 30;
            const double top = 30 + i * 14;
            rect(p, QRectF(x - 8, top, 16, 90 - top), QColor(246, 238, 220), 2);
            thing(p, QRectF(x - 8, top - 24, 16, 22), Thing::Flame, seed);
            QRadialGradient glow(QPointF(x, top - 12), 22);
            glow.setColorAt(0, QColor(255, 220, 140, 90));
            glow.setColorAt(1, QColor(255, 220, 140, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(QPointF(x, top - 12), 22, 22);
        }
        rect(p, QRectF(14, 88, 72, 6), QColor(200, 170, 100), 2);
        break;
    }
    case Thing::Jar: {
        QPainterPath jar;
        jar.addRoundedRect(QRectF(22, 20, 56, 74), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 226, 190, 200));
        p.drawRoundedRect(QRectF(24, 40, 52, 52), 8, 8);
        glassBody(p, jar, QColor(200, 220, 220));
        rect(p, QRectF(26, 12, 48, 10), kSteel, 2);
        highlight(p, 28, 26, 86);
        break;
    }
    }
}
