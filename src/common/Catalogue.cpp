#include "common/Catalogue.h"

#include "common/DataTables.h"
#include "common/ListCollation.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/ListsFile.h"
#include "store/TApollo.h"

void Catalogue::setLists(const QStringList& categories, const QStringList& tastes) {
    const bool categoriesChanged = categories != m_categories;
    const bool tastesChanged = tastes != m_tastes;
    m_categories = categories;
    m_tastes = tastes;
    if (categoriesChanged)
        emit changed(Categories);
    if (tastesChanged)
        emit changed(Tastes);
}

void Catalogue::readLists(const QString& path) {
    QStringList categories;
    QStringList tastes;
    ListsFile::load(path, &categories, &tastes);
    setLists(categories, tastes);
}

void Catalogue::setIngredients(const IngredientChoices& choices) {
    m_ingredients = choices;
    emit changed(Ingredients);
}

void Catalogue::changeIngredients(const std::function<void(IngredientChoices&)>& change) {
    change(m_ingredients);
    emit changed(Ingredients);
}

void Catalogue::setDecorations(const QList<ListEntry>& decorations) {
    m_decorations = decorations;
    emit changed(Decorations);
}

void Catalogue::setRecipeTotal(int total) {
    if (total == m_recipeTotal)
        return;
    m_recipeTotal = total;
    emit changed(Recipes);
}

void Catalogue::countRecipes(TApollo& recipes) {
    setRecipeTotal(recipes.Count());
}

void Catalogue::reload(Kind kind, DataTables& tables) {
    switch (kind) {
    case Ingredients:
        setIngredients(readIngredients(tables.ApolloZutaten));
        break;
    case Decorations:
        setDecorations(readDecorations(tables.ApolloDeko));
        break;
    case Recipes:
        countRecipes(tables.ApolloRezepte);
        break;
    case Categories:
    case Tastes:
        break; // kept in the lists file, not in a table: `setLists`
    }
}

void Catalogue::reloadAll(DataTables& tables) {
    reload(Recipes, tables);
    reload(Ingredients, tables);
    reload(Decorations, tables);
}

namespace {

void addIngredient(IngredientChoices& choices, const TApollo& ingredients) {
    const QString name = ingredients.GetTrimString(Fields::Ingredient::Name);
    const int number = int(ingredients.GetInteger(Fields::Ingredient::Number));
    choices.zutatliste.append({name, number});
    const qint64 kind = ingredients.GetInteger(Fields::Ingredient::Unit);
    if (kind == 0 || kind == 4)
        choices.bloodAlcohol.append(
            {name + ChoiceKind::bloodAlcoholSuffix(), number + ChoiceKind::kBloodAlcoholTag});
    choices.homeBars.takeFlags(ingredients);
    for (int bar = 1; bar <= HomeBarTable::kBars; ++bar) {
        if (choices.homeBars.contains(bar, number))
            choices.homeBarLists[size_t(bar - 1)].append({name, number});
    }
}

} // namespace

IngredientChoices Catalogue::readIngredients(TApollo& ingredients) {
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

QList<ListEntry> Catalogue::readDecorations(TApollo& decorations) {
    QList<ListEntry> out;
    TurboRead fast(decorations);
    for (decorations.GoTop(); !decorations.Eof(); decorations.Skip())
        out.append({decorations.GetTrimString(Fields::Term::Name), decorations.RecNo()});
    return out;
}
