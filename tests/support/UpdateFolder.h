#pragma once

#include <QList>
#include <QString>

class TApolloEnv;

// A downloaded recipe update written through our own store: "V98_R.DBF" and "V98_Z.DBF" with
// their memo files, in the layout of the program's own recipe and ingredient tables.
class UpdateFolder {
public:
    struct Recipe {
        QString name{};
        QString z{};
        QString zmenge{};
        int kat = 1;
        int alk = 0;
        int canr = 0;
        QString anleitung{};
    };
    struct Ingredient {
        int number = 0;
        QString name{};
        int alcohol = 0;
        int kind = 0;
        QString comment{};
    };

    // withIngredients false leaves "V98_Z.DBF" out.
    static void write(TApolloEnv& env, const QString& folder, const QList<Recipe>& recipes,
                      const QList<Ingredient>& ingredients, bool withIngredients = true);
};
