#pragma once

#include "DataSet.h"

class TApolloEnv;

// Writes the tables RE, ZU, DE, BA and VE.DAT through the store, computing every derived value by
// the program's own rules (the slot encoding, a recipe's alcohol value).
class DataSetWriter {
public:
    static constexpr int kDashesPerCl = 12;
    // Throws StoreError when a table cannot be written.
    static void write(const DataSet& set, const QString& folder, TApolloEnv& env);
    // The recipes new in this edition (from set.updateFrom on) and the ingredients they use, as the
    // recipe update an installation of an earlier edition reads: "V98_R.DBF" and "V98_Z.DBF" with
    // their memos. Nothing is written when the set names no update.
    static void writeUpdate(const DataSet& set, const QString& folder, TApolloEnv& env);

private:
    static void writeIngredients(const DataSet& set, const QList<int>& numbers, const QString& folder,
                                 const QString& table, TApolloEnv& env);
    static void writeEntries(const QList<DataSet::Entry>& entries, const QString& folder,
                             const QString& table, TApolloEnv& env);
    static void writeRecipes(const DataSet& set, int fromNumber, const QString& folder, const QString& table,
                             TApolloEnv& env);
};
