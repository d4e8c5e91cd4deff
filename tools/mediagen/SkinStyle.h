#pragma once

#include <QColor>
#include <QList>
#include <QString>

// The look of one skin (a set of four frame bitmaps "O", "U", "R", "L"): its colours and the
// texture of its band and mouldings.
struct SkinStyle {
    enum class Texture { Lacquer, Mosaic, Lagoon, Driftwood, Terracotta, Steel, Glacier, Teak, Vga, VgaNavy };

    QString name;
    QColor body;     // the band's colour at its top
    QColor bodyDark; // ... and at its foot
    QColor light;    // raised edges
    QColor shadow;   // sunken edges
    QColor accent;   // ornaments: gold, brass, silver, foam, rope
    Texture texture = Texture::Lacquer;
    bool lowColour = false; // written as 4-bit BMP with the VGA colours only

    // Every skin name the themes use, dialog and main-window skins alike.
    static const QList<SkinStyle>& all();
    static const SkinStyle& byName(const QString& name);
};
