#include "common/IceNames.h"

#include <QRegularExpression>

bool IceNames::isIce(const QString& ingredientName) {
    // Compiled once: every recipe shown asks it for each ingredient line.
    static const QRegularExpression ice(QStringLiteral("^(eiswürfel|crushed ice|eis)$"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
    return ice.match(ingredientName).hasMatch();
}
