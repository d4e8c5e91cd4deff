#include "editors/RecipeWriter.h"

#include "editors/IngredientInfo.h"
#include "store/AlcoholValue.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

RecipeWriter::SlotFields RecipeWriter::slotFields(TApollo& ingredients, const QList<RecipeLine>& lines,
                                                  int dashesPerCl) {
    QList<IngredientSlots::Line> stored;
    AlcoholValue::Known known;
    for (const RecipeLine& line : lines) {
        const std::optional<IngredientInfo> info = IngredientInfo::find(ingredients, line.ingredient);
        if (info)
            known.insert(line.ingredient, {info->kind, info->alcohol});
        const bool noAmount = info && info->kind == UnitKind::None;
        stored.append({line.ingredient, noAmount ? 0 : line.amount});
    }
    return {IngredientSlots::encodeNumbers(stored), IngredientSlots::encodeAmounts(stored),
            AlcoholValue::compute(stored, AlcoholValue::lookupIn(known), dashesPerCl)};
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
        re.ReplaceText(Fields::Recipe::Name, draft.name.trimmed());
        if (isNew)
            re.ReplaceText(Fields::Recipe::Picture, QStringLiteral("e"));
        re.ReplaceText(Fields::Recipe::OwnPhoto, draft.photo.trimmed());
        re.ReplaceText(Fields::Recipe::Ingredients, fields.z);
        re.ReplaceText(Fields::Recipe::Amounts, fields.zmenge);
        re.ReplaceInteger(Fields::Recipe::Category, draft.kat);
        re.ReplaceInteger(Fields::Recipe::Alcohol, fields.alk);
        re.ReplaceInteger(Fields::Recipe::Decoration, draft.deko);
        re.ReplaceInteger(Fields::Recipe::Taste, draft.gesch);
        if (isNew || !draft.keepMark)
            re.ReplaceInteger(Fields::Recipe::Mark, 0);
        if (sources.canrMode)
            re.ReplaceInteger(Fields::Recipe::AssistantCode, draft.canr.value_or(0));
        re.ReplaceEditedMemo(Fields::Recipe::Instructions,
                             RecipeMemo::join(draft.instructions, draft.remark));
        re.Commit();
    } catch (const StoreError&) {
        re.Cancel();
        throw;
    }
    return re.RecNo();
}
