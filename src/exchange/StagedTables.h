#pragma once

#include "store/TApollo.h"
#include "store/TTable.h"

#include <QSet>
#include <QString>

class TApolloEnv;

// Copies of the recipe and ingredient tables in a folder beside the data, for an import to
// extend. Only replaceData() puts them in place of the data's tables; otherwise they are thrown
// away with the folder, so an import that fails part-way leaves the data as they were.
class StagedTables {
public:
    // Throws StoreError when the data's tables cannot be copied or opened.
    StagedTables(TApolloEnv& env, const QString& dataFolder);
    ~StagedTables();
    StagedTables(const StagedTables&) = delete;
    StagedTables& operator=(const StagedTables&) = delete;

    TApollo& recipes() { return m_recipes; }
    TApollo& ingredients() { return m_ingredients; }
    QString file(const QString& name) const;
    QString folder() const { return m_path; }

    // Names of the recipes that are not deleted, in the form names are compared: without regard
    // to letter case.
    QSet<QString> recipeNames();
    static QString nameKey(const QString& name) { return name.toCaseFolded(); }

    // Closes the copies and moves them over the data's tables. Throws StoreError.
    void replaceData();

private:
    QString m_data;
    QString m_path;
    TTable m_recipeTable;
    TTable m_ingredientTable;
    TApollo m_recipes;
    TApollo m_ingredients;
};
