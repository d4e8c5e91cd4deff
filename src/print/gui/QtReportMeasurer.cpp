#include "print/gui/QtReportMeasurer.h"

#include "ui/ProgramFonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

} // namespace

// The symbol font of this platform answers for the Unicode forms of its symbols with empty boxes, so
// no fallback happens: the symbols are drawn from the font that has them all.
QFont QtReportMeasurer::fontFor(const ReportFont& font) {
    QFont f;
    f.setFamily(font.symbol ? QStringLiteral("Symbola") : font.family);
    f.setPixelSize(qMax(1, qRound(font.pointSize * kMmPerPoint * kUnitsPerMm)));
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QString QtReportMeasurer::shownText(const ReportFont& font, const QString& text) {
    if (!font.symbol)
        return text;
    QString shown;
    for (const QChar c : text)
        shown += c == QLatin1Char(' ') ? QString(c) : ProgramFonts::wingdingsSymbol(c.unicode());
    return shown;
}

namespace {

// Reports measure the same words and fonts over and over: thousands of cards, laid out and then
// painted. Fonts are registered before anything is measured, so a width once taken stays true.
struct Measured {
    QString family;
    double size = 0;
    bool symbol = false;
    QString text;
    friend bool operator==(const Measured&, const Measured&) = default;
};

size_t qHash(const Measured& m, size_t seed = 0) {
    return qHashMulti(seed, m.family, m.size, m.symbol, m.text);
}

const QFontMetricsF& metricsOf(const ReportFont& font) {
    thread_local QHash<Measured, QFontMetricsF> metrics;
    const Measured key{font.family, font.pointSize, font.symbol, {}};
    auto it = metrics.constFind(key);
    if (it == metrics.constEnd())
        it = metrics.insert(key, QFontMetricsF(QtReportMeasurer::fontFor(font)));
    return *it;
}

constexpr qsizetype kLongestCached = 40;
constexpr qsizetype kMostCached = 100000;

} // namespace

double QtReportMeasurer::height(const ReportFont& font) const {
    return metricsOf(font).height() / kUnitsPerMm;
}

double QtReportMeasurer::width(const ReportFont& font, const QString& text) const {
    if (text.size() > kLongestCached)
        return metricsOf(font).horizontalAdvance(shownText(font, text)) / kUnitsPerMm;
    thread_local QHash<Measured, double> widths;
    const Measured key{font.family, font.pointSize, font.symbol, text};
    const double cached = widths.value(key, -1); // no width is negative
    if (cached >= 0)
        return cached;
    if (widths.size() > kMostCached)
        widths.clear();
    const double measured = metricsOf(font).horizontalAdvance(shownText(font, text)) / kUnitsPerMm;
    widths.insert(key, measured);
    return measured;
}
