#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// Bar equipment and other objects for the lexicon, assistant and toolbar pictures. Each draws
// itself to fill the given box (keeping its own proportions), lit from the upper left.
class PropPainter {
public:
    enum class Bottle { Spirit, Liqueur, Wine, Sparkling, Bitters, Syrup, Square };
    enum class Tool {
        BostonShaker,
        CobblerShaker,
        BarSpoon,
        Strainer,
        FineStrainer,
        MixingGlass,
        Muddler,
        Jigger,
        Blender,
        CitrusPress,
        Peeler,
        Zester,
        Knife,
        IcePick,
        IceTongs,
        IceScoop,
        LewisBag,
        Siphon,
        Pourer,
        Straws,
        Pick
    };
    enum class Thing {
        IceCubes,
        IceBlock,
        CrushedIce,
        Barrel,
        Still,
        SugarCubes,
        Egg,
        CitrusHalves,
        Botanicals,
        SugarCane,
        Flame,
        Drops,
        BarShelf,
        Clock,
        Scale,
        Gauge,
        Book,
        Printer,
        CarKey,
        Basket,
        PalmMoon,
        Candles,
        Jar
    };

    static void bottle(QPainter& p, const QRectF& box, Bottle shape, const QColor& liquid,
                       const QColor& label);
    static void tool(QPainter& p, const QRectF& box, Tool tool);
    static void thing(QPainter& p, const QRectF& box, Thing thing, quint32 seed = 1);
    // Steel, copper or glass shading across a part from left to right.
    static QBrush metal(const QRectF& r, const QColor& base);
};
