#pragma once

#include "DataSet.h"

// Refuses content the program could not handle. Every problem is one line naming the record.
class DataSetValidator {
public:
    static constexpr int kMaxName = 30;
    static constexpr int kMaxLines = 20;
    static constexpr int kFirstUserIngredient = 400;
    // One glass, however festive: a litre mug of beer with its head, at most 40 g of alcohol.
    static constexpr double kMaxGlassVolumeCl = 110;
    static constexpr double kMaxGlassAlcoholCl = 5;
    // From this stored strength on a drink reads like a neat spirit.
    static constexpr int kNeatSpiritPercent = 30;
    // The lexicon's measures: a shooter is a shot, at most with a chaser as small beside it; a
    // longdrink is long. The assistant's "kleiner Drink" stays below a longdrink, its "großer Drink"
    // holds more than a shortdrink.
    static constexpr double kMaxShooterCl = 8;
    static constexpr double kMinLongdrinkCl = 12;
    static constexpr double kSmallDrinkBelowCl = 20;
    static constexpr double kLargeDrinkFromCl = 10;

    // presetIngredients: the numbers the home bar presets offer; each must be a used ingredient.
    static QStringList validate(const DataSet& set, const QList<int>& presetIngredients = {});

private:
    explicit DataSetValidator(const DataSet& set) : m_set(set) {}
    void checkLists();
    void checkIngredients();
    void checkEntries(const QList<DataSet::Entry>& entries, const QString& what);
    void checkRecipes();
    void checkRecipe(const DataSet::Recipe& r);
    void checkLine(const DataSet::Recipe& r, const DataSet::Line& line);
    void checkStrength(const DataSet::Recipe& r);
    void checkOneGlass(const DataSet::Recipe& r);
    void checkClassification(const DataSet::Recipe& r, const class RecipeStrength& strength);
    int categoryNamed(const QString& name) const;
    void checkNeatStrength(const DataSet::Recipe& r, const class RecipeStrength& strength);
    void checkDuplicateRecipes();
    void checkGarnish(const DataSet::Recipe& r);
    void checkTexts(const DataSet::Recipe& r);
    void checkUse(const QList<int>& presetIngredients);
    void checkText(const DataSet::Origin& origin, const QString& text);
    void problem(const DataSet::Origin& origin, const QString& name, const QString& what);

    const DataSet& m_set;
    QStringList m_problems;
};
