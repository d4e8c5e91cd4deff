#include "calc/PartySession.h"

#include "calc/DrinkLookup.h"
#include "common/HomeBarTable.h"
#include "common/KeepPosition.h"
#include "common/ListCollation.h"
#include "store/TApollo.h"

QList<ListEntry> PartySession::recipeChoices() {
    QList<ListEntry> entries = DrinkLookup(m_recipes, m_ingredients).readRecipes();
    ListCollation::sort(entries);
    return entries;
}

bool PartySession::add(int recNo, int glasses) {
    glasses = qBound(1, glasses, PartyPlan::kMaxGlasses);
    for (Chosen& chosen : m_drinks) {
        if (chosen.recNo == recNo) {
            chosen.drink.glasses = qMin(chosen.drink.glasses + glasses, PartyPlan::kMaxGlasses);
            return true;
        }
    }
    KeepPosition keep(m_recipes);
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return false;
    m_recipes.Go(recNo);
    if (m_recipes.Eof() || m_recipes.IsDeleted())
        return false;
    m_drinks.append({recNo, {QuantityRecipe::load(m_recipes, m_ingredients), glasses}});
    return true;
}

std::optional<Notice> PartySession::add(int recNo, const QString& glassesText) {
    if (recNo < 1)
        return noDrinkNotice();
    bool ok = false;
    const int glasses = glassesText.trimmed().toInt(&ok);
    if (!ok || glasses < 1 || glasses > PartyPlan::kMaxGlasses)
        return glassesNotice();
    if (!add(recNo, glasses))
        return goneNotice();
    return std::nullopt;
}

Notice PartySession::noDrinkNotice() {
    return Notice::hint(QStringLiteral("Bitte wählen Sie erst ein Getränk in der linken Liste aus."), 2);
}

Notice PartySession::glassesNotice() {
    return Notice::hint(QStringLiteral("Geben Sie bitte eine Zahl von Gläsern zwischen 1 und 999 ein."), 2);
}

Notice PartySession::goneNotice() {
    return Notice::hint(QStringLiteral("Dieses Rezept gibt es nicht mehr."), 1);
}

void PartySession::remove(int index) {
    if (index >= 0 && index < m_drinks.size())
        m_drinks.removeAt(index);
}

void PartySession::clear() {
    m_drinks.clear();
}

QStringList PartySession::drinkTexts() const {
    QStringList out;
    for (const Chosen& chosen : m_drinks)
        out << QStringLiteral("%1 × %2").arg(chosen.drink.glasses).arg(chosen.drink.recipe.name);
    return out;
}

void PartySession::setBar(int bar) {
    m_bar = qBound(0, bar, kBars);
    m_atHand = m_bars.present(m_bar);
}

QString PartySession::barName(int bar) {
    return bar == 0 ? QStringLiteral("keine Hausbar") : QStringLiteral("Hausbar Nr. %1").arg(bar);
}

QList<PartyPlan::Drink> PartySession::drinks() const {
    QList<PartyPlan::Drink> out;
    for (const Chosen& chosen : m_drinks)
        out << chosen.drink;
    return out;
}

QList<PartyPlan::Line> PartySession::lines() const {
    return PartyPlan::lines(drinks(), m_atHand);
}

QStringList PartySession::listText() const {
    const QList<PartyPlan::Drink> all = drinks();
    return PartyPlan::listText(all, PartyPlan::lines(all, m_atHand), barName(m_bar));
}

QString PartySession::clipboardText() const {
    return listText().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
