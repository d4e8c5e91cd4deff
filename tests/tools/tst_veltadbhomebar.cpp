#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// The home bar settings and the side files (substitutes, other names, marks) through veltadb, on a copy of
// the shipped data.
class TestVeltadbHomeBar : public QObject {
    Q_OBJECT

    using Run = VeltadbRun;

    std::unique_ptr<TempDataFolder> m_dir;

    QString data() const { return m_dir->path() + u"/DATEN"_s; }

    Run veltadb(const QStringList& args) const { return VeltadbRun::of(args); }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(TempDataFolder::copyWritable(QStringLiteral(VELTA_IMAGE_DATA_DIR), data()));
    }

    // Every line of the shipped side files names drinks and ingredients of the shipped tables.
    void shippedDataChecksClean() {
        const Run check = veltadb({u"check"_s, data()});
        QCOMPARE(check.out, QString());
        QCOMPARE(check.code, 0);
    }

    void badLinesAreReportedWithTheirNumbers() {
        QFile file(data() + u"/ERSATZ.TXT"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# Kommentar\r\nGin = Genever\r\nLimettensaft Zitronensaft\r\nGin = Gnever\r\n");
        file.close();
        const Run check = veltadb({u"check"_s, data()});
        QCOMPARE(check.code, 1);
        QCOMPARE(check.out, u"ERSATZ.TXT, Zeile 3: weder „=“ noch „<-“ gefunden\n"
                            "ERSATZ.TXT, Zeile 4: unbekannte Zutat „Gnever“\n"_s);
    }

    // A damaged line of the other names is reported by `check` and skipped; the rest still finds
    // drinks, and without the file nothing is found by another name.
    void otherNamesFile() {
        QFile file(data() + u"/ALIAS.TXT"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# Kommentar\r\nDrink: Garibaldi = Campari Orange\r\nGaribaldi = Campari O\r\n"
                   "Drink: Garibaldo = Campari Rot\r\nZutat: Limettensaft = Zitronensaft\r\n"
                   "Drink: Screwdriver = campari orange\r\nZutat: Limettensaft =\r\n"
                   "Zutat: Eiwei\xDF = Eiklar\r\n");
        file.close();
        const Run check = veltadb({u"check"_s, data()});
        QCOMPARE(check.code, 1);
        QCOMPARE(check.out,
                 u"ALIAS.TXT, Zeile 3: am Anfang „Drink:“ oder „Zutat:“ erwartet\n"
                 "ALIAS.TXT, Zeile 4: unbekannter Drink „Garibaldo“\n"
                 "ALIAS.TXT, Zeile 5: „Zitronensaft“ ist selbst der Name einer Zutat\n"
                 "ALIAS.TXT, Zeile 6: „campari orange“ steht schon in Zeile 2 für „Garibaldi“\n"
                 "ALIAS.TXT, Zeile 7: links von „=“ ein Name, rechts seine anderen Namen mit Komma\n"_s);
        const Run found = veltadb({u"finde"_s, data(), u"Campari Or"_s});
        QCOMPARE(found.code, 0);
        QCOMPARE(found.out.section(u'\n', 0, 0).section(u'\t', 1), u"Garibaldi\talias"_s);
        QVERIFY(QFile::remove(data() + u"/ALIAS.TXT"_s));
        QCOMPARE(veltadb({u"check"_s, data()}).code, 0);
        QVERIFY(!veltadb({u"finde"_s, data(), u"Campari Or"_s}).out.contains(u"alias"_s));
    }

    // `check` names the lines of the marks file that cannot be read or name no ingredient.
    void marksFile() {
        QFile file(data() + u"/MERKMALE.TXT"_s);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("# Kommentar\r\nNuesse: Amaretto\r\nMilch: Sahne, Hafermilch\r\nSenf: Sahne\r\n"
                   "Gluten: Bier,\r\nEi Eigelb\r\n");
        file.close();
        const Run check = veltadb({u"check"_s, data()});
        QCOMPARE(check.code, 1);
        QCOMPARE(check.out,
                 u"MERKMALE.TXT, Zeile 3: unbekannte Zutat „Hafermilch“\n"
                 "MERKMALE.TXT, Zeile 4: am Anfang „Ei:“, „Milch:“, „Nüsse:“ oder „Gluten:“ erwartet\n"
                 "MERKMALE.TXT, Zeile 5: nach dem Doppelpunkt die Zutaten mit Komma\n"
                 "MERKMALE.TXT, Zeile 6: am Anfang „Ei:“, „Milch:“, „Nüsse:“ oder „Gluten:“ erwartet\n"_s);
    }

    void showAndChange() {
        const Run shown = veltadb({u"hausbar"_s, data()});
        QCOMPARE(shown.code, 0);
        QCOMPARE(shown.out, u"ersatz=0\nimmer=0\ngrund=1\tEiswürfel\ngrund=2\tCrushed Ice\n"
                            "grund=94\tStilles Wasser\ngrund=231\tZucker\ngrund=254\tHeißes Wasser\n"_s);
        const Run changed =
            veltadb({u"hausbar"_s, data(), u"ersatz=1"_s, u"grund=+3"_s, u"grund=-254"_s, u"grund=-2"_s});
        QCOMPARE(changed.code, 0);
        QCOMPARE(changed.out, u"ersatz=1\nimmer=0\ngrund=1\tEiswürfel\ngrund=3\tMinze\n"
                              "grund=94\tStilles Wasser\ngrund=231\tZucker\n"_s);
        QCOMPARE(veltadb({u"hausbar"_s, data()}).out, changed.out);
        QCOMPARE(TestFiles::readAll(data() + u"/HAUSBAR.CFG"_s),
                 QByteArray("[Hausbar]\r\nErsatzzutaten=1\r\nImmerImHaus=0\r\nGrundzutaten=1,3,94,231\r\n"));
    }

    void refusals_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("code");
        QTest::newRow("bad flag") << u"immer=ja"_s << false << 2;
        QTest::newRow("number without sign") << u"grund=3"_s << false << 2;
        QTest::newRow("number too high") << u"grund=+1501"_s << false << 2;
        QTest::newRow("number no ingredient has") << u"grund=+1499"_s << false << 2;
        QTest::newRow("unknown key") << u"bar=1"_s << false << 2;
        QTest::newRow("read-only data") << u"immer=1"_s << true << 1;
    }
    void refusals() {
        QFETCH(QString, assignment);
        QFETCH(bool, readOnly);
        QFETCH(int, code);
        if (readOnly)
            QFile::setPermissions(data() + u"/VE.DAT"_s, QFile::ReadOwner);
        const Run run = veltadb({u"hausbar"_s, data(), assignment});
        QCOMPARE(run.code, code);
        QVERIFY(run.err.startsWith(u"veltadb: "_s));
        QVERIFY(!QFile::exists(data() + u"/HAUSBAR.CFG"_s));
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbHomeBar)
#include "tst_veltadbhomebar.moc"
