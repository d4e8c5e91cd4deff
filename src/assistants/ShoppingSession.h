#pragma once

#include "assistants/ShoppingAnalysis.h"

#include <QString>

#include <array>
#include <functional>

class HomeBarTable;
class TApollo;

// The shopping assistant's state and rules: the home bar chosen on the first page, which buttons are
// enabled, the analysis run on the waiting page and the result rows of the last page.
class ShoppingSession {
public:
    enum Page { Intro = 0, Waiting = 1, Result = 2 };
    struct Row {
        QString name;
        QString count;
        friend bool operator==(const Row&, const Row&) = default;
    };
    using Rows = std::array<Row, ShoppingAnalysis::kRanks>;

    static constexpr int kHelpContext = 2440;
    static constexpr int kTipsHelpContext = 2450;
    static constexpr int kTooFewLines = 2;
    static QString tooFewText() {
        return QStringLiteral(
            "Es sind noch zu wenige Zutaten in Ihrer Hausbar. Denken Sie z.B an Eiswürfel und "
            "Orangensaft.");
    }
    static QString picture() { return QStringLiteral("e1.bmp"); }

    // Showing the dialog: the first page with "&Weiter >>>" enabled and "<<< &Zurück" disabled. The
    // chosen bar stays as the user left it.
    void show();
    // "&Weiter >>>": to the waiting page, where the caller runs the analysis.
    void forward();
    // "<<< &Zurück": back to the first page.
    void back();

    void setBar(int bar);
    int bar() const { return m_bar; }
    Page page() const { return m_page; }
    bool forwardEnabled() const { return m_forwardEnabled; }
    bool backEnabled() const { return m_backEnabled; }

    // The analysis for the chosen bar; ends on the result page. `step` runs once per recipe.
    void analyse(TApollo& recipes, TApollo& ingredients, const HomeBarTable& bars,
                 const std::function<void()>& step = {});
    const ShoppingAnalysis::Tips& tips() const { return m_tips; }
    // True after an analysis whose first or second rank found nothing: the rows are empty and the
    // caller shows the notice.
    bool tooFew() const { return m_tooFew; }
    const Rows& rows() const { return m_rows; }

    // The same result as text lines "count<TAB>number<TAB>name", or the notice alone.
    QStringList resultLines() const;

private:
    static Rows rowsFor(const ShoppingAnalysis::Tips& tips, TApollo& ingredients);

    Page m_page = Intro;
    int m_bar = 1;
    bool m_forwardEnabled = true;
    bool m_backEnabled = false;
    bool m_tooFew = false;
    ShoppingAnalysis::Tips m_tips{};
    Rows m_rows{};
};
