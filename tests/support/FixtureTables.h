#pragma once

#include <QString>

// Small tables built through the store for tests.
class FixtureTables {
public:
    // The five-record recipe table of the xBase truth table (record 4 deleted), as "TT.DBF" with
    // its memo file, in the given version (0xE5 with SMT or 0x83 with DBT). Returns the table path.
    static QString createTruthTable(const QString& folder, quint8 version = 0xE5);
};
