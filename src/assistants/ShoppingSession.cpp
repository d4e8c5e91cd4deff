#include "assistants/ShoppingSession.h"

#include "browser/IngredientLookup.h"
#include "store/TApollo.h"

#include <QStringList>

void ShoppingSession::show() {
    m_page = Intro;
    m_forwardEnabled = true;
    m_backEnabled = false;
}

void ShoppingSession::forward() {
    if (!m_forwardEnabled)
        return;
    m_forwardEnabled = false;
    m_backEnabled = true;
    m_page = Waiting;
}

void ShoppingSession::back() {
    if (!m_backEnabled)
        return;
    m_forwardEnabled = true;
    m_backEnabled = false;
    m_page = Intro;
}

void ShoppingSession::setBar(int bar) {
    if (bar >= 1 && bar <= 3)
        m_bar = bar;
}

void ShoppingSession::analyse(TApollo& recipes, TApollo& ingredients, const HomeBarTable& bars,
                              const std::function<void()>& step) {
    ShoppingAnalysis analysis(bars, m_bar);
    m_tips = analysis.run(recipes, step);
    m_tooFew = ShoppingAnalysis::tooFew(m_tips);
    m_rows = m_tooFew ? Rows{} : rowsFor(m_tips, ingredients);
    m_page = Result;
}

ShoppingSession::Rows ShoppingSession::rowsFor(const ShoppingAnalysis::Tips& tips, TApollo& ingredients) {
    Rows rows;
    for (size_t k = 0; k < tips.size(); ++k) {
        if (tips[k].count <= 0)
            continue;
        const bool found = IngredientLookup::seek(ingredients, tips[k].number);
        rows[k] = {found ? ingredients.GetTrimString(QStringLiteral("NAME")) : QString(),
                   QString::number(tips[k].count)};
    }
    return rows;
}

QStringList ShoppingSession::resultLines() const {
    if (m_tooFew)
        return {tooFewText()};
    QStringList lines;
    for (size_t k = 0; k < m_tips.size(); ++k) {
        if (m_tips[k].count > 0)
            lines << QStringLiteral("%1\t%2\t%3")
                         .arg(m_tips[k].count)
                         .arg(m_tips[k].number)
                         .arg(m_rows[k].name);
    }
    return lines;
}
