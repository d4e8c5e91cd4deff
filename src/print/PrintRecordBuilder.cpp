#include "print/PrintRecordBuilder.h"

#include "common/IngredientLookup.h"
#include "common/UnitKind.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

namespace {

// The n-th entry (1-based) of a classification list; empty outside the list.
QString nth(const QStringList& list, qint64 n) {
    return n >= 1 && n <= list.size() ? list.at(n - 1) : QString();
}

} // namespace

QString PrintRecordBuilder::ingredientLine(int amount, int kind, const QString& name) {
    QString line;
    if (amount != 0 && kind != kNoAmount)
        line += QString::number(amount) + QLatin1Char(' ');
    if (kind != kNoAmount)
        line += UnitKind::text(kind) + QStringLiteral("  ");
    return line + name;
}

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

PrintRecordBuilder::Ingredient PrintRecordBuilder::lookUp(const Sources& s, int number) {
    if (s.known) {
        const auto it = s.known->constFind(number);
        if (it != s.known->constEnd())
            return it.value();
    }
    TApollo& ingredients = s.ingredients;
    Ingredient found{QStringLiteral("nicht in Datenbank!"), kNoAmount, false};
    const auto remember = [&] {
        if (s.known)
            s.known->insert(number, found);
        return found;
    };
    if (!IngredientLookup::seek(ingredients, number))
        return remember();
    found.name = ingredients.GetTrimString(QStringLiteral("NAME")).left(kIngredientNameLength);
    found.kind = int(ingredients.GetInteger(QStringLiteral("KENNUNG")));
    if (UnitKind::text(found.kind).isEmpty()) // an unknown kind has no unit, like kind 3
        found.kind = kNoAmount;
    found.unprinted = ingredients.GetInteger(QStringLiteral("WICHTIG")) == 1;
    return remember();
}

PrintRecord PrintRecordBuilder::build(const Sources& s, const PrintSettings& settings) {
    PrintRecord r;
    TApollo& re = s.recipes;
    r.name = re.GetTrimString(QStringLiteral("NAME"));
    if (!settings.listLayout())
        addCardFacts(s, r);
    else if (settings.sections)
        r.s1 = nth(s.categories, re.GetInteger(QStringLiteral("KAT")));
    bool hasRemark = false;
    if (settings.writesMemo() && !re.IsEmpty(QStringLiteral("ANLEITUNG")))
        r.memo = memoText(re.GetMemo(QStringLiteral("ANLEITUNG")), settings.layout, &hasRemark);
    if (settings.writesIngredients())
        addIngredients(s, settings, r);
    if (settings.listLayout() && hasRemark)
        r.z[2] = QStringLiteral("*");
    return r;
}

void PrintRecordBuilder::addCardFacts(const Sources& s, PrintRecord& r) {
    TApollo& re = s.recipes;
    r.bild = re.GetTrimString(QStringLiteral("BILD"));
    r.eigen = re.GetTrimString(QStringLiteral("EIGEN"));
    r.s1 = nth(s.categories, re.GetInteger(QStringLiteral("KAT")));
    r.s2 = QString::number(re.GetInteger(QStringLiteral("ALK"))) + QLatin1Char('%');
    const int decoration = int(re.GetInteger(QStringLiteral("DEKO")));
    const qint64 taste = re.GetInteger(QStringLiteral("GESCH"));
    if (decoration > 0) {
        s.decorations.Go(decoration);
        if (!s.decorations.Eof())
            r.s3 = s.decorations.GetTrimString(QStringLiteral("NAME"));
    }
    if (taste >= 1)
        r.s4 = nth(s.tastes, taste);
}

// Slot by slot up to the first ingredient number 0; a negative number leaves its line empty.
void PrintRecordBuilder::addIngredients(const Sources& s, const PrintSettings& settings, PrintRecord& r) {
    const IngredientSlots packed(s.recipes.GetPaddedString(QStringLiteral("Z")),
                                 s.recipes.GetPaddedString(QStringLiteral("ZMENGE")));
    int total = 0;
    QStringList names;
    for (int j = 0; j < IngredientSlots::kMaxSlots; ++j) {
        const int number = packed.ingredientNumber(j);
        if (number == 0)
            break;
        if (number < 0)
            continue;
        const int amount = packed.amount(j);
        const Ingredient ingredient = lookUp(s, number);
        if (ingredient.kind == 0)
            total += amount;
        if (!settings.listLayout())
            r.z[size_t(j)] = ingredientLine(amount, ingredient.kind, ingredient.name);
        else if (!ingredient.unprinted && names.size() < kSummaryNames)
            names.append(ingredient.name);
    }
    if (settings.listLayout())
        summaryLines(names, settings.ingredients, &r.z[0], &r.z[1]);
    r.s5 = QString::number(total) + QStringLiteral(" cl");
}
