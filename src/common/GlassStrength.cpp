#include "common/GlassStrength.h"

#include "common/HalfEven.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

QRegularExpression words(const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

// Compiled once: every recipe shown asks them.
bool matches(const QString& text, const QRegularExpression& re) {
    return re.match(text).hasMatch();
}

QString whole(double value) {
    return QLocale(QLocale::German).toString(HalfEven::nearest(value));
}

} // namespace

GlassStrength::Preparation GlassStrength::preparationOf(const QString& instructions) {
    static const QRegularExpression blended = words(QStringLiteral("mixer|blender|pürier"));
    // Shaking by its word stem ("schütteln", "geschüttelt", "durchschütteln", "schüttle"), never
    // pouring ("schütten", "zusammengeschüttet"), which shares the first letters.
    static const QRegularExpression shaken = words(QStringLiteral("schütte?l|\\bshaker"));
    static const QRegularExpression stirred = words(QStringLiteral("rührglas"));
    static const QRegularExpression hot = words(QStringLiteral("heiß|erhitz|warm"));
    if (matches(instructions, blended))
        return Preparation::Blended;
    if (matches(instructions, shaken))
        return Preparation::Shaken;
    if (matches(instructions, stirred))
        return Preparation::Stirred;
    if (matches(instructions, hot))
        return Preparation::Hot;
    return Preparation::Built;
}

GlassStrength::Method GlassStrength::methodOf(const QString& instructions, bool iceInRecipe) {
    static const QRegularExpression ice =
        words(QStringLiteral("eiswürfel|crushed|\\beis\\b|eisstück|\\bice\\b"));
    switch (preparationOf(instructions)) {
    case Preparation::Blended:
        return Method::Blended;
    case Preparation::Shaken:
        return Method::Shaken;
    case Preparation::Stirred:
        return Method::Stirred;
    case Preparation::Hot:
        return Method::Neat;
    case Preparation::Built:
        break;
    }
    const bool onIce = iceInRecipe || matches(instructions, ice);
    return onIce ? Method::Built : Method::Neat;
}

// Typical melt water of each method, as bartenders measure it: shaking melts the most ice in the
// shortest time, stirring a little less, a drink built over ice gains some while it is drunk, and a
// blended drink takes in the ice it was blended with.
double GlassStrength::dilution(Method method) {
    switch (method) {
    case Method::Shaken:
        return 0.30;
    case Method::Stirred:
        return 0.25;
    case Method::Built:
        return 0.15;
    case Method::Blended:
        return 0.50;
    case Method::Neat:
        break;
    }
    return 0.0;
}

QString GlassStrength::methodName(Method method) {
    switch (method) {
    case Method::Shaken:
        return QStringLiteral("geschüttelt");
    case Method::Stirred:
        return QStringLiteral("gerührt");
    case Method::Built:
        return QStringLiteral("auf Eis");
    case Method::Blended:
        return QStringLiteral("gemixt");
    case Method::Neat:
        break;
    }
    return QStringLiteral("ohne Eis");
}

std::optional<GlassStrength::Estimate> GlassStrength::estimate(const AlcoholValue::Mix& mix, Method method) {
    if (mix.volumeCl <= 0 || mix.percentCl <= 0)
        return std::nullopt;
    Estimate e;
    e.method = method;
    e.volumeCl = mix.volumeCl * (1.0 + dilution(method));
    e.percent = mix.alcoholCl() * 100.0 / e.volumeCl;
    e.grams = mix.alcoholCl() * 10.0 * kEthanolDensity;
    return e;
}

QString GlassStrength::text(const Estimate& e, DisplayUnit::Kind unit) {
    return QStringLiteral("Im Glas: ca. %1 %, %2, %3 g Alkohol (%4)")
        .arg(whole(e.percent), DisplayUnit::volume(e.volumeCl, unit), whole(e.grams), methodName(e.method));
}
