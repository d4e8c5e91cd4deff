#pragma once

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>

// The outline of a glass or mug in the photo's own coordinates (140 x 200, the foot standing on
// y = 180): the inner profile of the bowl from the rim down, and stem, foot, base and handle.
struct GlassShape {
    enum class Kind {
        Cocktail,
        Coupe,
        Flute,
        Highball,
        Collins,
        Tumbler,
        Shot,
        Hurricane,
        WineGlass,
        SourGlass,
        Snifter,
        IrishCoffee,
        BeerGlass,
        Mug,
        PunchCup,
        TikiMug,
        CopperMug,
        JulepCup
    };
    enum class Material { Glass, Copper, Silver, Ceramic };

    Kind kind = Kind::Highball;
    QList<QPointF> profile; // (half width, y) from the rim down to the bowl's lowest point
    double centreX = 66;
    double stemBottom = 0; // 0: no stem; the bowl or base stands on the foot directly
    double footHalfWidth = 0;
    double baseBottom = 180; // thick glass bottom from the bowl's lowest point to here
    bool handle = false;
    Material material = Material::Glass;
    double defaultFill = 0.8;

    static GlassShape forKind(Kind kind);
    static QString name(Kind kind);

    double rimY() const { return profile.first().y(); }
    double rimHalfWidth() const { return profile.first().x(); }
    double bottomY() const { return profile.last().y(); }
    bool stemmed() const { return stemBottom > 0; }
    bool opaque() const { return material != Material::Glass; }
    // Half width of the bowl at height y (linear between profile points; 0 outside).
    double halfWidthAt(double y) const;
    // The bowl as a closed path (left wall down, right wall up).
    QPainterPath bowl() const;
    // The part of the bowl below y.
    QPainterPath bowlBelow(double y) const;
    // The whole outline including stem, foot and base, for shadows and reflections.
    QPainterPath silhouette() const;
};
