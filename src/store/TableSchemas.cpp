#include "store/TableSchemas.h"

#include <QDir>

QList<DbfFile::Definition> TableSchemas::recipes() {
    return {{"NAME", 'C', 40, 0},    {"BILD", 'C', 10, 0}, {"EIGEN", 'C', 8, 0}, {"Z", 'C', 100, 0},
            {"ZMENGE", 'C', 100, 0}, {"KAT", 'N', 3, 0},   {"GESCH", 'N', 3, 0}, {"ALK", 'N', 3, 0},
            {"DEKO", 'N', 5, 0},     {"MARK", 'N', 1, 0},  {"CANR", 'N', 4, 0},  {"ANLEITUNG", 'M', 10, 0}};
}

QList<DbfFile::Definition> TableSchemas::ingredients() {
    return {{"INDEX", 'N', 5, 0}, {"NAME", 'C', 30, 0}, {"ALKOHOL", 'N', 3, 0}, {"KENNUNG", 'N', 1, 0},
            {"H1", 'L', 1, 0},    {"H2", 'L', 1, 0},    {"H3", 'L', 1, 0},      {"WICHTIG", 'N', 1, 0},
            {"PREIS", 'N', 8, 0}, {"VOL", 'N', 5, 0},   {"MENGE", 'N', 5, 0},   {"KOMMENTAR", 'M', 10, 0}};
}

QList<DbfFile::Definition> TableSchemas::decorations() {
    return {{"NAME", 'C', 30, 0}, {"BILD", 'C', 8, 0}, {"TEXT", 'M', 10, 0}};
}

QList<DbfFile::Definition> TableSchemas::lexicon() {
    return decorations();
}

void TableSchemas::createMainTables(const QString& folder) {
    const QDir dir(folder);
    DbfFile::create(dir.filePath(QStringLiteral("RE.DBF")), DbfFile::kVersionSmt, recipes());
    DbfFile::create(dir.filePath(QStringLiteral("ZU.DBF")), DbfFile::kVersionSmt, ingredients());
    DbfFile::create(dir.filePath(QStringLiteral("DE.DBF")), DbfFile::kVersionSmt, decorations());
    DbfFile::create(dir.filePath(QStringLiteral("BA.DBF")), DbfFile::kVersionSmt, lexicon());
}

QList<DbfFile::Definition> TableSchemas::printTable() {
    QList<DbfFile::Definition> f = {{"NAME", 'C', 40, 0}, {"BILD", 'C', 10, 0}, {"EIGEN", 'C', 8, 0}};
    for (int i = 1; i <= kPrintLines; ++i)
        f.append({QByteArray("Z") + QByteArray::number(i), 'C', 100, 0});
    for (int i = 1; i <= kPrintFacts; ++i)
        f.append({QByteArray("S") + QByteArray::number(i), 'C', 40, 0});
    f.append({"MEMO", 'M', 10, 0});
    return f;
}
