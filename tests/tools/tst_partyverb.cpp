#include "TestTables.h"
#include "VeltaTest.h"

#include <QProcess>

using namespace Qt::StringLiterals;

// `veltadb party` on a small folder: gin (bar 2), tonic water, limes; a Gin Tonic and a deleted
// recipe.
class TestPartyVerb : public QObject {
    Q_OBJECT

private slots:
    void party_data() {
        QTest::addColumn<QStringList>("args"); // after the folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("no bar")
            << QStringList{u"0"_s, u"1=20"_s} << 0
            << u"Partyplaner\n20 × Gin Tonic\n\nEinkaufen:\nGin\t80 cl\t2 × 0,7 l oder 1 × 1 l\n"
               u"Tonic Water\t200 cl\t3 × 0,7 l oder 2 × 1 l\nLimette\t20 St"_s;
        QTest::newRow("bar 2 holds the gin")
            << QStringList{u"2"_s, u"1=5"_s, u"1=5"_s} << 0
            << u"Partyplaner\n10 × Gin Tonic\n\nEinkaufen:\nTonic Water\t100 cl\t2 × 0,7 l oder 1 × 1 l\n"
               u"Limette\t10 St\n\nVorhanden in Hausbar Nr. 2:\nGin\t40 cl"_s;
        QTest::newRow("bar outside 0..3") << QStringList{u"4"_s, u"1=5"_s} << 2 << QString();
        QTest::newRow("no drink") << QStringList{u"1"_s} << 2 << QString();
        QTest::newRow("glasses outside 1..999") << QStringList{u"1"_s, u"1=1000"_s} << 2 << QString();
        QTest::newRow("not SATZ=GLÄSER") << QStringList{u"1"_s, u"Gin Tonic"_s} << 2 << QString();
        QTest::newRow("deleted recipe") << QStringList{u"1"_s, u"2=3"_s} << 2 << QString();
    }
    void party() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        TempDataFolder folder;
        TestTables t;
        t.addIngredient({.number = 5, .name = u"Gin"_s, .kind = 0, .h2 = true});
        t.addIngredient({.number = 6, .name = u"Tonic Water"_s, .kind = 0});
        t.addIngredient({.number = 7, .name = u"Limette"_s, .kind = 2});
        t.addRecipe({.name = u"Gin Tonic"_s, .lines = {{5, 4}, {6, 10}, {7, 1}}});
        TestTables::deleteRecord(t.re(), t.addRecipe({.name = u"Alt"_s, .lines = {{5, 4}}}));
        // The verb opens the tables itself, so it gets a copy of the ones this test holds open.
        QVERIFY(TempDataFolder::copyFolder(t.path(), folder.path()));
        QProcess veltadb;
        veltadb.start(QStringLiteral(VELTADB_PATH), QStringList{u"party"_s, folder.path()} + args);
        QVERIFY(veltadb.waitForFinished(30000));
        const QString errors = QString::fromUtf8(veltadb.readAllStandardError());
        QVERIFY2(veltadb.exitCode() == exitCode, qPrintable(errors));
        QCOMPARE(QString::fromUtf8(veltadb.readAllStandardOutput()).trimmed(), output);
        if (exitCode != 0)
            QVERIFY(!errors.isEmpty());
    }
};

VELTA_TEST_MAIN_CORE(TestPartyVerb)
#include "tst_partyverb.moc"
