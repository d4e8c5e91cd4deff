// Data exchange on the shipped data: a backup and a restore (goal under 1 s each), and the import
// of a version-1 folder of 1000 own recipes and 50 own ingredients (goal under 2 s).
#include "BenchHarness.h"
#include "exchange/BackupSet.h"
#include "exchange/Version1Import.h"
#include "store/BulkWrite.h"
#include "store/DbfFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

void copyShipped(const QString& to) {
    const QDir from(QStringLiteral(VELTA_IMAGE_DIR "/DATEN"));
    QDir().mkpath(to);
    for (const QString& name : BackupSet::files()) {
        QFile::remove(QDir(to).filePath(name));
        QFile::copy(from.filePath(name), QDir(to).filePath(name));
    }
}

template <class Fill>
void writeV1Table(TApolloEnv& env, const QString& folder, const QString& name,
                  const QList<DbfFile::Definition>& fields, Fill fill) {
    DbfFile::create(QDir(folder).filePath(QStringLiteral("B_") + name + QStringLiteral(".DBF")),
                    DbfFile::kVersionDbt, fields);
    {
        TTable table(env);
        table.setDatabaseName(folder);
        table.setTableName(QStringLiteral("B_") + name);
        table.Open();
        TApollo t(table);
        BulkWrite pass(t);
        fill(t);
        pass.finish();
        table.Close();
    }
    QFile::rename(QDir(folder).filePath(QStringLiteral("B_") + name + QStringLiteral(".DBF")),
                  QDir(folder).filePath(name + QStringLiteral(".100")));
    QFile::rename(QDir(folder).filePath(QStringLiteral("B_") + name + QStringLiteral(".DBT")),
                  QDir(folder).filePath(name + QStringLiteral(".200")));
}

void writeVersion1(TApolloEnv& env, const QString& folder) {
    writeV1Table(env, folder, QStringLiteral("ZUTATEN"),
                 {{"NAME", 'C', 30, 0},
                  {"ALKOHOL", 'N', 3, 0},
                  {"KENNUNG", 'N', 1, 0},
                  {"HAUSBAR", 'L', 1, 0},
                  {"KOMMENTAR", 'M', 10, 0}},
                 [](TApollo& t) {
                     for (int i = 1; i <= 237; ++i) {
                         t.AppendBlank();
                         t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Alte Zutat %1").arg(i));
                         t.ReplaceMemo(QStringLiteral("KOMMENTAR"),
                                       QStringLiteral("Eine Bemerkung\xFEzur Zutat"));
                         t.Commit();
                     }
                 });
    QList<DbfFile::Definition> fields = {{"NAME", 'C', 40, 0}, {"BILD", 'C', 10, 0}};
    for (int slot = 1; slot <= 20; ++slot)
        fields << DbfFile::Definition{"Z" + QByteArray::number(slot), 'N', 5, 0}
               << DbfFile::Definition{"M" + QByteArray::number(slot), 'N', 5, 0};
    fields << DbfFile::Definition{"KATEGORIE", 'N', 3, 0} << DbfFile::Definition{"ALKOHOL", 'N', 3, 0}
           << DbfFile::Definition{"ANLEITUNG", 'M', 10, 0};
    writeV1Table(env, folder, QStringLiteral("REZEPTE"), fields, [](TApollo& t) {
        for (int i = 1; i <= 1000; ++i) {
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Eigener Drink %1").arg(i));
            for (int slot = 1; slot <= 6; ++slot) {
                t.ReplaceInteger(QStringLiteral("Z%1").arg(slot), 150 + (i + slot * 7) % 80);
                t.ReplaceInteger(QStringLiteral("M%1").arg(slot), slot * 2);
            }
            t.ReplaceMemo(
                QStringLiteral("ANLEITUNG"),
                QStringLiteral("Alles auf Eis schütteln.\xFEIn ein Glas abseihen.(>MORVA< Sehr gut"));
            t.Commit();
        }
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("DATEN"));
    const QString target = root.filePath(QStringLiteral("SICHERUNG"));
    copyShipped(data);
    QDir().mkpath(target);
    BenchHarness::print(out,
                        BenchHarness::run(QStringLiteral("Sicherung der ausgelieferten Daten"),
                                          [&] { BackupSet::backup(data, target); }),
                        1000);
    BenchHarness::print(out,
                        BenchHarness::run(QStringLiteral("Zurücksicherung der ausgelieferten Daten"),
                                          [&] { BackupSet::restore(target, data, false); }),
                        1000);

    TApolloEnv env;
    const QString v1 = root.filePath(QStringLiteral("VC1"));
    QDir().mkpath(v1);
    writeVersion1(env, v1);
    QList<double> times;
    int imported = 0;
    for (int run = 0; run < 7; ++run) {
        copyShipped(data); // each run starts from the shipped tables
        QElapsedTimer timer;
        timer.start();
        imported = Version1Import::run(env, v1, data).recipes;
        times << double(timer.nsecsElapsed()) / 1e6;
    }
    std::sort(times.begin(), times.end());
    BenchHarness::print(out,
                        {QStringLiteral("Import Version 1: %1 Rezepte, 50 Zutaten").arg(imported),
                         times.at(times.size() / 2), times.first(), int(times.size())},
                        2000);
    return 0;
}
