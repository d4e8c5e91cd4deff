#pragma once

#include "common/ListEntry.h"
#include "common/MyDrinks.h"

#include <QList>
#include <QString>

class TApollo;

// The journal window ("Journal"): every time a drink was mixed, by date, with the totals per drink and
// per month. The records are matched to the recipes again when it opens, so that a drink renamed or
// deleted in the meantime shows as it is now.
class JournalSession {
public:
    static constexpr int kHelpContext = 2480;

    struct Total {
        QString label; // the drink's name or "Dezember 2026"
        int times = 0;
        int glasses = 0;
        int recNo = 0; // the drink's; 0 for a month
        friend bool operator==(const Total&, const Total&) = default;
    };

    JournalSession(MyDrinks& drinks, TApollo& recipes) : m_drinks(drinks), m_recipes(recipes) {}

    // Throws StoreError when the recipes cannot be read.
    void begin();

    const QList<MyDrinks::JournalLine>& lines() const { return m_lines; }
    // By date, the newest first (a day's drinks by name): "09.12.2026   2 Gläser   Mojito", keyed by the
    // drink's record number.
    QList<ListEntry> dateEntries() const;
    // The drinks mixed most often first (by glasses, then by name).
    QList<Total> perDrink() const;
    // The months, the newest first.
    QList<Total> perMonth() const;
    static QList<ListEntry> entries(const QList<Total>& totals);
    // "12 Gläser an 5 Tagen" over everything; an empty journal says how to fill it.
    QString summary() const;

private:
    MyDrinks& m_drinks;
    TApollo& m_recipes;
    QList<MyDrinks::JournalLine> m_lines;
};
