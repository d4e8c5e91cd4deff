#include "exchange/JsonLdImport.h"

#include "exchange/JsonLdError.h"
#include "exchange/JsonLdRecipe.h"
#include "exchange/StagedTables.h"
#include "store/AlcoholValue.h"
#include "store/BulkWrite.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QString key(const QString& name) {
    return StagedTables::nameKey(name);
}

struct Photo {
    QString bild = QStringLiteral("e"); // an imported recipe without collection photo is an own one
    QString eigen;
};

Photo photoOf(const QString& image) {
    static const QRegularExpression collection(QStringLiteral("^BILDER/[0-9]+/([0-9]{1,10})\\.BMP$"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression own(QStringLiteral("^EIGENE/([A-Za-z0-9_-]{1,8})\\.BMP$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = collection.match(image); m.hasMatch())
        return {m.captured(1), {}};
    if (const QRegularExpressionMatch m = own.match(image); m.hasMatch())
        return {QStringLiteral("e"), m.captured(1)};
    return {}; // an address elsewhere: the picture is not ours
}

int listNumber(const QStringList& list, const QString& name) {
    for (qsizetype i = 0; i < list.size(); ++i)
        if (key(list.at(i).trimmed()) == key(name))
            return int(i + 1);
    return 0;
}

int decorationNumber(const QList<ListEntry>& decorations, const QString& name) {
    for (const ListEntry& entry : decorations)
        if (key(entry.text.trimmed()) == key(name))
            return entry.data;
    return 0;
}

QJsonArray recipeObjects(const QJsonDocument& document) {
    if (document.isArray())
        return document.array();
    const QJsonObject object = document.object();
    const QJsonValue graph = object.value(QStringLiteral("@graph"));
    if (!graph.isArray())
        return {object};
    QJsonArray recipes; // a page's graph also holds the page, the site, the author
    for (const QJsonValue& item : graph.toArray()) {
        const QJsonValue type = item.toObject().value(QStringLiteral("@type"));
        if (type == QJsonValue(QStringLiteral("Recipe")) ||
            (type.isArray() && type.toArray().contains(QJsonValue(QStringLiteral("Recipe")))))
            recipes << item;
    }
    return recipes;
}

} // namespace

// One import on the staged tables: the ingredients by name and the recipe names taken so far.
class JsonLdImport::Pass {
public:
    Pass(StagedTables& staged, const ExchangeLists& lists, int dashesPerCl)
        : m_recipes(staged.recipes()), m_ingredients(staged.ingredients()), m_lists(lists),
          m_dashesPerCl(dashesPerCl), m_names(staged.recipeNames()) {
        for (m_ingredients.GoTop(); !m_ingredients.Eof(); m_ingredients.Skip(1)) {
            const int number = int(m_ingredients.GetInteger(Fields::Ingredient::Number));
            m_highest = std::max(m_highest, number); // deleted numbers are never given again
            if (m_ingredients.IsDeleted())
                continue;
            ++m_count;
            const Known known{number, int(m_ingredients.GetInteger(Fields::Ingredient::Unit)),
                              int(m_ingredients.GetInteger(Fields::Ingredient::Alcohol))};
            m_byName.insert(key(m_ingredients.GetTrimString(Fields::Ingredient::Name).trimmed()), known);
            m_byNumber.insert(number, {known.kind, known.alcohol});
        }
    }

    void add(const ExchangeRecipe& recipe, int position, Outcome& outcome) {
        m_where = QStringLiteral("Rezept %1 („%2“)").arg(position).arg(recipe.name);
        QList<IngredientSlots::Line> lines;
        for (qsizetype i = 0; i < recipe.lines.size(); ++i)
            lines << slot(recipe.lines.at(i), int(i + 1), outcome);
        const QString name = uniqueName(recipe.name.left(kNameLength));
        m_names.insert(key(name));
        const Photo photo = photoOf(recipe.image);
        TApollo& t = m_recipes;
        t.AppendBlank();
        t.ReplaceText(Fields::Recipe::Name, name);
        t.ReplaceText(Fields::Recipe::Picture, photo.bild);
        t.ReplaceText(Fields::Recipe::OwnPhoto, photo.eigen);
        t.ReplaceText(Fields::Recipe::Ingredients, IngredientSlots::encodeNumbers(lines));
        t.ReplaceText(Fields::Recipe::Amounts, IngredientSlots::encodeAmounts(lines));
        t.ReplaceInteger(Fields::Recipe::Category, classified(m_lists.categories, recipe.category,
                                                              QStringLiteral("Kategorie"), outcome));
        t.ReplaceInteger(Fields::Recipe::Taste,
                         classified(m_lists.tastes, recipe.taste, QStringLiteral("Geschmack"), outcome));
        t.ReplaceInteger(Fields::Recipe::Decoration, decoration(recipe.decoration, outcome));
        t.ReplaceInteger(Fields::Recipe::Alcohol, AlcoholValue::compute(lines, lookup(), m_dashesPerCl));
        t.ReplaceInteger(Fields::Recipe::Mark, 0);
        t.ReplaceInteger(Fields::Recipe::AssistantCode, recipe.assistantCode);
        const QString memo = RecipeMemo::join(recipe.instructions, recipe.remark);
        t.ReplaceMemo(Fields::Recipe::Instructions, memo);
        t.Commit();
        QString texts = name + memo;
        for (const ExchangeRecipe::Line& line : recipe.lines)
            texts += line.ingredient;
        if (!Cp1252::canEncode(texts))
            outcome.warnings << m_where +
                                    QStringLiteral(": Zeichen, die die Tabellen nicht fassen, wurden durch "
                                                   "„?“ ersetzt.");
        ++outcome.recipes;
    }

private:
    struct Known {
        int number = 0;
        int kind = UnitKind::None;
        int alcohol = 0;
    };

    [[noreturn]] void fail(const QString& problem) const {
        throw JsonLdError(m_where + QStringLiteral(", Eigenschaft „recipeIngredient“: ") + problem);
    }

    IngredientSlots::Line slot(const ExchangeRecipe::Line& line, int index, Outcome& outcome) {
        const QString name = line.ingredient.left(kIngredientNameLength).trimmed();
        auto known = m_byName.constFind(key(name));
        if (known == m_byName.cend())
            known = m_byName.insert(key(name), create(name, line.kind, outcome));
        // A line without unit names an ingredient without amount; any other unit must be the one
        // the ingredient is measured in.
        if (line.kind != UnitKind::None && line.kind != known->kind)
            fail(QStringLiteral("Zutat %1: „%2“ wird in %3 gemessen, nicht in %4.")
                     .arg(index)
                     .arg(name,
                          UnitKind::text(known->kind).isEmpty() ? QStringLiteral("keiner Einheit")
                                                                : UnitKind::text(known->kind),
                          UnitKind::text(line.kind)));
        return {known->number, known->kind == UnitKind::None ? 0 : line.amount};
    }

    Known create(const QString& name, int kind, Outcome& outcome) {
        const int number = std::max(m_highest + 1, kFirstOwnNumber);
        if (number > kHighestNumber || m_count >= kHighestNumber)
            fail(QStringLiteral("Für die neue Zutat „%1“ ist keine Nummer mehr frei: die Zutatennummern "
                                "reichen nur bis %2.")
                     .arg(name)
                     .arg(kHighestNumber));
        TApollo& t = m_ingredients;
        t.AppendBlank();
        t.ReplaceInteger(Fields::Ingredient::Number, number);
        t.ReplaceText(Fields::Ingredient::Name, name);
        t.ReplaceInteger(Fields::Ingredient::Alcohol, 0); // the file does not say; the user can set it
        t.ReplaceInteger(Fields::Ingredient::Unit, kind);
        for (const QString& bar :
             {Fields::Ingredient::Bar1, Fields::Ingredient::Bar2, Fields::Ingredient::Bar3})
            t.ReplaceLogical(bar, false);
        for (const QString& zero : {Fields::Ingredient::NoPrint, Fields::Ingredient::Price,
                                    Fields::Ingredient::Volume, Fields::Ingredient::Amount})
            t.ReplaceInteger(zero, 0);
        t.ReplaceMemo(Fields::Ingredient::Remark, QString());
        t.Commit();
        m_highest = number;
        ++m_count;
        ++outcome.ingredients;
        m_byNumber.insert(number, {kind, 0});
        return {number, kind, 0};
    }

    QString uniqueName(const QString& name) const {
        QString candidate = name;
        for (int attempt = 1; m_names.contains(key(candidate)); ++attempt)
            candidate = importName(name, attempt);
        return candidate;
    }

    int classified(const QStringList& list, const QString& name, const QString& what,
                   Outcome& outcome) const {
        if (name.isEmpty())
            return 0;
        const int number = listNumber(list, name);
        if (number == 0)
            outcome.warnings
                << m_where +
                       QStringLiteral(": %1 „%2“ gibt es nicht; ohne Zuordnung übernommen.").arg(what, name);
        return number;
    }

    int decoration(const QString& name, Outcome& outcome) const {
        if (name.isEmpty())
            return 0;
        const int number = decorationNumber(m_lists.decorations, name);
        if (number == 0)
            outcome.warnings << m_where + QStringLiteral(": Dekoration „%1“ gibt es nicht; ohne Zuordnung "
                                                         "übernommen.")
                                              .arg(name);
        return number;
    }

    AlcoholValue::Lookup lookup() const { return AlcoholValue::lookupIn(m_byNumber); }

    TApollo& m_recipes;
    TApollo& m_ingredients;
    const ExchangeLists& m_lists;
    int m_dashesPerCl;
    QSet<QString> m_names;
    QHash<QString, Known> m_byName;
    AlcoholValue::Known m_byNumber;
    int m_highest = 0;
    int m_count = 0;
    QString m_where;
};

QString JsonLdImport::importName(const QString& name, int attempt) {
    const QString suffix =
        attempt <= 1 ? QStringLiteral(" (Import)") : QStringLiteral(" (Import %1)").arg(attempt);
    return name.left(kNameLength - suffix.size()).trimmed() + suffix;
}

QList<ExchangeRecipe> JsonLdImport::parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw JsonLdError(QStringLiteral("Die Datei ist keine gültige JSON-Datei (Fehler bei Zeichen %1).")
                              .arg(error.offset + 1));
    const QJsonArray objects = recipeObjects(document);
    if (objects.isEmpty())
        throw JsonLdError(QStringLiteral("Die Datei enthält keine Rezepte."));
    QList<ExchangeRecipe> recipes;
    for (qsizetype i = 0; i < objects.size(); ++i)
        recipes << JsonLdRecipe::fromJson(objects.at(i), int(i + 1));
    return recipes;
}

JsonLdImport::Outcome JsonLdImport::run(TApolloEnv& env, const QString& dataFolder, const QByteArray& bytes,
                                        const ExchangeLists& lists, int dashesPerCl) {
    const QList<ExchangeRecipe> recipes = parse(bytes); // an invalid file stops before anything is copied
    StagedTables staged(env, dataFolder);
    Outcome outcome;
    {
        BulkWrite recipeWrites(staged.recipes()), ingredientWrites(staged.ingredients());
        Pass pass(staged, lists, dashesPerCl);
        for (qsizetype i = 0; i < recipes.size(); ++i)
            pass.add(recipes.at(i), int(i + 1), outcome);
        ingredientWrites.finish();
        recipeWrites.finish();
    }
    staged.replaceData();
    return outcome;
}

QString JsonLdImport::doneText(const Outcome& outcome) {
    QString text = outcome.recipes == 1 ? QStringLiteral("1 Rezept importiert.")
                                        : QStringLiteral("%1 Rezepte importiert.").arg(outcome.recipes);
    if (outcome.ingredients == 1)
        text += QStringLiteral("\r1 Zutat wurde neu angelegt (Alkoholgehalt 0 %).");
    else if (outcome.ingredients > 1)
        text +=
            QStringLiteral("\r%1 Zutaten wurden neu angelegt (Alkoholgehalt 0 %).").arg(outcome.ingredients);
    for (const QString& warning : outcome.warnings)
        text += QLatin1Char('\r') + warning;
    return text;
}
