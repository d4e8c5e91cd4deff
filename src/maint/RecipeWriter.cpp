#include "maint/RecipeWriter.h"

#include "maint/IngredientInfo.h"
#include "maint/UnitKind.h"
#include "store/AlcoholValue.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"

RecipeWriter::SlotFields RecipeWriter::slotFields(TApollo& ingredients, const QList<RecipeLine>& lines,
                                                  int dashesPerCl) {
    QList<IngredientSlots::Line> stored;
    QHash<int, AlcoholValue::Ingredient> known;
    for (const RecipeLine& line : lines) {
        const std::optional<IngredientInfo> info = IngredientInfo::find(ingredients, line.ingredient);
        if (info)
            known.insert(line.ingredient, {info->kind, info->alcohol});
        const bool noAmount = info && info->kind == UnitKind::None;
        stored.append({line.ingredient, noAmount ? 0 : line.amount});
    }
    const auto lookup = [&known](int number) -> std::optional<AlcoholValue::Ingredient> {
        const auto it = known.constFind(number);
        return it == known.cend() ? std::nullopt : std::optional(*it);
    };
    return {IngredientSlots::encodeNumbers(stored), IngredientSlots::encodeAmounts(stored),
            AlcoholValue::compute(stored, lookup, dashesPerCl)};
}

int RecipeWriter::WriteRecipe(const RecipeSources& sources, const RecipeDraft& draft, bool isNew, int recNo) {
    const SlotFields fields = slotFields(sources.ingredients, draft.lines, sources.dashesPerCl);
    TApollo& re = sources.recipes;
    try {
        if (isNew) {
            re.BeginAppend();
        } else {
            re.Go(recNo);
            re.Edit();
        }
        re.ReplaceText(QStringLiteral("NAME"), draft.name.trimmed());
        if (isNew)
            re.ReplaceText(QStringLiteral("BILD"), QStringLiteral("e"));
        re.ReplaceText(QStringLiteral("EIGEN"), draft.photo.trimmed());
        re.ReplaceText(QStringLiteral("Z"), fields.z);
        re.ReplaceText(QStringLiteral("ZMENGE"), fields.zmenge);
        re.ReplaceInteger(QStringLiteral("KAT"), draft.kat);
        re.ReplaceInteger(QStringLiteral("ALK"), fields.alk);
        re.ReplaceInteger(QStringLiteral("DEKO"), draft.deko);
        re.ReplaceInteger(QStringLiteral("GESCH"), draft.gesch);
        re.ReplaceInteger(QStringLiteral("MARK"), 0);
        if (sources.canrMode)
            re.ReplaceInteger(QStringLiteral("CANR"), draft.canr.value_or(0));
        re.ReplaceMemo(QStringLiteral("ANLEITUNG"), RecipeMemo::join(draft.instructions, draft.remark));
        re.Commit();
    } catch (const StoreError&) {
        re.Cancel();
        throw;
    }
    return re.RecNo();
}
