#include "calc/BloodAlcoholSession.h"

#include "calc/BloodAlcohol.h"
#include "common/AppState.h"
#include "common/DisplayUnit.h"
#include "common/ListCollation.h"
#include "common/TypeAhead.h"

namespace {

constexpr int kPageSpeech[] = {15, 17, 19};
constexpr int kNothingConsumedSpeech = 7;

} // namespace

BloodAlcoholSession::BloodAlcoholSession(AppState& state, TApollo& recipes, TApollo& ingredients)
    : m_state(state), m_lookup(recipes, ingredients) {
    const OptionsRecord& options = state.settings.options();
    m_weight = qBound(BloodAlcohol::kMinWeight, int(options.get(OptionsRecord::BodyWeight)),
                      BloodAlcohol::kMaxWeight);
    m_hours = qBound(BloodAlcohol::kMinHours, int(options.get(OptionsRecord::DrinkingHours)),
                     BloodAlcohol::kMaxHours);
    const int unit = options.get(OptionsRecord::AmountUnit);
    m_unit = unit <= int(Unit::Ml) ? Unit(unit) : Unit::Piece;
}

QList<ListEntry> BloodAlcoholSession::drinkList(const QList<ListEntry>& recipes,
                                                const QList<ListEntry>& ingredients) {
    QList<ListEntry> all = recipes + ingredients;
    ListCollation::sort(all);
    return all;
}

void BloodAlcoholSession::begin() {
    m_drinks = drinkList(m_lookup.readRecipes(), m_state.catalogue.ingredients().bloodAlcohol);
    m_resultReached = false;
    m_consumed.clear();
    m_grams = 0;
    m_promille = 0.0;
    m_page = Drinks;
}

int BloodAlcoholSession::typeAhead(const QString& text) const {
    return TypeAhead::find(m_drinks, text);
}

qint64 BloodAlcoholSession::volumeMl(const DrinkLookup::Drink& drink, qint64 amount) const {
    switch (m_unit) {
    case Unit::Piece:
        return amount * drink.pieceMl;
    case Unit::Cl:
        return amount * 10;
    case Unit::Ml:
        break;
    }
    return amount;
}

std::optional<Notice> BloodAlcoholSession::add(int drinkRow, const QString& amountText) {
    bool ok = false;
    const qint64 amount = amountText.trimmed().toLongLong(&ok);
    if (!ok || amount < 1 || amount > kMaxAmount)
        return amountNotice();
    if (drinkRow < 0 || drinkRow >= m_drinks.size())
        return noDrinkNotice();
    const ListEntry& entry = m_drinks.at(drinkRow);
    const std::optional<DrinkLookup::Drink> drink = m_lookup.drink(entry.data);
    if (!drink)
        return noDrinkNotice();
    const qint64 ml = volumeMl(*drink, amount);
    if (ml < 10) // less than 1 cl
        return tooLittleNotice();
    const qint64 grams = BloodAlcohol::grams(ml, drink->alcohol);
    m_grams += grams;
    m_consumed.append(
        {DisplayUnit::volume(ml / 10.0, m_state.settings.shownUnit()) + QLatin1Char(' ') + entry.text,
         grams});
    return std::nullopt;
}

BloodAlcoholSession::Removed BloodAlcoholSession::remove(int consumedRow) {
    if (consumedRow < 0 || consumedRow >= m_consumed.size())
        return {-1, noConsumedNotice()};
    m_grams -= m_consumed.at(consumedRow).grams;
    m_consumed.removeAt(consumedRow);
    return {m_consumed.isEmpty() ? -1 : qMax(0, consumedRow - 1), std::nullopt};
}

std::optional<Notice> BloodAlcoholSession::addMixedOn(const QDate& today) {
    bool any = false;
    const Unit unit = m_unit;
    m_unit = Unit::Piece;
    for (const MyDrinks::JournalLine& line : m_state.myDrinks.journal()) {
        if (line.date != today)
            continue;
        for (int row = 0; row < int(m_drinks.size()); ++row) {
            if (m_drinks.at(row).data == line.recNo && !DrinkLookup::isIngredient(line.recNo)) {
                any = !add(row, QString::number(line.glasses)) || any;
                break;
            }
        }
    }
    m_unit = unit;
    return any ? std::nullopt : std::optional<Notice>(nothingMixedNotice());
}

Notice BloodAlcoholSession::nothingMixedNotice() {
    return Notice::hint(QStringLiteral("Im Journal ist für heute noch kein Drink eingetragen.\r"
                                       "„Gemixt!“ im Rezept trägt ihn ein."),
                        2);
}

QStringList BloodAlcoholSession::bodyNames() {
    return {QStringLiteral("einheitlich (0,7)"), QStringLiteral("Mann (0,68)"),
            QStringLiteral("Frau (0,55)")};
}

QString BloodAlcoholSession::soberText(const QTime& now) const {
    const QString estimate = QStringLiteral("Nur eine Schätzung – keine Erlaubnis, Auto zu fahren.");
    const int minutes = BloodAlcohol::minutesToZero(m_promille);
    if (minutes == 0)
        return QStringLiteral("Bei einem Abbau von 0,15 ‰ pro Stunde: schon wieder bei 0,0 ‰. ") + estimate;
    return QStringLiteral("Bei einem Abbau von 0,15 ‰ pro Stunde wieder bei 0,0 ‰ in etwa %1 Std. %2 Min., "
                          "gegen %3 Uhr. ")
               .arg(minutes / 60)
               .arg(minutes % 60)
               .arg(now.addSecs(qint64(minutes) * 60).toString(QStringLiteral("HH:mm"))) +
           estimate;
}

std::optional<Notice> BloodAlcoholSession::next() {
    if (m_page == Weight && (m_weight < BloodAlcohol::kMinWeight || m_weight > BloodAlcohol::kMaxWeight))
        return weightNotice();
    if (m_page == Time) {
        if (m_hours < BloodAlcohol::kMinHours || m_hours > BloodAlcohol::kMaxHours)
            return hoursNotice();
        const double reduction = m_body == Body::Man     ? BloodAlcohol::kReductionMen
                                 : m_body == Body::Woman ? BloodAlcohol::kReductionWomen
                                                         : BloodAlcohol::kReduction;
        m_promille = BloodAlcohol::promille(m_grams, m_weight, m_hours, reduction);
    }
    if (m_page < Result)
        m_page = Page(m_page + 1);
    return std::nullopt;
}

void BloodAlcoholSession::back() {
    m_page = m_page == Result ? Drinks : Page(qMax(0, m_page - 1));
}

QString BloodAlcoholSession::label() const {
    return BloodAlcohol::label(m_promille);
}

BloodAlcoholSession::PageSound BloodAlcoholSession::pageChanged() {
    if (m_page == Result) {
        m_resultReached = true;
        if (m_consumed.isEmpty())
            return {kNothingConsumedSpeech, {}};
        return {0, BloodAlcohol::announcement(label())};
    }
    if (m_resultReached)
        return {};
    return {kPageSpeech[m_page], {}};
}

Notice BloodAlcoholSession::amountNotice() {
    return Notice::hint(QStringLiteral("Geben Sie bitte eine Menge zwischen 1 und 9999 ein."), 2);
}

Notice BloodAlcoholSession::noDrinkNotice() {
    return Notice::hint(QStringLiteral("Bitte wählen Sie erst ein Getränk in der linken Liste aus."), 2);
}

Notice BloodAlcoholSession::tooLittleNotice() {
    return Notice::hint(QStringLiteral("Geben Sie bitte mindestens 10 Milliliter an."), 2);
}

Notice BloodAlcoholSession::noConsumedNotice() {
    return Notice::hint(QStringLiteral("Bitte wählen Sie erst ein Getränk in der rechten Liste aus."), 2);
}

Notice BloodAlcoholSession::weightNotice() {
    return Notice::hint(QStringLiteral("Geben Sie bitte ein Körpergewicht zwischen 20 und 300 kg ein."), 2);
}

Notice BloodAlcoholSession::hoursNotice() {
    return Notice::hint(QStringLiteral("Geben Sie bitte eine Zeit zwischen 0 und 99 Stunden ein."), 2);
}
