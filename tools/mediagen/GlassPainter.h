#pragma once

#include "DrinkLook.h"
#include "GlassShape.h"

#include <QPainter>

// Draws a glass or mug with its drink: liquid seen through the glass, ice, foam, bubbles, cream,
// steam, straw and the glass's own reflections. Coordinates are the photo's (see GlassShape).
class GlassPainter {
public:
    // The height at which the liquid stands (the rim for frozen drinks heaped above it).
    static double liquidLevel(const GlassShape& g, const DrinkLook& look);
    static void paint(QPainter& p, const GlassShape& g, const DrinkLook& look);

private:
    static void liquid(QPainter& p, const GlassShape& g, const DrinkLook& look, double level);
    static void ice(QPainter& p, const GlassShape& g, const DrinkLook& look, double level);
    static void glassFront(QPainter& p, const GlassShape& g, const DrinkLook& look);
    static void opaqueBody(QPainter& p, const GlassShape& g, const DrinkLook& look);
    static void topping(QPainter& p, const GlassShape& g, const DrinkLook& look, double level);
};
