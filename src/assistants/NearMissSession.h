#pragma once

#include "assistants/NearMisses.h"
#include "common/ListEntry.h"

#include <QHash>

struct AppState;
class TApollo;

// "Fast mixbar" for one home bar: the drinks one (on request two) ingredients short, grouped by what
// they lack, the purchase that brings the most drinks first; with "Ersatzzutaten zulassen" each drink
// also says which substitute stands in. Reads the recipe table and changes nothing.
class NearMissSession {
public:
    static constexpr int kHelpContext = 2470;

    NearMissSession(const AppState& state, TApollo& recipes) : m_state(state), m_recipes(recipes) {}

    // Reads the drinks for the bar (1..3); throws StoreError.
    void begin(int bar);
    void setBar(int bar);
    void setTwoMissing(bool two);
    int bar() const { return m_bar; }
    bool twoMissing() const { return m_two; }

    const QList<NearMisses::Group>& groups() const { return m_groups; }
    // The heading over the list: how many drinks the bar is short of, or that there are none.
    QString heading() const;
    // The list as shown: a line per group ("Limettensaft: 12 Drinks") with a line per drink under it
    // naming what it lacks and what stands in; a group's line has 0 as its data, a drink's line its
    // record number.
    QList<ListEntry> rows() const;
    // The same drinks as lines for scripts: missing count, record number, name, missing names joined
    // by ", " (tab-separated), by missing count, then by name.
    QStringList scriptLines() const;

    QString ingredientName(int number) const;

private:
    void read();
    QString missingText(const QList<int>& missing) const;

    const AppState& m_state;
    TApollo& m_recipes;
    int m_bar = 1;
    bool m_two = false;
    QList<NearMisses::Drink> m_drinks;
    QList<NearMisses::Group> m_groups;
    QHash<int, QStringList> m_standIns; // per record number
    QHash<int, QString> m_names;
};
