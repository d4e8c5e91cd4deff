#pragma once

#include <QHash>
#include <QList>
#include <QString>

class TApollo;

// "Ähnliche Drinks": the drinks closest to one by what goes into them. A drink is a set of weighted
// ingredients: ice and the basics (HAUSBAR.CFG) do not count, the base spirit (the ingredient that
// brings the most alcohol into the glass) weighs three, every other ingredient one. Two drinks score
// the weight they share (the smaller weight of each common ingredient) against the weight either has
// (the larger weight of each ingredient of both), as whole points from 0 to 100.
class SimilarDrinks {
public:
    static constexpr int kShown = 10;
    static constexpr int kBaseWeight = 3;

    struct Found {
        int score = 0; // 1..100
        int recNo = 0;
        QString name;
        friend bool operator==(const Found&, const Found&) = default;
    };
    // Ingredient number → weight.
    using Weights = QHash<int, int>;

    // The closest drinks to the recipe `recNo`, best first, equal scores by name; drinks that share
    // nothing are left out. Deleted drinks never count. Throws StoreError.
    static QList<Found> closest(TApollo& recipes, TApollo& ingredients, int recNo, const QList<int>& basics,
                                int count = kShown);
    static int score(const Weights& a, const Weights& b);
};
