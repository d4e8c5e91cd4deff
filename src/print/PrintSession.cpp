#include "print/PrintSession.h"

#include "common/ListCollation.h"

#include <algorithm>

void PrintSession::startSingleDrink(const ListEntry& drink) {
    m_mode = Mode::SingleDrink;
    settings.layout = PrintSettings::Layout::RecipeCard;
    m_candidates.clear();
    m_chosen = {drink};
    m_page = LayoutPage;
}

void PrintSession::startSeveralDrinks(const QList<ListEntry>& listed) {
    m_mode = Mode::SeveralDrinks;
    m_candidates = listed;
    ListCollation::sort(m_candidates);
    m_chosen.clear();
    m_page = ChoicePage;
}

QList<int> PrintSession::chosenRecNos() const {
    QList<int> recNos;
    for (const ListEntry& e : m_chosen)
        recNos.append(e.data);
    return recNos;
}

void PrintSession::add(QList<int> candidateRows) {
    std::sort(candidateRows.begin(), candidateRows.end());
    for (int row : candidateRows) {
        if (row >= 0 && row < m_candidates.size())
            m_chosen.append(m_candidates.at(row));
    }
}

int PrintSession::remove(int row) {
    if (row < 0 || row >= m_chosen.size())
        return m_chosen.isEmpty() ? -1 : 0;
    m_chosen.removeAt(row);
    if (m_chosen.isEmpty())
        return -1;
    return qMax(0, row - 1);
}

bool PrintSession::setPage(int page) {
    if (page == LayoutPage && m_mode == Mode::SeveralDrinks && m_chosen.isEmpty())
        return false;
    if (page == ChoicePage && !choicePageEnabled())
        return false;
    m_page = page;
    return true;
}

QString PrintSession::okCaption() const {
    return m_page == LayoutPage ? QStringLiteral("&Drucken") : QStringLiteral("&Weiter");
}
