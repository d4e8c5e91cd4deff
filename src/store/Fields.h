#pragma once

#include <QString>

// The field names of the four main tables, in one place: code names a field through these
// constants, never through a string literal of its own.
namespace Fields {

// "RE": recipes.
namespace Recipe {
inline const QString Name = QStringLiteral("NAME");
inline const QString Picture = QStringLiteral("BILD");
inline const QString OwnPhoto = QStringLiteral("EIGEN");
inline const QString Ingredients = QStringLiteral("Z");
inline const QString Amounts = QStringLiteral("ZMENGE");
inline const QString Category = QStringLiteral("KAT");
inline const QString Taste = QStringLiteral("GESCH");
inline const QString Alcohol = QStringLiteral("ALK");
inline const QString Decoration = QStringLiteral("DEKO");
inline const QString Mark = QStringLiteral("MARK");
inline const QString AssistantCode = QStringLiteral("CANR");
inline const QString Instructions = QStringLiteral("ANLEITUNG");
} // namespace Recipe

// "ZU": ingredients.
namespace Ingredient {
inline const QString Number = QStringLiteral("INDEX");
inline const QString Name = QStringLiteral("NAME");
inline const QString Alcohol = QStringLiteral("ALKOHOL");
inline const QString Unit = QStringLiteral("KENNUNG");
inline const QString Bar1 = QStringLiteral("H1");
inline const QString Bar2 = QStringLiteral("H2");
inline const QString Bar3 = QStringLiteral("H3");
inline const QString NoPrint = QStringLiteral("WICHTIG");
inline const QString Price = QStringLiteral("PREIS");
inline const QString Volume = QStringLiteral("VOL");
inline const QString Amount = QStringLiteral("MENGE");
inline const QString Remark = QStringLiteral("KOMMENTAR");
} // namespace Ingredient

// "DE" decorations and "BA" lexicon terms share one layout.
namespace Term {
inline const QString Name = QStringLiteral("NAME");
inline const QString Picture = QStringLiteral("BILD");
inline const QString Text = QStringLiteral("TEXT");
} // namespace Term

// "DRUCK": the print table the reports read, refilled before every printout.
namespace Print {
inline const QString Name = QStringLiteral("NAME");
inline const QString Picture = QStringLiteral("BILD");
inline const QString OwnPhoto = QStringLiteral("EIGEN");
inline const QString Memo = QStringLiteral("MEMO");
// Z1..Z20: the ingredient lines; S1..S5: the facts.
inline QString line(int n) {
    return QStringLiteral("Z%1").arg(n);
}
inline QString fact(int n) {
    return QStringLiteral("S%1").arg(n);
}
} // namespace Print

} // namespace Fields
