#include "common/DataTables.h"

#include "store/Fields.h"

DataTables::DataTables()
    : RezepteTable(ApolloEnv), ZutatenTable(ApolloEnv), HilfTable(ApolloEnv), DekoTable(ApolloEnv),
      LexTable(ApolloEnv), ApolloRezepte(RezepteTable), ApolloZutaten(ZutatenTable), ApolloHilf(HilfTable),
      ApolloDeko(DekoTable), ApolloLex(LexTable) {
    HilfTable.setTableType(TTable::Driver::Ntx);
}

void DataTables::openMainTables(const QString& dataFolder, bool readOnly) {
    const std::pair<TTable*, const char*> tables[] = {
        {&RezepteTable, "RE"}, {&ZutatenTable, "ZU"}, {&DekoTable, "DE"}, {&LexTable, "BA"}};
    for (const auto& [table, name] : tables) {
        table->setDatabaseName(dataFolder);
        table->setTableName(QString::fromLatin1(name));
        table->setReadOnly(readOnly);
    }
    HilfTable.setReadOnly(readOnly);
    for (const auto& [table, name] : tables)
        table->Open();
    const int order =
        ApolloZutaten.IndexTag(QString(), Fields::Ingredient::Number, Fields::Ingredient::Number);
    ApolloZutaten.SetOrder(ApolloZutaten.TagArea(Fields::Ingredient::Number) > 0 ? order : 0);
    ApolloEnv.SetDeleted(true);
}

QStringList DataTables::repairNotes() const {
    QStringList notes;
    for (const TTable* table : {&RezepteTable, &ZutatenTable, &DekoTable, &LexTable}) {
        for (const QString& problem : table->file().problems())
            notes << table->tableName() + QStringLiteral(": ") + problem;
    }
    return notes;
}

void DataTables::closeMainTables() {
    ZutatenTable.Close();
    RezepteTable.Close();
    DekoTable.Close();
    LexTable.Close();
}
