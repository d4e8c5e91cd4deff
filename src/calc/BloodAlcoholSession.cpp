#include "calc/BloodAlcoholSession.h"

#include "calc/BloodAlcohol.h"
#include "common/ListCollation.h"
#include "common/TypeAhead.h"
#include "store/OptionsRecord.h"

namespace {

constexpr int kPageSpeech[] = {15, 17, 19};
constexpr int kNothingConsumedSpeech = 7;

} // namespace

QList<ListEntry> BloodAlcoholSession::drinkList(const QList<ListEntry>& recipes,
                                                const QList<ListEntry>& ingredients) {
    QList<ListEntry> all = recipes + ingredients;
    ListCollation::sort(all);
    return all;
}

void BloodAlcoholSession::preset(const OptionsRecord& options) {
    m_weight = qBound(BloodAlcohol::kMinWeight, int(options.get(OptionsRecord::BodyWeight)),
                      BloodAlcohol::kMaxWeight);
    m_hours = qBound(BloodAlcohol::kMinHours, int(options.get(OptionsRecord::DrinkingHours)),
                     BloodAlcohol::kMaxHours);
    const int unit = options.get(OptionsRecord::AmountUnit);
    m_unit = unit <= int(Unit::Ml) ? Unit(unit) : Unit::Piece;
}

void BloodAlcoholSession::show() {
    m_resultReached = false;
    m_consumed.clear();
    m_selectedConsumed = -1;
    m_grams = 0;
    m_promille = 0.0;
    m_page = Drinks;
    m_selectedDrink = m_drinks.isEmpty() ? -1 : 0;
}

void BloodAlcoholSession::selectDrink(int index) {
    m_selectedDrink = index >= 0 && index < m_drinks.size() ? index : -1;
}

int BloodAlcoholSession::typeAhead(const QString& text) {
    const int index = TypeAhead::find(m_drinks, text);
    if (index >= 0)
        m_selectedDrink = index;
    return index;
}

std::optional<qint64> BloodAlcoholSession::volumeMl(const DrinkSource::Drink& drink, qint64 amount) const {
    switch (m_unit) {
    case Unit::Piece:
        return amount * drink.pieceMl;
    case Unit::Cl:
        return amount * 10;
    case Unit::Ml:
        return amount;
    }
    return std::nullopt;
}

std::optional<BloodAlcoholSession::Notice> BloodAlcoholSession::add(const QString& amountText) {
    bool ok = false;
    const qint64 amount = amountText.trimmed().toLongLong(&ok);
    if (!ok || amount < 1 || amount > kMaxAmount)
        return amountNotice();
    if (m_selectedDrink < 0)
        return noDrinkNotice();
    const ListEntry& entry = m_drinks.at(m_selectedDrink);
    const std::optional<DrinkSource::Drink> drink = m_source.drink(entry.data);
    if (!drink)
        return noDrinkNotice();
    const std::optional<qint64> ml = volumeMl(*drink, amount);
    if (!ml || *ml < 10) // less than 1 cl
        return tooLittleNotice();
    const qint64 grams = BloodAlcohol::grams(*ml, drink->alcohol);
    m_grams += grams;
    m_consumed.append(
        {QString::number(BloodAlcohol::wholeCl(*ml)) + QStringLiteral(" cl ") + entry.text, grams});
    return std::nullopt;
}

void BloodAlcoholSession::selectConsumed(int index) {
    m_selectedConsumed = index >= 0 && index < m_consumed.size() ? index : -1;
}

std::optional<BloodAlcoholSession::Notice> BloodAlcoholSession::remove() {
    if (m_selectedConsumed < 0)
        return noConsumedNotice();
    m_grams -= m_consumed.at(m_selectedConsumed).grams;
    m_consumed.removeAt(m_selectedConsumed);
    m_selectedConsumed = m_consumed.isEmpty() ? -1 : qMax(0, m_selectedConsumed - 1);
    return std::nullopt;
}

std::optional<BloodAlcoholSession::Notice> BloodAlcoholSession::next() {
    if (m_page == Weight && (m_weight < BloodAlcohol::kMinWeight || m_weight > BloodAlcohol::kMaxWeight))
        return weightNotice();
    if (m_page == Time) {
        if (m_hours < BloodAlcohol::kMinHours || m_hours > BloodAlcohol::kMaxHours)
            return hoursNotice();
        m_promille = BloodAlcohol::promille(m_grams, m_weight, m_hours);
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

BloodAlcoholSession::Notice BloodAlcoholSession::amountNotice() {
    return {QStringLiteral("Geben Sie bitte eine Menge zwischen 1 und 9999 ein."), 2};
}

BloodAlcoholSession::Notice BloodAlcoholSession::noDrinkNotice() {
    return {QStringLiteral("Bitte wählen Sie erst ein Getränk in der linken Liste aus."), 2};
}

BloodAlcoholSession::Notice BloodAlcoholSession::tooLittleNotice() {
    return {QStringLiteral("Geben Sie bitte mindestens 10 Milliliter an."), 2};
}

BloodAlcoholSession::Notice BloodAlcoholSession::noConsumedNotice() {
    return {QStringLiteral("Bitte wählen Sie erst ein Getränk in der rechten Liste aus."), 2};
}

BloodAlcoholSession::Notice BloodAlcoholSession::weightNotice() {
    return {QStringLiteral("Geben Sie bitte ein Körpergewicht zwischen 20 und 300 kg ein."), 2};
}

BloodAlcoholSession::Notice BloodAlcoholSession::hoursNotice() {
    return {QStringLiteral("Geben Sie bitte eine Zeit zwischen 0 und 99 Stunden ein."), 2};
}
