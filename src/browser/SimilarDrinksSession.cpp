#include "browser/SimilarDrinksSession.h"

#include "common/RecipeBook.h"

void SimilarDrinksSession::begin(int recNo, const QList<int>& basics) {
    m_name = RecipeBook(m_recipes, m_ingredients).read(recNo, false).name;
    m_found = SimilarDrinks::closest(m_recipes, m_ingredients, recNo, basics);
}

QString SimilarDrinksSession::heading() const {
    if (m_found.isEmpty())
        return QStringLiteral("Kein anderer Drink hat Zutaten mit „%1“ gemeinsam.").arg(m_name);
    return QStringLiteral("Diese Drinks haben ähnliche Zutaten wie „%1“:").arg(m_name);
}

QList<ListEntry> SimilarDrinksSession::entries() const {
    QList<ListEntry> out;
    for (const SimilarDrinks::Found& f : m_found)
        out.append({QStringLiteral("%1 (%2 Punkte)").arg(f.name).arg(f.score), f.recNo});
    return out;
}
