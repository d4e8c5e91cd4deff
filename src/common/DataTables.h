#pragma once

#include <QStringList>

#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

// The hidden data window of the original: the store environment and the five tables with their
// record-level operations, alive for the whole run.
class DataTables {
public:
    DataTables();

    TApolloEnv ApolloEnv;
    TTable RezepteTable;
    TTable ZutatenTable;
    TTable HilfTable;
    TTable DekoTable;
    TTable LexTable;
    TApollo ApolloRezepte;
    TApollo ApolloZutaten;
    TApollo ApolloHilf;
    TApollo ApolloDeko;
    TApollo ApolloLex;

    // Opens RE, ZU, DE and BA from the data folder (read-only when asked) and builds the numeric
    // order on the ingredient number. Throws StoreError.
    void openMainTables(const QString& dataFolder, bool readOnly);
    void closeMainTables();
    // What opening the main tables found damaged and repaired, one line each with the file's name.
    QStringList repairNotes() const;
};
