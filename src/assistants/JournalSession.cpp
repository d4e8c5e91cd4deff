#include "assistants/JournalSession.h"

#include "common/ListCollation.h"

#include <QLocale>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

QString glassesText(int glasses) {
    return glasses == 1 ? QStringLiteral("1 Glas") : QStringLiteral("%1 Gläser").arg(glasses);
}

} // namespace

void JournalSession::begin() {
    m_drinks.reconcile(m_recipes);
    m_lines = m_drinks.journal();
}

QList<ListEntry> JournalSession::dateEntries() const {
    QList<MyDrinks::JournalLine> newest = m_lines;
    std::stable_sort(
        newest.begin(), newest.end(),
        [](const MyDrinks::JournalLine& a, const MyDrinks::JournalLine& b) { return a.date > b.date; });
    QList<ListEntry> out;
    for (auto it = newest.cbegin(); it != newest.cend(); ++it)
        out.append({QStringLiteral("%1   %2   %3")
                        .arg(it->date.toString(QStringLiteral("dd.MM.yyyy")),
                             glassesText(it->glasses).leftJustified(9), it->name),
                    it->recNo});
    return out;
}

QList<JournalSession::Total> JournalSession::perDrink() const {
    QMap<int, Total> byDrink;
    for (const MyDrinks::JournalLine& line : m_lines) {
        Total& t = byDrink[line.recNo];
        t.label = line.name;
        t.recNo = line.recNo;
        ++t.times;
        t.glasses += line.glasses;
    }
    QList<Total> out = byDrink.values();
    std::stable_sort(out.begin(), out.end(), [](const Total& a, const Total& b) {
        if (a.glasses != b.glasses)
            return a.glasses > b.glasses;
        return ListCollation::lessThan(a.label, b.label);
    });
    return out;
}

QList<JournalSession::Total> JournalSession::perMonth() const {
    QMap<int, Total> byMonth; // yyyymm
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const MyDrinks::JournalLine& line : m_lines) {
        Total& t = byMonth[line.date.year() * 100 + line.date.month()];
        t.label = german.standaloneMonthName(line.date.month()) + QLatin1Char(' ') +
                  QString::number(line.date.year());
        ++t.times;
        t.glasses += line.glasses;
    }
    QList<Total> out = byMonth.values();
    std::reverse(out.begin(), out.end());
    return out;
}

QList<ListEntry> JournalSession::entries(const QList<Total>& totals) {
    QList<ListEntry> out;
    for (const Total& t : totals)
        out.append({QStringLiteral("%1   %2-mal, %3").arg(t.label).arg(t.times).arg(glassesText(t.glasses)),
                    t.recNo});
    return out;
}

QString JournalSession::summary() const {
    if (m_lines.isEmpty())
        return QStringLiteral("Noch nichts im Journal. Wählen Sie im Rezept mit der rechten Maustaste "
                              "„Gemixt!“, wenn Sie einen Drink gemixt haben.");
    int glasses = 0;
    QSet<QDate> days;
    for (const MyDrinks::JournalLine& line : m_lines) {
        glasses += line.glasses;
        days.insert(line.date);
    }
    return QStringLiteral("Zusammen %1 an %2 %3.")
        .arg(glassesText(glasses))
        .arg(days.size())
        .arg(days.size() == 1 ? QStringLiteral("Tag") : QStringLiteral("Tagen"));
}
