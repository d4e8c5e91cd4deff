#include "editors/ChoiceLists.h"

#include "common/ListCollation.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

QList<ListEntry> ChoiceLists::classification(const QStringList& list) {
    QList<ListEntry> out;
    for (int i = 0; i < int(list.size()); ++i) {
        if (!list.at(i).startsWith(freeSlot()))
            out.append({list.at(i), i});
    }
    return out;
}

QList<ListEntry> ChoiceLists::categoryChoices(const QStringList& categories, const QString& first) {
    QList<ListEntry> sorted = classification(categories);
    ListCollation::sort(sorted);
    return QList<ListEntry>{{first, 0}} + sorted;
}

QList<ListEntry> ChoiceLists::tasteChoices(const QStringList& tastes, const QString& first) {
    return QList<ListEntry>{{first, 0}} + classification(tastes);
}

void ChoiceLists::addIngredient(IngredientChoices& choices, const TApollo& ingredients) {
    const QString name = ingredients.GetTrimString(Fields::Ingredient::Name);
    const int number = int(ingredients.GetInteger(Fields::Ingredient::Number));
    choices.zutatliste.append({name, number});
    const qint64 kind = ingredients.GetInteger(Fields::Ingredient::Unit);
    if (kind == 0 || kind == 4)
        choices.bloodAlcohol.append({name + bloodAlcoholSuffix(), number + kBloodAlcoholTag});
    choices.homeBars.takeFlags(ingredients);
    for (int bar = 1; bar <= HomeBarTable::kBars; ++bar) {
        if (choices.homeBars.contains(bar, number))
            choices.homeBarLists[size_t(bar - 1)].append({name, number});
    }
}

IngredientChoices ChoiceLists::readIngredients(TApollo& ingredients) {
    IngredientChoices choices;
    {
        TurboRead fast(ingredients);
        for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip())
            addIngredient(choices, ingredients);
    }
    ListCollation::sort(choices.zutatliste);
    ListCollation::sort(choices.bloodAlcohol);
    for (QList<ListEntry>& bar : choices.homeBarLists)
        ListCollation::sort(bar);
    return choices;
}

QList<ListEntry> ChoiceLists::ingredientBox(const QList<ListEntry>& zutatliste) {
    return QList<ListEntry>{{noChoice(), 0}} + zutatliste;
}

void ChoiceLists::replaceBloodAlcoholIngredients(QList<ListEntry>& list,
                                                 const QList<ListEntry>& ingredientEntries) {
    list.removeIf([](const ListEntry& e) { return e.data >= kBloodAlcoholTag; });
    for (const ListEntry& e : ingredientEntries)
        ListCollation::insertSorted(list, e);
}

QList<ListEntry> ChoiceLists::readDecorations(TApollo& decorations) {
    QList<ListEntry> out;
    TurboRead fast(decorations);
    for (decorations.GoTop(); !decorations.Eof(); decorations.Skip())
        out.append({decorations.GetTrimString(Fields::Term::Name), decorations.RecNo()});
    return out;
}

QList<ListEntry> ChoiceLists::decorationChoices(const QList<ListEntry>& decorations) {
    QList<ListEntry> sorted = decorations;
    ListCollation::sort(sorted);
    return QList<ListEntry>{{noAssignment(), 0}} + sorted;
}
