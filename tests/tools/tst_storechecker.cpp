#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "store/DbfFile.h"
#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/StoreChecker.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QFile>
#include <QProcess>

#include <functional>

using Damage = std::function<void(TApollo& re, const QString& folder)>;
Q_DECLARE_METATYPE(Damage)

namespace {

// Overwrites a field of a record in the table file behind the store's back.
void patchField(TApollo& t, int recNo, const QByteArray& field, const QByteArray& bytes) {
    const DbfFile& f = t.table().file();
    QFile file(f.path());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(f.headerLength() + qint64(recNo - 1) * f.recordLength() +
                      f.fields().at(f.fieldIndex(field)).offset));
    file.write(bytes);
}

void patchFile(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    file.write(bytes);
}

void fillFolder(const QString& folder, const Damage& damage) {
    TableSchemas::createMainTables(folder);
    QStringList categories;
    for (int k = 1; k <= 16; ++k)
        categories << QStringLiteral("K%1").arg(k);
    ListsFile::save(folder + QStringLiteral("/VE.DAT"), categories, {QStringLiteral("süß")});
    TApolloEnv env;
    const auto table = [&](const char* name) {
        auto t = std::make_unique<TTable>(env);
        t->setDatabaseName(folder);
        t->setTableName(QString::fromLatin1(name));
        t->Open();
        return t;
    };
    auto zuTable = table("ZU");
    TApollo zu(*zuTable);
    zu.AppendBlank();
    zu.ReplaceInteger(QStringLiteral("INDEX"), 12);
    zu.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Rum"));
    zu.Commit();
    auto deTable = table("DE");
    TApollo de(*deTable);
    de.AppendBlank();
    de.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Minze"));
    de.Commit();
    auto reTable = table("RE");
    TApollo re(*reTable);
    re.AppendBlank();
    re.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Daiquiri"));
    re.ReplaceText(QStringLiteral("Z"), IngredientSlots::FormatNumber5(12));
    re.ReplaceInteger(QStringLiteral("KAT"), 16);
    re.ReplaceInteger(QStringLiteral("GESCH"), 1);
    re.ReplaceInteger(QStringLiteral("DEKO"), 1);
    re.Commit();
    damage(re, folder);
    re.Commit();
}

} // namespace

class TestStoreChecker : public QObject {
    Q_OBJECT

private slots:
    void findsProblems_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");
        QTest::newRow("sound") << Damage([](TApollo&, const QString&) {}) << "" << 0;
        QTest::newRow("unknown ingredient") << Damage([](TApollo& re, const QString&) {
            re.ReplaceText(QStringLiteral("Z"), QStringLiteral("   12  999"));
        }) << "RE Satz 1: unbekannte Zutat 999"
                                            << 1;
        QTest::newRow("category beyond the list")
            << Damage([](TApollo& re, const QString&) { re.ReplaceInteger(QStringLiteral("KAT"), 17); })
            << "RE Satz 1: Kategorie 17 fehlt in VE.DAT" << 1;
        QTest::newRow("taste beyond the list")
            << Damage([](TApollo& re, const QString&) { re.ReplaceInteger(QStringLiteral("GESCH"), 2); })
            << "RE Satz 1: Geschmack 2 fehlt in VE.DAT" << 1;
        QTest::newRow("decoration missing")
            << Damage([](TApollo& re, const QString&) { re.ReplaceInteger(QStringLiteral("DEKO"), 2); })
            << "RE Satz 1: Dekoration 2 fehlt" << 1;
        QTest::newRow("short options file") << Damage([](TApollo&, const QString& folder) {
            QFile f(folder + QStringLiteral("/OPTION.CFG"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(71, '\0'));
        }) << "OPTION.CFG: 71 Bytes statt 72"
                                            << 1;
        QTest::newRow("short saved searches") << Damage([](TApollo&, const QString& folder) {
            QFile f(folder + QStringLiteral("/SUCHEN.CFG"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4359, '\0'));
        }) << "SUCHEN.CFG: 4359 Bytes statt 4360"
                                              << 1;
        QTest::newRow("lists file too short") << Damage([](TApollo&, const QString& folder) {
            ListsFile::save(folder + QStringLiteral("/VE.DAT"), QStringList(15, QStringLiteral("K")), {});
        }) << "VE.DAT: nur 15 Kategorien" << 3; // and the recipe loses category 16 and taste 1
        QTest::newRow("settings files in lower case") << Damage([](TApollo&, const QString& folder) {
            QFile::rename(folder + QStringLiteral("/VE.DAT"), folder + QStringLiteral("/ve.dat"));
            QFile f(folder + QStringLiteral("/option.cfg"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(71, '\0'));
        }) << "OPTION.CFG: 71 Bytes statt 72" << 1;
        QTest::newRow("memo free pointer inside the texts") << Damage([](TApollo& re, const QString& folder) {
            re.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Schütteln"));
            re.Commit();
            patchFile(folder + QStringLiteral("/RE.SMT"), 0, QByteArray("\x08\0\0\0", 4));
        }) << "RE: Memodatei beschädigt" << 1;
        QTest::newRow("memo free pointer past the end") << Damage([](TApollo& re, const QString& folder) {
            re.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Schütteln"));
            re.Commit();
            patchFile(folder + QStringLiteral("/RE.SMT"), 0, QByteArray("\xff\xff\xff\x7f", 4));
        }) << "RE: Memodatei beschädigt: der nächste freie Block (2147483647) liegt hinter dem Ende"
                                                        << 1;
        QTest::newRow("memo text longer than any written") << Damage([](TApollo& re, const QString& folder) {
            re.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Schütteln"));
            re.Commit();
            patchField(re, 1, "ANLEITUNG", QByteArray("\x01\x00\x20\x4e\x00\x00\x08\x00\x00\x00", 10));
            QFile memo(folder + QStringLiteral("/RE.SMT"));
            QVERIFY(memo.open(QIODevice::ReadWrite));
            QVERIFY(memo.resize(40000)); // large enough to hold the claimed 20000 bytes
        }) << "RE Satz 1: Memoverweis beschädigt: Textlänge 20000"
                                                           << 1;
        QTest::newRow("alcohol value not following the ingredients")
            << Damage([](TApollo& re, const QString&) { re.ReplaceInteger(QStringLiteral("ALK"), 33); })
            << "RE Satz 1: Alkoholwert 33 statt 0 nach den Zutaten" << 1;
        QTest::newRow("record count beyond the data") << Damage([](TApollo&, const QString& folder) {
            patchFile(folder + QStringLiteral("/RE.DBF"), 4, QByteArray("\x02", 1));
        }) << "RE: Satzanzahl im Kopf (2)" << 1;
        QTest::newRow("encrypted table") << Damage([](TApollo&, const QString& folder) {
            patchFile(folder + QStringLiteral("/DE.DBF"), 0, QByteArray("\xe6", 1));
        }) << "DE: Tabelle verschlüsselt" << 2; // and the recipe's decoration is missing
        QTest::newRow("letters in a number field")
            << Damage([](TApollo& re, const QString&) { patchField(re, 1, "ALK", "4x "); })
            << "RE Satz 1: Feld ALK enthält keine Zahl („4x“)" << 1;
        QTest::newRow("table missing") << Damage([](TApollo&, const QString& folder) {
            QFile::remove(folder + QStringLiteral("/BA.DBF"));
        }) << "BA: Datei kann nicht geöffnet werden"
                                       << 1;
    }
    void findsProblems() {
        QFETCH(Damage, damage);
        QFETCH(QString, expected);
        QFETCH(int, count);
        TempDataFolder dir;
        fillFolder(dir.path(), damage);
        QStringList problems;
        {
            TApolloEnv env;
            problems = StoreChecker::check(dir.path(), env);
        }
        QCOMPARE(problems.size(), count);
        if (count > 0)
            QVERIFY2(problems.first().startsWith(expected), qPrintable(problems.join(QLatin1Char('\n'))));
        const VeltadbRun check = VeltadbRun::of({QStringLiteral("check"), dir.path()});
        QCOMPARE(check.code, expected.isEmpty() ? 0 : 1);
        QCOMPARE(check.out.trimmed(), problems.join(QLatin1Char('\n')));
    }

    // What a strength change left behind is mended as one write, and check is content again.
    void alcoholAnew() {
        TempDataFolder dir;
        fillFolder(dir.path(),
                   [](TApollo& re, const QString&) { re.ReplaceInteger(QStringLiteral("ALK"), 33); });
        QCOMPARE(VeltadbRun::of({QStringLiteral("check"), dir.path()}).code, 1);
        const VeltadbRun mended = VeltadbRun::of({QStringLiteral("alkohol-neu"), dir.path()});
        QCOMPARE(mended.code, 0);
        QCOMPARE(mended.out, QStringLiteral("Alkoholgehalt neu: 1 von 1 Rezepten geändert\n"));
        QCOMPARE(VeltadbRun::of({QStringLiteral("check"), dir.path()}).code, 0);
        QCOMPARE(VeltadbRun::of({QStringLiteral("alkohol-neu"), dir.path() + QStringLiteral("/fehlt")}).code,
                 2);
    }
};

VELTA_TEST_MAIN_CORE(TestStoreChecker)
#include "tst_storechecker.moc"
