#include "ArtPainter.h"

#include "DrinkLook.h"
#include "GlassPainter.h"
#include "Noise.h"
#include "PhotoPainter.h"
#include "PropPainter.h"
#include "Tone.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

using K = GlassShape::Kind;

DrinkLook drink(K glass, const QColor& colour, const QString& garnish, quint32 seed) {
    return DrinkLook::plain(glass, colour, garnish, seed);
}

void night(QPainter& p, const QRectF& r, quint32 seed, int lights) {
    QLinearGradient sky(0, r.top(), 0, r.bottom());
    sky.setColorAt(0, QColor(14, 16, 44));
    sky.setColorAt(0.6, QColor(44, 22, 64));
    sky.setColorAt(1, QColor(20, 10, 26));
    p.fillRect(r, sky);
    for (int i = 0; i < lights; ++i) {
        const QPointF c(r.left() + Noise::white(i, 1, seed) * r.width(),
                        r.top() + Noise::white(i, 2, seed) * r.height() * 0.75);
        const double radius = r.width() * (0.02 + 0.05 * Noise::white(i, 3, seed));
        static const QColor hues[] = {QColor(255, 190, 110), QColor(250, 120, 160), QColor(120, 190, 255),
                                      QColor(255, 230, 160)};
        QRadialGradient g(c, radius);
        const QColor h = hues[i % 4];
        g.setColorAt(0, Tone::alpha(h, 70));
        g.setColorAt(0.85, Tone::alpha(h, 40));
        g.setColorAt(1, Tone::alpha(h, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, radius, radius);
    }
}

void paintGlass(QPainter& p, const DrinkLook& look, QPointF foot, double scale) {
    const GlassShape g = GlassShape::forKind(look.glass);
    p.save();
    p.translate(foot);
    p.scale(scale, scale);
    p.translate(-g.centreX, -180);
    GlassPainter::paint(p, g, look);
    p.restore();
}

void goldText(QPainter& p, const QString& text, const QFont& font, QPointF at) {
    QPainterPath path;
    path.addText(at, font, text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(path.translated(2, 2));
    const QRectF b = path.boundingRect();
    QLinearGradient gold(0, b.top(), 0, b.bottom());
    gold.setColorAt(0, QColor(255, 240, 180));
    gold.setColorAt(0.5, QColor(226, 176, 70));
    gold.setColorAt(1, QColor(160, 110, 30));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 60, 10, 160), 0.8));
    p.drawPath(path);
}

QFont font(const char* family, int pixels, bool bold, bool italic) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace

QImage ArtPainter::intro() {
    QImage img(480, 320, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    night(p, QRectF(0, 0, 480, 320), 3, 26);
    // The counter with its edge catching the light.
    QLinearGradient counter(0, 250, 0, 320);
    counter.setColorAt(0, QColor(70, 36, 20));
    counter.setColorAt(1, QColor(24, 10, 6));
    p.fillRect(QRectF(0, 250, 480, 70), counter);
    p.setPen(QPen(QColor(230, 170, 110, 170), 1.2));
    p.drawLine(QPointF(0, 250.5), QPointF(480, 250.5));
    QRadialGradient spot(QPointF(360, 170), 150);
    spot.setColorAt(0, QColor(255, 220, 180, 90));
    spot.setColorAt(1, QColor(255, 220, 180, 0));
    p.fillRect(QRectF(200, 0, 280, 250), spot);
    DrinkLook blue = drink(K::Highball, QColor(40, 150, 230), QStringLiteral("Limettenscheibe"), 4);
    blue.ice = DrinkLook::Ice::Cubes;
    blue.sparkling = true;
    blue.straw = true;
    paintGlass(p, blue, QPointF(440, 262), 1.05);
    paintGlass(p, drink(K::Cocktail, QColor(226, 40, 70), QStringLiteral("Cocktailkirsche"), 2),
               QPointF(365, 270), 1.25);
    DrinkLook sun = drink(K::Hurricane, QColor(255, 150, 40), QStringLiteral("Ananasstück"), 5);
    sun.turbidity = 0.6;
    sun.ice = DrinkLook::Ice::Cubes;
    paintGlass(p, sun, QPointF(288, 266), 0.95);
    goldText(p, QStringLiteral("Velta"), font("Liberation Serif", 60, true, true), QPointF(24, 92));
    goldText(p, QStringLiteral("Cocktails"), font("Liberation Serif", 44, true, true), QPointF(44, 140));
    goldText(p, QStringLiteral("98"), font("Liberation Serif", 54, true, true), QPointF(112, 206));
    p.setFont(font("Liberation Sans", 13, false, false));
    p.setPen(QColor(236, 226, 250));
    p.drawText(QPointF(26, 236), QStringLiteral("Die Cocktail-Datenbank für zu Hause"));
    p.setPen(QColor(200, 180, 150));
    p.setFont(font("Liberation Sans", 10, false, false));
    p.drawText(QPointF(26, 300), QStringLiteral("Rezepte · Barlexikon · Assistenten"));
    return img;
}

QImage ArtPainter::defaultPhoto() {
    DrinkLook empty = drink(K::Cocktail, QColor(220, 220, 220), QString(), 1);
    empty.empty = true;
    QImage img(PhotoPainter::kWidth, PhotoPainter::kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PhotoPainter::paintScene(p, QRectF(0, 0, PhotoPainter::kWidth, PhotoPainter::kHeight), empty);
    goldText(p, QStringLiteral("Velta"), font("Liberation Serif", 22, true, true), QPointF(40, 34));
    return img;
}

QImage ArtPainter::advert() {
    QImage img(320, 200, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 320, 200);
    bg.setColorAt(0, QColor(26, 20, 46));
    bg.setColorAt(1, QColor(40, 18, 36));
    p.fillRect(img.rect(), bg);
    p.setOpacity(0.55);
    paintGlass(p, drink(K::Cocktail, QColor(200, 50, 80), QStringLiteral("Cocktailkirsche"), 3),
               QPointF(250, 190), 1.1);
    p.setOpacity(0.8);
    goldText(p, QStringLiteral("Velta Cocktails 98"), font("Liberation Serif", 28, true, true),
             QPointF(16, 60));
    p.setOpacity(0.7);
    p.setFont(font("Liberation Sans", 12, false, false));
    p.setPen(QColor(230, 220, 246));
    p.drawText(QPointF(18, 96), QStringLiteral("Über 300 Drinks mit Foto"));
    p.drawText(QPointF(18, 116), QStringLiteral("Cocktail- und Einkaufsassistent"));
    p.drawText(QPointF(18, 136), QStringLiteral("Barlexikon und Promilleassistent"));
    return img;
}

QImage ArtPainter::info() {
    QImage img(150, 200, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    night(p, QRectF(0, 0, 150, 200), 9, 10);
    QLinearGradient counter(0, 160, 0, 200);
    counter.setColorAt(0, QColor(70, 36, 20));
    counter.setColorAt(1, QColor(24, 10, 6));
    p.fillRect(QRectF(0, 160, 150, 40), counter);
    PropPainter::tool(p, QRectF(2, 60, 92, 104), PropPainter::Tool::CobblerShaker);
    paintGlass(p, drink(K::Coupe, QColor(250, 140, 60), QStringLiteral("Orangenzeste"), 6), QPointF(104, 170),
               0.75);
    goldText(p, QStringLiteral("98"), font("Liberation Serif", 40, true, true), QPointF(78, 52));
    return img;
}

QImage ArtPainter::icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    QLinearGradient bg(0, 0, 0, 32);
    bg.setColorAt(0, QColor(40, 50, 130));
    bg.setColorAt(1, QColor(16, 18, 60));
    p.setBrush(bg);
    p.setPen(QPen(QColor(226, 180, 80), 1.2));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QPainterPath bowl;
    bowl.moveTo(6, 8);
    bowl.lineTo(26, 8);
    bowl.lineTo(16, 18);
    bowl.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 70));
    p.drawPath(bowl);
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bowl);
    p.drawLine(QPointF(16, 18), QPointF(16, 26));
    p.drawLine(QPointF(11, 26.5), QPointF(21, 26.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 50));
    p.drawEllipse(QPointF(21, 7), 2.6, 2.6);
    return img;
}
