#pragma once

#include "common/HomeBarTable.h"
#include "print/PrintRecord.h"
#include "print/PrintRecordBuilder.h"
#include "print/PrintSettings.h"
#include "store/DbfFile.h"

class TApollo;
class TApolloEnv;

// The print table "V98_D.DBF": filled from the chosen recipes just before every printout, preview
// and text export, which then only read it. It belongs to the installed data (the data build
// writes it empty); the program empties and refills it, and makes it only where it is missing.
class PrintTable {
public:
    // The wait window while the table is filled; shown only for more than ten drinks.
    class Progress {
    public:
        virtual ~Progress() = default;
        virtual void show(int maximum, const QString& text) = 0;
        virtual void set(int value) = 0;
        virtual void hide() = 0;
    };

    static constexpr int kWaitThreshold = 10;
    static QString fileName() { return QStringLiteral("V98_D.DBF"); }
    static QString waitText() { return QStringLiteral("Das Drucken wird vorbereitet."); }

    // An empty print table (DBF 0x83 with its DBT memo file) in the folder. Throws StoreError.
    static void create(const QString& folder);

    // `FillPrintTable`: points the table at the folder's print table, empties it and writes one
    // record per record number, in the given order; closes it again. With a mixable test, only the
    // recipes it keeps are written. Throws StoreError.
    static void fill(TApollo& printTable, const QString& folder, const PrintRecordBuilder::Sources& sources,
                     const QList<int>& recNos, const PrintSettings& settings, Progress* progress = nullptr,
                     const HomeBarTable::Test* mixable = nullptr);
    // Every record of the folder's print table, read through a table of its own.
    static QList<PrintRecord> readAll(TApolloEnv& env, const QString& folder);

    static void write(TApollo& table, const PrintRecord& record);
    static PrintRecord read(const TApollo& table);

private:
};
