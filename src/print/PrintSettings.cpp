#include "print/PrintSettings.h"

QStringList PrintSettings::separatorNames() {
    return {QStringLiteral("Kein Trennzeichen"), QStringLiteral("Linie"),       QStringLiteral("drei Rauten"),
            QStringLiteral("ein Stern"),         QStringLiteral("Steuerruder"), QStringLiteral("Ornament")};
}

QStringList PrintSettings::sheetNames() {
    return {QStringLiteral("eine Karte je Seite"), QStringLiteral("4 × DIN A6 auf DIN A4"),
            QStringLiteral("2 Karteikarten auf DIN A4")};
}

QStringList PrintSettings::alignmentNames() {
    return {QStringLiteral("Zentriert"), QStringLiteral("Linksbündig"), QStringLiteral("Rechtsbündig")};
}

QStringList PrintSettings::ingredientNames() {
    return {QStringLiteral("keine"), QStringLiteral("die ersten drei"), QStringLiteral("die ersten fünf")};
}

QStringList PrintSettings::paperNames() {
    return {QStringLiteral("DIN A4"), QStringLiteral("DIN A5")};
}

QStringList PrintSettings::orientationNames() {
    return {QStringLiteral("Hochformat"), QStringLiteral("Querformat")};
}

QStringList PrintSettings::purchaseNames() {
    return {QStringLiteral("ohne Zukauf"), QStringLiteral("1 Zukauf"), QStringLiteral("2 Zukäufe"),
            QStringLiteral("3 Zukäufe")};
}
