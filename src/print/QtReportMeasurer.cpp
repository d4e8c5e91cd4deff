#include "print/QtReportMeasurer.h"

#include "ui/ProgramFonts.h"

#include <QFontMetricsF>
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

double QtReportMeasurer::height(const ReportFont& font) const {
    return QFontMetricsF(fontFor(font)).height() / kUnitsPerMm;
}

double QtReportMeasurer::width(const ReportFont& font, const QString& text) const {
    return QFontMetricsF(fontFor(font)).horizontalAdvance(shownText(font, text)) / kUnitsPerMm;
}
