#include "exchange/BarGlossary.h"

#include "common/TextFold.h"

#include <QHash>

namespace {

struct Row {
    const char16_t* english;
    const char16_t* german;
    double perPiece = 1.0;
};

// English as recipe sites write it (singular, lower case), German as the shipped data name it.
// Brand names are left out: a recipe that names a brand keeps it as a new ingredient.
const Row kIngredients[] = {
    {u"gin", u"Gin"},
    {u"london dry gin", u"Gin"},
    {u"dry gin", u"Gin"},
    {u"jenever", u"Genever"},
    {u"vodka", u"Wodka"},
    {u"citrus vodka", u"Zitronenwodka"},
    {u"vanilla vodka", u"Vanillewodka"},
    {u"rum", u"Weißer Rum"},
    {u"white rum", u"Weißer Rum"},
    {u"light rum", u"Weißer Rum"},
    {u"silver rum", u"Weißer Rum"},
    {u"dark rum", u"Brauner Rum"},
    {u"gold rum", u"Goldener Rum"},
    {u"aged rum", u"Goldener Rum"},
    {u"jamaican rum", u"Jamaika-Rum"},
    {u"tequila", u"Tequila Silber"},
    {u"blanco tequila", u"Tequila Silber"},
    {u"reposado tequila", u"Tequila Reposado"},
    {u"anejo tequila", u"Tequila Añejo"},
    {u"bourbon", u"Bourbon Whiskey"},
    {u"whiskey", u"Bourbon Whiskey"},
    {u"rye", u"Rye Whiskey"},
    {u"scotch", u"Scotch Whisky"},
    {u"brandy", u"Weinbrand"},
    {u"apple brandy", u"Calvados"},
    {u"kirsch", u"Kirschwasser"},
    {u"absinthe", u"Absinth"},
    {u"orange liqueur", u"Triple Sec"},
    {u"orange curacao", u"Trockener Curaçao"},
    {u"dry curacao", u"Trockener Curaçao"},
    {u"curacao", u"Trockener Curaçao"},
    {u"coffee liqueur", u"Kaffeelikör"},
    {u"almond liqueur", u"Amaretto"},
    {u"cherry liqueur", u"Cherry Brandy"},
    {u"apricot liqueur", u"Apricot Brandy"},
    {u"peach liqueur", u"Pfirsichlikör"},
    {u"peach schnapps", u"Pfirsichlikör"},
    {u"cassis", u"Crème de Cassis"},
    {u"creme de cacao", u"Crème de Cacao braun"},
    {u"white creme de cacao", u"Crème de Cacao weiß"},
    {u"creme de menthe", u"Crème de Menthe grün"},
    {u"blackberry liqueur", u"Crème de Mûre"},
    {u"maraschino liqueur", u"Maraschino"},
    {u"elderflower liqueur", u"Holunderblütenlikör"},
    {u"raspberry liqueur", u"Himbeerlikör"},
    {u"banana liqueur", u"Bananenlikör"},
    {u"coconut liqueur", u"Kokoslikör"},
    {u"irish cream liqueur", u"Irish Cream"},
    {u"green chartreuse", u"Chartreuse grün"},
    {u"yellow chartreuse", u"Chartreuse gelb"},
    {u"velvet falernum", u"Falernum"},
    {u"allspice dram", u"Piment-Likör (Allspice Dram)"},
    {u"ginger liqueur", u"Ingwerlikör"},
    {u"dry vermouth", u"Wermut trocken"},
    {u"french vermouth", u"Wermut trocken"},
    {u"sweet vermouth", u"Wermut rot"},
    {u"red vermouth", u"Wermut rot"},
    {u"bianco vermouth", u"Wermut weiß"},
    {u"white vermouth", u"Wermut weiß"},
    {u"bitter aperitif", u"Bitter-Aperitif rot"},
    {u"orange aperitif", u"Bitterorangen-Aperitif"},
    {u"dry sherry", u"Sherry trocken"},
    {u"sweet sherry", u"Sherry süß"},
    {u"port", u"Portwein rot"},
    {u"champagne", u"Champagner"},
    {u"sparkling wine", u"Sekt"},
    {u"white wine", u"Weißwein"},
    {u"red wine", u"Rotwein"},
    {u"beer", u"Bier"},
    {u"angostura", u"Angostura Bitter"},
    {u"aromatic bitter", u"Angostura Bitter"},
    {u"orange bitter", u"Orangenbitter"},
    {u"peychauds bitter", u"Peychaud's Bitter"},
    {u"lime juice", u"Limettensaft"},
    {u"lemon juice", u"Zitronensaft"},
    {u"orange juice", u"Orangensaft"},
    {u"pineapple juice", u"Ananassaft"},
    {u"grapefruit juice", u"Grapefruitsaft"},
    {u"cranberry juice", u"Cranberrysaft"},
    {u"tomato juice", u"Tomatensaft"},
    {u"apple juice", u"Apfelsaft"},
    {u"mango juice", u"Mangosaft"},
    {u"peach nectar", u"Pfirsichnektar"},
    {u"passion fruit juice", u"Maracujasaft"},
    {u"pomegranate juice", u"Granatapfelsaft"},
    {u"simple syrup", u"Zuckersirup"},
    {u"sugar syrup", u"Zuckersirup"},
    {u"demerara syrup", u"Rohrzuckersirup"},
    {u"cane syrup", u"Rohrzuckersirup"},
    {u"honey syrup", u"Honigsirup"},
    {u"ginger syrup", u"Ingwersirup"},
    {u"agave syrup", u"Agavendicksaft"},
    {u"maple syrup", u"Ahornsirup"},
    {u"orgeat", u"Mandelsirup (Orgeat)"},
    {u"almond syrup", u"Mandelsirup (Orgeat)"},
    {u"vanilla syrup", u"Vanillesirup"},
    {u"passion fruit syrup", u"Maracujasirup"},
    {u"elderflower syrup", u"Holunderblütensirup"},
    {u"lime cordial", u"Limettensirup"},
    {u"soda", u"Soda"},
    {u"soda water", u"Soda"},
    {u"club soda", u"Soda"},
    {u"sparkling water", u"Soda"},
    {u"tonic", u"Tonic Water"},
    {u"coke", u"Cola"},
    {u"lemonade", u"Zitronenlimonade"},
    {u"mineral water", u"Mineralwasser"},
    {u"water", u"Stilles Wasser"},
    {u"hot water", u"Heißes Wasser"},
    {u"coffee", u"Kaffee"},
    {u"black tea", u"Schwarzer Tee"},
    {u"milk", u"Milch"},
    {u"cream", u"Sahne"},
    {u"heavy cream", u"Sahne"},
    {u"coconut cream", u"Kokoscreme"},
    {u"cream of coconut", u"Kokoscreme"},
    {u"coconut milk", u"Kokosmilch"},
    {u"egg white", u"Eiweiß"},
    {u"egg yolk", u"Eigelb"},
    {u"egg", u"Ei"},
    {u"sugar", u"Zucker"},
    {u"superfine sugar", u"Zucker"},
    {u"brown sugar", u"Brauner Zucker"},
    {u"cane sugar", u"Rohrzucker"},
    {u"sugar cube", u"Würfelzucker"},
    {u"powdered sugar", u"Puderzucker"},
    {u"honey", u"Honig"},
    {u"salt", u"Salz"},
    {u"pepper", u"Pfeffer"},
    {u"celery salt", u"Selleriesalz"},
    {u"nutmeg", u"Muskat"},
    {u"cinnamon", u"Zimt"},
    {u"cinnamon stick", u"Zimtstange"},
    {u"vanilla bean", u"Vanilleschote"},
    {u"mint", u"Minze"},
    {u"mint leaves", u"Minze"},
    {u"mint sprig", u"Minze"},
    {u"basil", u"Basilikum"},
    {u"rosemary", u"Rosmarin"},
    {u"ice", u"Eiswürfel"},
    {u"ice cube", u"Eiswürfel"},
    {u"lime", u"Limette"},
    {u"lime wedge", u"Limette", 0.25},
    {u"lemon", u"Zitrone"},
    {u"lemon wedge", u"Zitrone", 0.25},
    {u"lemon slice", u"Zitrone (Scheibe)"},
    {u"lemon wheel", u"Zitrone (Scheibe)"},
    {u"orange slice", u"Orange (Scheibe)"},
    {u"orange wheel", u"Orange (Scheibe)"},
    {u"lemon peel", u"Zitronenschale"},
    {u"cucumber", u"Salatgurke (Scheibe)"},
    {u"strawberry", u"Erdbeeren"},
    {u"raspberry", u"Himbeeren"},
    {u"banana", u"Banane"},
    {u"apple", u"Apfel"},
    {u"celery", u"Staudensellerie"},
    {u"ginger", u"Ingwer (frisch)"},
    {u"hot sauce", u"Tabasco"},
    {u"worcestershire sauce", u"Worcestershiresauce"},
};

// Words of recipe categories and keywords, and the category they stand for.
const Row kCategories[] = {
    {u"aperitivo", u"Aperitif"},
    {u"after dinner", u"Digestif"},
    {u"nightcap", u"Digestif"},
    {u"long drink", u"Longdrink"},
    {u"short drink", u"Shortdrink"},
    {u"tiki drink", u"Tiki"},
    {u"tropical", u"Tiki"},
    {u"punch", u"Punsch und Bowle"},
    {u"punsch", u"Punsch und Bowle"},
    {u"bowle", u"Punsch und Bowle"},
    {u"hot drink", u"Heißgetränk"},
    {u"hot cocktail", u"Heißgetränk"},
    {u"warme getranke", u"Heißgetränk"},
    {u"heisse getranke", u"Heißgetränk"},
    {u"shot", u"Shooter"},
    {u"mocktail", u"Alkoholfrei"},
    {u"non-alcoholic", u"Alkoholfrei"},
    {u"alcohol-free", u"Alkoholfrei"},
    {u"virgin", u"Alkoholfrei"},
    {u"ohne alkohol", u"Alkoholfrei"},
    {u"alkoholfreie cocktail", u"Alkoholfrei"},
    {u"champagne cocktail", u"Champagnercocktail"},
    {u"sparkling cocktail", u"Champagnercocktail"},
    {u"sektcocktail", u"Champagnercocktail"},
    {u"flip", u"Flip und Eggnog"},
    {u"eggnog", u"Flip und Eggnog"},
    {u"julep", u"Julep und Smash"},
    {u"smash", u"Julep und Smash"},
    {u"frozen", u"Frozen Drink"},
    {u"frozen cocktail", u"Frozen Drink"},
    {u"cream cocktail", u"Sahnecocktail"},
    {u"dessert cocktail", u"Sahnecocktail"},
};

QList<BarGlossary::Entry> entries(const Row* begin, const Row* end) {
    QList<BarGlossary::Entry> out;
    for (const Row* row = begin; row != end; ++row)
        out.append({TextFold::fold(QString::fromUtf16(row->english)), QString::fromUtf16(row->german),
                    row->perPiece});
    return out;
}

QHash<QString, BarGlossary::Entry> index(const QList<BarGlossary::Entry>& list) {
    QHash<QString, BarGlossary::Entry> out;
    for (const BarGlossary::Entry& entry : list)
        out.insert(entry.english, entry);
    return out;
}

} // namespace

const QList<BarGlossary::Entry>& BarGlossary::ingredients() {
    static const QList<Entry> list = entries(std::begin(kIngredients), std::end(kIngredients));
    return list;
}

const QList<BarGlossary::Entry>& BarGlossary::categories() {
    static const QList<Entry> list = entries(std::begin(kCategories), std::end(kCategories));
    return list;
}

std::optional<BarGlossary::Entry> BarGlossary::ingredient(const QString& folded) {
    static const QHash<QString, Entry> byName = index(ingredients());
    const auto it = byName.constFind(folded);
    return it == byName.cend() ? std::nullopt : std::optional(*it);
}

QString BarGlossary::category(const QString& folded) {
    static const QHash<QString, Entry> byName = index(categories());
    return byName.value(folded).german;
}
