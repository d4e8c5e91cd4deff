#pragma once

#include "common/IngredientSet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class BarCoverage;
class TApollo;

// "Fast mixbar": the drinks a home bar is one or two ingredients short of, grouped by what they lack,
// so that the user sees which purchase brings the most new drinks.
class NearMisses {
public:
    struct Drink {
        int recNo = 0;
        QString name;
        QList<int> missing; // ascending, each ingredient once
        QList<int> numbers; // every ingredient of the drink, as stored
        friend bool operator==(const Drink&, const Drink&) = default;
    };
    struct Group {
        QList<int> missing;
        QList<Drink> drinks; // by name
    };

    // Every drink missing at least one and at most `maxMissing` different ingredients of `present`
    // (what is at hand by the mixable test's rule), by name. Throws StoreError.
    static QList<Drink> find(TApollo& recipes, const IngredientSet& present, int maxMissing);
    // The drinks grouped by what they lack: the groups with the most drinks first, then those lacking
    // fewer, then by the first missing name.
    static QList<Group> group(const QList<Drink>& drinks, const std::function<QString(int)>& nameOf);
    // "Zitronensaft statt Limettensaft" for each of the drink's ingredients that the bar has only
    // through a substitute.
    static QStringList standIns(const QList<int>& numbers, const BarCoverage& coverage, int bar,
                                const std::function<QString(int)>& nameOf);
};
