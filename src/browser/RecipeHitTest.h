#pragma once

#include <QPoint>
#include <QString>

class LexiconLinks;
class LexiconTerms;
class TextMeasurer;
struct RecipeDisplay;

// What lies under the mouse in the text area, as the most recent arrangement left the lines.
class RecipeHitTest {
public:
    enum class Target { None, Category, Alcohol, Amount, Decoration, Ingredient, LexiconTerm, Word };
    struct Click {
        Target target = Target::None;
        int ingredient = 0; // Ingredient: the line's ingredient number
        int term = -1;      // LexiconTerm: position in the term list
        QString word;       // Word: the clicked word as it stands in the line
    };
    // What a clicked word of the instructions leads to: an entry of the lexicon's ingredient list
    // that begins with it, else the first term it begins with; -1 for none of each.
    struct WordLookup {
        int ingredientEntry = -1;
        int term = -1;
        bool found() const { return ingredientEntry >= 0 || term >= 0; }
    };

    // The visible line whose band (y0, y0 + height), both ends excluded, holds y; y0 starts at 20.
    // -1 when none.
    static int lineAt(const RecipeDisplay& display, int y);
    // The hand cursor: anywhere on the alcohol, category and amount lines; on an ingredient line or
    // the decoration line between `LineLeft` and `LineRight`; on a marked term.
    static bool linkCursor(const RecipeDisplay& display, const LexiconLinks& links, const QPoint& point);
    // What a press of the left button at the point does.
    static Click click(const RecipeDisplay& display, const LexiconLinks& links, const TextMeasurer& measurer,
                       const QPoint& point);
    static WordLookup lookUpWord(const QString& clickedWord, const LexiconTerms& ingredients,
                                 const LexiconTerms& terms);
    // The lexicon term that explains a category: the first that begins with its name.
    static int categoryTerm(const QString& categoryName, const LexiconTerms& terms);

    static QString noCategoryInfoText();
    static constexpr int kNoCategoryInfoLines = 2;
    static QString noInfoText();
    static constexpr int kNoInfoLines = 1;
    static QString lexiconCaption() { return QStringLiteral("Barlexikon"); }
    static QString decorationCaption() { return QStringLiteral("Dekoration"); }
};
