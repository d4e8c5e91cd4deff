#include "maint/RecipeReader.h"

#include "maint/IngredientInfo.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"

RecipeDraft RecipeReader::read(const RecipeSources& sources, int recNo) {
    TApollo& re = sources.recipes;
    re.Go(recNo);
    RecipeDraft d;
    d.name = re.GetTrimString(Fields::Recipe::Name);
    d.photo = re.GetTrimString(Fields::Recipe::OwnPhoto).trimmed();
    d.kat = int(re.GetInteger(Fields::Recipe::Category));
    d.gesch = int(re.GetInteger(Fields::Recipe::Taste));
    d.deko = int(re.GetInteger(Fields::Recipe::Decoration));
    d.canr = int(re.GetInteger(Fields::Recipe::AssistantCode));
    if (!re.IsEmpty(Fields::Recipe::Instructions))
        splitMemo(re.GetMemo(Fields::Recipe::Instructions), &d.instructions, &d.remark);
    const IngredientSlots stored(re.GetPaddedString(Fields::Recipe::Ingredients),
                                 re.GetPaddedString(Fields::Recipe::Amounts));
    for (const IngredientSlots::Line& slot : stored.lines()) {
        const std::optional<IngredientInfo> info = IngredientInfo::find(sources.ingredients, slot.ingredient);
        if (info)
            d.lines.append(RecipeLine::make(slot.ingredient, slot.amount, info->kind, info->name));
        else
            d.lines.append({slot.ingredient, slot.amount, RecipeLine::missingName()});
    }
    return d;
}

void RecipeReader::splitMemo(const QString& memo, QString* instructions, QString* remark) {
    const qsizetype at = memo.lastIndexOf(QChar(0xFE));
    if (at >= 0 && at + 1 < memo.size() && memo.at(at + 1) == QChar(0xFD)) {
        *instructions = memo.left(at);
        *remark = memo.mid(at + 2);
        return;
    }
    *instructions = memo;
    remark->clear();
}
