#include "print/PrintRecordBuilder.h"

#include "store/Fields.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

namespace {

// The n-th entry (1-based) of a classification list; empty outside the list.
QString nth(const QStringList& list, qint64 n) {
    return n >= 1 && n <= list.size() ? list.at(n - 1) : QString();
}

} // namespace

void PrintRecordBuilder::summaryLines(const QStringList& names, PrintSettings::Ingredients choice,
                                      QString* line1, QString* line2) {
    *line1 = names.value(0);
    for (int i = 1; i < 3 && i < names.size(); ++i)
        *line1 += QStringLiteral(", ") + names.at(i);
    line2->clear();
    if (choice != PrintSettings::Ingredients::FirstFive || names.size() < 4)
        return;
    *line1 += QLatin1Char(',');
    *line2 = names.at(3);
    if (names.size() > 4)
        *line2 += QStringLiteral(", ") + names.at(4);
}

// A separator followed by nothing is no remark: the editors never write one, and an empty remark
// would print a heading with nothing under it.
QString PrintRecordBuilder::memoText(const QString& memo, PrintSettings::Layout layout, bool* hasRemark) {
    QString instructions;
    QString remark;
    RecipeMemo::split(memo, &instructions, &remark);
    *hasRemark = !remark.isEmpty();
    if (layout == PrintSettings::Layout::DrinkList)
        return remark;
    if (!*hasRemark)
        return instructions;
    return instructions + QStringLiteral("\r\n\r\nBemerkung: \r\n") + remark;
}

PrintRecord PrintRecordBuilder::build(const Sources& s, const PrintSettings& settings) {
    RecipeBook own(s.recipes, s.ingredients);
    RecipeBook& book = s.book ? *s.book : own;
    const RecipeRecord recipe = book.read(s.recipes.RecNo(), settings.writesMemo());
    PrintRecord r;
    r.name = recipe.name;
    // Asterisks, since the print table and the text export keep Windows-1252.
    if (settings.listLayout() && settings.stars && s.stars)
        if (const int stars = s.stars->value(recipe.recNo); stars > 0)
            r.name += QStringLiteral("  ") + QString(stars, QLatin1Char('*'));
    if (!settings.listLayout())
        addCardFacts(s, recipe, r);
    else if (settings.sections)
        r.s1 = nth(s.categories, recipe.category);
    bool hasRemark = false;
    if (settings.writesMemo() && !recipe.memo.isEmpty())
        r.memo = memoText(recipe.memo, settings.layout, &hasRemark);
    if (settings.writesIngredients())
        addIngredients(recipe, settings, s.unit, r);
    if (settings.listLayout() && hasRemark)
        r.z[2] = QStringLiteral("*");
    return r;
}

void PrintRecordBuilder::addCardFacts(const Sources& s, const RecipeRecord& recipe, PrintRecord& r) {
    r.bild = recipe.picture;
    r.eigen = recipe.ownPhoto;
    r.s1 = nth(s.categories, recipe.category);
    r.s2 = QString::number(recipe.alcohol) + QLatin1Char('%');
    if (recipe.decoration > 0) {
        s.decorations.Go(recipe.decoration);
        if (!s.decorations.Eof())
            r.s3 = s.decorations.GetTrimString(Fields::Term::Name);
    }
    if (recipe.taste >= 1)
        r.s4 = nth(s.tastes, recipe.taste);
}

// Slot by slot up to the first ingredient number 0; a negative number leaves its line empty.
void PrintRecordBuilder::addIngredients(const RecipeRecord& recipe, const PrintSettings& settings,
                                        DisplayUnit::Kind unit, PrintRecord& r) {
    QStringList names;
    for (const RecipeRecord::Line& line : recipe.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        if (ingredient.number < 0)
            continue;
        if (!settings.listLayout())
            r.z[size_t(line.slot)] = DisplayUnit::line(line.amount, ingredient.unit, ingredient.name, unit);
        else if (!ingredient.unprinted && names.size() < kSummaryNames)
            names.append(ingredient.name);
    }
    if (settings.listLayout())
        summaryLines(names, settings.ingredients, &r.z[0], &r.z[1]);
    r.s5 = DisplayUnit::volume(recipe.clTotal(), unit);
}
