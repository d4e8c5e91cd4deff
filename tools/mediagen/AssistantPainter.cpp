#include "AssistantPainter.h"

#include "DrinkLook.h"
#include "GarnishPainter.h"
#include "GlassPainter.h"
#include "Noise.h"
#include "PropPainter.h"
#include "Tone.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <stdexcept>

namespace {

using K = GlassShape::Kind;
using Thing = PropPainter::Thing;

constexpr double kFloor = 214;

DrinkLook drink(K glass, const QColor& colour, const QString& garnish, quint32 seed) {
    return DrinkLook::plain(glass, colour, garnish, seed);
}

void glass(QPainter& p, const DrinkLook& look, QPointF foot, double scale, double angle = 0) {
    const GlassShape g = GlassShape::forKind(look.glass);
    p.save();
    p.translate(foot);
    p.rotate(angle);
    p.scale(scale, scale);
    p.translate(-g.centreX, -180);
    GlassPainter::paint(p, g, look);
    p.restore();
}

// A calm night-blue page with a soft light and a floor, the same for every assistant picture.
void stage(QPainter& p, const QColor& light, quint32 seed) {
    QLinearGradient bg(0, 0, 0, AssistantPainter::kHeight);
    bg.setColorAt(0, QColor(18, 22, 60));
    bg.setColorAt(0.85, QColor(48, 28, 76));
    bg.setColorAt(1, QColor(20, 12, 30));
    p.fillRect(QRectF(0, 0, AssistantPainter::kWidth, AssistantPainter::kHeight), bg);
    for (int i = 0; i < 6; ++i) {
        const QPointF c(Noise::white(i, 1, seed) * 150, Noise::white(i, 2, seed) * 150);
        const double r = 8 + Noise::white(i, 3, seed) * 14;
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(255, 220, 170, 40));
        g.setColorAt(1, QColor(255, 220, 170, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    QRadialGradient spot(QPointF(75, 130), 110);
    spot.setColorAt(0, Tone::alpha(light, 110));
    spot.setColorAt(1, Tone::alpha(light, 0));
    p.fillRect(QRectF(0, 0, AssistantPainter::kWidth, kFloor), spot);
    QLinearGradient floor(0, kFloor, 0, AssistantPainter::kHeight);
    floor.setColorAt(0, QColor(80, 44, 26));
    floor.setColorAt(1, QColor(30, 14, 8));
    p.fillRect(QRectF(0, kFloor, AssistantPainter::kWidth, AssistantPainter::kHeight - kFloor), floor);
    p.setPen(QPen(QColor(230, 170, 110, 150), 1));
    p.drawLine(QPointF(0, kFloor + 0.5), QPointF(AssistantPainter::kWidth, kFloor + 0.5));
}

void sparkle(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(255, 246, 200, 220), 1.2));
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    p.setPen(QPen(QColor(255, 246, 200, 140), 0.8));
    p.drawLine(c + QPointF(-r * 0.5, -r * 0.5), c + QPointF(r * 0.5, r * 0.5));
    p.drawLine(c + QPointF(-r * 0.5, r * 0.5), c + QPointF(r * 0.5, -r * 0.5));
}

void noEntry(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(220, 30, 30), r * 0.18));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
}

} // namespace

QImage AssistantPainter::picture(const QString& name) {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const quint32 seed = quint32(name.at(0).unicode() * 31 + name.at(1).unicode());
    stage(p, QColor(255, 214, 170), seed);
    if (name == QStringLiteral("c1")) {
        glass(p, drink(K::Cocktail, QColor(226, 40, 70), QStringLiteral("Cocktailkirsche"), 1),
              QPointF(58, 222), 0.82, -8);
        DrinkLook flute = drink(K::Flute, QColor(246, 228, 160), QString(), 2);
        flute.sparkling = true;
        glass(p, flute, QPointF(98, 220), 0.82, 10);
        sparkle(p, QPointF(80, 60), 9);
        sparkle(p, QPointF(40, 88), 5);
        sparkle(p, QPointF(118, 96), 6);
    } else if (name == QStringLiteral("c2")) {
        PropPainter::thing(p, QRectF(10, 6, 130, 120), Thing::PalmMoon);
        PropPainter::thing(p, QRectF(20, 112, 110, 108), Thing::Candles);
    } else if (name == QStringLiteral("c3")) {
        PropPainter::thing(p, QRectF(10, 70, 130, 130), Thing::CitrusHalves);
        const GarnishPainter::GarnishLook items[] = {
            GarnishPainter::forName(QStringLiteral("Cocktailkirsche")),
            GarnishPainter::forName(QStringLiteral("Chilischote")),
            GarnishPainter::forName(QStringLiteral("Minzzweig")),
            GarnishPainter::forName(QStringLiteral("Erdbeere"))};
        const QPointF at[] = {{40, 50}, {104, 46}, {70, 34}, {112, 196}};
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(at[i]);
            GarnishPainter::drawItem(p, items[i], 44, seed);
            p.restore();
        }
    } else if (name == QStringLiteral("c4")) {
        PropPainter::bottle(p, QRectF(-6, 70, 110, 144), PropPainter::Bottle::Spirit, QColor(196, 114, 34),
                            QColor(236, 228, 206));
        DrinkLook juice = drink(K::Highball, QColor(255, 156, 24), QStringLiteral("Orangenscheibe"), 3);
        juice.turbidity = 0.7;
        glass(p, juice, QPointF(110, 220), 0.8);
    } else if (name == QStringLiteral("c5")) {
        DrinkLook big = drink(K::Hurricane, QColor(250, 120, 70), QStringLiteral("Cocktailschirmchen"), 4);
        big.ice = DrinkLook::Ice::Cubes;
        big.straw = true;
        glass(p, big, QPointF(92, 222), 1.0);
        glass(p, drink(K::Shot, QColor(200, 60, 40), QString(), 5), QPointF(30, 222), 0.8);
    } else if (name == QStringLiteral("b1")) {
        PropPainter::thing(p, QRectF(0, 10, 150, 150), Thing::BarShelf, 3);
        DrinkLook beer = drink(K::BeerGlass, QColor(232, 170, 40), QString(), 6);
        beer.foam = QColor(252, 250, 244);
        beer.sparkling = true;
        glass(p, beer, QPointF(45, 222), 0.6);
        glass(p, drink(K::WineGlass, QColor(112, 10, 34), QString(), 7), QPointF(108, 222), 0.6);
    } else if (name == QStringLiteral("b2")) {
        PropPainter::thing(p, QRectF(15, 30, 120, 120), Thing::Clock);
        glass(p, drink(K::Tumbler, QColor(196, 114, 34), QString(), 8), QPointF(75, 224), 0.6);
    } else if (name == QStringLiteral("b3")) {
        PropPainter::thing(p, QRectF(10, 90, 130, 130), Thing::Scale);
    } else if (name == QStringLiteral("b4")) {
        PropPainter::thing(p, QRectF(10, 40, 130, 130), Thing::Gauge);
        p.setPen(QColor(255, 240, 200));
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(34);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 160, 150, 50), Qt::AlignCenter, QString(QChar(0x2030)));
    } else if (name == QStringLiteral("b5")) {
        PropPainter::thing(p, QRectF(20, 130, 110, 90), Thing::CarKey);
        glass(p, drink(K::Tumbler, QColor(196, 114, 34), QString(), 9), QPointF(75, 110), 0.7);
        noEntry(p, QPointF(75, 80), 44);
    } else if (name == QStringLiteral("e1")) {
        PropPainter::thing(p, QRectF(5, 70, 140, 150), Thing::Basket, 2);
    } else {
        throw std::invalid_argument("unknown assistant picture " + name.toStdString());
    }
    return img;
}
