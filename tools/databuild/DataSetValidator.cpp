#include "DataSetValidator.h"

#include "RecipeStrength.h"
#include "common/BarSettings.h"
#include "store/Cp1252.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

QStringList DataSetValidator::validate(const DataSet& set, const QList<int>& presetIngredients) {
    DataSetValidator v(set);
    v.checkLists();
    v.checkIngredients();
    v.checkEntries(set.decorations, QStringLiteral("Dekoration"));
    v.checkEntries(set.lexicon, QStringLiteral("Lexikon"));
    v.checkRecipes();
    v.checkDuplicateRecipes();
    v.checkUse(presetIngredients);
    if (set.updateFrom < 0 || set.updateFrom > set.recipes.size())
        v.m_problems << QStringLiteral("update.txt: Rezept %1 gibt es nicht").arg(set.updateFrom);
    return v.m_problems;
}

void DataSetValidator::problem(const DataSet::Origin& origin, const QString& name, const QString& what) {
    m_problems << origin.describe(name) + QStringLiteral(": ") + what;
}

void DataSetValidator::checkText(const DataSet::Origin& origin, const QString& text) {
    if (!Cp1252::canEncode(text))
        problem(origin, {}, QStringLiteral("Zeichen außerhalb von Windows-1252 in „%1“").arg(text.left(40)));
}

void DataSetValidator::checkLists() {
    if (m_set.categories.size() < 16)
        m_problems << QStringLiteral("kategorien.txt: nur %1 Kategorien (mindestens 16)")
                          .arg(m_set.categories.size());
    for (const QStringList* list : {&m_set.categories, &m_set.tastes}) {
        for (const QString& entry : *list) {
            if (!Cp1252::canEncode(entry) || entry.size() > 255)
                m_problems << QStringLiteral("Listeneintrag „%1“ ist nicht speicherbar").arg(entry);
        }
    }
}

void DataSetValidator::checkIngredients() {
    QSet<QString> names;
    for (const DataSet::Ingredient& i : m_set.ingredients) {
        if (i.number < 1 || i.number >= kFirstUserIngredient)
            problem(i.origin, i.name, QStringLiteral("Zutatennummer außerhalb 1–399"));
        if (i.name.isEmpty() || i.name.size() > kMaxName)
            problem(i.origin, i.name,
                    QStringLiteral("Name fehlt oder ist länger als %1 Zeichen").arg(kMaxName));
        if (names.contains(i.name.toLower()))
            problem(i.origin, i.name, QStringLiteral("Name doppelt"));
        names.insert(i.name.toLower());
        if (i.alcohol < 0 || i.alcohol > 99)
            problem(i.origin, i.name, QStringLiteral("Alkoholgehalt außerhalb 0–99"));
        if (i.unit < 0)
            problem(i.origin, i.name, QStringLiteral("unbekannte Einheit"));
        if (i.remark.isEmpty())
            problem(i.origin, i.name, QStringLiteral("Kommentar fehlt"));
        if (i.pieceVolume < 0 || i.pieceVolume > 9999)
            problem(i.origin, i.name, QStringLiteral("Menge außerhalb 0–9999"));
        checkText(i.origin, i.name + i.remark);
    }
}

void DataSetValidator::checkEntries(const QList<DataSet::Entry>& entries, const QString& what) {
    static const QRegularExpression picture(QStringLiteral("^[A-Z0-9]{1,8}$"));
    QSet<QString> names;
    for (int k = 0; k < entries.size(); ++k) {
        const DataSet::Entry& e = entries.at(k);
        if (e.number != k + 1)
            problem(e.origin, e.name, what + QStringLiteral(": Nummer %1 erwartet").arg(k + 1));
        if (e.name.isEmpty() || e.name.size() > kMaxName)
            problem(e.origin, e.name,
                    QStringLiteral("Name fehlt oder ist länger als %1 Zeichen").arg(kMaxName));
        if (names.contains(e.name.toLower()))
            problem(e.origin, e.name, QStringLiteral("Name doppelt"));
        names.insert(e.name.toLower());
        if (!picture.match(e.picture).hasMatch())
            problem(e.origin, e.name, QStringLiteral("ungültiger Bildname „%1“").arg(e.picture));
        if (e.text.isEmpty())
            problem(e.origin, e.name, QStringLiteral("Text fehlt"));
        checkText(e.origin, e.name + e.text);
    }
}

void DataSetValidator::checkRecipes() {
    QSet<QString> names;
    for (int k = 0; k < m_set.recipes.size(); ++k) {
        const DataSet::Recipe& r = m_set.recipes.at(k);
        if (r.number != k + 1)
            problem(r.origin, r.name, QStringLiteral("Rezeptnummer %1 erwartet").arg(k + 1));
        if (names.contains(r.name.toLower()))
            problem(r.origin, r.name, QStringLiteral("Name doppelt"));
        names.insert(r.name.toLower());
        checkRecipe(r);
    }
}

void DataSetValidator::checkRecipe(const DataSet::Recipe& r) {
    if (r.name.isEmpty() || r.name.size() > kMaxName)
        problem(r.origin, r.name, QStringLiteral("Name fehlt oder ist länger als %1 Zeichen").arg(kMaxName));
    if (r.category < 1 || r.category > m_set.categories.size())
        problem(r.origin, r.name, QStringLiteral("Kategorie fehlt oder ist unbekannt"));
    if (r.taste < 0 || r.taste > m_set.tastes.size())
        problem(r.origin, r.name, QStringLiteral("unbekannter Geschmack %1").arg(r.taste));
    if (r.decoration < 0 || r.decoration > m_set.decorations.size())
        problem(r.origin, r.name, QStringLiteral("unbekannte Dekoration %1").arg(r.decoration));
    const QString code = QString::number(r.assistantCode);
    if (code.size() != 4 || code[0] < QLatin1Char('1') || code[0] > QLatin1Char('4') ||
        code[1] < QLatin1Char('1') || code[1] > QLatin1Char('4') || code[2] < QLatin1Char('1') ||
        code[2] > QLatin1Char('4') || code[3] < QLatin1Char('1') || code[3] > QLatin1Char('3'))
        problem(r.origin, r.name, QStringLiteral("ungültiger Assistenten-Code %1").arg(r.assistantCode));
    if (r.lines.isEmpty() || r.lines.size() > kMaxLines)
        problem(r.origin, r.name,
                QStringLiteral("%1 Zutaten (1 bis %2 erlaubt)").arg(r.lines.size()).arg(kMaxLines));
    bool measured = false;
    for (const DataSet::Line& line : r.lines) {
        checkLine(r, line);
        const auto it = m_set.ingredients.constFind(line.ingredient);
        measured = measured || (it != m_set.ingredients.cend() && (it->unit == 0 || it->unit == 4));
    }
    if (!measured)
        problem(r.origin, r.name, QStringLiteral("keine Zutat in cl oder dash"));
    if (r.instructions.isEmpty())
        problem(r.origin, r.name, QStringLiteral("Anleitung fehlt"));
    checkText(r.origin, r.name + r.instructions + r.remark);
    checkStrength(r);
    checkOneGlass(r);
    checkGarnish(r);
    checkTexts(r);
}

// What a guest relies on is written in the recipe itself: the instructions are at least two
// sentences, and a drink sold as alcohol-free that may hold up to 0.5 % says so.
void DataSetValidator::checkTexts(const DataSet::Recipe& r) {
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s|$)"));
    if (!r.instructions.isEmpty() && r.instructions.count(sentenceEnd) < 2)
        problem(r.origin, r.name, QStringLiteral("Anleitung aus nur einem Satz (zwei bis sechs Sätze)"));
    const QString said = r.instructions + QLatin1Char(' ') + r.remark;
    for (const DataSet::Line& line : r.lines) {
        const auto it = m_set.ingredients.constFind(line.ingredient);
        if (it != m_set.ingredients.cend() && it->traces && !said.contains(QStringLiteral("0,5 %"))) {
            problem(r.origin, r.name,
                    QStringLiteral(
                        "„%1“ kann bis zu 0,5 % Alkohol enthalten; Anleitung oder Bemerkung sagen es nicht")
                        .arg(it->name));
            return;
        }
    }
}

// A decoration made of an ingredient is listed with it, so the home bar and the shopping list
// count the nutmeg of every flip alike.
void DataSetValidator::checkGarnish(const DataSet::Recipe& r) {
    const auto it = m_set.decorationIngredients.constFind(r.decoration);
    if (it == m_set.decorationIngredients.cend())
        return;
    const auto ingredient = m_set.ingredients.constFind(*it);
    if (ingredient == m_set.ingredients.cend()) {
        problem(r.origin, r.name,
                QStringLiteral("Dekoration %1 nennt unbekannte Zutat %2").arg(r.decoration).arg(*it));
        return;
    }
    for (const DataSet::Line& line : r.lines) {
        if (line.ingredient == *it)
            return;
    }
    problem(r.origin, r.name,
            QStringLiteral("Dekoration „%1“ ohne die Zutat „%2“")
                .arg(m_set.decorations.value(r.decoration - 1).name, ingredient->name));
}

int DataSetValidator::categoryNamed(const QString& name) const {
    return int(m_set.categories.indexOf(name)) + 1;
}

// The categories and the assistant's size digit follow the definitions the lexicon gives, so a
// search by category or by "kleiner Drink" finds what the words promise.
void DataSetValidator::checkClassification(const DataSet::Recipe& r, const RecipeStrength& strength) {
    const auto cl = [](double value) {
        return QString::number(value, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    const double volume = strength.volumeCl();
    const QString category = m_set.categories.value(r.category - 1);
    const bool alcoholFree = strength.alcoholDigit() == 2;
    const QStringList freeCategories = {QStringLiteral("Alkoholfrei"), QStringLiteral("Alltagsgetränk")};
    if (categoryNamed(freeCategories.first()) > 0) {
        if (alcoholFree && !freeCategories.contains(category))
            problem(r.origin, r.name,
                    QStringLiteral("ohne Alkohol, aber in „%1“ statt „Alkoholfrei“ oder „Alltagsgetränk“")
                        .arg(category));
        if (!alcoholFree && freeCategories.contains(category))
            problem(r.origin, r.name, QStringLiteral("enthält Alkohol, steht aber in „%1“").arg(category));
    }
    if (category == QStringLiteral("Shooter") && volume > kMaxShooterCl)
        problem(
            r.origin, r.name,
            QStringLiteral("%1 cl sind kein Shooter (höchstens %2 cl)").arg(cl(volume)).arg(kMaxShooterCl));
    const QStringList longCategories = {QStringLiteral("Longdrink"), QStringLiteral("Highball"),
                                        QStringLiteral("Collins")};
    if (longCategories.contains(category) && volume < kMinLongdrinkCl)
        problem(r.origin, r.name,
                QStringLiteral("%1 cl sind kein %2 (mindestens %3 cl)")
                    .arg(cl(volume), category)
                    .arg(kMinLongdrinkCl));

    const int size = r.assistantCode % 10;
    if (size == 2 && volume >= kSmallDrinkBelowCl)
        problem(r.origin, r.name,
                QStringLiteral("Mengenziffer 2 (kleiner Drink) bei %1 cl; ab %2 cl ist es ein großer Drink")
                    .arg(cl(volume))
                    .arg(kSmallDrinkBelowCl));
    // Fruit and ice cream by the piece and drinks blended with ice fill more of the glass than the
    // listed liquid says; for them the list cannot tell that a drink is small.
    bool solids = false;
    for (const DataSet::Line& line : r.lines) {
        const auto it = m_set.ingredients.constFind(line.ingredient);
        solids = solids ||
                 (it != m_set.ingredients.cend() && it->alcohol == 0 && (it->unit == 1 || it->unit == 2));
    }
    if (size == 3 && volume < kLargeDrinkFromCl && !solids && category != QStringLiteral("Frozen Drink"))
        problem(r.origin, r.name,
                QStringLiteral(
                    "Mengenziffer 3 (großer Drink) bei nur %1 cl; unter %2 cl ist es ein kleiner Drink")
                    .arg(cl(volume))
                    .arg(kLargeDrinkFromCl));
}

// Amounts are per glass; instructions that pour into several glasses make every calculator and
// the blood alcohol estimate wrong by that factor.
void DataSetValidator::checkOneGlass(const DataSet::Recipe& r) {
    static const QString count =
        QStringLiteral("(?:zwei|drei|vier|fünf|sechs|sieben|acht|neun|zehn|zwölf|\\d+)");
    static const QList<QRegularExpression> several = {
        QRegularExpression(QStringLiteral("\\b%1\\s+(?:\\S+\\s+)?(?:\\S*gläsern?|\\S*bechern?|tassen|"
                                          "(?:sekt|cocktail)?schalen|\\S*flöten|kelchen?|shots)\\b")
                               .arg(count),
                           QRegularExpression::CaseInsensitiveOption |
                               QRegularExpression::UseUnicodePropertiesOption),
        QRegularExpression(QStringLiteral("\\bfür\\s+%1\\s+(?:personen|gäste|leute)\\b").arg(count),
                           QRegularExpression::CaseInsensitiveOption |
                               QRegularExpression::UseUnicodePropertiesOption),
        QRegularExpression(QStringLiteral("\\b(?:in|auf)\\s+(?:\\S+\\s+){0,2}\\S*gläsern?\\b"),
                           QRegularExpression::CaseInsensitiveOption |
                               QRegularExpression::UseUnicodePropertiesOption)};
    for (const QRegularExpression& pattern : several) {
        const QRegularExpressionMatch match = pattern.match(r.instructions);
        if (match.hasMatch()) {
            problem(
                r.origin, r.name,
                QStringLiteral("Anleitung serviert mehr als ein Glas („%1“); ein Rezept beschreibt ein Glas")
                    .arg(match.captured()));
            return;
        }
    }
}

// Fruit muddled in the glass adds juice that the stored strength (cl and dash only) does not see:
// such a drink would show the strength of its neat spirit. Its juice belongs in cl beside the fruit.
void DataSetValidator::checkNeatStrength(const DataSet::Recipe& r, const RecipeStrength& strength) {
    if (r.neat || !strength.onlySpiritsCounted() || strength.storedPercent() < kNeatSpiritPercent)
        return;
    QStringList uncounted;
    for (const DataSet::Line& line : r.lines) {
        const auto it = m_set.ingredients.constFind(line.ingredient);
        if (it != m_set.ingredients.cend() && it->alcohol == 0 && (it->unit == 1 || it->unit == 2))
            uncounted << it->name;
    }
    if (!uncounted.isEmpty())
        problem(r.origin, r.name,
                QStringLiteral("Alkohol %1 % wie pur, obwohl %2 dazukommt; den Saft in cl angeben oder "
                               "„Pur: ja“ setzen, wenn die Spirituose pur getrunken wird")
                    .arg(strength.storedPercent())
                    .arg(uncounted.join(QStringLiteral(", "))));
}

void DataSetValidator::checkStrength(const DataSet::Recipe& r) {
    const RecipeStrength strength(r, m_set.ingredients);
    const auto cl = [](double value) {
        return QString::number(value, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    if (strength.volumeCl() > kMaxGlassVolumeCl)
        problem(r.origin, r.name,
                QStringLiteral("%1 cl in einem Glas (höchstens %2 cl; Bowlen und Punsche je Glas angeben)")
                    .arg(cl(strength.volumeCl()))
                    .arg(kMaxGlassVolumeCl));
    if (strength.pureAlcoholCl() > kMaxGlassAlcoholCl)
        problem(r.origin, r.name,
                QStringLiteral("%1 cl reiner Alkohol in einem Glas (höchstens %2 cl)")
                    .arg(cl(strength.pureAlcoholCl()))
                    .arg(kMaxGlassAlcoholCl));
    checkNeatStrength(r, strength);
    checkClassification(r, strength);
    const int digit = (r.assistantCode / 10) % 10;
    if (digit != strength.alcoholDigit())
        problem(r.origin, r.name,
                QStringLiteral("Alkoholziffer %1 im Assistenten-Code, erwartet %2 (%3 cl reiner Alkohol)")
                    .arg(digit)
                    .arg(strength.alcoholDigit())
                    .arg(cl(strength.pureAlcoholCl())));
}

// Two recipes with the same ingredients in the same amounts are one drink under two names. Ice and
// the other basics every bar has (water, sugar) make no second drink.
void DataSetValidator::checkDuplicateRecipes() {
    const QList<int> basics = BarSettings::defaultBasics();
    QHash<QString, const DataSet::Recipe*> seen;
    for (const DataSet::Recipe& r : m_set.recipes) {
        QStringList parts;
        for (const DataSet::Line& line : r.lines) {
            if (!basics.contains(line.ingredient))
                parts << QStringLiteral("%1:%2").arg(line.ingredient).arg(line.amount);
        }
        parts.sort();
        const QString key = parts.join(QLatin1Char(','));
        const auto it = seen.constFind(key);
        if (it != seen.cend())
            problem(
                r.origin, r.name,
                QStringLiteral("gleiche Zutaten und Mengen wie [%1] %2").arg((*it)->number).arg((*it)->name));
        else
            seen.insert(key, &r);
    }
}

void DataSetValidator::checkUse(const QList<int>& presetIngredients) {
    QSet<int> used;
    for (const DataSet::Recipe& r : m_set.recipes) {
        for (const DataSet::Line& line : r.lines)
            used.insert(line.ingredient);
    }
    for (const DataSet::Ingredient& i : m_set.ingredients) {
        if (!used.contains(i.number))
            problem(i.origin, i.name, QStringLiteral("von keinem Rezept verwendet"));
    }
    for (int number : presetIngredients) {
        if (!m_set.ingredients.contains(number))
            m_problems << QStringLiteral("Hausbar-Vorgabe: Zutat %1 fehlt").arg(number);
    }
}

void DataSetValidator::checkLine(const DataSet::Recipe& r, const DataSet::Line& line) {
    const auto it = m_set.ingredients.constFind(line.ingredient);
    if (it == m_set.ingredients.cend()) {
        problem(r.origin, r.name, QStringLiteral("unbekannte Zutatennummer %1").arg(line.ingredient));
        return;
    }
    if (it->name != line.name)
        problem(
            r.origin, r.name,
            QStringLiteral("Zutat %1 heißt „%2“, nicht „%3“").arg(line.ingredient).arg(it->name, line.name));
    const bool noAmount = it->unit == 3;
    if (noAmount != (line.unitText == QStringLiteral("-")) ||
        (!noAmount && line.unitText != DataSet::unitText(it->unit)))
        problem(r.origin, r.name,
                QStringLiteral("Einheit „%1“ passt nicht zu %2").arg(line.unitText, it->name));
    if (!noAmount && (line.amount < 1 || line.amount > 9999))
        problem(r.origin, r.name, QStringLiteral("Menge %1 außerhalb 1–9999").arg(line.amount));
    // The program's alcohol value counts only cl and dash; alcohol hidden in pieces or grams would
    // leave the drink looking weaker than it is.
    if (it->alcohol > 0 && it->unit != 0 && it->unit != 4)
        problem(r.origin, r.name,
                QStringLiteral("%1 hat Alkohol, zählt aber nicht in cl oder dash").arg(it->name));
}
