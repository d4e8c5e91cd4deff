#include "search/SearchFilter.h"

#include "store/IngredientSlots.h"

#include <QStringList>

QString SearchFilter::ingredientCode(int number) {
    return number <= 0 ? QString() : IngredientSlots::FormatNumber5(number);
}

QString SearchFilter::rowClause(const Row& row) {
    const QString first = ingredientCode(row.ingredient);
    if (first.isEmpty())
        return {};
    const QString alternative = row.without ? QString() : ingredientCode(row.alternative);
    const QString term = QStringLiteral("AT(\"") + first + QStringLiteral("\",Z)") +
                         (row.without ? QStringLiteral("=0") : QStringLiteral(">0"));
    if (alternative.isEmpty())
        return term;
    return QStringLiteral("(") + term + QStringLiteral(" .OR. AT(\"") + alternative +
           QStringLiteral("\",Z)>0)");
}

QString SearchFilter::build(const Terms& terms) {
    QStringList clauses;
    for (const Row& row : terms.rows) {
        const QString clause = rowClause(row);
        if (!clause.isEmpty())
            clauses << clause;
    }
    if (terms.categoryPosition >= 0)
        clauses << QStringLiteral("KAT = ") + QString::number(terms.categoryPosition + 1);
    if (terms.tastePosition >= 0)
        clauses << QStringLiteral("GESCH = ") + QString::number(terms.tastePosition + 1);
    if (terms.minimumAlcohol < 100)
        clauses << QStringLiteral("ALK >= ") + QString::number(terms.minimumAlcohol) +
                       QStringLiteral(" .AND. ALK <= ") + QString::number(terms.maximumAlcohol);
    if (terms.markedOnly)
        clauses << QStringLiteral("MARK = 1");
    if (terms.ownOnly)
        clauses << QStringLiteral("BILD = \"e\"");
    return clauses.join(QStringLiteral(" .AND. "));
}
