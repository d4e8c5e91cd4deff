#pragma once

#include <QStringList>

// The Widmark estimate of the blood alcohol assistant: grams of alcohol absorbed from a volume,
// the per mille value from the grams, the body weight and the drinking time, and its label.
class BloodAlcohol {
public:
    static constexpr int kDefaultPortionCl = 20;  // a piece of an ingredient without `MENGE`
    static constexpr double kReduction = 0.7;     // Widmark factor r, one value for every person
    static constexpr double kReductionMen = 0.68; // the body water of men and of women, when chosen
    static constexpr double kReductionWomen = 0.55;
    static constexpr double kEliminationPerHour = 0.15;
    static constexpr double kUpperBound = 9.99;
    static constexpr int kMinWeight = 20;
    static constexpr int kMaxWeight = 300;
    static constexpr int kMinHours = 0;
    static constexpr int kMaxHours = 99;

    // round(V x A x 0.1 x 0.8 x 0.9) for V in cl: the volume in ml times the percentage times the
    // density 0.8 g/ml and the absorbed share 0.9; halves to even.
    static qint64 grams(qint64 volumeMl, int percent);
    // P = G / (W x r) - T x 0.15, at least 0, and 9.99 where it would reach 10.
    static double promille(qint64 grams, int weightKg, int hours, double reduction = kReduction);
    // The minutes until the value is down to 0.0 at 0.15 per hour, rounded up.
    static int minutesToZero(double promille);
    // Two decimals with a point ("1.17"); never more than "9.99".
    static QString label(double promille);
    // The spoken result: "16.WAV", the first digit, "4.WAV" (the point), the two decimals, "5.WAV";
    // a digit d is the file 20 + d. Empty for a label not of the form "d.dd".
    static QStringList announcement(const QString& label);
};
