#include "calc/BloodAlcohol.h"

#include "common/HalfEven.h"

#include <cmath>

qint64 BloodAlcohol::grams(qint64 volumeMl, int percent) {
    // V[cl] x A x 0.1 x 0.8 x 0.9 = V[ml] x A x 72 / 10000, exact in integers.
    return HalfEven::divide(volumeMl * percent * 72, 10000);
}

double BloodAlcohol::promille(qint64 grams, int weightKg, int hours, double reduction) {
    if (weightKg <= 0 || reduction <= 0.0)
        return 0.0;
    const double p = double(grams) / (weightKg * reduction) - hours * kEliminationPerHour;
    if (p < 0.0)
        return 0.0;
    // Values that two decimals would round up to 10.00 are capped as well.
    return p >= kUpperBound + 0.005 ? kUpperBound : p;
}

int BloodAlcohol::minutesToZero(double promille) {
    if (promille <= 0.0)
        return 0;
    return int(std::ceil(promille / kEliminationPerHour * 60.0 - 1e-9));
}

QString BloodAlcohol::label(double promille) {
    const QString text = QString::number(promille, 'f', 2);
    return promille >= kUpperBound || text.size() > 4 ? QStringLiteral("9.99") : text;
}

QStringList BloodAlcohol::announcement(const QString& label) {
    if (label.size() != 4 || label.at(1) != QLatin1Char('.'))
        return {};
    const auto digit = [&label](int i) { return label.at(i).digitValue(); };
    if (digit(0) < 0 || digit(2) < 0 || digit(3) < 0)
        return {};
    const auto file = [](int number) -> QString { return QString::number(number) + QStringLiteral(".WAV"); };
    return {file(16), file(20 + digit(0)), file(4), file(20 + digit(2)), file(20 + digit(3)), file(5)};
}
