#pragma once

#include "calc/QuantityRecipe.h"

// The quantity calculator's rules: scaling the recipe to a number of drinks or to a total volume
// and writing each ingredient's amount for that quantity in cl, ml or litres.
class QuantityCalculator {
public:
    // The quantity units in the order of the dialog's buttons.
    enum class Unit { Stueck, Milliliter, Centiliter, Pint, Liter };
    static constexpr int kMaxQuantity = 9999;

    struct Result {
        QString field;   // when not empty, the field must show this: "1" after an entry of 0
        QString heading; // `Namelabel`
        QString output;  // `Ausgabememo`, each line ended by CR LF
    };

    void setRecipe(const QuantityRecipe& recipe) { m_recipe = recipe; }
    const QuantityRecipe& recipe() const { return m_recipe; }

    // Recompute from the field's text, the quantity unit and whether the output is in litres.
    const Result& recompute(const QString& quantityText, Unit unit, bool litres);
    const Result& result() const { return m_result; }
    // "Zwischenablage": the heading, an empty line, then the list.
    QString clipboardText() const;

    static QString headingText(Unit unit);
    static int millilitres(Unit unit); // factor to ml; 0 for "Stück"
    static QString tooSmallText() { return QStringLiteral("Wählen Sie eine größere Menge"); }
    static QString noVolumeText();
    static QString copiedText() { return QStringLiteral("Der Text wurde in die Zwischenablage kopiert."); }

private:
    enum class Output { Cl, Ml, Litres };
    // The scaling factor F as the fraction numerator / denominator.
    struct Factor {
        qint64 numerator = 1;
        qint64 denominator = 1;
    };
    QString line(const QuantityRecipe::Line& ingredient, const Factor& f, Output output) const;

    QuantityRecipe m_recipe;
    Result m_result;
};
