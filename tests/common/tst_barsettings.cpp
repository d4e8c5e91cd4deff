#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/AppState.h"

#include <QFile>

using namespace Qt::StringLiterals;

class TestBarSettings : public QObject {
    Q_OBJECT

private slots:
    void roundTrip() {
        TempDataFolder dir;
        BarSettings s;
        s.allowSubstitutes = true;
        s.setBasic(400, true);
        s.setBasic(2, false);
        s.setBasic(400, true); // no repeat
        QVERIFY(s.save(dir.filePath(u"HAUSBAR.CFG"_s)));
        const BarSettings read = BarSettings::load(dir.filePath(u"HAUSBAR.CFG"_s));
        QCOMPARE(read, s);
        QCOMPARE(read.basics, (QList<int>{1, 94, 231, 254, 400}));
        QVERIFY(!read.alwaysAtHome);
    }

    // Missing or damaged files and values give the defaults; an emptied basics list stays empty.
    void readsWhatItCan_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("substitutes");
        QTest::addColumn<bool>("basicsOn");
        QTest::addColumn<QList<int>>("basics");
        QTest::newRow("no file") << QByteArray() << false << false << BarSettings::defaultBasics();
        QTest::newRow("garbage") << QByteArray("\xff\x00zz", 4) << false << false
                                 << BarSettings::defaultBasics();
        QTest::newRow("switches only") << QByteArray("[hausbar]\r\nersatzzutaten=1\r\nImmerImHaus=1\r\n")
                                       << true << true << BarSettings::defaultBasics();
        QTest::newRow("odd values") << QByteArray(
                                           "[Hausbar]\nErsatzzutaten=ja\nGrundzutaten=7, x,1501,-1,3,7\n")
                                    << false << false << QList<int>{3, 7};
        QTest::newRow("empty basics")
            << QByteArray("[Hausbar]\nGrundzutaten=\n") << false << false << QList<int>{};
    }
    void readsWhatItCan() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, substitutes);
        QFETCH(bool, basicsOn);
        QFETCH(QList<int>, basics);
        TempDataFolder dir;
        const QString path = dir.filePath(u"HAUSBAR.CFG"_s);
        if (!bytes.isEmpty())
            QVERIFY(TestFiles::writeAll(path, bytes));
        const BarSettings s = BarSettings::load(path);
        QCOMPARE(s.allowSubstitutes, substitutes);
        QCOMPARE(s.alwaysAtHome, basicsOn);
        QCOMPARE(s.basics, basics);
    }

    // The shared state saves through one door: refused read-only, an error when the file cannot be
    // written, and in both cases the settings in use stay.
    void stateSaves() {
        TempDataFolder dir;
        AppState state;
        state.folders.dataFolder = dir.path() + QLatin1Char('/');
        BarSettings on;
        on.alwaysAtHome = true;

        state.run.readOnly = true;
        const Result refused = state.saveBarSettings(on);
        QVERIFY(!refused);
        QCOMPARE(refused.notice(), Notice::readOnly());
        QVERIFY(!QFile::exists(dir.filePath(u"HAUSBAR.CFG"_s)));
        QVERIFY(!state.settings.bar().alwaysAtHome);

        state.run.readOnly = false;
        QVERIFY(state.saveBarSettings(on));
        QVERIFY(state.settings.bar().alwaysAtHome);
        QCOMPARE(BarSettings::load(dir.filePath(u"HAUSBAR.CFG"_s)), on);

        state.folders.dataFolder = dir.filePath(u"fehlt/nicht/da/"_s);
        BarSettings off;
        const Result failed = state.saveBarSettings(off);
        QVERIFY(!failed);
        QCOMPARE(failed.notice().caption, Notice::Caption::Error);
        QVERIFY(state.settings.bar().alwaysAtHome);
    }

    // The program reads both side files in any letter case and resolves the substitutes by name.
    void stateLoadsRulesAndFollowsRenames() {
        TempDataFolder dir;
        QVERIFY(TestFiles::writeAll(dir.filePath(u"ersatz.txt"_s),
                                    QByteArray("Limettensaft <- Zitronensaft\r\n")));
        QVERIFY(TestFiles::writeAll(dir.filePath(u"hausbar.cfg"_s),
                                    QByteArray("[Hausbar]\r\nErsatzzutaten=1\r\n")));
        AppState state;
        state.folders.dataFolder = dir.path() + QLatin1Char('/');
        state.catalogue.changeIngredients([&](IngredientChoices& c) {
            c.zutatliste = {{u"Limettensaft"_s, 5}, {u"Zitronensaft"_s, 4}};
            c.homeBars.set(1, 4, true);
        });
        state.loadBarRules();
        QVERIFY(state.settings.bar().allowSubstitutes);
        QVERIFY(state.barCoverage().present(1).test(5));
        // Whoever changes the ingredient names only tells the catalogue: the substitutes follow.
        state.catalogue.setIngredients({.zutatliste = {{u"Limettensaft"_s, 5}, {u"Zitrone gepresst"_s, 4}},
                                        .homeBars = state.catalogue.ingredients().homeBars});
        QVERIFY(!state.barCoverage().present(1).test(5));
        QVERIFY(state.barCoverage().present(1).test(4));
    }
};

VELTA_TEST_MAIN_CORE(TestBarSettings)
#include "tst_barsettings.moc"
