#include "assistants/ShoppingSession.h"

#include "common/AppState.h"
#include "common/IngredientLookup.h"
#include "store/Fields.h"
#include "store/TApollo.h"

void ShoppingSession::begin() {
    m_page = Intro;
    m_forwardEnabled = true;
    m_backEnabled = false;
}

void ShoppingSession::forward() {
    if (!m_forwardEnabled)
        return;
    m_forwardEnabled = false;
    m_backEnabled = true;
    m_page = m_page == Result ? Plan : Waiting;
}

void ShoppingSession::back() {
    if (!m_backEnabled)
        return;
    m_forwardEnabled = true;
    if (m_page == Plan) {
        m_page = Result;
        return;
    }
    m_backEnabled = false;
    m_page = Intro;
}

void ShoppingSession::setBar(int bar) {
    if (bar >= 1 && bar <= HomeBarTable::kBars)
        m_bar = bar;
}

int ShoppingSession::progressMaximum() const {
    return m_tables.recipes.RecCount();
}

void ShoppingSession::analyse(const std::function<void()>& step) {
    const BarCoverage coverage = m_state.barCoverage();
    ShoppingAnalysis analysis(coverage.present(m_bar), PurchaseReach(coverage));
    const ShoppingAnalysis::Tips tips = analysis.run(m_tables.recipes, step);
    const bool tooFew = ShoppingAnalysis::tooFew(tips);
    m_rows = tooFew ? Rows{} : rowsFor(tips);
    m_tips = tips;
    m_tooFew = tooFew;
    m_page = Result;
    m_forwardEnabled = true; // on to the purchase plan, which helps also when the tips found too few
}

void ShoppingSession::makePlan() {
    const BarCoverage coverage = m_state.barCoverage();
    m_plan.make(coverage.present(m_bar), PurchaseReach(coverage));
}

bool ShoppingSession::allowSubstitutes() const {
    return m_state.settings.bar().allowSubstitutes;
}

::Result ShoppingSession::setAllowSubstitutes(bool on) {
    BarSettings changed = m_state.settings.bar();
    changed.allowSubstitutes = on;
    return m_state.saveBarSettings(changed);
}

std::optional<Notice> ShoppingSession::notice() const {
    return m_tooFew ? std::optional<Notice>(tooFewNotice()) : std::nullopt;
}

ShoppingSession::Rows ShoppingSession::rowsFor(const ShoppingAnalysis::Tips& tips) const {
    Rows rows;
    for (size_t k = 0; k < tips.size(); ++k) {
        if (tips[k].count <= 0)
            continue;
        const bool found = IngredientLookup::seek(m_tables.ingredients, tips[k].number);
        rows[k] = {found ? m_tables.ingredients.GetTrimString(Fields::Ingredient::Name) : QString(),
                   QString::number(tips[k].count)};
    }
    return rows;
}

QStringList ShoppingSession::resultLines() const {
    if (m_tooFew)
        return {tooFewNotice().text};
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
