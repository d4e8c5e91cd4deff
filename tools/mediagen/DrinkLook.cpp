#include "DrinkLook.h"

#include "LiquidTint.h"
#include "Tone.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using K = GlassShape::Kind;

// Categories in the order of the category list (line number = KAT).
constexpr K kCategoryGlass[] = {
    K::Cocktail,    // Aperitif
    K::Snifter,     // Digestif
    K::Highball,    // Longdrink
    K::Cocktail,    // Shortdrink
    K::SourGlass,   // Sour
    K::Highball,    // Fizz
    K::Highball,    // Highball
    K::Collins,     // Collins
    K::TikiMug,     // Tiki
    K::PunchCup,    // Punsch und Bowle
    K::IrishCoffee, // Heißgetränk
    K::Shot,        // Shooter
    K::Hurricane,   // Alkoholfrei
    K::Flute,       // Champagnercocktail
    K::Coupe,       // Flip und Eggnog
    K::JulepCup,    // Julep und Smash
    K::Hurricane,   // Frozen Drink
    K::Cocktail,    // Sahnecocktail
};

struct GlassWord {
    const char* word;
    K kind;
};

// Serving glasses as the instructions name them; the mixing glass ("Rührglas") is not one.
constexpr GlassWord kGlassWords[] = {
    {"cocktailglas", K::Cocktail},
    {"cocktailschale", K::Coupe},
    {"margaritaglas", K::Coupe},
    {"martiniglas", K::Cocktail},
    {"sektschale", K::Coupe},
    {"coupette", K::Coupe},
    {"coupe", K::Coupe},
    {"sektflöte", K::Flute},
    {"sektglas", K::Flute},
    {"highballglas", K::Highball},
    {"longdrinkglas", K::Highball},
    {"collinsglas", K::Collins},
    {"old-fashioned-glas", K::Tumbler},
    {"rocks-glas", K::Tumbler},
    {"tumbler", K::Tumbler},
    {"shotglas", K::Shot},
    {"schnapsglas", K::Shot},
    {"stamper", K::Shot},
    {"kupferbecher", K::CopperMug},
    {"julepbecher", K::JulepCup},
    {"metallbecher", K::JulepCup},
    {"hurricaneglas", K::Hurricane},
    {"tiki-becher", K::TikiMug},
    {"tonbecher", K::TikiMug},
    {"punschglas", K::PunchCup},
    {"punschgläs", K::PunchCup},
    {"grogglas", K::IrishCoffee},
    {"irish-coffee-glas", K::IrishCoffee},
    {"weinglas", K::WineGlass},
    {"weingläs", K::WineGlass},
    {"stielglas", K::WineGlass},
    {"sourglas", K::SourGlass},
    {"schwenker", K::Snifter},
    {"weizenglas", K::BeerGlass},
    {"bierglas", K::BeerGlass},
    {"schoppenglas", K::BeerGlass},
};

// Words that often name a measure or the vessel a batch is mixed in ("eine Tasse Crushed Ice",
// "im Krug ansetzen") count only when no serving glass is named.
constexpr GlassWord kVesselWords[] = {{"tasse", K::Mug}, {"becher", K::Mug}, {"krug", K::BeerGlass}};

// Fruit that a blender turns into part of the drink.
bool isFruit(const QString& lower) {
    static const char* const fruits[] = {"erdbeer", "himbeer",  "brombeer", "heidelbeer", "ananas", "banane",
                                         "mango",   "pfirsich", "maracuja", "melone",     "kirsch"};
    for (const char* f : fruits) {
        if (lower.contains(QString::fromUtf8(f)))
            return true;
    }
    return false;
}

// brewedInWater: the recipe has water, so ground coffee, matcha and mate leaves are brewed or whisked
// in it rather than sprinkled on a lemon slice beside the glass (Nikolaschka); a gram of them colours
// about as much as half a centilitre of the brew.
double volumeOf(const RecipeInfo::Ingredient& i, const LiquidTint& t, bool brewedInWater) {
    const QString lower = i.name.toLower();
    switch (i.unit) {
    case 1:
        // Cocoa and chocolate dissolve and colour the drink; sugar and salt do not.
        if (lower.contains(QStringLiteral("kakao")) || lower.contains(QStringLiteral("schoko")))
            return i.amount / 4.0;
        return brewedInWater && (lower.contains(QStringLiteral("kaffee")) ||
                                 lower.contains(QStringLiteral("matcha")) ||
                                 lower.contains(QStringLiteral("mate-tee")))
                   ? i.amount / 2.0
                   : 0.0;
    case 0:
        return i.amount;
    case 4:
        return i.amount / 12.0;
    case 2:
        if (i.pieceVolume > 0)
            return double(i.amount) * i.pieceVolume;
        return t.creamy || t.foams ? 3.0 * i.amount : 0.0;
    default:
        return 0;
    }
}

QColor transmitted(const double absorbance[3], double thickness) {
    return QColor::fromRgbF(float(std::exp(-absorbance[0] * thickness)),
                            float(std::exp(-absorbance[1] * thickness)),
                            float(std::exp(-absorbance[2] * thickness)));
}

// What the instructions say about temperature outranks category and ingredients: a coffee shaken
// with ice or a tea brewed and left to cool is cold although coffee and tea are poured hot; a drink
// in a warmed glass or topped with something hot steams in any category. Neither said: null.
std::optional<bool> servedHot(const QString& lowerText) {
    static const QRegularExpression warmedGlass(QStringLiteral("vorgewärm|vorwärm"));
    static const QRegularExpression servedCold(
        QStringLiteral("abkühl|eiskalt|eiswürfel|crushed|schüttel|shaker"));
    static const QRegularExpression hotWords(
        QStringLiteral("\\bhei(ß|ss)(e|em|en|er|es)?\\b|erhitz|aufkoch|aufbrüh|aufgebrüht"));
    static const QRegularExpression coolWords(QStringLiteral("kalt|gekühlt|abseihen|\\beis\\b"));
    if (warmedGlass.match(lowerText).hasMatch())
        return true;
    if (servedCold.match(lowerText).hasMatch())
        return false;
    if (hotWords.match(lowerText).hasMatch())
        return true;
    if (coolWords.match(lowerText).hasMatch())
        return false;
    return std::nullopt;
}

bool stemmedWithoutIce(K kind) {
    return kind == K::Cocktail || kind == K::Coupe || kind == K::Flute || kind == K::Shot ||
           kind == K::SourGlass || kind == K::Snifter || kind == K::IrishCoffee || kind == K::Mug;
}

} // namespace

namespace {

template <std::size_t N>
bool firstNamed(const QString& lower, const GlassWord (&words)[N], GlassShape::Kind* kind) {
    qsizetype best = -1;
    for (const GlassWord& g : words) {
        const QString word = QString::fromUtf8(g.word);
        // Whole words or the start of an inflected form ("Cocktailglases"), never "Rührglas".
        const QRegularExpression re(QStringLiteral("(^|[^a-zäöüß])") + QRegularExpression::escape(word));
        const QRegularExpressionMatch m = re.match(lower);
        if (m.hasMatch() && (best < 0 || m.capturedStart() < best)) {
            best = m.capturedStart();
            *kind = g.kind;
        }
    }
    return best >= 0;
}

} // namespace

bool DrinkLook::glassFromText(const QString& text, GlassShape::Kind* kind) {
    const QString lower = text.toLower();
    return firstNamed(lower, kGlassWords, kind) || firstNamed(lower, kVesselWords, kind);
}

GlassShape::Kind DrinkLook::glassForCategory(int category) {
    if (category < 1 || category > int(std::size(kCategoryGlass)))
        return K::Highball;
    return kCategoryGlass[category - 1];
}

DrinkLook DrinkLook::fromRecipe(const RecipeInfo& recipe) {
    DrinkLook look;
    look.seed = 2166136261u;
    for (QChar c : recipe.name)
        look.seed = (look.seed ^ c.unicode()) * 16777619u;
    if (!glassFromText(recipe.instructions, &look.glass))
        look.glass = glassForCategory(recipe.category);

    const QString text = recipe.instructions.toLower();
    const bool blended = recipe.category == 17 || text.contains(QStringLiteral("blender")) ||
                         text.contains(QStringLiteral("pürier")) || text.contains(QStringLiteral("frozen"));
    double absorbance[3] = {0, 0, 0};
    double pigment[3] = {0, 0, 0}; // the clear colourants alone, which also tint a cloudy drink
    double volume = 0;
    double cloud = 0;
    double cloudRgb[3] = {0, 0, 0};
    double sparklingVolume = 0;
    bool cubes = false;
    bool crushed = false;
    bool foams = false;
    bool cream = false;
    bool hot = false;
    QList<Layer> layers;
    const bool water = std::any_of(
        recipe.ingredients.cbegin(), recipe.ingredients.cend(),
        [](const RecipeInfo::Ingredient& i) { return i.name.toLower().contains(QStringLiteral("wasser")); });
    for (const RecipeInfo::Ingredient& i : recipe.ingredients) {
        const QString lower = i.name.toLower();
        if (lower.startsWith(QStringLiteral("eiswürfel")))
            cubes = true;
        if (lower.contains(QStringLiteral("crushed")))
            crushed = true;
        if (lower == QStringLiteral("minze"))
            look.mintInside = true;
        if (lower == QStringLiteral("limette"))
            look.limeInside = true;
        const bool pureed = blended && isFruit(lower);
        if (LiquidTint::isSolid(i.name) && !pureed)
            continue;
        const LiquidTint t = LiquidTint::forName(i.name);
        const double v =
            pureed ? (i.unit == 1 ? i.amount / 10.0 : 2.0 * std::max(1, i.amount)) : volumeOf(i, t, water);
        if (v <= 0)
            continue;
        const double rgb[3] = {t.colour.redF(), t.colour.greenF(), t.colour.blueF()};
        for (int c = 0; c < 3; ++c) {
            const double a = v * t.strength * -std::log(std::max(rgb[c], 0.03));
            absorbance[c] += a;
            if (t.turbidity < 0.3)
                pigment[c] += a;
            cloudRgb[c] += v * t.turbidity * rgb[c];
        }
        cloud += v * t.turbidity;
        volume += v;
        if (t.sparkling)
            sparklingVolume += v;
        foams = foams || t.foams;
        hot = hot || t.hot;
        if (t.creamy && lower.contains(QStringLiteral("sahne")))
            cream = true;
        layers.append(Layer{t.colour, v});
    }
    if (volume <= 0)
        volume = 1;
    for (int c = 0; c < 3; ++c) {
        absorbance[c] /= volume;
        pigment[c] /= volume;
    }
    look.centre = transmitted(absorbance, 1.0);
    look.edge = transmitted(absorbance, 0.45);
    look.turbidity = std::min(1.0, std::sqrt(cloud / volume) * 1.1);
    if (cloud > 0) {
        // Milk, juice and cream scatter light; clear colourants in them still tint what they scatter.
        const QColor scatter = QColor::fromRgbF(float(cloudRgb[0] / cloud), float(cloudRgb[1] / cloud),
                                                float(cloudRgb[2] / cloud));
        const auto cloudy = [&](const QColor& clearPart, double thickness) {
            const QColor tint = transmitted(pigment, thickness);
            const double t = look.turbidity;
            return QColor::fromRgbF(
                float(clearPart.redF() * (1 - t) + scatter.redF() * tint.redF() * t),
                float(clearPart.greenF() * (1 - t) + scatter.greenF() * tint.greenF() * t),
                float(clearPart.blueF() * (1 - t) + scatter.blueF() * tint.blueF() * t));
        };
        look.centre = cloudy(look.centre, 1.0);
        look.edge = cloudy(look.edge, 0.45);
    }
    look.clear = look.turbidity < 0.1 && look.centre.valueF() > 0.9 && look.centre.hsvSaturationF() < 0.12;
    look.sparkling = sparklingVolume >= volume * 0.25;

    if (blended)
        look.ice = Ice::Frozen;
    else if (crushed)
        look.ice = Ice::Crushed;
    else if (cubes && !stemmedWithoutIce(look.glass))
        look.ice = Ice::Cubes;
    if (look.ice == Ice::Frozen)
        look.turbidity = std::max(look.turbidity, 0.75);

    look.hot = servedHot(text).value_or(recipe.category == 11 ||
                                        (hot && !cubes && !crushed && look.ice == Ice::None));
    if (foams || text.contains(QStringLiteral("dry shake")))
        look.foam = look.centre.valueF() < 0.25 ? QColor(222, 196, 150) : QColor(250, 246, 236);
    look.creamCap = recipe.decoration == QStringLiteral("Sahnehaube") || (look.hot && cream);
    const bool layered = text.contains(QStringLiteral("schicht")) || text.contains(QStringLiteral("layer"));
    if (layered && layers.size() >= 2 && layers.size() <= 5) {
        double total = 0;
        for (const Layer& l : layers)
            total += l.share;
        for (Layer& l : layers)
            l.share /= total;
        look.layers = layers;
    }
    look.garnish = recipe.decoration;
    const K g = look.glass;
    look.straw = look.ice == Ice::Crushed || look.ice == Ice::Frozen ||
                 ((g == K::Highball || g == K::Collins || g == K::Hurricane) && look.ice == Ice::Cubes &&
                  (look.seed % 3 == 0));
    return look;
}

DrinkLook DrinkLook::plain(GlassShape::Kind glass, const QColor& colour, const QString& garnish,
                           quint32 seed) {
    DrinkLook l;
    l.glass = glass;
    l.centre = colour;
    l.edge = Tone::mix(colour, QColor(255, 255, 255), 0.35);
    l.garnish = garnish;
    l.seed = seed;
    return l;
}
