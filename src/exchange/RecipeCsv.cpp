#include "exchange/RecipeCsv.h"

#include "exchange/IngredientText.h"
#include "exchange/JsonLdExport.h"
#include "store/AtomicFile.h"

namespace {

// Line breaks become blanks: a drink is one line.
QString oneLine(const QString& text) {
    return text.simplified();
}

} // namespace

QStringList RecipeCsv::header() {
    return {QStringLiteral("Name"),       QStringLiteral("Kategorie"),         QStringLiteral("Geschmack"),
            QStringLiteral("Dekoration"), QStringLiteral("Alkoholgehalt (%)"), QStringLiteral("Menge (cl)"),
            QStringLiteral("Zutaten"),    QStringLiteral("Anleitung"),         QStringLiteral("Bemerkung")};
}

QStringList RecipeCsv::row(const ExchangeRecipe& recipe) {
    QStringList lines;
    for (const ExchangeRecipe::Line& line : recipe.lines)
        lines << IngredientText::format(line);
    return {oneLine(recipe.name),
            oneLine(recipe.categories.join(QStringLiteral(", "))),
            oneLine(recipe.taste),
            oneLine(recipe.decoration),
            recipe.alcohol >= 0 ? QString::number(recipe.alcohol) : QString(),
            recipe.volume >= 0 ? QString::number(recipe.volume) : QString(),
            oneLine(lines.join(QStringLiteral("; "))),
            oneLine(recipe.instructions),
            oneLine(recipe.remark)};
}

QString RecipeCsv::field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QByteArray RecipeCsv::document(const QList<ExchangeRecipe>& recipes) {
    QList<QStringList> rows{header()};
    for (const ExchangeRecipe& recipe : recipes)
        rows << row(recipe);
    QString text;
    for (const QStringList& fields : rows) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << field(f);
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool RecipeCsv::write(const QString& path, TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                      const QList<int>& recNos, QString* failure) {
    QList<ExchangeRecipe> list;
    for (const int recNo : recNos)
        list << JsonLdExport::read(recipes, ingredients, lists, recNo);
    QString reason;
    if (AtomicFile::write(path, document(list), &reason))
        return true;
    if (failure)
        *failure = AtomicFile::failureText(path, reason);
    return false;
}
