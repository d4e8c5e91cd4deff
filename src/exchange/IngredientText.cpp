#include "exchange/IngredientText.h"

#include <QRegularExpression>

QString IngredientText::format(const ExchangeRecipe::Line& line) {
    const QString unit = UnitKind::text(line.kind);
    if (unit.isEmpty())
        return line.ingredient;
    return QString::number(line.amount) + QLatin1Char(' ') + unit + QLatin1Char(' ') + line.ingredient;
}

std::optional<int> IngredientText::unitKind(const QString& unit) {
    for (const int kind : {UnitKind::Cl, UnitKind::Gram, UnitKind::Piece, UnitKind::Dash})
        if (unit.compare(UnitKind::text(kind), Qt::CaseInsensitive) == 0)
            return kind;
    return std::nullopt;
}

std::optional<ExchangeRecipe::Line> IngredientText::parse(const QString& text) {
    const QString line = text.simplified();
    if (line.isEmpty())
        return std::nullopt;
    if (!line.front().isDigit())
        return ExchangeRecipe::Line{0, UnitKind::None, line};
    static const QRegularExpression measured(QStringLiteral("^([0-9]{1,4}) (\\S+) (.+)$"));
    const QRegularExpressionMatch match = measured.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<int> kind = unitKind(match.captured(2));
    if (!kind)
        return std::nullopt;
    return ExchangeRecipe::Line{match.captured(1).toInt(), *kind, match.captured(3)};
}
