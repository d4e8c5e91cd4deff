#include "common/ServingGlass.h"

#include <QRegularExpression>

#include <array>

namespace {

struct GlassWords {
    ServingGlass::Kind kind;
    const char* name;
    // Word stems as a pattern, without capturing groups; matched without regard to letter case.
    const char* words;
};

// In the order a tie at one position is decided: "Sektschale" is a coupe, never a flute.
constexpr std::array<GlassWords, ServingGlass::kKinds> kGlasses{{
    {ServingGlass::Kind::Cocktail, "Cocktailglas, -schale",
     "cocktailschale|cocktailglas|sektschale|coupette|martiniglas|stielglas|sourglas"},
    // A big or tall glass ("ein großes, mit Eiswürfeln gefülltes Glas") is a long drink's, unless the
    // words between name another glass ("einen großen Tiki-Becher").
    {ServingGlass::Kind::Highball, "Longdrinkglas, Highball",
     "longdrinkglas|highball|collinsglas|fizzglas|"
     "\\b(?:hoh|groß)e[nrs]?\\b(?:[\\s,]+(?![\\w-]*(?:becher|glas|tasse|schale|krug|kelch|flöte))[\\w-]+){0,"
     "4}?"
     "[\\s,]+glas(?:es)?\\b"},
    {ServingGlass::Kind::Tumbler, "Tumbler, Old Fashioned",
     "tumbler|old[- ]fashioned|rocksglas|whiske?yglas"},
    {ServingGlass::Kind::Flute, "Sektflöte, Sektglas",
     "sektflöte|sektglas|champagnerglas|champagnerflöte|sektkelch"},
    {ServingGlass::Kind::Wine, "Weinglas", "weinglas|schoppenglas|weinkelch|\\brömer\\b"},
    {ServingGlass::Kind::Tiki, "Tiki-Becher", "tiki-?becher|tiki-?schale|tiki-?glas|tiki-?tasse"},
    {ServingGlass::Kind::Metal, "Kupferbecher, Julepbecher",
     "kupferbecher|julepbecher|metallbecher|kupfertasse"},
    {ServingGlass::Kind::Hurricane, "Hurricaneglas", "hurricane|poco[- ]grande"},
    {ServingGlass::Kind::Margarita, "Margaritaglas", "margaritaglas|margaritaschale"},
    {ServingGlass::Kind::Shot, "Shotglas, Schnapsglas", "shotglas|schnapsglas|stamper|likörglas|pinnchen"},
    {ServingGlass::Kind::Beer, "Bierglas",
     "bierglas|weizenglas|maßkrug|bierbecher|biertrinkschale|bierkrug|pilstulpe|bierseidel"},
    // Glasses for hot drinks: a glass with a handle, or one warmed or made for the heat.
    {ServingGlass::Kind::Handle, "Punschglas, Henkelglas",
     "punschglas|glühweinglas|irish-coffee-glas|grogglas|teeglas|henkelglas|glas mit henkel|"
     "\\b(?:vorgewärmt|hitzefest|hitzebeständig|feuerfest)\\w*\\s+(?:[\\w-]+\\s+)?glas(?:es)?\\b"},
    // "eine Tasse Crushed Ice" measures the ice for the blender.
    {ServingGlass::Kind::Mug, "Tasse, Becher",
     "tasse\\b(?!\\s+(?:crushed|eis))|tassen\\b|\\bbecher|tonbecher"},
}};

constexpr bool inKindOrder() {
    for (size_t i = 0; i < kGlasses.size(); ++i) {
        if (int(kGlasses.at(i).kind) != int(i))
            return false;
    }
    return true;
}
static_assert(inKindOrder(), "the names are found by the kind's number");

// One pattern with a group for each kind: the leftmost glass named wins, and at one position the
// kind listed first.
const QRegularExpression& glassPattern() {
    static const QRegularExpression pattern = [] {
        QStringList groups;
        for (const GlassWords& g : kGlasses)
            groups << QLatin1Char('(') + QString::fromUtf8(g.words) + QLatin1Char(')');
        QRegularExpression re(groups.join(QLatin1Char('|')),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::UseUnicodePropertiesOption);
        re.optimize();
        return re;
    }();
    return pattern;
}

} // namespace

std::optional<ServingGlass::Kind> ServingGlass::of(const QString& instructions) {
    const QRegularExpressionMatch m = glassPattern().match(instructions);
    if (!m.hasMatch())
        return std::nullopt;
    for (int i = 0; i < kKinds; ++i) {
        if (m.capturedStart(i + 1) >= 0)
            return kGlasses.at(size_t(i)).kind;
    }
    return std::nullopt;
}

QString ServingGlass::name(Kind kind) {
    return QString::fromUtf8(kGlasses.at(size_t(kind)).name);
}

QStringList ServingGlass::names() {
    QStringList out;
    for (const GlassWords& g : kGlasses)
        out << QString::fromUtf8(g.name);
    return out;
}
