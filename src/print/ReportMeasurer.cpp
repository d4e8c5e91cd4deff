#include "print/ReportMeasurer.h"

#include <QRegularExpression>

// A line's width is estimated from its words' widths, which measurers cache; only a line whose
// estimate comes within two spaces of the limit is measured whole, so that kerning never decides
// differently from a measurement of the whole line.
QStringList ReportMeasurer::wrap(const ReportFont& font, const QString& text, double width) const {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const double space = this->width(font, QStringLiteral(" "));
    const auto fits = [&](const QString& joined, double estimate) {
        if (qAbs(estimate - width) > 2 * space)
            return estimate <= width;
        return this->width(font, joined) <= width;
    };
    QStringList lines;
    for (const QString& paragraph : text.split(breaks)) {
        if (this->width(font, paragraph) <= width) {
            lines << paragraph; // as written, spaces and all
            continue;
        }
        QString line;
        double lineWidth = 0;
        for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const double wordWidth = this->width(font, word);
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            const double estimate = line.isEmpty() ? wordWidth : lineWidth + space + wordWidth;
            if (fits(joined, estimate)) {
                line = joined;
                lineWidth = estimate;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            // A word too wide for a line of its own goes on in pieces.
            while (word.size() > 1 && this->width(font, word) > width) {
                qsizetype fitting = 1;
                while (fitting < word.size() && this->width(font, word.left(fitting + 1)) <= width)
                    ++fitting;
                lines << word.left(fitting);
                word = word.mid(fitting);
            }
            line = word;
            lineWidth = this->width(font, word);
        }
        lines << line;
    }
    return lines;
}
