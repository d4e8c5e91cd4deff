#include "assistants/NearMissSession.h"

#include "common/AppState.h"
#include "common/BarCoverage.h"

#include <algorithm>

void NearMissSession::begin(int bar) {
    m_names.clear();
    for (const ListEntry& e : m_state.catalogue.ingredients().zutatliste)
        m_names.insert(e.data, e.text);
    m_bar = (bar >= 1 && bar <= HomeBarTable::kBars) ? bar : 1;
    read();
}

void NearMissSession::setBar(int bar) {
    if ((bar >= 1 && bar <= HomeBarTable::kBars) && bar != m_bar) {
        m_bar = bar;
        read();
    }
}

void NearMissSession::setTwoMissing(bool two) {
    if (two != m_two) {
        m_two = two;
        read();
    }
}

QString NearMissSession::ingredientName(int number) const {
    const auto found = m_names.constFind(number);
    return found != m_names.constEnd() ? *found : QStringLiteral("Zutat Nr. %1").arg(number);
}

void NearMissSession::read() {
    const BarCoverage coverage = m_state.barCoverage();
    const IngredientSet present = coverage.present(m_bar);
    m_drinks = NearMisses::find(m_recipes, present, m_two ? 2 : 1);
    const auto nameOf = [this](int n) { return ingredientName(n); };
    m_groups = NearMisses::group(m_drinks, nameOf);
    m_standIns.clear();
    for (const NearMisses::Drink& d : m_drinks) {
        const QStringList lines = NearMisses::standIns(d.numbers, coverage, m_bar, nameOf);
        if (!lines.isEmpty())
            m_standIns.insert(d.recNo, lines);
    }
}

QString NearMissSession::missingText(const QList<int>& missing) const {
    QStringList names;
    for (int n : missing)
        names << ingredientName(n);
    return names.join(QStringLiteral(", "));
}

QString NearMissSession::heading() const {
    const QString bar = QStringLiteral("Hausbar Nr. %1").arg(m_bar);
    if (m_drinks.isEmpty())
        return m_two ? QStringLiteral("Keinem Drink fehlen in der %1 nur eine oder zwei Zutaten.").arg(bar)
                     : QStringLiteral("Keinem Drink fehlt in der %1 nur eine Zutat.").arg(bar);
    const QString drinks =
        m_drinks.size() == 1 ? QStringLiteral("1 Drink") : QStringLiteral("%1 Drinks").arg(m_drinks.size());
    return m_two ? QStringLiteral("%1 fehlen in der %2 eine oder zwei Zutaten:").arg(drinks, bar)
                 : QStringLiteral("%1 fehlt in der %2 nur eine Zutat:").arg(drinks, bar);
}

QList<ListEntry> NearMissSession::rows() const {
    QList<ListEntry> out;
    for (const NearMisses::Group& g : m_groups) {
        const qsizetype n = g.drinks.size();
        out.append({QStringLiteral("%1 kaufen: %2")
                        .arg(missingText(g.missing), n == 1 ? QStringLiteral("1 neuer Drink")
                                                            : QStringLiteral("%1 neue Drinks").arg(n)),
                    0});
        for (const NearMisses::Drink& d : g.drinks) {
            QString line = QStringLiteral("      ") + d.name;
            const QStringList standIns = m_standIns.value(d.recNo);
            if (!standIns.isEmpty())
                line += QStringLiteral(" (") + standIns.join(QStringLiteral(", ")) + QLatin1Char(')');
            out.append({line, d.recNo});
        }
    }
    return out;
}

QStringList NearMissSession::scriptLines() const {
    QList<NearMisses::Drink> drinks = m_drinks; // by name already
    std::stable_sort(drinks.begin(), drinks.end(),
                     [](const NearMisses::Drink& a, const NearMisses::Drink& b) {
                         return a.missing.size() < b.missing.size();
                     });
    QStringList out;
    for (const NearMisses::Drink& d : drinks)
        out << QStringLiteral("%1\t%2\t%3\t%4")
                   .arg(d.missing.size())
                   .arg(d.recNo)
                   .arg(d.name, missingText(d.missing));
    return out;
}
