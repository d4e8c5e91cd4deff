#include "TestTables.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"

#include <QFile>

using namespace Qt::StringLiterals;

// `veltadb party` on a small folder: gin (bar 2), genever (bar 1), tonic water, limes, ice; a Gin Tonic,
// a deleted recipe and a gin on ice. The substitutes file lets genever stand in for gin.
class TestPartyVerb : public QObject {
    Q_OBJECT

private slots:
    void party_data() {
        QTest::addColumn<QStringList>("args"); // after the folder
        QTest::addColumn<QString>("settings"); // HAUSBAR.CFG, when given
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors"); // the start of stderr for a run that ends with 0
        QTest::newRow("no bar")
            << QStringList{u"0"_s, u"1=20"_s} << QString() << 0
            << u"Partyplaner\n20 × Gin Tonic\n\nEinkaufen:\nGin\t80 cl\t2 × 0,7 l oder 1 × 1 l\n"
               u"Tonic Water\t200 cl\t2 × 1 l oder 7 × 0,33 l\nLimette\t20 St"_s
            << QString();
        QTest::newRow("bar 2 holds the gin")
            << QStringList{u"2"_s, u"1=5"_s, u"1=5"_s} << QString() << 0
            << u"Partyplaner\n10 × Gin Tonic\n\nEinkaufen:\nTonic Water\t100 cl\t1 × 1 l oder 4 × 0,33 l\n"
               u"Limette\t10 St\n\nVorhanden in Hausbar Nr. 2:\nGin\t40 cl"_s
            << QString();
        QTest::newRow("999 glasses at most, and it says so")
            << QStringList{u"2"_s, u"1=500"_s, u"1=600"_s} << QString() << 0
            << u"Partyplaner\n999 × Gin Tonic\n\nEinkaufen:\nTonic Water\t9.990 cl\t100 × 1 l oder 303 × "
               u"0,33 l\n"
               u"Limette\t999 St\n\nVorhanden in Hausbar Nr. 2:\nGin\t3.996 cl"_s
            << u"veltadb: Mehr als 999 Gläser eines Drinks plant der Partyplaner nicht."_s;
        QTest::newRow("ice always at home, genever standing in for gin")
            << QStringList{u"1"_s, u"3=8"_s}
            << u"[Hausbar]\nErsatzzutaten=1\nImmerImHaus=1\nGrundzutaten=1\n"_s << 0
            << u"Partyplaner\n8 × Gin Eis\n\nEinkaufen:\nnichts\n\nImmer im Haus:\nEiswürfel\tca. 2 kg\n\n"
               u"Vorhanden in Hausbar Nr. 1:\nGin\t32 cl"_s
            << QString();
        QTest::newRow("switched off, ice is bought")
            << QStringList{u"1"_s, u"3=8"_s}
            << u"[Hausbar]\nErsatzzutaten=0\nImmerImHaus=0\nGrundzutaten=1\n"_s << 0
            << u"Partyplaner\n8 × Gin Eis\n\nEinkaufen:\nGin\t32 cl\t1 × 0,7 l oder 1 × 1 l\nEiswürfel\tca. 2 kg"_s
            << QString();
        QTest::newRow("12 guests for 3 hours: 48 glasses shared 1:3")
            << QStringList{u"0"_s, u"1=1"_s, u"3=3"_s, u"--gaeste"_s, u"12"_s, u"--stunden"_s, u"3"_s}
            << QString() << 0
            << u"Partyplaner\n12 × Gin Tonic\n36 × Gin Eis\n\nEinkaufen:\nGin\t192 cl\t3 × 0,7 l oder 2 × 1 "
               u"l\n"
               u"Tonic Water\t120 cl\t2 × 1 l oder 4 × 0,33 l\nLimette\t12 St\nEiswürfel\tca. 9 kg\n\n"
               u"Für 12 Gäste in 3 Stunden:\nGläser\t24 St\nEis zum Kühlen\tca. 6 kg"_s
            << QString();
        QTest::newRow("hours without guests") << QStringList{u"0"_s, u"1=1"_s, u"--stunden"_s, u"3"_s}
                                              << QString() << 2 << QString() << QString();
        QTest::newRow("guests not a number") << QStringList{u"0"_s, u"1=1"_s, u"--gaeste"_s, u"viele"_s}
                                             << QString() << 2 << QString() << QString();
        QTest::newRow("bar outside 0..3")
            << QStringList{u"4"_s, u"1=5"_s} << QString() << 2 << QString() << QString();
        QTest::newRow("no drink") << QStringList{u"1"_s} << QString() << 2 << QString() << QString();
        QTest::newRow("glasses outside 1..999")
            << QStringList{u"1"_s, u"1=1000"_s} << QString() << 2 << QString() << QString();
        QTest::newRow("not SATZ=GLÄSER")
            << QStringList{u"1"_s, u"Gin Tonic"_s} << QString() << 2 << QString() << QString();
        QTest::newRow("deleted recipe")
            << QStringList{u"1"_s, u"2=3"_s} << QString() << 2 << QString() << QString();
    }
    void party() {
        QFETCH(QStringList, args);
        QFETCH(QString, settings);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        TempDataFolder folder;
        TestTables t;
        t.addIngredient({.number = 5, .name = u"Gin"_s, .kind = 0, .alcohol = 40, .h2 = true});
        t.addIngredient({.number = 6, .name = u"Tonic Water"_s, .kind = 0});
        t.addIngredient({.number = 7, .name = u"Limette"_s, .kind = 2});
        t.addIngredient({.number = 8, .name = u"Genever"_s, .kind = 0, .alcohol = 38, .h1 = true});
        t.addIngredient({.number = 1, .name = u"Eiswürfel"_s, .kind = 3});
        t.addRecipe({.name = u"Gin Tonic"_s, .lines = {{5, 4}, {6, 10}, {7, 1}}});
        TestTables::deleteRecord(t.re(), t.addRecipe({.name = u"Alt"_s, .lines = {{5, 4}}}));
        t.addRecipe({.name = u"Gin Eis"_s, .lines = {{5, 4}, {1, 0}}});
        // The verb opens the tables itself, so it gets a copy of the ones this test holds open.
        QVERIFY(TempDataFolder::copyFolder(t.path(), folder.path()));
        QVERIFY(writeFile(folder.path() + u"/ERSATZ.TXT"_s, u"Gin <- Genever\n"_s));
        if (!settings.isEmpty())
            QVERIFY(writeFile(folder.path() + u"/HAUSBAR.CFG"_s, settings));
        const VeltadbRun run = VeltadbRun::of(QStringList{u"party"_s, folder.path()} + args);
        const QString& stderrText = run.err;
        QVERIFY2(run.code == exitCode, qPrintable(stderrText));
        QCOMPARE(run.out.trimmed(), output);
        if (exitCode != 0)
            QVERIFY(!stderrText.isEmpty());
        else if (errors.isEmpty())
            QCOMPARE(stderrText, QString());
        else
            QVERIFY2(stderrText.startsWith(errors), qPrintable(stderrText));
    }

private:
    static bool writeFile(const QString& path, const QString& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
    }
};

VELTA_TEST_MAIN_CORE(TestPartyVerb)
#include "tst_partyverb.moc"
