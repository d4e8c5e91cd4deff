#pragma once

#include <QString>

// Where a recipe's photo lives: the user's own photo (`EIGEN`) or the collection photo (`BILD`)
// in the sub-folder of its hundreds. Names are matched without regard to case; a value that would
// leave its folder names no photo.
class PhotoPath {
public:
    // Empty when the recipe has no photo or the file does not exist.
    static QString forRecipe(const QString& bild, const QString& eigen, const QString& picturesFolder,
                             const QString& ownPhotosFolder);
    // The relative path in the collection, e.g. "12/1234.BMP"; empty for "", "e" or a non-number.
    static QString collectionPath(const QString& bild);
    // The print-resolution photo beside a collection photo: "12/1234.BMP" -> "12/1234.JPG".
    static QString printPath(const QString& collectionPath);
    // The photo to print: the own photo at its own resolution, else the collection's print photo,
    // else its screen photo (collections of earlier editions have no print photos).
    static QString forPrinting(const QString& bild, const QString& eigen, const QString& picturesFolder,
                               const QString& ownPhotosFolder);
    // Finds a relative path below a folder, each part matched without regard to case.
    static QString resolve(const QString& folder, const QString& relative);
    static bool isSafeName(const QString& name);
};
