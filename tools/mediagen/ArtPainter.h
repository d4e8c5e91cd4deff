#pragma once

#include <QImage>

// The program's own pictures: the splash, the photo shown for drinks without one, the advert
// shown behind the recipe text, the about box's picture and the program icon.
class ArtPainter {
public:
    static QImage intro();        // 480 x 320
    static QImage defaultPhoto(); // 140 x 200
    static QImage advert();       // 320 x 200
    static QImage info();         // 150 x 200
    static QImage icon(int size); // square, transparent corners
};
