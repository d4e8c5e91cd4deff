#include "assistants/HomeBarPresets.h"

#include "common/IngredientLookup.h"
#include "common/ListCollation.h"
#include "store/Fields.h"
#include "store/TApollo.h"

namespace {

const QList<int> kBasis = {5, 26, 58, 74, 67, 99, 52, 93, 134, 2,  25, 15, 23, 10,
                           8, 34, 1,  45, 85, 14, 97, 48, 4,   17, 7,  9,  6,  19};
// Follows the first 27 of the basic list.
const QList<int> kStandardMore = {91,  59,  70,  42,  83, 36, 44, 46, 105, 95, 137, 35,
                                  120, 130, 156, 189, 60, 29, 72, 21, 38,  3,  19};
// Follows the 50 of the standard list.
const QList<int> kProfiMore = {76,  47, 117, 16, 41, 61, 113, 12,  114, 119, 69,  144, 27,
                               170, 55, 143, 75, 49, 88, 185, 128, 43,  18,  135, 86};

} // namespace

QString HomeBarPresets::menuText(Preset preset) {
    switch (preset) {
    case Preset::Basis:
        return QStringLiteral("&Basis");
    case Preset::Standard:
        return QStringLiteral("&Standard");
    case Preset::Profi:
        return QStringLiteral("&Profi");
    }
    return QString();
}

QList<int> HomeBarPresets::numbers(Preset preset) {
    const QList<int> standard = kBasis.first(27) + kStandardMore;
    switch (preset) {
    case Preset::Basis:
        return kBasis;
    case Preset::Standard:
        return standard;
    case Preset::Profi:
        return standard + kProfiMore;
    }
    return {};
}

QList<ListEntry> HomeBarPresets::entries(Preset preset, TApollo& ingredients) {
    QList<ListEntry> out;
    const int records = ingredients.RecCount();
    for (int number : numbers(preset)) {
        if (number > records || !IngredientLookup::seek(ingredients, number))
            continue;
        ListCollation::insertSorted(out, {ingredients.GetTrimString(Fields::Ingredient::Name), number});
    }
    return out;
}
