#pragma once

#include "GlassShape.h"
#include "RecipeInfo.h"

#include <QColor>
#include <QList>
#include <QString>

// Everything the photo shows of a drink: glass, liquid, ice, foam, garnish. Built from a recipe
// by the rules below, or set up by hand for the lexicon pictures.
struct DrinkLook {
    enum class Ice { None, Cubes, Crushed, Frozen };

    struct Layer {
        QColor colour;
        double share = 0; // of the liquid's height
    };

    GlassShape::Kind glass = GlassShape::Kind::Highball;
    QColor centre;        // the liquid seen through the middle of the glass
    QColor edge;          // ... and near the wall, where the layer is thin
    double turbidity = 0; // 0 clear ... 1 opaque
    double fill = 0;      // share of the bowl's height; 0 takes the glass's default
    bool sparkling = false;
    bool clear = false; // almost colourless (spirits, soda): drawn by its reflections
    Ice ice = Ice::None;
    QColor foam;           // invalid: no head of foam
    bool creamCap = false; // whipped cream on top
    bool hot = false;
    QList<Layer> layers; // bottom first; empty for a mixed drink
    QString garnish;     // decoration name as in the decoration table
    bool mintInside = false;
    bool limeInside = false;
    bool straw = false;
    bool empty = false; // a glass without a drink (lexicon)
    quint32 seed = 1;

    static DrinkLook fromRecipe(const RecipeInfo& recipe);
    // A drink of one colour, paler at the glass's edge, for the assistants' and lexicon pictures.
    static DrinkLook plain(GlassShape::Kind glass, const QColor& colour, const QString& garnish,
                           quint32 seed);
    // The glass named first in the mixing instructions; Kind count when none is named.
    static bool glassFromText(const QString& text, GlassShape::Kind* kind);
    static GlassShape::Kind glassForCategory(int category);
};
