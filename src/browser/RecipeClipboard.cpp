#include "browser/RecipeClipboard.h"

#include "browser/RecipeDisplay.h"

QString RecipeClipboard::recipeText(const RecipeDisplay& d) {
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = d.title() + lineBreak + lineBreak;
    // The drink's other names above the ingredients are our own view, as the estimate in the glass.
    for (int i = d.firstIngredientLine; i < d.firstTextLine && i < int(d.lines.size()); ++i) {
        const QString& line = d.lines.at(i).text;
        // The estimate in the glass and the cost are our own view; the copied recipe stays the stored one.
        if (line.size() > 3 && i != d.glassLine && i != d.costLine)
            text += line.mid(1) + lineBreak;
    }
    return text + d.instructionText;
}
