#include "browser/RecipeTextLayout.h"

#include "browser/LexiconLinks.h"
#include "browser/RecipeDisplay.h"
#include "browser/TextMeasurer.h"

#include <QRect>

int RecipeTextLayout::lastShownLine(int topLine, int lastLine, int lineHeight, int areaHeight) {
    int y = kTop;
    int line = topLine;
    for (;;) {
        y += lineHeight;
        if (line >= lastLine || y + lineHeight > areaHeight - kBottom)
            return line;
        ++line;
    }
}

int RecipeTextLayout::factLeft(int textWidth, int areaWidth, bool centred) {
    return centred ? (areaWidth - textWidth) / 2 : kLeft;
}

bool RecipeTextLayout::isDrawn(const DisplayLine& line) {
    return line.text.size() > 2;
}

QList<RecipeTextLayout::Word> RecipeTextLayout::words(const DisplayLine& line, const TextMeasurer& m) {
    QList<Word> out;
    const int space = m.width(QStringLiteral(" "));
    int remainder = line.remainder;
    int x = kLeft;
    for (const QString& word : line.text.split(QLatin1Char(' '))) {
        const int width = m.width(word);
        const int start = x;
        if (line.justified) {
            x += width + line.gapWidth + (remainder > 0 ? 1 : 0);
            --remainder;
        } else {
            x += width + space;
        }
        out.append({word, start, width, x});
    }
    return out;
}

QString RecipeTextLayout::clickedWord(const DisplayLine& line, const TextMeasurer& m, int x) {
    for (const Word& w : words(line, m)) {
        if (w.next > x)
            return w.text;
    }
    return QString();
}

void RecipeTextLayout::arrangeFactLine(DisplayLine& line, const TextMeasurer& m, int areaWidth, int y,
                                       bool centred, QList<Run>& runs) {
    const QString text = factText(line.text);
    const int width = m.width(text);
    line.left = factLeft(width, areaWidth, centred);
    line.right = line.left + width;
    runs.append({text, line.left, y, false});
}

void RecipeTextLayout::arrangeTextLine(const DisplayLine& line, const TextMeasurer& m, int y,
                                       const Options& options, const LexiconTerms* terms, LexiconLinks& links,
                                       QList<Run>& runs) {
    if (!isDrawn(line))
        return;
    const bool marking = options.lexiconMarked && terms;
    if (!line.justified && !marking) {
        runs.append({line.text, kLeft, y, false});
        return;
    }
    for (const Word& w : words(line, m)) {
        const bool link = marking && links.mark(w.text, QRect(w.x, y, w.width, line.height), *terms);
        runs.append({w.text, w.x, y, link});
    }
}

QList<RecipeTextLayout::Run> RecipeTextLayout::arrange(RecipeDisplay& d, const TextMeasurer& m,
                                                       const QSize& area, const Options& options,
                                                       const LexiconTerms* terms, LexiconLinks& links) {
    QList<Run> runs;
    links.clear();
    if (d.lines.isEmpty())
        return runs;
    const int height = m.height();
    d.topLine = qBound(0, d.topLine, int(d.lines.size()) - 1);
    d.lastShownLine =
        lastShownLine(d.topLine, qMin(d.lastLine, int(d.lines.size()) - 1), height, area.height());
    int y = kTop;
    for (int i = d.topLine; i <= d.lastShownLine; ++i, y += height) {
        DisplayLine& line = d.lines[i];
        line.height = height;
        const qsizetype first = runs.size();
        if (RecipeDisplay::isFactLine(line.text))
            arrangeFactLine(line, m, area.width(), y, options.ingredientsCentred, runs);
        else
            arrangeTextLine(line, m, y, options, terms, links, runs);
        for (qsizetype r = first; r < runs.size(); ++r)
            runs[r].line = i;
    }
    return runs;
}
