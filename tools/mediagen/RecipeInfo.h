#pragma once

#include <QList>
#include <QString>

// What the photo generator needs to know of a recipe, read from the tables.
struct RecipeInfo {
    struct Ingredient {
        QString name;
        int alcohol = 0;
        int unit = 3; // KENNUNG: 0 cl, 1 g, 2 piece, 3 none, 4 dash
        int amount = 0;
        int pieceVolume = 0; // MENGE: cl in one piece
    };

    QString name;
    QString bild; // photo number as stored
    int category = 0;
    QString decoration; // name of the DEKO record, empty for none
    QString instructions;
    QList<Ingredient> ingredients;
};
