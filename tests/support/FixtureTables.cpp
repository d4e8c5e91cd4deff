#include "FixtureTables.h"

#include "store/DbfFile.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>

namespace {

struct Row {
    const char16_t* name;
    QList<int> z;
    int kat, alk, mark, canr;
    const char* bild;
    bool deleted;
};

QString packed(const QList<int>& numbers) {
    QString out;
    for (int n : numbers)
        out += IngredientSlots::FormatNumber5(n);
    return out;
}

} // namespace

QString FixtureTables::createTruthTable(const QString& folder, quint8 version) {
    const QString path = QDir(folder).filePath(QStringLiteral("TT.DBF"));
    DbfFile::create(path, version,
                    {{"NAME", 'C', 30, 0},
                     {"BILD", 'C', 5, 0},
                     {"Z", 'C', 100, 0},
                     {"ZMENGE", 'C', 100, 0},
                     {"KAT", 'N', 3, 0},
                     {"ALK", 'N', 3, 0},
                     {"MARK", 'N', 1, 0},
                     {"CANR", 'N', 4, 0},
                     {"H1", 'L', 1, 0},
                     {"ANLEITUNG", 'M', 10, 0}});
    const Row rows[] = {{u"Caipirinha", {42, 7}, 3, 25, 1, 3321, "e", false},
                        {u"Mojito", {7, 42}, 3, 12, 0, 1111, "517", false},
                        {u"Ärger", {142, 305}, 2, 0, 1, 0, "1234", false},
                        {u"Geloescht", {42}, 3, 40, 0, 0, "e", true},
                        {u"Ohne", {12}, 3, 5, 1, 3321, "ex", false}};
    TApolloEnv env;
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("TT"));
    table.Open();
    TApollo t(table);
    for (const Row& r : rows) {
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), QString::fromUtf16(r.name));
        t.ReplaceText(QStringLiteral("BILD"), QString::fromLatin1(r.bild));
        t.ReplaceText(QStringLiteral("Z"), packed(r.z));
        t.ReplaceText(QStringLiteral("ZMENGE"), packed(QList<int>(r.z.size(), 4)));
        t.ReplaceInteger(QStringLiteral("KAT"), r.kat);
        t.ReplaceInteger(QStringLiteral("ALK"), r.alk);
        t.ReplaceInteger(QStringLiteral("MARK"), r.mark);
        t.ReplaceInteger(QStringLiteral("CANR"), r.canr);
        t.ReplaceLogical(QStringLiteral("H1"), r.mark == 1);
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"),
                      QStringLiteral("Anleitung für ") + QString::fromUtf16(r.name));
        t.Commit();
        if (r.deleted)
            t.Delete();
    }
    table.Close();
    return path;
}
