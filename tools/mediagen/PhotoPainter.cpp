#include "PhotoPainter.h"

#include "GlassPainter.h"
#include "Noise.h"
#include "Tone.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr double kCounterTop = 164;
constexpr double kStand = 180; // where the glasses' feet stand

void counterSurface(QPainter& p, const QRectF& area, PhotoPainter::Counter counter, quint32 seed) {
    QColor base;
    switch (counter) {
    case PhotoPainter::Counter::Wood:
        base = QColor(92, 54, 30);
        break;
    case PhotoPainter::Counter::Marble:
        base = QColor(206, 204, 200);
        break;
    case PhotoPainter::Counter::Slate:
        base = QColor(52, 56, 62);
        break;
    }
    QLinearGradient grad(0, area.top(), 0, area.bottom());
    grad.setColorAt(0, Tone::shade(base, 0.8));
    grad.setColorAt(0.15, base);
    grad.setColorAt(1, Tone::shade(base, 0.55));
    p.fillRect(area, grad);
    p.save();
    p.setClipRect(area);
    const int rows = int(area.height());
    for (int i = 0; i < rows; ++i) {
        const double y = area.top() + i;
        const double depth = 0.4 + 0.6 * i / std::max(1, rows);
        if (counter == PhotoPainter::Counter::Wood) {
            const double grain = std::sin(i * 1.9 / depth + 4 * Noise::smooth(i, 0, 5, seed));
            p.setPen(QPen(QColor(30, 14, 4, int(22 + 16 * grain)), 1));
            p.drawLine(QPointF(area.left(), y),
                       QPointF(area.right(), y + (Noise::white(i, 1, seed) - 0.5) * 2));
        } else if (counter == PhotoPainter::Counter::Marble && Noise::white(i, 2, seed) > 0.82) {
            p.setPen(QPen(QColor(150, 150, 156, 70), 0.7));
            const double x = area.left() + Noise::white(i, 3, seed) * area.width();
            p.drawLine(QPointF(x, y), QPointF(x + 30 * depth, y + 4 * depth));
        } else if (counter == PhotoPainter::Counter::Slate) {
            p.setPen(QPen(QColor(255, 255, 255, int(6 + 8 * Noise::white(i, 4, seed))), 1));
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
    }
    p.restore();
    // The counter's front edge catches the light.
    p.setPen(QPen(Tone::alpha(Tone::shade(base, 1.6), 160), 1));
    p.drawLine(QPointF(area.left(), area.top() + 0.5), QPointF(area.right(), area.top() + 0.5));
}

} // namespace

QColor PhotoPainter::keyColour(const DrinkLook& look) {
    // Quiet, deep backdrops chosen to set the drink's colour off, never to repeat it.
    static const QColor teal(20, 58, 68), midnight(26, 36, 72), plum(62, 30, 60), burgundy(74, 24, 34),
        umber(66, 42, 26), slate(40, 48, 58), forest(26, 52, 40);
    const QColor c = look.centre.isValid() ? look.centre : QColor(200, 200, 200);
    const std::size_t pick = look.seed % 3;
    if (look.empty || look.clear || c.hsvSaturationF() < 0.2) {
        const QColor any[] = {teal, midnight, plum, slate, umber, forest};
        return any[look.seed % 6];
    }
    const float h = std::max(0.0f, c.hsvHueF());
    if (c.valueF() < 0.35) {
        const QColor dark[] = {teal, midnight, slate};
        return dark[pick];
    }
    if (h < 0.05f || h >= 0.9f) {
        const QColor red[] = {teal, midnight, slate};
        return red[pick];
    }
    if (h < 0.18f) {
        const QColor warm[] = {midnight, plum, teal};
        return warm[pick];
    }
    if (h < 0.45f) {
        const QColor green[] = {burgundy, plum, umber};
        return green[pick];
    }
    if (h < 0.75f) {
        const QColor blue[] = {umber, burgundy, plum};
        return blue[pick];
    }
    const QColor violet[] = {forest, teal, umber};
    return violet[pick];
}

PhotoPainter::Counter PhotoPainter::counterFor(const DrinkLook& look) {
    using K = GlassShape::Kind;
    switch (look.glass) {
    case K::Flute:
    case K::Coupe:
    case K::WineGlass:
        return Counter::Marble;
    case K::TikiMug:
    case K::JulepCup:
    case K::CopperMug:
    case K::PunchCup:
    case K::Mug:
        return Counter::Wood;
    default:
        return look.seed % 2 == 0 ? Counter::Wood : Counter::Slate;
    }
}

void PhotoPainter::paintBackdrop(QPainter& p, const QRectF& target, const QColor& key, Counter counter,
                                 double counterTop, quint32 seed) {
    QLinearGradient wall(0, target.top(), 0, counterTop);
    wall.setColorAt(0, Tone::shade(key, 0.55));
    wall.setColorAt(1, Tone::shade(key, 0.9));
    p.fillRect(QRectF(target.left(), target.top(), target.width(), counterTop - target.top()), wall);
    // Out-of-focus bar lights.
    p.save();
    p.setClipRect(target);
    for (int i = 0; i < 7; ++i) {
        const QPointF c(target.left() + Noise::white(i, 1, seed) * target.width(),
                        target.top() + Noise::white(i, 2, seed) * (counterTop - target.top()) * 0.7);
        const double r = target.width() * (0.05 + 0.08 * Noise::white(i, 3, seed));
        QRadialGradient glow(c, r);
        const QColor light = Tone::mix(key, QColor(255, 226, 170), 0.6);
        glow.setColorAt(0, Tone::alpha(light, 46));
        glow.setColorAt(0.8, Tone::alpha(light, 26));
        glow.setColorAt(1, Tone::alpha(light, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, r, r);
    }
    // The light behind the glass.
    QRadialGradient spot(QPointF(target.center().x(), counterTop - (counterTop - target.top()) * 0.45),
                         target.width() * 0.62);
    spot.setColorAt(0, Tone::alpha(Tone::mix(key, QColor(255, 246, 226), 0.55), 150));
    spot.setColorAt(0.6, Tone::alpha(Tone::shade(key, 1.2), 60));
    spot.setColorAt(1, Tone::alpha(key, 0));
    p.fillRect(QRectF(target.left(), target.top(), target.width(), counterTop - target.top()), spot);
    p.restore();
    counterSurface(p, QRectF(target.left(), counterTop, target.width(), target.bottom() - counterTop),
                   counter, seed);
}

void PhotoPainter::paintScene(QPainter& p, const QRectF& target, const DrinkLook& look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(target.width() / kWidth, target.height() / kHeight);
    const double counterTop = target.top() + (target.height() - kHeight * scale) / 2 + kCounterTop * scale;
    paintBackdrop(p, target, keyColour(look), counterFor(look), counterTop, look.seed);

    const GlassShape glass = GlassShape::forKind(look.glass);
    // The glass and its drink go into a layer first, so that the reflection can mirror them. The
    // layer has at least the target's resolution, so that a print-size photo is drawn, not blown up.
    const double layerScale = std::max(2.0, scale);
    const QSize layerSize(qRound(kWidth * layerScale), qRound(kHeight * layerScale));
    QImage layer(layerSize, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.scale(layerScale, layerScale);
        GlassPainter::paint(lp, glass, look);
    }
    const QRectF drawn(target.center().x() - kWidth * scale / 2,
                       target.top() + (target.height() - kHeight * scale) / 2, kWidth * scale,
                       kHeight * scale);
    const auto toTarget = [&](double x, double y) {
        return QPointF(drawn.left() + x * scale, drawn.top() + y * scale);
    };
    // Contact shadow on the counter.
    const double shadowWidth = std::max(glass.footHalfWidth, glass.profile.last().x()) * 1.5 * scale;
    QRadialGradient shadow(toTarget(glass.centreX, kStand), shadowWidth);
    shadow.setColorAt(0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(toTarget(glass.centreX, kStand), shadowWidth, shadowWidth * 0.22);
    // Reflection: the layer mirrored at the foot line, fading into the counter.
    QImage mirrored = layer.mirrored(false, true);
    {
        QPainter mp(&mirrored);
        mp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        const double footInLayer = (kHeight - kStand) * layerScale;
        QLinearGradient fade(0, footInLayer, 0, footInLayer + 35 * layerScale);
        fade.setColorAt(0, QColor(0, 0, 0, 80));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        mp.fillRect(mirrored.rect(), fade);
    }
    p.save();
    p.setClipRect(QRectF(target.left(), counterTop, target.width(), target.bottom() - counterTop));
    const double mirrorTop = drawn.top() + (2 * kStand - kHeight) * scale;
    p.drawImage(QRectF(drawn.left(), mirrorTop, drawn.width(), drawn.height()), mirrored);
    p.restore();
    p.drawImage(drawn, layer);
    p.restore();
}

QImage PhotoPainter::photo(const DrinkLook& look, double scale) {
    const QSize size(qRound(kWidth * scale), qRound(kHeight * scale));
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    paintScene(p, QRectF(QPointF(0, 0), QSizeF(size)), look);
    return img;
}
