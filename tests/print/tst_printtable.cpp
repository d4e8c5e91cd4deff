#include "PrintFixture.h"
#include "ShippedPrintTables.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/HomeBarTable.h"
#include "store/StoreError.h"
#include "store/TApolloEnv.h"

#include <QDir>

using namespace Qt::StringLiterals;
using Lines = QList<IngredientSlots::Line>;
using Choice = PrintSettings::Ingredients;

namespace {

// Records what the fill asks of the wait window.
class RecordingProgress : public PrintTable::Progress {
public:
    void show(int maximum, const QString& text) override { calls << u"show %1 %2"_s.arg(maximum).arg(text); }
    void set(int value) override { values << value; }
    void hide() override { calls << u"hide"_s; }
    QStringList calls;
    QList<int> values;
};

PrintSettings listSettings(Choice choice = Choice::FirstFive, bool remarks = false) {
    PrintSettings s;
    s.layout = PrintSettings::Layout::DrinkList;
    s.ingredients = choice;
    s.remarks = remarks;
    return s;
}

QStringList lines(const PrintRecord& r) {
    return QStringList(r.z.begin(), r.z.end());
}

} // namespace

class TestPrintTable : public QObject {
    Q_OBJECT

private slots:
    void recipeCardRecord() {
        PrintFixture f;
        const PrintRecord r =
            f.fillOne({u"Daiquiri"_s,
                       {{PrintFixture::Rum, 4}, {PrintFixture::Lime, 2}, {PrintFixture::Bitters, 1}},
                       2,
                       2,
                       31,
                       f.decoration(),
                       0,
                       u"123"_s,
                       u"meins"_s,
                       u"Schütteln."_s,
                       u"Sehr stark"_s},
                      PrintSettings());
        QCOMPARE(r.name, u"Daiquiri"_s);
        QCOMPARE(r.bild, u"123"_s);
        QCOMPARE(r.eigen, u"meins"_s);
        QCOMPARE(lines(r).mid(0, 4), (QStringList{u"4 cl  Weißer Rum"_s, u"2 cl  Limettensaft"_s,
                                                  u"1 dash  Angostura"_s, QString()}));
        QCOMPARE(r.s1, u"Shortdrinks"_s);
        QCOMPARE(r.s2, u"31%"_s);
        QCOMPARE(r.s3, u"Limettenscheibe"_s);
        QCOMPARE(r.s4, u"sauer"_s);
        QCOMPARE(r.s5, u"6 cl"_s); // the dash does not count
        QCOMPARE(r.memo, u"Schütteln.\r\n\r\nBemerkung: \r\nSehr stark"_s);
    }

    void recipeCardEdgeCases_data() {
        QTest::addColumn<Lines>("packed");
        QTest::addColumn<QStringList>("firstLines");
        QTest::addColumn<QString>("total");
        QTest::newRow("only pieces and grams")
            << Lines{{PrintFixture::Mint, 6}, {PrintFixture::Sugar, 10}}
            << QStringList{u"6 St  Minzzweige"_s, u"10 g  Rohrzucker"_s} << u"0 cl"_s;
        QTest::newRow("unknown ingredient adds nothing")
            << Lines{{PrintFixture::Rum, 4}, {999, 7}}
            << QStringList{u"4 cl  Weißer Rum"_s, u"nicht in Datenbank!"_s} << u"4 cl"_s;
        QTest::newRow("no unit, no amount")
            << Lines{{PrintFixture::Ice, 3}, {PrintFixture::Soda, 0}}
            << QStringList{u"Crushed Ice"_s, u"cl  Sodawasser"_s} << u"0 cl"_s;
        QTest::newRow("negative number leaves its line empty")
            << Lines{{PrintFixture::Rum, 4}, {-5, 2}, {PrintFixture::Lime, 2}}
            << QStringList{u"4 cl  Weißer Rum"_s, QString(), u"2 cl  Limettensaft"_s} << u"6 cl"_s;
        QTest::newRow("no ingredients") << Lines{} << QStringList{QString()} << u"0 cl"_s;
    }
    void recipeCardEdgeCases() {
        QFETCH(Lines, packed);
        QFETCH(QStringList, firstLines);
        QFETCH(QString, total);
        PrintFixture f;
        const PrintRecord r = f.fillOne({u"X"_s, packed}, PrintSettings());
        QCOMPARE(lines(r).mid(0, firstLines.size()), firstLines);
        QCOMPARE(r.s5, total);
        QVERIFY(r.s3.isEmpty()); // no decoration
        QVERIFY(r.s4.isEmpty()); // no taste
        QCOMPARE(r.s1, u"Longdrinks"_s);
    }

    void twentyIngredientsFillEveryLine() {
        PrintFixture f;
        Lines packed;
        for (int i = 0; i < 20; ++i)
            packed.append({PrintFixture::Rum, i + 1});
        const PrintRecord r = f.fillOne({u"Zwanzig"_s, packed}, PrintSettings());
        QCOMPARE(r.z[19], u"20 cl  Weißer Rum"_s);
        QCOMPARE(r.s5, u"210 cl"_s);
    }

    void memoOfTheCard_data() {
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<bool>("printInstructions");
        QTest::addColumn<QString>("memo");
        QTest::newRow("instructions only") << u"Rühren."_s << QString() << true << u"Rühren."_s;
        QTest::newRow("remark only") << QString() << u"Kalt servieren"_s << true
                                     << u"\r\n\r\nBemerkung: \r\nKalt servieren"_s;
        QTest::newRow("instructions off") << u"Rühren."_s << u"Kalt"_s << false << QString();
        QTest::newRow("empty memo") << QString() << QString() << true << QString();
    }
    void memoOfTheCard() {
        QFETCH(QString, instructions);
        QFETCH(QString, remark);
        QFETCH(bool, printInstructions);
        QFETCH(QString, memo);
        PrintFixture f;
        PrintSettings s;
        s.instructions = printInstructions;
        TestTables::Recipe recipe{u"X"_s};
        recipe.instructions = instructions;
        recipe.remark = remark;
        QCOMPARE(f.fillOne(recipe, s).memo, memo);
    }

    void listSummary_data() {
        QTest::addColumn<Lines>("packed");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("skipLime");
        QTest::addColumn<QString>("z1");
        QTest::addColumn<QString>("z2");
        QTest::addColumn<QString>("total");
        const Lines six{{PrintFixture::Rum, 4},  {PrintFixture::Lime, 2},  {PrintFixture::Bitters, 1},
                        {PrintFixture::Mint, 6}, {PrintFixture::Sugar, 1}, {PrintFixture::Soda, 5}};
        QTest::newRow("five") << six << int(Choice::FirstFive) << false
                              << u"Weißer Rum, Limettensaft, Angostura,"_s << u"Minzzweige, Rohrzucker"_s
                              << u"11 cl"_s;
        QTest::newRow("four") << six.mid(0, 4) << int(Choice::FirstFive) << false
                              << u"Weißer Rum, Limettensaft, Angostura,"_s << u"Minzzweige"_s << u"6 cl"_s;
        QTest::newRow("three of five") << six.mid(0, 3) << int(Choice::FirstFive) << false
                                       << u"Weißer Rum, Limettensaft, Angostura"_s << QString() << u"6 cl"_s;
        QTest::newRow("first three never write Z2")
            << six << int(Choice::FirstThree) << false << u"Weißer Rum, Limettensaft, Angostura"_s
            << QString() << u"11 cl"_s;
        QTest::newRow("not printed is skipped but counted")
            << six.mid(0, 4) << int(Choice::FirstThree) << true << u"Weißer Rum, Angostura, Minzzweige"_s
            << QString() << u"6 cl"_s;
        QTest::newRow("one") << six.mid(0, 1) << int(Choice::FirstFive) << false << u"Weißer Rum"_s
                             << QString() << u"4 cl"_s;
        QTest::newRow("none") << six << int(Choice::None) << false << QString() << QString() << QString();
    }
    void listSummary() {
        QFETCH(Lines, packed);
        QFETCH(int, choice);
        QFETCH(bool, skipLime);
        QFETCH(QString, z1);
        QFETCH(QString, z2);
        QFETCH(QString, total);
        PrintFixture f;
        if (skipLime)
            f.setUnprinted(PrintFixture::Lime);
        const PrintRecord r =
            f.fillOne({u"Liste"_s, packed, 1, 1, 12, f.decoration()}, listSettings(Choice(choice)));
        QCOMPARE(r.name, u"Liste"_s);
        QCOMPARE(r.z[0], z1);
        QCOMPARE(r.z[1], z2);
        QCOMPARE(r.s5, total);
        // The list leaves the card's fields alone.
        QVERIFY(r.bild.isEmpty() && r.s1.isEmpty() && r.s2.isEmpty() && r.s3.isEmpty() && r.s4.isEmpty());
        QVERIFY(lines(r).mid(2).join(QString()).isEmpty());
    }

    void listRemark_data() {
        QTest::addColumn<QString>("remark");
        QTest::addColumn<bool>("remarks");
        QTest::addColumn<QString>("z3");
        QTest::addColumn<QString>("memo");
        QTest::newRow("printed") << u"Mit Strohhalm"_s << true << u"*"_s << u"Mit Strohhalm"_s;
        QTest::newRow("not printed") << u"Mit Strohhalm"_s << false << QString() << QString();
        QTest::newRow("none to print") << QString() << true << QString() << QString();
    }
    void listRemark() {
        QFETCH(QString, remark);
        QFETCH(bool, remarks);
        QFETCH(QString, z3);
        QFETCH(QString, memo);
        PrintFixture f;
        TestTables::Recipe recipe{u"X"_s, {{PrintFixture::Rum, 4}}};
        recipe.instructions = u"Schütteln."_s;
        recipe.remark = remark;
        const PrintRecord r = f.fillOne(recipe, listSettings(Choice::None, remarks));
        QCOMPARE(r.z[2], z3);
        QCOMPARE(r.memo, memo);
    }

    void entriesKeepTheirOrderAndRepeat() {
        PrintFixture f;
        const int a = f.addRecipe({u"Alpha"_s});
        const int b = f.addRecipe({u"Beta"_s});
        const int c = f.addRecipe({u"Gamma"_s});
        QStringList names;
        for (const PrintRecord& r : f.fill({c, a, c, b}, PrintSettings()))
            names << r.name;
        QCOMPARE(names, strings({"Gamma", "Alpha", "Gamma", "Beta"}));
        QVERIFY(!f.printTableOpen());
        // The next fill starts from an empty table.
        QCOMPARE(f.fill({b}, PrintSettings()).size(), 1);
    }

    // The bar card of mixable drinks keeps exactly the recipes the home bar's mixable test keeps,
    // in their order, checked on the shipped recipes against a bar of every third ingredient.
    void mixableOnShippedData_data() {
        QTest::addColumn<int>("purchases");
        for (int p = 0; p <= 3; ++p)
            QTest::addRow("%d purchases", p) << p;
    }
    void mixableOnShippedData() {
        QFETCH(int, purchases);
        const QString shipped = QStringLiteral(VELTA_IMAGE_DATA_DIR);
        TempDataFolder out;
        ShippedPrintTables t(shipped);
        TApollo& re = *t.re;
        HomeBarTable bars;
        for (int n = 1; n <= HomeBarTable::kMaxNumber; n += 3)
            bars.set(2, n, true);
        QList<int> all;
        QStringList expected;
        for (re.GoTop(); !re.Eof(); re.Skip()) {
            all << re.RecNo();
            if (bars.Mixable(re.GetPaddedString(u"Z"_s), 2, purchases))
                expected << re.GetTrimString(u"NAME"_s).left(40);
        }
        const QStringList none;
        const PrintRecordBuilder::Sources sources{re, *t.zu, *t.de, none, none};
        const HomeBarTable::Test test = bars.test(2, purchases);
        PrintTable::fill(*t.hilf, out.path(), sources, all, listSettings(), nullptr, &test);
        QStringList printed;
        for (const PrintRecord& r : PrintTable::readAll(t.env, out.path()))
            printed << r.name;
        QCOMPARE(printed, expected);
        // The bar neither keeps every drink nor none, so the filter is really exercised.
        QVERIFY(!printed.isEmpty());
        QVERIFY(printed.size() < all.size());
    }

    void waitWindowFromElevenDrinks_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("ten") << 10 << QStringList();
        QTest::newRow("eleven") << 11 << QStringList{u"show 10 Das Drucken wird vorbereitet."_s, u"hide"_s};
    }
    void waitWindowFromElevenDrinks() {
        QFETCH(int, count);
        QFETCH(QStringList, calls);
        PrintFixture f;
        const int rec = f.addRecipe({u"X"_s});
        RecordingProgress progress;
        f.fill(QList<int>(count, rec), PrintSettings(), &progress);
        QCOMPARE(progress.calls, calls);
        QCOMPARE(progress.values.size(), calls.isEmpty() ? 0 : count);
        if (!calls.isEmpty())
            QCOMPARE(progress.values.last(), count - 1);
    }

    void fillFailureHidesTheWaitWindow() {
        PrintFixture f;
        const int rec = f.addRecipe({u"X"_s});
        QVERIFY(TestFiles::writeAll(QDir(f.folder()).filePath(PrintTable::fileName()), "kaputt"));
        RecordingProgress progress;
        QVERIFY_THROWS_EXCEPTION(StoreError, f.fill(QList<int>(12, rec), PrintSettings(), &progress));
        QCOMPARE(progress.calls.last(), u"hide"_s);
        QVERIFY(!f.printTableOpen());
    }

    // An installation from before the print table shipped gets a fresh one.
    void missingTableIsMadeAfresh() {
        PrintFixture f;
        const int rec = f.addRecipe({u"Neu"_s});
        QVERIFY(QFile::remove(QDir(f.folder()).filePath(PrintTable::fileName())));
        QCOMPARE(f.fill({rec}, PrintSettings()).value(0).name, u"Neu"_s);
    }

    void createdTableIsEmptyHelperTable() {
        PrintFixture f;
        TTable t(f.env());
        t.setDatabaseName(f.folder());
        t.setTableName(PrintTable::fileName());
        t.setReadOnly(true);
        t.Open();
        QCOMPARE(t.file().version(), DbfFile::kVersionDbt);
        QCOMPARE(t.file().recordCount(), 0);
        QVERIFY(QFile::exists(QDir(f.folder()).filePath(u"V98_D.DBT"_s)));
    }
};

VELTA_TEST_MAIN_CORE(TestPrintTable)
#include "tst_printtable.moc"
