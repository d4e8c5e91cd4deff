#include "exchange/JsonLdImport.h"

#include "common/TextFold.h"
#include "exchange/BarGlossary.h"
#include "exchange/IngredientText.h"
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
#include <QMap>
#include <QRegularExpression>

namespace {

// Keywords our earlier exports labelled.
const QString kTasteLabel = QStringLiteral("Geschmack");
const QString kDecorationLabel = QStringLiteral("Dekoration");
const QString kAssistantLabel = QStringLiteral("Cocktailassistent");

QString key(const QString& name) {
    return TextFold::fold(name.simplified());
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
        if (key(list.at(i)) == key(name))
            return int(i + 1);
    return 0;
}

int decorationNumber(const QList<ListEntry>& decorations, const QString& name) {
    for (const ListEntry& entry : decorations)
        if (key(entry.text) == key(name))
            return entry.data;
    return 0;
}

// "Geschmack: fruchtig" gives "fruchtig" for the label "Geschmack"; anything else nothing.
std::optional<QString> labelled(const QString& keyword, const QString& label) {
    const qsizetype colon = keyword.indexOf(QLatin1Char(':'));
    if (colon < 0 || keyword.left(colon).trimmed().compare(label, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return keyword.mid(colon + 1).trimmed();
}

bool isLabelled(const QString& keyword) {
    return keyword.contains(QLatin1Char(':'));
}

// Every Recipe object wherever a page keeps it; other objects (the page, the site, the author,
// the breadcrumbs) are passed over.
void collect(const QJsonValue& value, QJsonArray& recipes, int depth = 0) {
    if (depth > 8)
        return;
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            collect(item, recipes, depth + 1);
        return;
    }
    const QJsonObject object = value.toObject();
    if (JsonLdRecipe::isRecipeType(object.value(QStringLiteral("@type")))) {
        recipes << object;
        return;
    }
    for (const char* inner : {"@graph", "itemListElement", "item", "mainEntity"})
        if (const QJsonValue part = object.value(QLatin1String(inner)); part.isArray() || part.isObject())
            collect(part, recipes, depth + 1);
}

} // namespace

// One import on the staged tables: the ingredients by name and the recipe names taken so far.
class JsonLdImport::Pass {
public:
    Pass(StagedTables& staged, const ExchangeLists& lists, int dashesPerCl,
         IngredientMatcher::Aliases aliases)
        : m_recipes(staged.recipes()), m_ingredients(staged.ingredients()), m_lists(lists),
          m_dashesPerCl(dashesPerCl), m_names(staged.recipeNames()) {
        m_matcher.setAliases(std::move(aliases));
        for (m_ingredients.GoTop(); !m_ingredients.Eof(); m_ingredients.Skip(1)) {
            const int number = int(m_ingredients.GetInteger(Fields::Ingredient::Number));
            m_highest = std::max(m_highest, number); // deleted numbers are never given again
            if (m_ingredients.IsDeleted())
                continue;
            ++m_count;
            const IngredientMatcher::Ingredient known{
                number, int(m_ingredients.GetInteger(Fields::Ingredient::Unit)),
                int(m_ingredients.GetInteger(Fields::Ingredient::Alcohol)),
                m_ingredients.GetTrimString(Fields::Ingredient::Name).trimmed()};
            m_matcher.add(known);
            m_byNumber.insert(number, {known.kind, known.alcohol});
        }
        m_fallback = listNumber(m_lists.categories, fallbackCategory());
        for (qsizetype i = 0; m_fallback == 0 && i < m_lists.categories.size(); ++i)
            if (const QString name = m_lists.categories.at(i).trimmed();
                !name.isEmpty() && name != QStringLiteral("~"))
                m_fallback = int(i + 1);
    }

    void add(const ExchangeRecipe& recipe, int position, Outcome& outcome) {
        m_where = QStringLiteral("Rezept %1 („%2“)").arg(position).arg(recipe.name);
        QList<IngredientSlots::Line> lines;
        for (qsizetype i = 0; i < recipe.lines.size(); ++i)
            if (const std::optional<IngredientSlots::Line> line =
                    slot(recipe.lines.at(i), int(i + 1), outcome))
                lines << *line;
        const QString name = uniqueName(recipe.name.left(kNameLength));
        m_names.insert(StagedTables::nameKey(name));
        const Photo photo = photoOf(recipe.photo.isEmpty() ? recipe.image : recipe.photo);
        TApollo& t = m_recipes;
        t.AppendBlank();
        t.ReplaceText(Fields::Recipe::Name, name);
        t.ReplaceText(Fields::Recipe::Picture, photo.bild);
        t.ReplaceText(Fields::Recipe::OwnPhoto, photo.eigen);
        t.ReplaceText(Fields::Recipe::Ingredients, IngredientSlots::encodeNumbers(lines));
        t.ReplaceText(Fields::Recipe::Amounts, IngredientSlots::encodeAmounts(lines));
        t.ReplaceInteger(Fields::Recipe::Category, category(recipe));
        t.ReplaceInteger(Fields::Recipe::Taste, taste(recipe, outcome));
        t.ReplaceInteger(Fields::Recipe::Decoration, decoration(recipe, outcome));
        t.ReplaceInteger(Fields::Recipe::Alcohol, AlcoholValue::compute(lines, lookup(), m_dashesPerCl));
        t.ReplaceInteger(Fields::Recipe::Mark, 0);
        t.ReplaceInteger(Fields::Recipe::AssistantCode, assistantCode(recipe));
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

    // The recipes that went where the fallback category is, by the category their file named.
    void reportFallbacks(Outcome& outcome) const {
        const QString fallback = m_lists.categories.value(m_fallback - 1).trimmed();
        for (auto it = m_fallbacks.cbegin(); it != m_fallbacks.cend(); ++it) {
            const QString count =
                it.value() == 1 ? QStringLiteral("1 Rezept") : QStringLiteral("%1 Rezepte").arg(it.value());
            outcome.warnings
                << (it.key().isEmpty()
                        ? QStringLiteral("Ohne Kategorie: %1 unter „%2“ eingeordnet.").arg(count, fallback)
                        : QStringLiteral("Kategorie „%1“ gibt es nicht: %2 unter „%3“ eingeordnet.")
                              .arg(it.key(), count, fallback));
        }
    }

private:
    std::optional<IngredientSlots::Line> slot(const ExchangeRecipe::Line& line, int index, Outcome& outcome) {
        const QString written = line.unread.isEmpty() ? IngredientText::format(line) : line.unread;
        const QString where =
            m_where + QStringLiteral(", Zutat %1 („%2“): ").arg(index).arg(written.trimmed());
        if (line.ingredient.isEmpty()) {
            outcome.warnings << where + QStringLiteral("keine Zutat genannt, weggelassen.");
            return std::nullopt;
        }
        std::optional<IngredientMatcher::Match> match = m_matcher.find(line.ingredient);
        if (!match) {
            const QString name = IngredientMatcher::newName(line.ingredient, kIngredientNameLength);
            const int kind = line.unread.isEmpty() ? Measure::suggestedKind(line.unit) : UnitKind::None;
            match = IngredientMatcher::Match{create(name, kind, outcome)};
            m_matcher.add(match->ingredient, {line.ingredient});
        }
        const IngredientMatcher::Ingredient& ingredient = match->ingredient;
        if (!line.unread.isEmpty()) {
            outcome.warnings << where + QStringLiteral("Menge nicht lesbar, ohne Menge übernommen.");
            return IngredientSlots::Line{ingredient.number, 0};
        }
        const std::optional<int> amount =
            Measure::convert(line.amount, line.unit, ingredient.kind, m_dashesPerCl, match->perPiece);
        if (!amount) {
            outcome.warnings << where + QStringLiteral(
                                            "„%1“ wird in %2 gemessen, nicht in %3; ohne Menge übernommen.")
                                            .arg(ingredient.name, UnitKind::text(ingredient.kind),
                                                 Measure::word(line.unit));
            return IngredientSlots::Line{ingredient.number, 0};
        }
        if (*amount > IngredientText::kMaxAmount) {
            outcome.warnings << where + QStringLiteral("mehr als %1 %2, ohne Menge übernommen.")
                                            .arg(IngredientText::kMaxAmount)
                                            .arg(UnitKind::text(ingredient.kind));
            return IngredientSlots::Line{ingredient.number, 0};
        }
        return IngredientSlots::Line{ingredient.number, *amount};
    }

    IngredientMatcher::Ingredient create(const QString& name, int kind, Outcome& outcome) {
        const int number = std::max(m_highest + 1, kFirstOwnNumber);
        if (number > kHighestNumber || m_count >= kHighestNumber)
            throw JsonLdError(m_where +
                              QStringLiteral(", Eigenschaft „recipeIngredient“: Für die neue Zutat „%1“ ist "
                                             "keine Nummer mehr frei: die Zutatennummern reichen nur bis %2.")
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
        outcome.created << name;
        m_byNumber.insert(number, {kind, 0});
        return {number, kind, 0, name};
    }

    QString uniqueName(const QString& name) const {
        QString candidate = name;
        for (int attempt = 1; m_names.contains(StagedTables::nameKey(candidate)); ++attempt)
            candidate = importName(name, attempt);
        return candidate;
    }

    // The category's number by its name, or by what a word of recipe sites stands for, each also
    // without a plural s ("Sours", "Mocktails").
    int categoryNumber(const QString& text) const {
        const QString folded = key(text);
        QStringList forms{folded};
        if (folded.endsWith(QLatin1Char('s')))
            forms << folded.chopped(1);
        for (const QString& form : forms) {
            if (const int number = listNumber(m_lists.categories, form))
                return number;
            if (const QString target = BarGlossary::category(form); !target.isEmpty())
                if (const int number = listNumber(m_lists.categories, target))
                    return number;
        }
        return 0;
    }

    // The first category named that we know, then the first keyword that names one; never none.
    int category(const ExchangeRecipe& recipe) {
        for (const QString& text : recipe.categories + recipe.keywords)
            if (!isLabelled(text))
                if (const int number = categoryNumber(text))
                    return number;
        ++m_fallbacks[recipe.categories.value(0)];
        return m_fallback;
    }

    // An earlier export's "Geschmack: …", else the first keyword that is a taste.
    int taste(const ExchangeRecipe& recipe, Outcome& outcome) const {
        for (const QString& keyword : recipe.keywords)
            if (const std::optional<QString> name = labelled(keyword, kTasteLabel))
                return known(listNumber(m_lists.tastes, *name), kTasteLabel, *name, outcome);
        for (const QString& keyword : recipe.keywords)
            if (const int number = listNumber(m_lists.tastes, keyword))
                return number;
        return 0;
    }

    int decoration(const ExchangeRecipe& recipe, Outcome& outcome) const {
        for (const QString& keyword : recipe.keywords)
            if (const std::optional<QString> name = labelled(keyword, kDecorationLabel))
                return known(decorationNumber(m_lists.decorations, *name), kDecorationLabel, *name, outcome);
        for (const QString& keyword : recipe.keywords)
            if (const int number = decorationNumber(m_lists.decorations, keyword))
                return number;
        return 0;
    }

    static int assistantCode(const ExchangeRecipe& recipe) {
        if (recipe.assistantCode != 0)
            return recipe.assistantCode;
        for (const QString& keyword : recipe.keywords)
            if (const std::optional<QString> code = labelled(keyword, kAssistantLabel))
                return qBound(0, code->toInt(), 9999);
        return 0;
    }

    // A name an earlier export labelled that the lists lack is said; the field stays empty.
    int known(int number, const QString& what, const QString& name, Outcome& outcome) const {
        if (number == 0 && !name.isEmpty())
            outcome.warnings
                << m_where +
                       QStringLiteral(": %1 „%2“ gibt es nicht; ohne Zuordnung übernommen.").arg(what, name);
        return number;
    }

    AlcoholValue::Lookup lookup() const { return AlcoholValue::lookupIn(m_byNumber); }

    TApollo& m_recipes;
    TApollo& m_ingredients;
    const ExchangeLists& m_lists;
    int m_dashesPerCl;
    QSet<QString> m_names;
    IngredientMatcher m_matcher;
    AlcoholValue::Known m_byNumber;
    int m_highest = 0;
    int m_count = 0;
    int m_fallback = 0;
    QMap<QString, int> m_fallbacks;
    QString m_where;
};

QString JsonLdImport::importName(const QString& name, int attempt) {
    const QString suffix =
        attempt <= 1 ? QStringLiteral(" (Import)") : QStringLiteral(" (Import %1)").arg(attempt);
    return name.left(kNameLength - suffix.size()).trimmed() + suffix;
}

JsonLdImport::Parsed JsonLdImport::parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw JsonLdError(QStringLiteral("Die Datei ist keine gültige JSON-Datei (Fehler bei Zeichen %1).")
                              .arg(error.offset + 1));
    QJsonArray objects;
    collect(document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()), objects);
    if (objects.isEmpty())
        throw JsonLdError(QStringLiteral("Die Datei enthält keine Rezepte."));
    Parsed parsed;
    for (qsizetype i = 0; i < objects.size(); ++i)
        parsed.recipes << JsonLdRecipe::fromJson(objects.at(i), int(i + 1), &parsed.notes);
    return parsed;
}

JsonLdImport::Outcome JsonLdImport::run(TApolloEnv& env, const QString& dataFolder, const QByteArray& bytes,
                                        const ExchangeLists& lists, int dashesPerCl,
                                        IngredientMatcher::Aliases aliases) {
    const Parsed parsed = parse(bytes); // a file that cannot be read stops before anything is copied
    StagedTables staged(env, dataFolder);
    Outcome outcome;
    outcome.warnings = parsed.notes;
    {
        BulkWrite recipeWrites(staged.recipes()), ingredientWrites(staged.ingredients());
        Pass pass(staged, lists, dashesPerCl, std::move(aliases));
        for (qsizetype i = 0; i < parsed.recipes.size(); ++i)
            pass.add(parsed.recipes.at(i), int(i + 1), outcome);
        pass.reportFallbacks(outcome);
        ingredientWrites.finish();
        recipeWrites.finish();
    }
    staged.replaceData();
    return outcome;
}

QString JsonLdImport::doneText(const Outcome& outcome) {
    QString text = outcome.recipes == 1 ? QStringLiteral("1 Rezept importiert.")
                                        : QStringLiteral("%1 Rezepte importiert.").arg(outcome.recipes);
    if (outcome.created.size() == 1)
        text +=
            QStringLiteral("\r1 Zutat wurde neu angelegt (Alkoholgehalt 0 %): ") + outcome.created.first();
    else if (outcome.created.size() > 1)
        text += QStringLiteral("\r%1 Zutaten wurden neu angelegt (Alkoholgehalt 0 %): ")
                    .arg(outcome.created.size()) +
                outcome.created.join(QStringLiteral(", "));
    for (const QString& warning : outcome.warnings)
        text += QLatin1Char('\r') + warning;
    return text;
}
