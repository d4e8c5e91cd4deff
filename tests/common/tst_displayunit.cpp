#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/DisplayUnit.h"
#include "common/ProgramSettings.h"
#include "store/RawFile.h"
#include "store/UnitKind.h"

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(DisplayUnit::Kind)

// The shown unit against hand-computed values (1 oz = 2,957 cl, to the nearest quarter), the lines
// it writes, and the file beside the tables that keeps the choice.
class TestDisplayUnit : public QObject {
    Q_OBJECT

private slots:
    void volume_data() {
        QTest::addColumn<double>("cl");
        QTest::addColumn<DisplayUnit::Kind>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("4 cl as stored") << 4.0 << DisplayUnit::Cl << u"4 cl"_s;
        QTest::newRow("2,5 cl to the even cl") << 2.5 << DisplayUnit::Cl << u"2 cl"_s;
        QTest::newRow("4 cl in ml") << 4.0 << DisplayUnit::Ml << u"40 ml"_s;
        QTest::newRow("0,25 cl: 2,5 ml to 2") << 0.25 << DisplayUnit::Ml << u"2 ml"_s;
        QTest::newRow("0,35 cl: 3,5 ml to 4") << 0.35 << DisplayUnit::Ml << u"4 ml"_s;
        // cl / 2,957 * 4 quarters, rounded.
        QTest::newRow("1 cl: 1,35 quarters") << 1.0 << DisplayUnit::Oz << u"¼ oz"_s;
        QTest::newRow("2 cl: 2,71 quarters") << 2.0 << DisplayUnit::Oz << u"¾ oz"_s;
        QTest::newRow("3 cl: 4,06 quarters") << 3.0 << DisplayUnit::Oz << u"1 oz"_s;
        QTest::newRow("4 cl: 5,41 quarters") << 4.0 << DisplayUnit::Oz << u"1¼ oz"_s;
        QTest::newRow("5 cl: 6,76 quarters") << 5.0 << DisplayUnit::Oz << u"1¾ oz"_s;
        QTest::newRow("6 cl: 8,12 quarters") << 6.0 << DisplayUnit::Oz << u"2 oz"_s;
        QTest::newRow("10 cl: 13,53 quarters") << 10.0 << DisplayUnit::Oz << u"3½ oz"_s;
        QTest::newRow("100 cl: 135,27 quarters") << 100.0 << DisplayUnit::Oz << u"33¾ oz"_s;
        QTest::newRow("0,3 cl: below an eighth") << 0.3 << DisplayUnit::Oz << u"<¼ oz"_s;
        QTest::newRow("nothing") << 0.0 << DisplayUnit::Oz << u"0 oz"_s;
    }
    void volume() {
        QFETCH(double, cl);
        QFETCH(DisplayUnit::Kind, kind);
        QTEST(DisplayUnit::volume(cl, kind), "shown");
    }

    // Only amounts in cl convert; the line keeps the shape of the stored one.
    void lines() {
        const auto line = [](int amount, int unit, const QString& name, DisplayUnit::Kind kind) {
            return DisplayUnit::line(amount, unit, name, kind);
        };
        QCOMPARE(line(4, UnitKind::Cl, u"Weißer Rum"_s, DisplayUnit::Oz), u"1¼ oz  Weißer Rum"_s);
        QCOMPARE(line(4, UnitKind::Cl, u"Weißer Rum"_s, DisplayUnit::Ml), u"40 ml  Weißer Rum"_s);
        QCOMPARE(line(4, UnitKind::Cl, u"Weißer Rum"_s, DisplayUnit::Cl), u"4 cl  Weißer Rum"_s);
        QCOMPARE(line(0, UnitKind::Cl, u"Soda"_s, DisplayUnit::Oz), u"oz  Soda"_s);
        for (const DisplayUnit::Kind kind : {DisplayUnit::Ml, DisplayUnit::Oz}) {
            QCOMPARE(line(10, UnitKind::Gram, u"Zucker"_s, kind), u"10 g  Zucker"_s);
            QCOMPARE(line(2, UnitKind::Dash, u"Angostura"_s, kind), u"2 dash  Angostura"_s);
            QCOMPARE(line(1, UnitKind::Piece, u"Limette"_s, kind), u"1 St  Limette"_s);
            QCOMPARE(line(3, UnitKind::None, u"Minze"_s, kind), u"Minze"_s);
            QCOMPARE(line(3, 9, u"Unbekannt"_s, kind), u"Unbekannt"_s);
        }
        QCOMPARE(DisplayUnit::millilitres(162, DisplayUnit::Cl), u"162 ml"_s);
        QCOMPARE(DisplayUnit::millilitres(162, DisplayUnit::Oz), u"5½ oz"_s); // 21,91 quarters
    }

    void names() {
        QCOMPARE(DisplayUnit::named(u"OZ"_s), std::optional(DisplayUnit::Oz));
        QCOMPARE(DisplayUnit::named(u" ml "_s), std::optional(DisplayUnit::Ml));
        QCOMPARE(DisplayUnit::named(u"cl"_s), std::optional(DisplayUnit::Cl));
        QVERIFY(!DisplayUnit::named(u"floz"_s));
        QVERIFY(!DisplayUnit::named(QString()));
    }

    // A missing or damaged file, or a unit it does not know, gives cl.
    void file() {
        TempDataFolder dir;
        const QString path = dir.filePath(DisplayUnit::fileName());
        QCOMPARE(DisplayUnit::load(path), DisplayUnit::Cl);
        QVERIFY(DisplayUnit::save(path, DisplayUnit::Oz));
        QCOMPARE(TestFiles::readAll(path), QByteArray("[Anzeige]\r\nEinheit=oz\r\n"));
        QCOMPARE(DisplayUnit::load(path), DisplayUnit::Oz);
        for (const QByteArray& bytes :
             {QByteArray("\xff\x00zz", 4), QByteArray("[Anzeige]\r\nEinheit=Liter\r\n"),
              QByteArray("[Hausbar]\r\nEinheit=ml\r\n")}) {
            QVERIFY(TestFiles::writeAll(path, bytes));
            QCOMPARE(DisplayUnit::load(path), DisplayUnit::Cl);
        }
        QVERIFY(TestFiles::writeAll(path, "[anzeige]\neinheit=ML\n"));
        QCOMPARE(DisplayUnit::load(path), DisplayUnit::Ml);
    }

    // Each write step failing in turn: the old file stays byte for byte, the unit in use stays, and the
    // error names the file; once the write goes through, both hold the new unit.
    void failedWriteKeepsTheOldUnit() {
        TempDataFolder dir;
        const QString path = dir.filePath(DisplayUnit::fileName());
        QVERIFY(DisplayUnit::save(path, DisplayUnit::Ml));
        const QByteArray before = TestFiles::readAll(path);
        ProgramSettings settings;
        settings.useShownUnit(DisplayUnit::Ml);
        const RunFlags run;
        for (int n = 0;; ++n) {
            QVERIFY2(n < 20, "the write never went through");
            RawFile::failWritesAfter(n);
            const Result saved = settings.saveShownUnit(DisplayUnit::Oz, path, run);
            RawFile::stopFailingWrites();
            if (saved)
                break;
            QCOMPARE(saved.notice().captionText(), u"Fehler"_s);
            QVERIFY2(saved.notice().text.contains(path), qPrintable(saved.notice().text));
            QCOMPARE(settings.shownUnit(), DisplayUnit::Ml);
            QCOMPARE(TestFiles::readAll(path), before);
        }
        QCOMPARE(settings.shownUnit(), DisplayUnit::Oz);
        QCOMPARE(DisplayUnit::load(path), DisplayUnit::Oz);
    }

    // Read-only, the unit holds for the run like the other options, and nothing is written.
    void readOnlyKeepsItForTheRun() {
        TempDataFolder dir;
        const QString path = dir.filePath(DisplayUnit::fileName());
        ProgramSettings settings;
        RunFlags run;
        run.readOnly = true;
        QVERIFY(settings.saveShownUnit(DisplayUnit::Oz, path, run));
        QCOMPARE(settings.shownUnit(), DisplayUnit::Oz);
        QVERIFY(!QFileInfo::exists(path));
    }
};

VELTA_TEST_MAIN_CORE(TestDisplayUnit)
#include "tst_displayunit.moc"
