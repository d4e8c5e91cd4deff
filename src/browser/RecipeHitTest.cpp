#include "browser/RecipeHitTest.h"

#include "browser/LexiconLinks.h"
#include "browser/LexiconTerms.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"

int RecipeHitTest::lineAt(const RecipeDisplay& d, int y) {
    int top = RecipeTextLayout::kTop;
    for (int i = d.topLine; i <= d.lastShownLine && i < int(d.lines.size()); ++i) {
        const int height = d.lines.at(i).height;
        if (y > top && y < top + height)
            return i;
        top += height;
    }
    return -1;
}

bool RecipeHitTest::linkCursor(const RecipeDisplay& d, const LexiconLinks& links, const QPoint& point) {
    const int line = lineAt(d, point.y());
    if (line < 0)
        return false;
    if (line == d.alcoholLine || line == d.glassLine || line == d.categoryLine || line == d.amountLine)
        return true;
    if (d.isIngredientLine(line) || line == d.decorationLine) {
        const DisplayLine& l = d.lines.at(line);
        return point.x() >= l.left && point.x() <= l.right;
    }
    return links.termAt(point) >= 0;
}

RecipeHitTest::Click RecipeHitTest::click(const RecipeDisplay& d, const LexiconLinks& links,
                                          const TextMeasurer& measurer, const QPoint& point) {
    Click c;
    const int line = lineAt(d, point.y());
    if (line < 0)
        return c;
    if (line == d.categoryLine)
        c.target = Target::Category;
    else if (line == d.alcoholLine || line == d.glassLine)
        c.target = Target::Alcohol;
    else if (line == d.amountLine)
        c.target = Target::Amount;
    else if (line == d.decorationLine)
        c.target = Target::Decoration;
    else if (d.isIngredientLine(line)) {
        c.target = Target::Ingredient;
        c.ingredient = d.lineIngredient.value(line);
    } else if (links.termAt(point) >= 0) {
        c.target = Target::LexiconTerm;
        c.term = links.termAt(point);
    } else if (line >= d.firstTextLine) {
        // Words of up to 2 characters are not looked up.
        const QString word = RecipeTextLayout::clickedWord(d.lines.at(line), measurer, point.x());
        if (!LexiconTerms::clickKey(word).isEmpty()) {
            c.target = Target::Word;
            c.word = word;
        }
    }
    return c;
}

RecipeHitTest::WordLookup RecipeHitTest::lookUpWord(const QString& clickedWord,
                                                    const LexiconTerms& ingredients,
                                                    const LexiconTerms& terms) {
    WordLookup found;
    const QString key = LexiconTerms::clickKey(clickedWord);
    if (key.isEmpty())
        return found;
    found.ingredientEntry = ingredients.firstBeginningWith(key);
    if (found.ingredientEntry < 0)
        found.term = terms.firstPrefixOf(key);
    return found;
}

int RecipeHitTest::categoryTerm(const QString& categoryName, const LexiconTerms& terms) {
    return categoryName.isEmpty() ? -1 : terms.firstBeginningWith(categoryName);
}

QString RecipeHitTest::noCategoryInfoText() {
    return QStringLiteral("Zu dieser Kategorie enthält das\rBarlexikon keine Informationen.");
}

QString RecipeHitTest::noInfoText() {
    return QStringLiteral("Keine näheren Informationen gefunden.");
}
