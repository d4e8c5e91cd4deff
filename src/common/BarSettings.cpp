#include "common/BarSettings.h"

#include "store/IniFile.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Hausbar");
const QString kSubstitutes = QStringLiteral("Ersatzzutaten");
const QString kAlwaysAtHome = QStringLiteral("ImmerImHaus");
const QString kBasics = QStringLiteral("Grundzutaten");

bool validNumber(int number) {
    return number >= 0 && number < int(IngredientSet().size());
}

bool flag(const IniFile& ini, const QString& key) {
    return ini.value(kSection, key).trimmed() == QStringLiteral("1");
}

} // namespace

BarSettings BarSettings::load(const QString& path) {
    IniFile ini;
    if (path.isEmpty() || !ini.load(path))
        return BarSettings();
    return fromIni(ini);
}

BarSettings BarSettings::fromIni(const IniFile& ini) {
    BarSettings settings;
    settings.allowSubstitutes = flag(ini, kSubstitutes);
    settings.alwaysAtHome = flag(ini, kAlwaysAtHome);
    if (!ini.contains(kSection, kBasics))
        return settings;
    settings.basics.clear();
    for (const QString& part : ini.value(kSection, kBasics).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (ok)
            settings.setBasic(number, true);
    }
    return settings;
}

bool BarSettings::save(const QString& path) const {
    return toIni().save(path);
}

IniFile BarSettings::toIni() const {
    IniFile ini;
    ini.setValue(kSection, kSubstitutes, allowSubstitutes ? QStringLiteral("1") : QStringLiteral("0"));
    ini.setValue(kSection, kAlwaysAtHome, alwaysAtHome ? QStringLiteral("1") : QStringLiteral("0"));
    QStringList numbers;
    for (const int number : basics)
        numbers << QString::number(number);
    ini.setValue(kSection, kBasics, numbers.join(QLatin1Char(',')));
    return ini;
}

IngredientSet BarSettings::basicSet() const {
    IngredientSet set;
    for (const int number : basics)
        set.set(size_t(number));
    return set;
}

void BarSettings::setBasic(int number, bool basic) {
    if (!validNumber(number))
        return;
    basics.removeAll(number);
    if (basic) {
        basics.append(number);
        std::sort(basics.begin(), basics.end());
    }
}
