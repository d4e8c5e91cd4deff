#include "calc/PartySession.h"

#include "calc/DrinkLookup.h"
#include "common/AppState.h"
#include "common/IngredientLookup.h"
#include "common/KeepPosition.h"
#include "common/ListCollation.h"
#include "store/Fields.h"
#include "store/TApollo.h"

QList<ListEntry> PartySession::recipeChoices() {
    QList<ListEntry> entries = DrinkLookup(m_recipes, m_ingredients).readRecipes();
    ListCollation::sort(entries);
    return entries;
}

PartySession::Added PartySession::add(int recNo, int glasses) {
    glasses = qBound(1, glasses, PartyPlan::kMaxGlasses);
    for (Chosen& chosen : m_drinks) {
        if (chosen.recNo == recNo) {
            const int wanted = chosen.drink.glasses + glasses;
            chosen.drink.glasses = qMin(wanted, PartyPlan::kMaxGlasses);
            if (wanted > PartyPlan::kMaxGlasses)
                return {true, cappedNotice(chosen.drink.recipe.name)};
            return {true, std::nullopt};
        }
    }
    KeepPosition keep(m_recipes);
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return {false, goneNotice()};
    m_recipes.Go(recNo);
    if (m_recipes.Eof() || m_recipes.IsDeleted())
        return {false, goneNotice()};
    m_drinks.append({recNo, {QuantityRecipe::load(m_recipes, m_ingredients, recNo), glasses}});
    return {true, std::nullopt};
}

PartySession::Added PartySession::add(int recNo, const QString& glassesText) {
    if (recNo < 1)
        return {false, noDrinkNotice()};
    bool ok = false;
    const int glasses = glassesText.trimmed().toInt(&ok);
    if (!ok || glasses < 1 || glasses > PartyPlan::kMaxGlasses)
        return {false, glassesNotice()};
    return add(recNo, glasses);
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

Notice PartySession::cappedNotice(const QString& drink) {
    return Notice::hint(QStringLiteral("Mehr als 999 Gläser eines Drinks plant der Partyplaner nicht. "
                                       "„%1“ steht jetzt mit 999 Gläsern auf der Liste.")
                            .arg(drink),
                        2);
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

// Taken afresh each time: the bars and their settings may change while the planner keeps its drinks.
// Without a bar, what counts as at hand is what is always at home.
QList<PartyPlan::Line> PartySession::lines() const {
    const BarCoverage coverage = m_state.barCoverage();
    return PartyPlan::lines(drinks(), coverage.present(m_bar), coverage.present(0));
}

QStringList PartySession::listText() const {
    const QList<PartyPlan::Line> planned = lines();
    // Prices are read afresh: the ingredient editor may have changed them while the planner was open.
    const auto priceOf = [this](int number) -> PartyPlan::Price {
        KeepPosition keep(m_ingredients);
        if (!IngredientLookup::seek(m_ingredients, number))
            return {};
        return {int(m_ingredients.GetInteger(Fields::Ingredient::Price)),
                int(m_ingredients.GetInteger(Fields::Ingredient::Volume))};
    };
    const int dashesPerCl = int(m_state.settings.options().get(OptionsRecord::DashesPerCl));
    const QString cost = PartyPlan::purchaseCostText(PartyPlan::purchaseCost(planned, priceOf, dashesPerCl));
    const DisplayUnit::Kind unit = m_state.settings.shownUnit();
    return PartyPlan::listText(drinks(), planned, barName(m_bar), cost, unit) +
           PartyPlan::partyText(m_guests, m_hours, drinks(), planned, unit);
}

void PartySession::setParty(int guests, int hours) {
    m_guests = qBound(0, guests, PartyPlan::kMaxGuests);
    m_hours = qBound(1, hours, PartyPlan::kMaxHours);
}

Notice PartySession::proposeNotice() {
    return Notice::hint(QStringLiteral("Wählen Sie erst die Drinks und geben Sie die Zahl der Gäste ein."),
                        2);
}

std::optional<Notice> PartySession::propose() {
    if (m_drinks.isEmpty() || m_guests <= 0)
        return proposeNotice();
    QList<int> weights;
    for (const Chosen& chosen : m_drinks)
        weights << chosen.drink.glasses;
    const QList<int> glasses = PartyPlan::share(PartyPlan::drinksFor(m_guests, m_hours), weights);
    for (qsizetype i = 0; i < m_drinks.size(); ++i)
        m_drinks[i].drink.glasses = glasses.at(i);
    return std::nullopt;
}

QString PartySession::clipboardText() const {
    return listText().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
