#pragma once

#include <QPixmap>
#include <QString>

// Four bitmaps of one skin: top ("O"), bottom ("U"), right ("R") and left ("L").
struct SkinSet {
    QPixmap top;
    QPixmap bottom;
    QPixmap right;
    QPixmap left;
    QString name;

    bool isLoaded() const { return !top.isNull() && !bottom.isNull() && !right.isNull() && !left.isNull(); }
    // Loads the four files S + "O.BMP" … S + "L.BMP" from the data folder (names matched without
    // regard to case); false at the first that cannot be loaded.
    bool load(const QString& dataFolder, const QString& skinName);
    static QString failureText(const QString& dataFolder, const QString& skinName);
};
