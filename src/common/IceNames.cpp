#include "common/IceNames.h"

#include <QRegularExpression>

bool IceNames::isIce(const QString& ingredientName) {
    // Compiled once: every recipe shown asks it for each ingredient line.
    static const QRegularExpression ice(QStringLiteral("^(eiswürfel|crushed ice|eis)$"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
    return ice.match(ingredientName).hasMatch();
}

bool IceNames::isSparkling(const QString& ingredientName) {
    // Whole words where a short name could hide in another ("Chocolate", "Cavalier"); compounds
    // ("Zitronenlimonade", "Weizenbier") match inside.
    static const QRegularExpression sparkling(
        QStringLiteral(
            "soda|mineralwasser|sprudel|tonic|ginger ale|ginger beer|\\bcola|limonade|bitter lemon|"
            "energy|sekt|champagner|prosecco|\\bcava\\b|crémant|cremant|spumante|schaumwein|"
            "frizzante|bier|berliner weiße|cidre|cider"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return sparkling.match(ingredientName).hasMatch();
}
