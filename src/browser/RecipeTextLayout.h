#pragma once

#include <QList>
#include <QSize>
#include <QString>

class LexiconLinks;
class LexiconTerms;
class TextMeasurer;
struct DisplayLine;
struct RecipeDisplay;

// Where the recipe text goes in the text area (`DrawText` without the painting): which lines are
// visible, where each piece of text starts, which words are lexicon links. The GUI paints the runs
// in the text or link colour; y is the top of the line.
class RecipeTextLayout {
public:
    static constexpr int kLeft = 20;
    static constexpr int kTop = 20;
    static constexpr int kBottom = 20;

    struct Options {
        bool ingredientsCentred = true; // "Zutaten zentriert"
        bool lexiconMarked = false;     // "Begriffe des Lexikons markiert*"
    };
    struct Run {
        QString text;
        int x = 0;
        int y = 0;
        bool link = false;
        int line = -1; // the display line it belongs to
    };
    struct Word {
        QString text;
        int x = 0;
        int width = 0;
        int next = 0; // x after the word and its gap
    };

    // Arranges the lines from `TopLine` on: stores each line's height and the extent of fact and
    // ingredient lines, sets `LastShownLine`, refills the links (when marking is on and terms are
    // given) and returns the pieces of text to draw.
    static QList<Run> arrange(RecipeDisplay& display, const TextMeasurer& measurer, const QSize& area,
                              const Options& options, const LexiconTerms* terms, LexiconLinks& links);
    // The last line that fits: drawing stops after `LastLine` or when the next line would end
    // below the area's height less 20. The first line is always drawn.
    static int lastShownLine(int topLine, int lastLine, int lineHeight, int areaHeight);

    // A fact or ingredient line: the text drawn (without its first character) and its left edge.
    static QString factText(const QString& text) { return text.mid(1); }
    static int factLeft(int textWidth, int areaWidth, bool centred);
    // Instruction lines of at most 2 characters are not drawn.
    static bool isDrawn(const DisplayLine& line);
    // The words of an instruction line where word-by-word drawing puts them: from x = 20, each word
    // followed by the line's gap width (plus 1 for the first gaps while the remainder lasts) when
    // justified, else by the width of a blank.
    static QList<Word> words(const DisplayLine& line, const TextMeasurer& measurer);
    // The clicked word: the first whose advance passes the mouse position; empty when none does.
    static QString clickedWord(const DisplayLine& line, const TextMeasurer& measurer, int x);

private:
    static void arrangeFactLine(DisplayLine& line, const TextMeasurer& m, int areaWidth, int y, bool centred,
                                QList<Run>& runs);
    static void arrangeTextLine(const DisplayLine& line, const TextMeasurer& m, int y, const Options& options,
                                const LexiconTerms* terms, LexiconLinks& links, QList<Run>& runs);
};
