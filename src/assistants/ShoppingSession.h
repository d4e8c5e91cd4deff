#pragma once

#include "assistants/ShoppingAnalysis.h"
#include "assistants/ShoppingPlan.h"
#include "common/Notice.h"
#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

struct AppState;
class TApollo;

// The shopping assistant's state and rules: the home bar chosen on the first page, which buttons are
// enabled, the analysis run on the waiting page, its result rows, and the purchase plan of the page
// after them. Reads the recipe table and the home bars and changes nothing.
class ShoppingSession {
public:
    enum Page { Intro = 0, Waiting = 1, Result = 2, Plan = 3 };
    struct Row {
        QString name;
        QString count;
        friend bool operator==(const Row&, const Row&) = default;
    };
    using Rows = std::array<Row, ShoppingAnalysis::kRanks>;
    struct Tables {
        TApollo& recipes;
        TApollo& ingredients;
    };

    static constexpr int kHelpContext = 2440;
    static constexpr int kTipsHelpContext = 2450;
    static Notice tooFewNotice() {
        return Notice::hint(
            QStringLiteral("Es sind noch zu wenige Zutaten in Ihrer Hausbar. Denken Sie z.B an "
                           "Eiswürfel und Orangensaft."),
            2);
    }
    static QString picture() { return QStringLiteral("e1.bmp"); }

    ShoppingSession(AppState& state, const Tables& tables)
        : m_state(state), m_tables(tables), m_plan(tables.recipes, tables.ingredients) {}

    // Showing the dialog: the first page with "&Weiter >>>" enabled and "<<< &Zurück" disabled. The
    // chosen bar stays as the user left it.
    void begin();
    // "&Weiter >>>": from the first page to the waiting page, where the window runs the analysis;
    // from the result page to the purchase plan, which the window then makes.
    void forward();
    // "<<< &Zurück": from the purchase plan back to the result page, from the others to the first page.
    void back();

    void setBar(int bar);
    int bar() const { return m_bar; }
    Page page() const { return m_page; }
    bool forwardEnabled() const { return m_forwardEnabled; }
    bool backEnabled() const { return m_backEnabled; }

    // The number of steps the analysis reports: one per record of the recipe table, at most.
    int progressMaximum() const;
    // The analysis for the chosen bar; ends on the result page. `step` runs once per recipe examined.
    // A store failure propagates and leaves the page as it was.
    void analyse(const std::function<void()>& step = {});
    const ShoppingAnalysis::Tips& tips() const { return m_tips; }
    // After an analysis whose first or second rank found nothing: the notice to show; the rows are
    // empty then.
    std::optional<Notice> notice() const;
    const Rows& rows() const { return m_rows; }

    // "Ersatzzutaten zulassen", shared with the home bar dialog: changing it saves the home bar settings
    // (refused while read-only); the next analysis uses it.
    bool allowSubstitutes() const;
    ::Result setAllowSubstitutes(bool on);

    // The purchase plan for the chosen bar, made from what that bar has at hand.
    void makePlan();
    ShoppingPlan& plan() { return m_plan; }
    const ShoppingPlan& plan() const { return m_plan; }

    // The result as text lines "count<TAB>number<TAB>name", or the notice's text alone.
    QStringList resultLines() const;

private:
    Rows rowsFor(const ShoppingAnalysis::Tips& tips) const;

    AppState& m_state;
    Tables m_tables;
    Page m_page = Intro;
    int m_bar = 1;
    bool m_forwardEnabled = true;
    bool m_backEnabled = false;
    bool m_tooFew = false;
    ShoppingAnalysis::Tips m_tips{};
    Rows m_rows{};
    ShoppingPlan m_plan;
};
