#include "ExtraPainter.h"

#include "DrinkLook.h"
#include "GarnishPainter.h"
#include "GlassPainter.h"
#include "LiquidTint.h"
#include "Noise.h"
#include "PhotoPainter.h"
#include "PropPainter.h"
#include "Tone.h"

#include <QPainter>
#include <QRadialGradient>

#include <functional>
#include <optional>

namespace {

using K = GlassShape::Kind;
using Ice = DrinkLook::Ice;
using Tool = PropPainter::Tool;
using Thing = PropPainter::Thing;
using Bottle = PropPainter::Bottle;
using Paint = std::function<void(QPainter&, const QRectF&)>;

constexpr double kCounter = 124;

quint32 seedOf(const QString& text) {
    quint32 h = 2166136261u;
    for (QChar c : text)
        h = (h ^ c.unicode()) * 16777619u;
    return h;
}

QImage canvas() {
    QImage img(ExtraPainter::kSize, ExtraPainter::kSize, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

DrinkLook look(K glass, const QColor& colour, Ice ice = Ice::None, const QString& garnish = {},
               double turbidity = 0) {
    DrinkLook l;
    l.glass = glass;
    l.centre = colour;
    l.edge = Tone::mix(colour, QColor(255, 255, 255), 0.4);
    l.turbidity = turbidity;
    l.ice = ice;
    l.garnish = garnish;
    l.clear = colour.hsvSaturationF() < 0.1 && colour.valueF() > 0.9;
    return l;
}

QImage drinkPicture(DrinkLook l, quint32 seed) {
    l.seed = seed;
    QImage img = canvas();
    QPainter p(&img);
    PhotoPainter::paintScene(p, QRectF(0, 0, ExtraPainter::kSize, ExtraPainter::kSize), l);
    return img;
}

QImage objectPicture(quint32 seed, const QColor& key, const Paint& paint) {
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, ExtraPainter::kSize, ExtraPainter::kSize);
    PhotoPainter::paintBackdrop(p, all, key,
                                seed % 2 == 0 ? PhotoPainter::Counter::Wood : PhotoPainter::Counter::Slate,
                                kCounter, seed);
    QRadialGradient shadow(QPointF(80, kCounter + 12), 56);
    shadow.setColorAt(0, QColor(0, 0, 0, 100));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(80, kCounter + 12), 56, 10);
    paint(p, QRectF(18, 10, 124, 124));
    return img;
}

QColor keyFor(quint32 seed) {
    static const QColor keys[] = {QColor(20, 58, 68), QColor(26, 36, 72), QColor(62, 30, 60),
                                  QColor(40, 48, 58), QColor(66, 42, 26)};
    return keys[seed % 5];
}

std::optional<DrinkLook> drinkFor(const QString& n) {
    const auto has = [&](const char* w) { return n.contains(QString::fromUtf8(w)); };
    const QColor amber(196, 114, 34);
    const QColor clear(250, 250, 246);
    if (has("sektflöte") || has("champagner") || n == QStringLiteral("sekt")) {
        DrinkLook l = look(K::Flute, QColor(246, 228, 160));
        l.sparkling = true;
        return l;
    }
    if (has("sektschale") || has("coupette") || has("daisy"))
        return look(K::Coupe, QColor(240, 120, 130), Ice::None, QStringLiteral("Himbeeren"));
    if (has("martiniglas") || n == QStringLiteral("martini") || has("cocktailglas"))
        return look(K::Cocktail, clear, Ice::None, QStringLiteral("Olive"));
    if (has("manhattan"))
        return look(K::Cocktail, QColor(150, 40, 24), Ice::None, QStringLiteral("Amarenakirsche"));
    if (has("salzrand"))
        return look(K::Coupe, QColor(232, 240, 190), Ice::None, QStringLiteral("Salzrand"), 0.3);
    if (has("zuckerrand") || has("crusta"))
        return look(K::Coupe, QColor(244, 190, 110), Ice::None, QStringLiteral("Zuckerrand"));
    if (has("sourglas") || n == QStringLiteral("sour")) {
        DrinkLook l =
            look(K::SourGlass, QColor(240, 222, 140), Ice::None, QStringLiteral("Cocktailkirsche"), 0.4);
        l.foam = QColor(250, 246, 236);
        return l;
    }
    if (has("old fashioned") || has("old-fashioned") || has("rocks-glas") || has("tumbler"))
        return look(K::Tumbler, amber, Ice::Cubes, QStringLiteral("Orangenzeste"));
    if (has("schwenker") || has("nosing") || has("digestif"))
        return look(K::Snifter, amber);
    if (has("highball") || has("longdrink")) {
        DrinkLook l = look(K::Highball, QColor(236, 180, 90), Ice::Cubes, QStringLiteral("Orangenscheibe"));
        l.sparkling = true;
        return l;
    }
    if (has("collins") || has("cooler")) {
        DrinkLook l = look(K::Collins, QColor(246, 244, 214), Ice::Cubes, QStringLiteral("Zitronenscheibe"));
        l.sparkling = true;
        return l;
    }
    if (has("fizz") || has("rickey")) {
        DrinkLook l = look(K::Highball, QColor(240, 244, 220), Ice::Cubes, QStringLiteral("Limettenspalte"));
        l.sparkling = true;
        return l;
    }
    if (has("sling"))
        return look(K::Collins, QColor(226, 80, 90), Ice::Cubes, QStringLiteral("Cocktailkirsche"));
    if (has("shotglas") || has("shooter") || n == QStringLiteral("shot") || has("pousse") || has("layern") ||
        has("float")) {
        DrinkLook l = look(K::Shot, QColor(200, 120, 40));
        l.layers = {{QColor(60, 26, 10), 0.34}, {QColor(206, 164, 120), 0.33}, {QColor(226, 150, 50), 0.33}};
        return l;
    }
    if (has("hurricane") || has("frozen"))
        return look(K::Hurricane, QColor(250, 120, 80), has("frozen") ? Ice::Frozen : Ice::Cubes,
                    QStringLiteral("Ananasstück"), has("frozen") ? 0.8 : 0.4);
    if (has("colada"))
        return look(K::Hurricane, QColor(250, 240, 214), Ice::Frozen, QStringLiteral("Ananasstück"), 0.95);
    if (has("tiki"))
        return look(K::TikiMug, QColor(220, 110, 40), Ice::Crushed, QStringLiteral("Orchidee"));
    if (has("kupferbecher") || has("mule") || has("buck"))
        return look(K::CopperMug, QColor(230, 210, 150), Ice::Crushed, QStringLiteral("Limettenspalte"));
    if (has("julep"))
        return look(K::JulepCup, QColor(200, 140, 60), Ice::Crushed, QStringLiteral("Minzzweig"));
    if (has("smash") || has("fix") || has("swizzle") || has("cobbler")) {
        DrinkLook l = look(has("swizzle") ? K::Collins : K::Tumbler, QColor(210, 150, 70), Ice::Crushed,
                           has("cobbler") ? QStringLiteral("Brombeeren") : QStringLiteral("Minzzweig"));
        return l;
    }
    if (has("punsch") || has("bowle")) {
        DrinkLook l = look(K::PunchCup, QColor(176, 40, 50), Ice::None, QStringLiteral("Orangenscheibe"));
        l.hot = has("punsch");
        return l;
    }
    if (has("irish-coffee") || has("heißgetränk") || has("toddy") || has("grog")) {
        DrinkLook l =
            look(K::IrishCoffee, has("toddy") || has("grog") ? QColor(200, 120, 40) : QColor(60, 30, 12));
        l.hot = true;
        l.creamCap = !(has("toddy") || has("grog"));
        if (has("toddy") || has("grog"))
            l.garnish = QStringLiteral("Zitronenscheibe");
        return l;
    }
    if (has("weinglas") || has("spritz") || has("aperitif")) {
        DrinkLook l = look(
            K::WineGlass,
            n.contains(QStringLiteral("spritzer")) ? QColor(244, 232, 170) : QColor(244, 100, 30), Ice::Cubes,
            n.contains(QStringLiteral("spritzer")) ? QString() : QStringLiteral("Orangenscheibe"));
        l.sparkling = true;
        return l;
    }
    if (has("flip") || has("eggnog")) {
        DrinkLook l = look(K::Coupe, QColor(236, 206, 130), Ice::None, QStringLiteral("Muskatnuss"), 0.95);
        return l;
    }
    if (has("sahnecocktail"))
        return look(K::Cocktail, QColor(230, 200, 160), Ice::None, QStringLiteral("Schokoraspel"), 0.95);
    if (has("alkoholfrei"))
        return look(K::Hurricane, QColor(255, 160, 40), Ice::Cubes, QStringLiteral("Orangenscheibe"), 0.6);
    if (has("shortdrink") || n == QStringLiteral("cocktail"))
        return look(K::Cocktail, QColor(230, 90, 80), Ice::None, QStringLiteral("Zitronenzeste"));
    if (n == QStringLiteral("glas"))
        return look(K::Highball, clear);
    return std::nullopt;
}

std::optional<Tool> toolFor(const QString& n) {
    const auto has = [&](const char* w) { return n.contains(QString::fromUtf8(w)); };
    if (has("boston"))
        return Tool::BostonShaker;
    if (has("shaker") || has("shaken"))
        return Tool::CobblerShaker;
    if (has("barlöffel") || has("bauen"))
        return Tool::BarSpoon;
    if (has("feinsieb") || has("double strain"))
        return Tool::FineStrainer;
    if (has("barsieb") || has("strainer") || has("abseihen"))
        return Tool::Strainer;
    if (has("rührglas") || has("rühren"))
        return Tool::MixingGlass;
    if (has("stößel") || has("muddeln"))
        return Tool::Muddler;
    if (has("messbecher") || has("jigger") || n == QStringLiteral("unze") || n == QStringLiteral("cl"))
        return Tool::Jigger;
    if (has("blender") || has("blenden"))
        return Tool::Blender;
    if (has("zitruspresse") || has("zitrussaft"))
        return Tool::CitrusPress;
    if (has("zestenreißer"))
        return Tool::Zester;
    if (has("sparschäler") || n == QStringLiteral("zeste") || has("twist") || has("abspritzen"))
        return Tool::Peeler;
    if (has("barmesser"))
        return Tool::Knife;
    if (has("eispickel"))
        return Tool::IcePick;
    if (has("eiszange"))
        return Tool::IceTongs;
    if (has("eisschaufel"))
        return Tool::IceScoop;
    if (has("lewis"))
        return Tool::LewisBag;
    if (has("siphon") || has("sodawasser"))
        return Tool::Siphon;
    if (has("ausgießer") || has("throwing") || has("flair"))
        return Tool::Pourer;
    if (has("trinkhalm"))
        return Tool::Straws;
    if (has("spieß") || has("garnitur"))
        return Tool::Pick;
    return std::nullopt;
}

std::optional<Thing> thingFor(const QString& n) {
    const auto has = [&](const char* w) { return n.contains(QString::fromUtf8(w)); };
    if (has("eisblock") || has("klareis"))
        return Thing::IceBlock;
    if (has("crushed") || has("shaved") || has("cracked"))
        return Thing::CrushedIce;
    if (has("eiswürfel") || n == QStringLiteral("eis") || has("verwässerung"))
        return Thing::IceCubes;
    if (has("fass"))
        return Thing::Barrel;
    if (has("brennblase") || has("destill"))
        return Thing::Still;
    if (n == QStringLiteral("zucker") || has("würfelzucker"))
        return Thing::SugarCubes;
    if (has("eiweiß") || has("dry shake"))
        return Thing::Egg;
    if (has("botanical"))
        return Thing::Botanicals;
    if (has("melasse") || has("zuckerrohr"))
        return Thing::SugarCane;
    if (has("flambier"))
        return Thing::Flame;
    if (n == QStringLiteral("dash") || has("tropfen") || n == QStringLiteral("schuss") ||
        n == QStringLiteral("bitter"))
        return Thing::Drops;
    if (has("happy hour"))
        return Thing::Clock;
    if (has("prohibition") || has("speakeasy") || has("moonshine"))
        return Thing::Jar;
    if (has("bar") || has("barkeeper") || has("mixologie") || has("mise en place") || has("proof") ||
        has("volumenprozent") || has("spirituose"))
        return Thing::BarShelf;
    return std::nullopt;
}

Bottle bottleShapeFor(const QString& n) {
    const auto has = [&](const char* w) { return n.contains(QString::fromUtf8(w)); };
    if (has("sekt") || has("champagner"))
        return Bottle::Sparkling;
    if (has("wein") || has("wermut") || has("port") || has("sherry"))
        return Bottle::Wine;
    if (has("bitter") && !has("likör"))
        return Bottle::Bitters;
    if (has("sirup") || has("grenadine") || has("orgeat") || has("falernum") || has("agaven") ||
        has("honig") || has("shrub") || has("oleo"))
        return Bottle::Syrup;
    if (has("gin") || has("genever") || has("korn") || has("wodka"))
        return Bottle::Square;
    if (has("likör") || has("curaçao") || has("triple") || has("maraschino") || has("amaretto") ||
        has("crème") || has("cassis") || has("sec"))
        return Bottle::Liqueur;
    return Bottle::Spirit;
}

QImage bottlePicture(const QString& name, quint32 seed) {
    const LiquidTint tint = LiquidTint::forName(name);
    QColor liquid = tint.colour;
    if (tint.turbidity > 0.5)
        liquid = Tone::shade(liquid, 0.95);
    static const QColor labels[] = {QColor(240, 232, 210), QColor(30, 40, 60),    QColor(150, 30, 40),
                                    QColor(220, 190, 110), QColor(246, 246, 240), QColor(30, 70, 50)};
    const QColor label = labels[seed % 6];
    const Bottle shape = bottleShapeFor(name.toLower());
    return objectPicture(seed, keyFor(seed), [&](QPainter& p, const QRectF& box) {
        PropPainter::bottle(p, QRectF(box.left() - 10, box.top(), box.width() * 0.8, box.height()), shape,
                            liquid, label);
        DrinkLook l = look(shape == Bottle::Sparkling || shape == Bottle::Wine ? K::WineGlass : K::Tumbler,
                           liquid, Ice::None, QString(), tint.turbidity);
        l.sparkling = tint.sparkling;
        l.fill = 0.5;
        l.seed = seed;
        const GlassShape g = GlassShape::forKind(l.glass);
        p.save();
        p.translate(box.right() - 56, box.top() + 34);
        p.scale(0.52, 0.52);
        p.translate(-g.centreX + 60, -10);
        GlassPainter::paint(p, g, l);
        p.restore();
    });
}

} // namespace

QImage ExtraPainter::decoration(const QString& name) {
    const GarnishPainter::GarnishLook garnish = GarnishPainter::forName(name);
    const quint32 seed = seedOf(name);
    using GK = GarnishPainter::Kind;
    if (garnish.kind == GK::SugarRim || garnish.kind == GK::SaltRim)
        return drinkPicture(look(K::Cocktail, QColor(236, 238, 200), Ice::None, name, 0.3), seed);
    if (garnish.kind == GK::CreamCap) {
        DrinkLook l = look(K::IrishCoffee, QColor(60, 30, 12));
        l.creamCap = true;
        return drinkPicture(l, seed);
    }
    if (garnish.kind == GK::None)
        return decorationDefault();
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A dark table with a round wooden board, the decoration in the middle.
    QRadialGradient table(QPointF(70, 60), 130);
    table.setColorAt(0, QColor(70, 52, 40));
    table.setColorAt(1, QColor(26, 18, 14));
    p.fillRect(img.rect(), table);
    for (int i = 0; i < 160; i += 2) {
        p.setPen(QPen(QColor(0, 0, 0, int(14 + 14 * Noise::smooth(i, 0, 9, seed))), 1));
        p.drawLine(QPointF(0, i), QPointF(160, i + 6));
    }
    QRadialGradient board(QPointF(68, 66), 80);
    board.setColorAt(0, QColor(214, 170, 112));
    board.setColorAt(0.9, QColor(176, 128, 74));
    board.setColorAt(1, QColor(120, 80, 40));
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(board);
    p.drawEllipse(QPointF(80, 82), 70, 66);
    p.setPen(QPen(QColor(150, 104, 60, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int r = 12; r < 66; r += 9)
        p.drawEllipse(QPointF(80, 82), r * 1.05, r);
    QRadialGradient shadow(QPointF(86, 90), 46);
    shadow.setColorAt(0, QColor(0, 0, 0, 80));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(86, 90), 46, 40);
    p.translate(80, 78);
    const bool tall = garnish.kind == GK::Mint || garnish.kind == GK::Basil || garnish.kind == GK::Rosemary ||
                      garnish.kind == GK::Lavender || garnish.kind == GK::Celery ||
                      garnish.kind == GK::PineappleLeaf || garnish.kind == GK::CucumberRibbon ||
                      garnish.kind == GK::Umbrella;
    if (garnish.kind == GK::Cinnamon || garnish.kind == GK::VanillaPod)
        p.rotate(-20);
    GarnishPainter::drawItem(p, garnish, tall ? 104 : 88, seed);
    return img;
}

QImage ExtraPainter::term(const QString& name) {
    const QString n = name.toLower().trimmed();
    const quint32 seed = seedOf(name);
    if (const std::optional<DrinkLook> l = drinkFor(n))
        return drinkPicture(*l, seed);
    if (const std::optional<Tool> t = toolFor(n))
        return objectPicture(seed, keyFor(seed),
                             [&](QPainter& p, const QRectF& box) { PropPainter::tool(p, box, *t); });
    if (const std::optional<Thing> t = thingFor(n))
        return objectPicture(seed, keyFor(seed),
                             [&](QPainter& p, const QRectF& box) { PropPainter::thing(p, box, *t, seed); });
    return bottlePicture(name, seed);
}

QImage ExtraPainter::decorationDefault() {
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient table(QPointF(70, 60), 130);
    table.setColorAt(0, QColor(64, 70, 76));
    table.setColorAt(1, QColor(20, 22, 26));
    p.fillRect(img.rect(), table);
    QRadialGradient plate(QPointF(72, 70), 80);
    plate.setColorAt(0, QColor(250, 250, 248));
    plate.setColorAt(1, QColor(200, 200, 204));
    p.setPen(QPen(QColor(160, 160, 166), 1));
    p.setBrush(plate);
    p.drawEllipse(QPointF(80, 82), 68, 62);
    const struct {
        const char* name;
        QPointF at;
        double size;
    } items[] = {{"Orangenscheibe", {62, 70}, 52},
                 {"Limettenspalte", {104, 100}, 40},
                 {"Cocktailkirsche", {100, 64}, 34},
                 {"Minzzweig", {56, 104}, 46}};
    for (const auto& item : items) {
        p.save();
        p.translate(item.at);
        GarnishPainter::drawItem(p, GarnishPainter::forName(QString::fromUtf8(item.name)), item.size, 7);
        p.restore();
    }
    return img;
}

QImage ExtraPainter::termDefault() {
    return objectPicture(5, QColor(30, 40, 70), [](QPainter& p, const QRectF& box) {
        PropPainter::thing(p, box, Thing::BarShelf, 2);
    });
}
