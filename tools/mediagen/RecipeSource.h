#pragma once

#include "RecipeInfo.h"

#include <QList>
#include <QString>

// Reads what the pictures are made from out of the program's tables in a data folder, through
// the project's own record store.
class RecipeSource {
public:
    struct Picture {
        QString name; // NAME of the lexicon term or decoration
        QString bild; // BILD, trimmed
    };

    // Every recipe of "RE" that is not deleted, with its ingredients from "ZU" and the name of
    // its decoration from "DE". Throws StoreError when a table cannot be read.
    static QList<RecipeInfo> recipes(const QString& dataFolder);
    // The records of "DE" or "BA" that name a picture.
    static QList<Picture> pictures(const QString& dataFolder, const QString& table);
};
