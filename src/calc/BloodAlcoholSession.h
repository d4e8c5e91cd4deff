#pragma once

#include "calc/DrinkLookup.h"
#include "common/Notice.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <optional>

struct AppState;

// The blood alcohol assistant's state and rules: the drinks offered and consumed, the amount and
// its unit, weight and time, the four pages and the result with what it says aloud.
class BloodAlcoholSession {
public:
    enum class Unit { Piece = 0, Cl = 1, Ml = 2 }; // "Stück", "cl", "ml"
    enum Page { Drinks = 0, Weight = 1, Time = 2, Result = 3 };
    // The body water of the Widmark formula: one factor for everyone, or by sex.
    enum class Body { Everyone = 0, Man = 1, Woman = 2 };
    static constexpr int kMaxAmount = 9999;

    struct Consumed {
        QString text;
        qint64 grams = 0;
    };
    // What a page change plays: a speech sound by number, or the result's announcement files.
    struct PageSound {
        int speech = 0;
        QStringList announcement;
    };
    struct Removed {
        int select = -1; // the consumed row to select afterwards
        std::optional<Notice> refusal;
    };

    // Weight, time and unit start from the options; afterwards they keep what the user entered.
    BloodAlcoholSession(AppState& state, TApollo& recipes, TApollo& ingredients);

    // Opening: the drink list from the recipes and the shared ingredient choices, nothing consumed,
    // the drinks page. Throws StoreError when the recipes cannot be read.
    void begin();
    // The recipes and the cl and dash ingredients, sorted by name.
    static QList<ListEntry> drinkList(const QList<ListEntry>& recipes, const QList<ListEntry>& ingredients);
    const QList<ListEntry>& drinks() const { return m_drinks; }
    // The first drink whose name begins with the text, letter case ignored; -1 when none.
    int typeAhead(const QString& text) const;

    Unit unit() const { return m_unit; }
    void setUnit(Unit unit) { m_unit = unit; }
    // "&Hinzufügen": the amount as typed, in the chosen unit, of the drink in that row.
    std::optional<Notice> add(int drinkRow, const QString& amountText);

    const QList<Consumed>& consumed() const { return m_consumed; }
    qint64 totalGrams() const { return m_grams; }
    // "&Entfernen" of a consumed row.
    Removed remove(int consumedRow);
    // "Heute gemixt": a glass of every drink the journal has for `today`, as many as were mixed. The
    // notice says when there is none.
    std::optional<Notice> addMixedOn(const QDate& today);
    static Notice nothingMixedNotice();

    int weight() const { return m_weight; }
    void setWeight(int kg) { m_weight = kg; }
    int hours() const { return m_hours; }
    void setHours(int hours) { m_hours = hours; }
    Body body() const { return m_body; }
    void setBody(Body body) { m_body = body; }
    // "einheitlich (0,7)", "Mann (0,68)", "Frau (0,55)"
    static QStringList bodyNames();

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
    // When the value is back at 0,0 ‰ at the elimination rate, from `now` on, and that it is no
    // more than an estimate.
    QString soberText(const QTime& now) const;

    static Notice amountNotice();
    static Notice noDrinkNotice();
    static Notice tooLittleNotice();
    static Notice noConsumedNotice();
    static Notice weightNotice();
    static Notice hoursNotice();

private:
    qint64 volumeMl(const DrinkLookup::Drink& drink, qint64 amount) const;

    AppState& m_state;
    DrinkLookup m_lookup;
    QList<ListEntry> m_drinks;
    Unit m_unit = Unit::Piece;
    QList<Consumed> m_consumed;
    qint64 m_grams = 0;
    int m_weight = 70;
    int m_hours = 0;
    Body m_body = Body::Everyone;
    Page m_page = Drinks;
    bool m_resultReached = false;
    double m_promille = 0.0;
};
