#pragma once

#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <optional>

// The recipe, ingredient and decoration tables of a data folder opened read-only (deleted records
// hidden, as the program reads them), with the help table a print table is filled through.
struct ShippedPrintTables {
    TApolloEnv env;
    TTable reTable{env};
    TTable zuTable{env};
    TTable deTable{env};
    TTable hilfTable{env};
    std::optional<TApollo> re;
    std::optional<TApollo> zu;
    std::optional<TApollo> de;
    std::optional<TApollo> hilf;

    explicit ShippedPrintTables(const QString& folder) {
        env.SetDeleted(true);
        reTable.Open(folder, QStringLiteral("RE"), true);
        zuTable.Open(folder, QStringLiteral("ZU"), true);
        deTable.Open(folder, QStringLiteral("DE"), true);
        re.emplace(reTable);
        zu.emplace(zuTable);
        de.emplace(deTable);
        hilf.emplace(hilfTable);
    }
};
