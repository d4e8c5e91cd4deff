#pragma once

#include "calc/DrinkSource.h"
#include "common/ListEntry.h"

#include <QStringList>

#include <optional>

class OptionsRecord;

// The blood alcohol assistant as the user goes through it: the drinks offered and consumed, the
// amount and its unit, weight and time, the four pages and the result with what it says aloud.
class BloodAlcoholSession {
public:
    enum class Unit { Piece = 0, Cl = 1, Ml = 2 }; // "Stück", "cl", "ml"
    enum Page { Drinks = 0, Weight = 1, Time = 2, Result = 3 };
    static constexpr int kMaxAmount = 9999;

    struct Consumed {
        QString text;
        qint64 grams = 0;
    };
    // Refused input: the message box's text and line count (caption "Hinweis", OK only).
    struct Notice {
        QString text;
        int lines = 2;
    };
    // What a page change plays: a speech sound by number, or the result's announcement files.
    struct PageSound {
        int speech = 0;
        QStringList announcement;
    };

    explicit BloodAlcoholSession(DrinkSource& source) : m_source(source) {}

    // The drink list: the recipes and the cl and dash ingredients, sorted by name.
    static QList<ListEntry> drinkList(const QList<ListEntry>& recipes, const QList<ListEntry>& ingredients);
    void setDrinks(const QList<ListEntry>& drinks) { m_drinks = drinks; }
    const QList<ListEntry>& drinks() const { return m_drinks; }
    // Weight, time and unit from the options record.
    void preset(const OptionsRecord& options);

    // Showing: nothing consumed, the drinks page, the first drink selected.
    void show();

    int selectedDrink() const { return m_selectedDrink; }
    void selectDrink(int index);
    // Selects the first drink whose name begins with the text, letter case ignored; -1 when none
    // (the selection then stays).
    int typeAhead(const QString& text);

    Unit unit() const { return m_unit; }
    void setUnit(Unit unit) { m_unit = unit; }
    // "&Hinzufügen": the amount as typed, in the chosen unit, of the selected drink.
    std::optional<Notice> add(const QString& amountText);

    const QList<Consumed>& consumed() const { return m_consumed; }
    qint64 totalGrams() const { return m_grams; }
    int selectedConsumed() const { return m_selectedConsumed; }
    void selectConsumed(int index);
    // "&Entfernen": the selected consumed entry.
    std::optional<Notice> remove();

    int weight() const { return m_weight; }
    void setWeight(int kg) { m_weight = kg; }
    int hours() const { return m_hours; }
    void setHours(int hours) { m_hours = hours; }

    Page page() const { return m_page; }
    bool backEnabled() const { return m_page != Drinks; }
    bool nextEnabled() const { return m_page != Result; }
    // "&Weiter >>>": a weight or time outside its range keeps the page and gives a notice.
    std::optional<Notice> next();
    // "<<< &Zurück": from the result straight back to the drinks, else one page back.
    void back();
    // What the page just reached plays; nothing on the way back once the result was reached.
    PageSound pageChanged();

    double promille() const { return m_promille; }
    QString label() const;

    static Notice amountNotice();
    static Notice noDrinkNotice();
    static Notice tooLittleNotice();
    static Notice noConsumedNotice();
    static Notice weightNotice();
    static Notice hoursNotice();

private:
    std::optional<qint64> volumeMl(const DrinkSource::Drink& drink, qint64 amount) const;

    DrinkSource& m_source;
    QList<ListEntry> m_drinks;
    int m_selectedDrink = -1;
    Unit m_unit = Unit::Piece;
    QList<Consumed> m_consumed;
    int m_selectedConsumed = -1;
    qint64 m_grams = 0;
    int m_weight = 70;
    int m_hours = 0;
    Page m_page = Drinks;
    bool m_resultReached = false;
    double m_promille = 0.0;
};
