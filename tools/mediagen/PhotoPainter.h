#pragma once

#include "DrinkLook.h"

#include <QImage>
#include <QPainter>

// Composes a drink photo as a studio shot: a dark backdrop lit behind the glass, a bar counter
// with the glass's shadow and reflection, and the glass with its drink.
class PhotoPainter {
public:
    static constexpr int kWidth = 140;
    static constexpr int kHeight = 200;

    enum class Counter { Wood, Marble, Slate };

    // Print photos: 588 x 840, over 300 ppi in the largest card box (49 x 70 mm).
    static constexpr double kPrintScale = 4.2;

    // The photo at its collection size, 140 x 200, or `scale` times that.
    static QImage photo(const DrinkLook& look, double scale = 1);
    // The same scene fitted into `target` (any size; the glass keeps its proportions). The
    // backdrop fills the whole target.
    static void paintScene(QPainter& p, const QRectF& target, const DrinkLook& look);
    // Backdrop and counter alone, the counter's front edge at `counterTop`.
    static void paintBackdrop(QPainter& p, const QRectF& target, const QColor& key, Counter counter,
                              double counterTop, quint32 seed);
    // The backdrop colour that suits a drink.
    static QColor keyColour(const DrinkLook& look);
    static Counter counterFor(const DrinkLook& look);
};
