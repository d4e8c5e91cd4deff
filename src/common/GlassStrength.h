#pragma once

#include "common/DisplayUnit.h"
#include "store/AlcoholValue.h"

#include <QString>

#include <optional>

// What reaches the glass: the stored alcohol value is that of the undiluted mix, but ice melts into a
// drink while it is shaken, stirred, built or blended. The estimate adds the typical melt water of the
// method, read from the instructions, and gives strength, volume and grams of pure alcohol.
class GlassStrength {
public:
    enum class Method { Shaken, Stirred, Built, Blended, Neat };
    // How the instructions make the drink, ice aside: the search offers these, and the method adds
    // what the ice does.
    enum class Preparation { Shaken, Stirred, Built, Blended, Hot };

    struct Estimate {
        Method method = Method::Neat;
        double volumeCl = 0;
        double percent = 0;
        double grams = 0;
    };

    static constexpr double kEthanolDensity = 0.789; // g per ml

    // The method named by the instructions; a drink neither shaken, stirred nor blended is built, on
    // ice when the instructions or the recipe's own ingredients name ice, neat otherwise (and always
    // neat when served hot).
    static Method methodOf(const QString& instructions, bool iceInRecipe);
    // Blended, shaken or stirred as the instructions name it; otherwise hot when they name heat, and
    // built when they do not.
    static Preparation preparationOf(const QString& instructions);
    // The melt water as a share of the undiluted volume.
    static double dilution(Method method);
    static QString methodName(Method method);

    // None for a recipe without alcohol or without counted volume.
    static std::optional<Estimate> estimate(const AlcoholValue::Mix& mix, Method method);
    // "Im Glas: ca. 20 %, 23 cl, 37 g Alkohol (geschüttelt)": short enough for the centred fact lines.
    // The volume in the shown unit.
    static QString text(const Estimate& estimate, DisplayUnit::Kind unit = DisplayUnit::Cl);
};
