#pragma once

#include <QColor>
#include <QString>

// How an ingredient colours a drink, looked up by words in its name (so ingredients the user
// adds later get a sensible colour too).
struct LiquidTint {
    QColor colour;          // a layer of a few centimetres against white light
    double strength = 1.0;  // colouring power: grenadine and curaçao far above a clear spirit
    double turbidity = 0.0; // 0 clear ... 1 opaque like milk
    bool sparkling = false;
    bool foams = false;  // egg white, stout: a head of foam
    bool creamy = false; // cream, milk, egg liqueur
    bool hot = false;    // coffee, tea, punch served hot

    static LiquidTint forName(const QString& ingredientName);
    // True when the name is a solid garnish or ice rather than a liquid (no colour at all).
    static bool isSolid(const QString& ingredientName);
};
