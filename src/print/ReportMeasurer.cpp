#include "print/ReportMeasurer.h"

#include <QRegularExpression>

QStringList ReportMeasurer::wrap(const ReportFont& font, const QString& text, double width) const {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    for (const QString& paragraph : text.split(breaks)) {
        if (this->width(font, paragraph) <= width) {
            lines << paragraph; // as written, spaces and all
            continue;
        }
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (this->width(font, joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            // A word too wide for a line of its own goes on in pieces.
            while (word.size() > 1 && this->width(font, word) > width) {
                qsizetype fits = 1;
                while (fits < word.size() && this->width(font, word.left(fits + 1)) <= width)
                    ++fits;
                lines << word.left(fits);
                word = word.mid(fits);
            }
            line = word;
        }
        lines << line;
    }
    return lines;
}
