#pragma once

#include <QString>

class MainSearchHost;
class RecipeListing;
class SearchSession;
class TApollo;

// The main window's two search commands: starting a search (the dialog offered again while nothing
// is found) and clearing it.
class MainSearch {
public:
    static QString noMatchNotice() {
        return QStringLiteral("Es wurden keine Getränke mit\rdiesen Eigenschaften gefunden.");
    }
    static constexpr int kNoMatchLines = 2;
    static constexpr int kClearSound = 3;

    MainSearch(SearchSession& session, TApollo& recipes, RecipeListing& listing, MainSearchHost& host);

    // recipeTotal: the recipes in the table; debugInfo shows each expression before it is applied.
    void start(int recipeTotal, bool debugInfo);
    void clear();

private:
    // One showing of the dialog and, after OK, one search; true when the search is finished.
    bool offer(int recipeTotal, bool debugInfo, bool* accepted);

    SearchSession& m_session;
    TApollo& m_recipes;
    RecipeListing& m_listing;
    MainSearchHost& m_host;
};
