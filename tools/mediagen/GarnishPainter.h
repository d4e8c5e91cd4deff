#pragma once

#include "GlassShape.h"

#include <QColor>
#include <QPainter>
#include <QString>

// Draws the decorations: on their own (lexicon and decoration pictures) and placed on a drink.
class GarnishPainter {
public:
    enum class Kind {
        None,
        Wheel,
        Wedge,
        Zest,
        Cherry,
        Mint,
        Basil,
        Rosemary,
        Lavender,
        CucumberSlice,
        CucumberRibbon,
        Olive,
        Onion,
        Celery,
        PineapplePiece,
        PineappleLeaf,
        Strawberry,
        Raspberries,
        Blackberries,
        Blueberries,
        AppleSlice,
        BananaSlice,
        PeachWedge,
        MelonBall,
        Physalis,
        StarFruit,
        Sprinkle,
        Cinnamon,
        CoffeeBeans,
        CreamCap,
        SugarRim,
        SaltRim,
        Orchid,
        Umbrella,
        GingerSlice,
        Chili,
        Pomegranate,
        VanillaPod,
        StarAnise
    };

    struct GarnishLook {
        Kind kind = Kind::None;
        QColor main;   // peel, fruit, leaf
        QColor second; // flesh, flakes
    };

    // By words in the decoration's name; unknown names give Kind::None.
    static GarnishLook forName(const QString& decorationName);

    // The item centred on the painter's origin, about `size` pixels across.
    static void drawItem(QPainter& p, const GarnishLook& look, double size, quint32 seed);
    // The item where it belongs on a drink whose liquid stands at `level`.
    static void drawOnDrink(QPainter& p, const GarnishLook& look, const GlassShape& glass, double level,
                            quint32 seed);
    // Kinds that sit on the liquid's surface rather than on the rim or a pick.
    static bool floats(Kind kind);
};
