#pragma once

#include "calc/BatchBottle.h"
#include "calc/QuantityRecipe.h"
#include "common/DisplayUnit.h"

class TApollo;

// The quantity calculator's state and rules: the recipe the main window shows, scaled to a number
// of drinks or to a total volume, each ingredient's amount written in cl, ml or litres.
class QuantitySession {
public:
    // The quantity units in the order of the dialog's buttons.
    enum class Unit { Stueck, Milliliter, Centiliter, Pint, Liter };
    static constexpr int kMaxQuantity = 9999;

    struct Result {
        QString field;   // when not empty, the field must show this: "1" after an entry of 0
        QString heading; // `Namelabel`
        QString output;  // `Ausgabememo`, each line ended by CR LF
    };

    QuantitySession(TApollo& recipes, TApollo& ingredients)
        : m_recipes(recipes), m_ingredients(ingredients) {}

    // Opening: reads the recipe with that record number; false when there is none to scale.
    // Throws StoreError when the tables cannot be read.
    bool begin(int recNo);
    void setRecipe(const QuantityRecipe& recipe) { m_recipe = recipe; }
    const QuantityRecipe& recipe() const { return m_recipe; }

    // Recompute from the field's text, the quantity unit and whether the output is in litres; as a
    // "Vorratsflasche" the quantity is the bottle's volume and the output what goes into it.
    const Result& recompute(const QString& quantityText, Unit unit, bool litres, bool batch = false);
    // The divisor of dashes per cl from the options, for the bottle's millilitres.
    void setDashesPerCl(int dashesPerCl) { m_dashesPerCl = dashesPerCl; }
    // The unit amounts are shown in: the output in cl becomes ml or oz, the bottle's ml become oz.
    void setShownUnit(DisplayUnit::Kind unit) { m_unit = unit; }
    static QString batchNeedsVolumeText() {
        return QStringLiteral("Geben Sie für die Vorratsflasche eine Menge in Milliliter, Centiliter, Pint "
                              "oder Liter an.");
    }
    const Result& result() const { return m_result; }
    // "Zwischenablage": the heading, an empty line, then the list.
    QString clipboardText() const;

    static QString headingText(Unit unit);
    static int millilitres(Unit unit); // factor to ml; 0 for "Stück"
    static QString tooSmallText() { return QStringLiteral("Wählen Sie eine größere Menge"); }
    static QString noVolumeText();
    static constexpr int kNoise = 9; // played when the dialog appears

private:
    enum class Output { Cl, Ml, Oz, Litres };
    // The scaling factor F as the fraction numerator / denominator.
    struct Factor {
        qint64 numerator = 1;
        qint64 denominator = 1;
    };
    QString line(const QuantityRecipe::Line& ingredient, const Factor& f, Output output) const;

    void recomputeBatch(int quantity, Unit unit);
    QString bottleLine(const BatchBottle::Line& line) const;

    TApollo& m_recipes;
    TApollo& m_ingredients;
    QuantityRecipe m_recipe;
    QString m_instructions;
    int m_dashesPerCl = 12;
    DisplayUnit::Kind m_unit = DisplayUnit::Cl;
    Result m_result;
};
