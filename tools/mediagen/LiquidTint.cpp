#include "LiquidTint.h"

#include <QList>
#include <QStringList>

namespace {

struct Entry {
    QStringList words;
    LiquidTint tint;
};

LiquidTint tint(int r, int g, int b, double strength, double turbidity = 0) {
    LiquidTint t;
    t.colour = QColor(r, g, b);
    t.strength = strength;
    t.turbidity = turbidity;
    return t;
}

LiquidTint sparkling(LiquidTint t) {
    t.sparkling = true;
    return t;
}

LiquidTint creamy(LiquidTint t) {
    t.creamy = true;
    return t;
}

LiquidTint foams(LiquidTint t) {
    t.foams = true;
    return t;
}

LiquidTint hot(LiquidTint t) {
    t.hot = true;
    return t;
}

QStringList words(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char('|'));
}

// First match wins: specific names stand before the general words they contain.
const QList<Entry>& table() {
    static const QList<Entry> list = {
        {words("blue curaçao|blue-curaçao|curaçao blue"), tint(10, 110, 230, 3.0)},
        {words("ginger ale"), sparkling(tint(226, 176, 84, 0.9))},
        {words("ginger beer"), sparkling(tint(234, 206, 140, 0.7, 0.3))},
        {words("ingwerlikör|ingwersirup"), tint(232, 192, 112, 1.0)},
        {words("sloe gin"), tint(176, 22, 64, 1.6)},
        {words("apfelkorn"), tint(214, 216, 120, 0.6)},
        {words("energydrink"), sparkling(tint(228, 222, 120, 0.9))},
        {words("früchtetee"), hot(tint(186, 40, 44, 1.8))},
        {words("olivenlake"), tint(226, 220, 170, 0.5, 0.2)},
        {words("noyaux"), tint(236, 96, 120, 1.4)},
        {words("mate-limonade"), sparkling(tint(222, 196, 110, 0.8, 0.1))},
        {words("kräuterlimonade"), sparkling(tint(240, 220, 120, 0.7))},
        {words("fruchtcup"), tint(150, 62, 32, 2.0)},
        {words("weißer traubensaft"), tint(240, 230, 150, 0.7, 0.1)},
        {words("karottensaft"), tint(245, 128, 30, 1.5, 0.8)},
        {words("mandarinensaft"), tint(255, 150, 20, 1.3, 0.7)},
        {words("gurkenlake"), tint(222, 226, 170, 0.6, 0.2)},
        {words("ingwerwein"), tint(200, 140, 50, 1.3)},
        {words("pflaumenwein"), tint(212, 150, 62, 1.3)},
        {words("sanddorn"), tint(252, 140, 20, 1.6, 0.8)},
        {words("algarrobina"), tint(64, 32, 14, 3.2)},
        {words("^met"), tint(226, 172, 60, 1.2)},
        {words("^amer"), tint(150, 58, 22, 2.2)},
        {words("hibiskus"), hot(tint(178, 20, 60, 2.2))},
        {words("grüner tee"), hot(tint(214, 206, 120, 0.8))},
        {words("matcha"), tint(112, 168, 44, 2.4, 0.3)},
        {words("saurer apfel"), tint(150, 206, 60, 1.6)},
        {words("grüner bananenlikör"), tint(120, 200, 80, 1.8)},
        {words("essig"), tint(236, 200, 130, 0.8, 0.1)},
        {words("tabasco"), tint(200, 40, 20, 2.0)},
        {words("worcester"), tint(90, 40, 20, 2.0)},
        {words("kirschwasser|himbeergeist|williams|mirabell|marillenbrand|slivovitz|obstbrand|grappa|pisco|"
               "korn|aquavit|kümmellikör|wodka|vodka|gin-alternative|gin|weißer rum|tequila "
               "silber|cachaça|genever|sake|mezcal|maraschino|"
               "batavia arrak|arrak|raki|soju|shochu"),
         tint(250, 250, 244, 0.3)},
        {words("absinth"), tint(150, 200, 90, 1.2, 0.05)},
        {words("ouzo|pastis|sambuca"), tint(250, 250, 246, 0.2, 0.05)},
        {words("grenadine|granatapfel"), tint(205, 12, 45, 2.6)},
        {words("cranberry"), tint(196, 24, 52, 1.6)},
        {words("cherry brandy|kirschsaft|kirschsirup|amarena"), tint(140, 10, 32, 2.0)},
        {words("himbeer|erdbeer"), tint(226, 46, 86, 1.8)},
        {words("brombeer|mûre|cassis|johannisbeer|holunderbeer"), tint(96, 10, 62, 2.4)},
        {words("heidelbeer"), tint(70, 30, 110, 2.2)},
        {words("blutorange"), tint(222, 70, 36, 1.4, 0.55)},
        {words("orangenlimonade"), sparkling(tint(255, 160, 30, 1.2, 0.25))},
        {words("orangensaft|orange (frisch)"), tint(255, 156, 24, 1.3, 0.7)},
        {words("orange bitter|orangenbitter"), tint(210, 110, 40, 1.0)},
        {words("bitterorangen-aperitif|aperol"), tint(240, 90, 24, 1.8)},
        {words("bitter-aperitif|bitterlikör|campari"), tint(206, 20, 38, 2.4)},
        {words("triple sec|orangenlikör|trockener curaçao|curaçao|cointreau"), tint(248, 210, 140, 0.4)},
        {words("zitronenlimonade|zitronenlimo"), sparkling(tint(246, 248, 236, 0.2, 0.05))},
        {words("zitronensaft|zitrone"), tint(246, 242, 182, 0.6, 0.3)},
        {words("limettensaft|limettensirup|limette"), tint(214, 236, 156, 0.7, 0.3)},
        {words("bitter lemon"), sparkling(tint(244, 244, 206, 0.5, 0.3))},
        {words("grapefruitlimonade"), sparkling(tint(250, 196, 176, 0.8, 0.25))},
        {words("grapefruit"), tint(250, 180, 150, 1.0, 0.5)},
        {words("ananas"), tint(250, 222, 96, 1.1, 0.65)},
        {words("maracuja|passionsfrucht"), tint(255, 186, 30, 1.4, 0.55)},
        {words("mango"), tint(255, 168, 36, 1.5, 0.75)},
        {words("pfirsich|aprikose|apricot"), tint(252, 170, 92, 1.2, 0.5)},
        {words("banane"), tint(250, 232, 160, 1.0, 0.8)},
        {words("apfelsaft|apfelwein|cidre"), tint(228, 178, 64, 1.0)},
        {words("birne"), tint(232, 214, 150, 0.9, 0.4)},
        {words("rhabarber"), tint(240, 164, 160, 1.0, 0.3)},
        {words("roter traubensaft|traubensaft rot"), tint(110, 20, 52, 2.2)},
        {words("tomate"), tint(200, 40, 22, 1.8, 0.9)},
        {words("malzbier"), tint(52, 26, 10, 3.0)},
        {words("stout|guinness"), foams(tint(26, 12, 6, 4.0))},
        {words("weizen"), foams(sparkling(tint(236, 168, 56, 1.2, 0.45)))},
        {words("berliner weiße"), sparkling(tint(240, 220, 150, 0.7, 0.3))},
        {words("alkoholfreies bier|bier|kölsch"), foams(sparkling(tint(232, 170, 40, 1.2)))},
        {words("eierlikör"), creamy(tint(246, 212, 100, 1.0, 1.0))},
        {words("eigelb| ei|^ei"), creamy(tint(244, 206, 96, 1.0, 0.9))},
        {words("eiweiß"), foams(tint(250, 248, 240, 0.1, 0.2))},
        {words("irish cream|sahnelikör|whiskylikör"), creamy(tint(206, 164, 120, 1.0, 1.0))},
        {words("kokosmilch|kokoscreme|kokoslikör|brasilianischer kokoslikör"),
         creamy(tint(248, 246, 238, 0.5, 0.9))},
        {words("kondensmilch|milch|sahne|joghurt|vanilleeis|eis (vanille)"),
         creamy(tint(250, 246, 234, 0.5, 1.0))},
        {words("zitronensorbet"), creamy(tint(246, 244, 210, 0.6, 1.0))},
        {words("kaffeelikör"), tint(42, 20, 8, 4.0)},
        {words("espresso|kaffee (heiß)|kaffee"), hot(tint(48, 24, 10, 4.0, 0.1))},
        {words("kakaopulver|schokoladensirup|crème de cacao braun"), tint(104, 54, 28, 2.2, 0.1)},
        {words("kakao|schokolade"), creamy(tint(128, 72, 40, 1.5, 0.85))},
        {words("crème de cacao weiß"), tint(248, 244, 232, 0.3, 0.05)},
        {words("bitterer roter wermut|wermut rot|weinaperitif rot"), tint(140, 32, 22, 2.0)},
        {words("wermut|weinaperitif|lillet|chinarinden"), tint(242, 226, 160, 0.7)},
        {words("klosterkräuterlikör|chartreuse grün"), tint(120, 182, 40, 1.8)},
        {words("chartreuse gelb|vanille-kräuterlikör|galliano"), tint(238, 204, 40, 1.4)},
        {words("amaro|fernet|halbbitter|kräuterlikör|enzian|jägermeister"), tint(70, 34, 14, 2.6)},
        {words("crème de menthe grün|pfefferminz|waldmeister|melonenlikör"), tint(40, 186, 80, 2.2)},
        {words("crème de menthe weiß"), tint(248, 250, 246, 0.2)},
        {words("crème de violette|lavendel"), tint(140, 96, 196, 1.6)},
        {words("glühwein|rotwein|portwein rot"), tint(112, 10, 34, 2.6)},
        {words("roséwein"), tint(242, 150, 150, 1.0)},
        {words("sekt|champagner|prosecco|crémant|piccolo"), sparkling(tint(246, 232, 164, 0.6))},
        {words("weißwein|portwein weiß"), tint(244, 230, 160, 0.6)},
        {words("sherry|madeira|marsala"), tint(184, 112, 40, 1.4)},
        {words("amaretto|haselnuss|karamell|ahorn"), tint(176, 86, 22, 1.5)},
        {words("honig|agaven"), tint(224, 164, 46, 1.2)},
        {words("limoncello"), tint(246, 234, 80, 1.2, 0.4)},
        {words("apricot brandy|pfirsichlikör|bananenlikör|maracujalikör|mangosirup"),
         tint(240, 150, 50, 1.2)},
        {words("whisk|bourbon|rye|scotch|islay|cognac|armagnac|weinbrand|brandy|calvados|brauner rum|"
               "goldener rum|demerara|navy rum|jamaica|spiced|añejo|reposado|rum-verschnitt|inländerrum|"
               "overproof|rhum agricole|rum|schwedenpunsch"),
         tint(196, 114, 34, 1.4)},
        {words("angostura|aromatischer bitter|peychaud|bitter"), tint(150, 30, 20, 3.0)},
        {words("tonic|soda|mineralwasser|sodawasser"), sparkling(tint(246, 250, 252, 0.1))},
        {words("cola"), sparkling(tint(62, 26, 10, 3.0))},
        {words("mate-tee"), tint(176, 170, 72, 1.4, 0.15)},
        {words("eistee|schwarzer tee|tee"), hot(tint(166, 80, 26, 1.8))},
        {words("rinderbrühe"), hot(tint(150, 86, 34, 1.5, 0.3))},
        {words("heißes wasser"), hot(tint(246, 250, 252, 0.1))},
        {words("kokoswasser|stilles wasser|wasser"), tint(246, 250, 252, 0.1, 0.05)},
        {words("mandel|orgeat|falernum"), tint(246, 240, 224, 0.5, 0.5)},
        {words("zuckersirup|rohrzuckersirup|zucker|sirup"), tint(250, 246, 230, 0.2)},
        {words("likör"), tint(230, 170, 90, 1.0)},
    };
    return list;
}

bool matches(const QString& name, const QString& word) {
    if (word.startsWith(QLatin1Char('^')))
        return name == word.mid(1);
    if (word.startsWith(QLatin1Char(' ')))
        return name.startsWith(word.mid(1) + QLatin1Char(' ')) || name.contains(word + QLatin1Char(' ')) ||
               name.endsWith(word);
    return name.contains(word);
}

} // namespace

LiquidTint LiquidTint::forName(const QString& ingredientName) {
    const QString name = ingredientName.toLower().trimmed();
    for (const Entry& e : table()) {
        for (const QString& w : e.words) {
            if (matches(name, w))
                return e.tint;
        }
    }
    return tint(240, 230, 200, 0.5);
}

bool LiquidTint::isSolid(const QString& ingredientName) {
    static const QStringList solids =
        words("eiswürfel|crushed ice|minze|basilikum|rosmarin|salatgurke|ingwer (frisch)|erdbeeren|himbeeren|"
              "brombeeren|heidelbeeren|ananasstücke|banane|mango|pfirsich|maracuja|apfel|staudensellerie|"
              "chilischote|butter|zucker|salz|pfeffer|muskat|zimt|gewürznelken|sternanis|vanilleschote|"
              "meerrettich|kardamom|kurkuma|zuckerhut|limette|zitrone|orange|grapefruit|würfelzucker|"
              "puderzucker|rohrzucker|brauner zucker");
    const QString name = ingredientName.toLower().trimmed();
    for (const QString& s : solids) {
        if (name == s || name.startsWith(s + QLatin1Char(' ')))
            return true;
    }
    return false;
}
