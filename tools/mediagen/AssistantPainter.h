#pragma once

#include <QImage>
#include <QString>

// The pictures beside the pages of the cocktail assistant ("c1" ... "c5"), the blood alcohol
// assistant ("b1" ... "b5") and the shopping assistant ("e1"), 150 x 250 each.
class AssistantPainter {
public:
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 250;

    // name: "c1" ... "c5", "b1" ... "b5" or "e1".
    static QImage picture(const QString& name);
};
