#include "GlassShape.h"

#include <QRectF>

namespace {

QList<QPointF> points(std::initializer_list<double> values) {
    QList<QPointF> out;
    const double* v = values.begin();
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        out.append(QPointF(v[i], v[i + 1]));
    return out;
}

GlassShape make(GlassShape::Kind kind, QList<QPointF> profile, double stemBottom, double foot, double fill) {
    GlassShape g;
    g.kind = kind;
    g.profile = std::move(profile);
    g.stemBottom = stemBottom;
    g.footHalfWidth = foot;
    g.defaultFill = fill;
    return g;
}

} // namespace

GlassShape GlassShape::forKind(Kind kind) {
    using K = Kind;
    GlassShape g;
    switch (kind) {
    case K::Cocktail:
        g = make(kind, points({44, 64, 38, 72, 24, 88, 10, 103, 3, 110}), 176, 26, 0.82);
        break;
    case K::Coupe:
        g = make(kind, points({42, 86, 41, 91, 37, 98, 29, 105, 16, 110, 4, 112}), 176, 25, 0.8);
        break;
    case K::Flute:
        g = make(kind, points({15, 40, 16, 60, 15.5, 90, 13, 110, 8, 122, 2, 127}), 176, 22, 0.84);
        break;
    case K::Highball:
        g = make(kind, points({25, 58, 24.5, 110, 23.5, 170}), 0, 0, 0.86);
        g.baseBottom = 180;
        break;
    case K::Collins:
        g = make(kind, points({21, 44, 20.5, 110, 20, 170}), 0, 0, 0.86);
        g.baseBottom = 180;
        break;
    case K::Tumbler:
        g = make(kind, points({34, 108, 33, 140, 31, 168}), 0, 0, 0.78);
        g.baseBottom = 180;
        break;
    case K::Shot:
        g = make(kind, points({18, 126, 16.5, 150, 15, 168}), 0, 0, 0.86);
        g.baseBottom = 180;
        break;
    case K::Hurricane:
        g = make(kind, points({26, 50, 22, 70, 19, 88, 21, 104, 27, 122, 29, 136, 25, 150, 12, 158, 4, 160}),
                 174, 24, 0.86);
        break;
    case K::WineGlass:
        g = make(kind, points({27, 72, 30, 88, 32, 104, 29, 120, 20, 132, 6, 138}), 176, 26, 0.6);
        break;
    case K::SourGlass:
        g = make(kind, points({25, 92, 27, 104, 25, 118, 16, 128, 4, 132}), 176, 22, 0.8);
        break;
    case K::Snifter:
        g = make(kind, points({22, 100, 30, 112, 34, 128, 31, 144, 20, 154, 5, 158}), 174, 24, 0.35);
        break;
    case K::IrishCoffee:
        g = make(kind, points({26, 78, 24.5, 100, 22.5, 122, 20, 140, 15, 148, 6, 150}), 176, 26, 0.88);
        g.handle = true;
        break;
    case K::BeerGlass:
        g = make(kind, points({24, 40, 21, 80, 17, 120, 19, 150, 20, 170}), 0, 0, 0.8);
        g.baseBottom = 180;
        break;
    case K::Mug:
        g = make(kind, points({28, 104, 27.5, 140, 27, 172}), 0, 0, 0.82);
        g.baseBottom = 180;
        g.handle = true;
        break;
    case K::PunchCup:
        g = make(kind, points({31, 116, 30, 136, 27, 156, 18, 168, 6, 170}), 177, 20, 0.78);
        g.handle = true;
        break;
    case K::TikiMug:
        g = make(kind, points({27, 66, 29, 90, 30, 120, 28, 150, 26, 176}), 0, 0, 0.9);
        g.baseBottom = 180;
        g.material = Material::Ceramic;
        break;
    case K::CopperMug:
        g = make(kind, points({30, 100, 30, 140, 29, 178}), 0, 0, 0.9);
        g.baseBottom = 180;
        g.handle = true;
        g.material = Material::Copper;
        break;
    case K::JulepCup:
        g = make(kind, points({26, 88, 25, 130, 21, 174}), 0, 0, 0.9);
        g.baseBottom = 180;
        g.footHalfWidth = 22;
        g.material = Material::Silver;
        break;
    }
    return g;
}

QString GlassShape::name(Kind kind) {
    static const char* const names[] = {
        "Cocktailglas", "Sektschale",    "Sektflöte",  "Highballglas", "Collinsglas",  "Tumbler",
        "Shotglas",     "Hurricaneglas", "Weinglas",   "Sourglas",     "Schwenker",    "Irish-Coffee-Glas",
        "Bierglas",     "Henkelglas",    "Punschglas", "Tiki-Becher",  "Kupferbecher", "Julepbecher"};
    return QString::fromUtf8(names[int(kind)]);
}

double GlassShape::halfWidthAt(double y) const {
    if (y < rimY() || y > bottomY())
        return 0;
    for (qsizetype i = 1; i < profile.size(); ++i) {
        const QPointF a = profile.at(i - 1);
        const QPointF b = profile.at(i);
        if (y <= b.y()) {
            const double t = b.y() > a.y() ? (y - a.y()) / (b.y() - a.y()) : 0;
            return a.x() + (b.x() - a.x()) * t;
        }
    }
    return profile.last().x();
}

QPainterPath GlassShape::bowl() const {
    QPainterPath path;
    path.moveTo(centreX - profile.first().x(), profile.first().y());
    for (const QPointF& p : profile)
        path.lineTo(centreX - p.x(), p.y());
    for (qsizetype i = profile.size() - 1; i >= 0; --i)
        path.lineTo(centreX + profile.at(i).x(), profile.at(i).y());
    path.closeSubpath();
    return path;
}

QPainterPath GlassShape::bowlBelow(double y) const {
    QPainterPath clip;
    clip.addRect(QRectF(0, y, 400, 400));
    return bowl().intersected(clip);
}

QPainterPath GlassShape::silhouette() const {
    QPainterPath path = bowl();
    if (stemmed()) {
        path.addRect(QRectF(centreX - 2.5, bottomY() - 1, 5, stemBottom - bottomY() + 1));
        path.addEllipse(QRectF(centreX - footHalfWidth, stemBottom - 1, 2 * footHalfWidth, 6));
    } else {
        const double w = profile.last().x();
        path.addRect(QRectF(centreX - w, bottomY() - 1, 2 * w, baseBottom - bottomY() + 1));
    }
    return path.simplified();
}
