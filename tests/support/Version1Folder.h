#pragma once

#include <QList>
#include <QString>

#include <utility>

class TApolloEnv;

// A folder of version 1 written through our own store: REZEPTE.100/.200 and ZUTATEN.100/.200
// (xBase tables with DBT memos under version 1's names). The supplied ingredients come first,
// then the user's own ones.
class Version1Folder {
public:
    struct Ingredient {
        QString name{};
        int alcohol = 0;
        int kind = 0;
        bool homeBar = false;
        QString comment{};
    };
    struct Recipe {
        QString name{};
        QString bild{};                     // not empty for the recipes version 1 came with
        QList<std::pair<int, int>> lines{}; // version-1 ingredient number and amount
        int category = 1;
        int alcohol = 0;
        QString instructions{};
    };

    // The store allows one environment at a time: the caller's.
    static void write(TApolloEnv& env, const QString& folder, const QList<Ingredient>& own,
                      const QList<Recipe>& recipes, int supplied = 187);
};
