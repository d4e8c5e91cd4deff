#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The shipped content as read from data/, before it is written into the tables.
struct DataSet {
    struct Origin {
        QString file;
        int line = 0;
        int number = 0;
        QString describe(const QString& name = {}) const;
    };

    struct Ingredient {
        Origin origin;
        int number = 0;
        QString name;
        int alcohol = 0;
        int unit = 0; // 0 cl, 1 g, 2 St, 3 none, 4 dash
        int pieceVolume = 0;
        bool printed = true;
        // "Restalkohol: ja": sold as alcohol-free but may hold up to 0.5 % (alcohol-free beer and
        // sparkling wine); the recipes using it say so.
        bool traces = false;
        QString remark;
        // From preise.txt: a bottle's or pack's price in cents and its content in the unit (cl for dash).
        int priceCents = 0;
        int packSize = 0;
    };

    struct Line {
        int ingredient = 0;
        int amount = 0; // 0 for ingredients without amount
        QString unitText;
        QString name;
    };

    struct Recipe {
        Origin origin;
        int number = 0;
        QString name;
        QString picture;
        int category = 0;
        int taste = 0;
        int decoration = 0;
        int assistantCode = 0;
        bool marked = false;
        // "Pur: ja": the spirit is drunk as good as neat (a sugar cube, a bite of lemon beside it),
        // so a stored strength equal to the spirit's is meant.
        bool neat = false;
        QList<Line> lines;
        QString instructions;
        QString remark;
    };

    struct Entry { // decorations and lexicon terms
        Origin origin;
        int number = 0;
        QString name;
        QString picture;
        QString text;
    };

    QStringList categories;
    QStringList tastes;
    QMap<int, Ingredient> ingredients;
    QList<Entry> decorations;
    // Decorations made of an ingredient of the list (nutmeg, a salt rim): decoration → ingredient.
    QMap<int, int> decorationIngredients;
    QList<Entry> lexicon;
    QList<Recipe> recipes;
    // The first recipe number that is new in this edition ("update.txt"); 0 when there is none. The
    // recipes from it on ship once more as a recipe update for installations of an earlier edition.
    int updateFrom = 0;

    static QString unitText(int unit);
    static int unitFromText(const QString& text); // -1 when unknown
};
