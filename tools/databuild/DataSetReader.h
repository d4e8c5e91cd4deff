#pragma once

#include "BlockFile.h"
#include "DataSet.h"

// Reads data/ into a DataSet. Throws DataError naming the record when a value cannot be read.
class DataSetReader {
public:
    static DataSet read(const QString& folder);

private:
    static QStringList readList(const QString& path);
    static void readIngredients(const QString& folder, DataSet& set);
    // ingredients, when given, receives the "Zutat" a decoration is made of.
    static void readPrices(const QString& path, DataSet& set);
    static int readUpdateStart(const QString& path);
    static QList<DataSet::Entry> readEntries(const QString& path, QMap<int, int>* ingredients = nullptr);
    static void readRecipes(const QString& folder, DataSet& set);
    static DataSet::Recipe toRecipe(const BlockFile::Block& block, const QString& file);
    static DataSet::Line toLine(const QString& text, const DataSet::Origin& origin);
    static int number(const BlockFile::Block& block, const QString& key, const DataSet::Origin& origin,
                      int fallback = -1);
};
