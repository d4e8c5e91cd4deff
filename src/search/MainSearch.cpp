#include "search/MainSearch.h"

#include "common/RecipeListing.h"
#include "search/MainSearchHost.h"
#include "search/SearchPass.h"
#include "search/SearchSession.h"

namespace {
class WaitCursor {
public:
    explicit WaitCursor(MainSearchHost& host) : m_host(host) { m_host.setWaitCursor(true); }
    ~WaitCursor() { m_host.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    MainSearchHost& m_host;
};
} // namespace

MainSearch::MainSearch(SearchSession& session, TApollo& recipes, RecipeListing& listing, MainSearchHost& host)
    : m_session(session), m_recipes(recipes), m_listing(listing), m_host(host) {}

bool MainSearch::offer(int recipeTotal, bool debugInfo, bool* accepted) {
    *accepted = m_host.runSearchDialog();
    if (!*accepted) {
        m_session.cancelled();
        return true;
    }
    const bool homeBarOnly = m_session.form().homeBarOnly;
    const QString expression = m_session.expression();
    m_host.finishPainting();
    if (debugInfo && !expression.isEmpty())
        m_host.showExpression(expression);
    const SearchPass::Outcome outcome = SearchPass::run(m_recipes, m_listing, recipeTotal, expression,
                                                        homeBarOnly, m_session.recordTest(m_recipes));
    m_host.playNoise(outcome.sound());
    if (outcome.found == 0)
        m_host.reportNoMatch();
    if (outcome.clearSearchOff)
        m_host.setClearSearchEnabled(false);
    return outcome.finished;
}

void MainSearch::start(int recipeTotal, bool debugInfo) {
    bool accepted = false;
    while (!offer(recipeTotal, debugInfo, &accepted)) {
    }
    // A search that found nothing may have emptied the list (the home bar rule) before the user
    // gave up: it is filled again, and the view and the clear command follow it.
    const bool refilled = m_listing.ListedCount() == 0;
    if (refilled) {
        m_listing.FillRecipeList(false);
        if (m_listing.ListedCount() == recipeTotal)
            m_host.setClearSearchEnabled(false);
    }
    if (accepted || refilled)
        m_host.showFirst();
}

void MainSearch::clear() {
    {
        WaitCursor wait(m_host);
        m_host.setClearSearchEnabled(false);
        m_host.playNoise(kClearSound);
        m_session.Reset();
        m_listing.FillRecipeList(false);
    }
    m_host.showFirst();
}
