#pragma once

#include "common/Notice.h"
#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class TApollo;

// The cocktail assistant's state and rules: six wizard pages (an introduction, four questions and the
// start page), the answer chosen for each question, the page sounds that play once per showing, and
// the filter on the recipes' answer code `CANR` that the choice builds. The answers stay as chosen for
// the whole run.
class CocktailSession {
public:
    enum SoundKind { Noise = 0, Speech = 1 };

    static constexpr int kPages = 6;
    static constexpr int kQuestions = 4;
    static constexpr int kStartPage = kPages - 1;
    static constexpr int kHelpContext = 2350;
    static constexpr int kListedSound = 30; // a noise, after the list was filled

    struct PageText {
        QString title;
        QString heading;
        QStringList texts;   // the paragraphs below the heading
        QStringList answers; // the question's choices, digit 1 first; empty on the other pages
        QString picture;
        int sound = 0; // speech played when the page is reached
    };
    static const PageText& pageText(int page);
    static Notice noMatchNotice() {
        return Notice::hint(
            QStringLiteral("Die Datenbank enthält keine Drinks (mehr), die\rIhren Wünschen entsprechen."), 2);
    }
    static QString forwardCaption() { return QStringLiteral("&Weiter >>>"); }
    static QString startCaption() { return QStringLiteral("&Start"); }

    explicit CocktailSession(TApollo& recipes) : m_recipes(recipes) {}

    // What a button press did: the dialog ends with "&Start", or a page was reached whose speech sound
    // plays (0: none).
    struct Move {
        bool start = false;
        int sound = 0;
    };

    // Showing the dialog: the introduction, sounds allowed again; the answers stay as chosen last.
    Move begin();
    // "&Weiter >>>": the next page, or the start on the last one.
    Move forward();
    // "<<< &Zurück": the previous page; nothing on the first.
    Move back();

    int page() const { return m_page; }
    bool backEnabled() const { return m_page > 0; }
    QString forwardButtonCaption() const { return m_page == kStartPage ? startCaption() : forwardCaption(); }
    bool soundsPlayedOut() const { return m_playedOut; }

    // Question 0..3 (occasion, taste, alcohol, amount); the answer is its digit, from 1.
    int answer(int question) const;
    void setAnswer(int question, int digit);
    static int answerCount(int question) { return int(pageText(question + 1).answers.size()); }

    // "CANR = " and the four digits of the answers.
    QString filterExpression() const;

    // After "&Start": applies the filter to the recipe table; when drinks match, `fillList` refills the
    // list from the filtered table, otherwise the notice says that none match and the list stays. The
    // filter is lifted again in any case; a store failure propagates.
    Result start(const std::function<void()>& fillList) const;

private:
    Move reached();

    TApollo& m_recipes;
    int m_page = 0;
    bool m_playedOut = false;
    std::array<int, kQuestions> m_answers{1, 1, 1, 1};
};
