#include "browser/RecipeClipboard.h"

#include "browser/RecipeDisplay.h"
#include "browser/RecipeLoader.h"

QString RecipeClipboard::recipeText(const RecipeDisplay& d, bool withNote) {
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = d.title() + lineBreak + lineBreak;
    // The drink's other names above the ingredients are our own view, as the estimate in the glass.
    for (int i = d.firstIngredientLine; i < d.firstTextLine && i < int(d.lines.size()); ++i) {
        const QString& line = d.lines.at(i).text;
        // The estimate in the glass and the cost are our own view; the copied recipe stays the stored one.
        if (line.size() > 3 && i != d.glassLine && i != d.costLine && i != d.mixedLine)
            text += line.mid(1) + lineBreak;
    }
    text += d.instructionText;
    if (withNote && !d.note.isEmpty())
        text += lineBreak + lineBreak + RecipeLoader::noteHeading() + lineBreak +
                QString(d.note).replace(QLatin1Char('\n'), lineBreak);
    return text;
}
