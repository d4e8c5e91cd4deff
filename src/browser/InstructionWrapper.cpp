#include "browser/InstructionWrapper.h"

#include "browser/RecipeDisplay.h"
#include "browser/RecipeLoader.h"
#include "browser/TextMeasurer.h"

namespace {

const QChar kBlank = QLatin1Char(' ');

QString trimBlanks(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == kBlank)
        ++from;
    while (to > from && text.at(to - 1) == kBlank)
        --to;
    return text.mid(from, to - from);
}

class Wrapper {
public:
    Wrapper(RecipeDisplay& d, const TextMeasurer& m, int areaWidth, bool justify)
        : m_d(d), m_m(m), m_justify(justify), m_space(m.width(QStringLiteral(" "))),
          m_max(areaWidth - InstructionWrapper::kMargins) {}

    void run(const QString& text) {
        QChar previous;
        for (QChar c : text) {
            if (m_full)
                return;
            // CR breaks the line; an LF breaks it too unless it ends a CR LF (texts other writers
            // stored with LF alone keep their breaks).
            const bool secondHalf = c == QLatin1Char('\n') && previous == QLatin1Char('\r');
            previous = c;
            if (secondHalf)
                continue;
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                addWord();
                endLine(false);
            } else if (c == kBlank) {
                addWord();
            } else {
                m_word += c;
            }
        }
        addWord();
        endLine(false);
    }

private:
    void addWord() {
        if (m_full)
            return;
        if (m_hasWord && m_m.width(m_line + m_word) > m_max) {
            endLine(true);
            m_line = m_word + kBlank;
        } else {
            m_line += m_word + kBlank;
        }
        m_hasWord = m_hasWord || !m_word.isEmpty();
        m_word.clear();
    }

    // Stores the current line and starts the next one, unless the table is full.
    void endLine(bool byWidth) {
        if (m_full)
            return;
        DisplayLine line;
        line.text = trimBlanks(m_line);
        const int gaps = int(line.text.count(kBlank));
        const int free = m_max - m_m.width(line.text);
        if (byWidth && m_justify && gaps >= 1 && free >= 0) {
            line.justified = true;
            line.gapWidth = free / gaps + m_space;
            line.remainder = free % gaps;
        }
        m_d.lines.append(line);
        m_line.clear();
        m_hasWord = false;
        m_full = m_d.lines.size() >= RecipeDisplay::kMaxLines;
    }

    RecipeDisplay& m_d;
    const TextMeasurer& m_m;
    const bool m_justify;
    const int m_space;
    const int m_max;
    QString m_line;
    QString m_word;
    bool m_hasWord = false;
    bool m_full = false;
};

} // namespace

void InstructionWrapper::WrapInstructions(RecipeDisplay& d, const TextMeasurer& m, int areaWidth,
                                          bool justify) {
    d.lines.resize(qMin<qsizetype>(d.firstTextLine, d.lines.size()));
    Wrapper(d, m, areaWidth, justify).run(d.instructionText);
    // The user's note follows the remark as a paragraph of its own, drawn in its own colour.
    d.firstNoteLine = -1;
    if (!d.note.isEmpty() && d.lines.size() + 2 < RecipeDisplay::kMaxLines) {
        d.lines.append(DisplayLine{});
        d.firstNoteLine = int(d.lines.size());
        QString note = d.note;
        note.replace(QLatin1Char('\n'), QLatin1Char('\r'));
        Wrapper(d, m, areaWidth, justify).run(RecipeLoader::noteHeading() + QLatin1Char('\r') + note);
    }
    d.lastLine = int(d.lines.size()) - 1;
    d.topLine = 0;
}
