#include "TestFiles.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "Version1Folder.h"
#include "exchange/Version1Import.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QStringList kTableFiles = {u"RE.DBF"_s, u"RE.SMT"_s, u"ZU.DBF"_s, u"ZU.SMT"_s};

QString slotText(const QList<int>& values) {
    QString text;
    for (int i = 0; i < 20; ++i)
        text += i < values.size() && values.at(i) != 0 ? QString::number(values.at(i)).rightJustified(5)
                                                       : u"     "_s;
    return text;
}

struct Snapshot {
    QList<QByteArray> files;
    explicit Snapshot(const QString& folder) {
        for (const QString& name : kTableFiles)
            files << TestFiles::readAll(QDir(folder).filePath(name));
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

// The version-1 import on tables written by our own store: only the user's own entries arrive,
// renumbered into the current numbering, and a failed import leaves the tables untouched.
class TestVersion1Import : public QObject {
    Q_OBJECT

    std::unique_ptr<TestTables> m_data;
    QTemporaryDir m_v1;

    // The current tables: the supplied ingredients "Rum" (12) and "Limette" (40), a user-made one
    // with the given number, and the recipes "Mojito" and "Daiquiri (Import)".
    void makeData(int highest) {
        m_data.reset(); // one store environment at a time
        m_data = std::make_unique<TestTables>();
        m_data->addIngredient({12, u"Rum"_s});
        m_data->addIngredient({40, u"Limette"_s});
        m_data->addIngredient({highest, u"Hauslikör"_s});
        m_data->addRecipe({u"Mojito"_s});
        m_data->addRecipe({u"Daiquiri"_s});
        m_data->addRecipe({u"Daiquiri (Import)"_s});
    }
    // Closes the test's handles so that the import owns the files, as the program does.
    void release() {
        m_data->re().table().Close();
        m_data->zu().table().Close();
    }
    void reopen() {
        m_data->re().table().Open();
        m_data->zu().table().Open();
    }
    QStringList recipeRow(int recNo) {
        TApollo& re = m_data->re();
        re.Go(recNo);
        return {re.GetTrimString(u"NAME"_s),
                re.GetTrimString(u"BILD"_s),
                re.GetPaddedString(u"Z"_s),
                re.GetPaddedString(u"ZMENGE"_s),
                QString::number(re.GetInteger(u"KAT"_s)),
                QString::number(re.GetInteger(u"ALK"_s)),
                re.GetMemo(u"ANLEITUNG"_s)};
    }

private slots:
    void memoConversion_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("instructions");
        QTest::addColumn<QString>("converted");
        QTest::newRow("too short") << u"ab"_s << true << QString();
        QTest::newRow("line breaks") << u"Eis\r\nrein\u00FEumr\u00FChren"_s << false
                                     << u"Eisrein\r\numrühren"_s;
        QTest::newRow("marker with remark")
            << u"Mixen(>MORVA< Sehr kalt"_s << true << u"Mixen\u00FE\u00FDSehr kalt"_s;
        QTest::newRow("marker, two after") << u"Mixen(>MORVA<ab"_s << true << u"Mixen\u00FE\u00FDb"_s;
        QTest::newRow("marker, one after") << u"Mixen(>MORVA<a"_s << true << u"Mixen(>MORVA<a"_s;
        QTest::newRow("marker at the end") << u"Mixen(>MORVA<"_s << true << u"Mixen(>MORVA<"_s;
        QTest::newRow("marker in a comment") << u"Gut(>MORVA< kalt"_s << false << u"Gut(>MORVA< kalt"_s;
    }
    void memoConversion() {
        QFETCH(QString, memo);
        QFETCH(bool, instructions);
        QFETCH(QString, converted);
        QCOMPARE(Version1Import::convertMemo(memo, instructions), converted);
    }

    void importsOwnEntries_data() {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("firstNew");
        QTest::newRow("below 400") << 120 << 400;
        QTest::newRow("above 400") << 450 << 451;
    }
    void importsOwnEntries() {
        QFETCH(int, highest);
        QFETCH(int, firstNew);
        makeData(highest);
        Version1Folder::write(m_data->env(), m_v1.path(),
                              {{u"RUM"_s}, // known in other letter case: number 12
                               {u"Blaue Beere"_s, 15, 1, true, u"Frisch\u00FEgepflückt"_s},
                               {u"Minzsirup"_s}},
                              {{u"Caipirinha"_s, u"caipi"_s, {{12, 4}}}, // came with version 1
                               {u"Beerenrum"_s,
                                {},
                                {{188, 5}, {189, 10}, {0, 0}, {40, 2}},
                                3,
                                22,
                                u"Rühren\u00FEkalt(>MORVA< Nur frisch"_s},
                               {u"mojito"_s, {}, {{190, 7}}},
                               {u"Daiquiri"_s, {}, {{12, 6}}}});
        release();
        const Version1Import::Outcome outcome =
            Version1Import::run(m_data->env(), m_v1.path(), m_data->path());
        reopen();
        QCOMPARE(outcome.recipes, 2);
        QCOMPARE(outcome.ingredients, 2);
        QVERIFY(!outcome.damaged);
        QCOMPARE(m_data->re().RecCount(), 5);
        QCOMPARE(recipeRow(4), QStringList({u"Beerenrum"_s, u"e"_s, slotText({12, firstNew, 0, 40}),
                                            slotText({5, 10, 0, 2}), u"3"_s, u"22"_s,
                                            u"Rühren\r\nkalt\u00FE\u00FDNur frisch"_s}));
        QCOMPARE(recipeRow(5).mid(0, 4),
                 QStringList({u"mojito (Import)"_s, u"e"_s, slotText({firstNew + 1}), slotText({7})}));
        TApollo& zu = m_data->zu();
        QCOMPARE(zu.RecCount(), 5);
        zu.Go(4);
        QCOMPARE(zu.GetInteger(u"INDEX"_s), firstNew);
        QCOMPARE(zu.GetTrimString(u"NAME"_s), u"Blaue Beere"_s);
        QCOMPARE(zu.GetInteger(u"ALKOHOL"_s), 15);
        QCOMPARE(zu.GetInteger(u"KENNUNG"_s), 1);
        QCOMPARE(zu.GetMemo(u"KOMMENTAR"_s), u"Frisch\r\ngepflückt"_s);
        QVERIFY(zu.GetLogical(u"H1"_s));
        QVERIFY(!zu.GetLogical(u"H2"_s) && !zu.GetLogical(u"H3"_s));
        zu.Go(5);
        QCOMPARE(zu.GetInteger(u"INDEX"_s), firstNew + 1);
        QVERIFY(!zu.GetLogical(u"H1"_s));
        QCOMPARE(Version1Import::closingNotice(outcome).text,
                 u"Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."_s);
        // No staging folder of this data folder is left beside it (other tests may stage theirs in the
        // same parent at the same time).
        QVERIFY(!QFileInfo::exists(m_data->path() + u"/../."_s + QFileInfo(m_data->path()).fileName() +
                                   u".import"_s));
    }

    // Failures leave the user's tables byte for byte as they were.
    void failuresChangeNothing_data() {
        QTest::addColumn<int>("supplied");
        QTest::addColumn<int>("own");
        QTest::addColumn<QString>("damage"); // a version-1 file to cut short
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("tooMany");
        QTest::addColumn<int>("number"); // the recipe's one line: version-1 ingredient and amount
        QTest::addColumn<int>("amount");
        QTest::newRow("too few ingredients") << 150 << 1 << QString() << false << false << 188 << 1;
        QTest::newRow("more than 200 own") << 187 << 201 << QString() << false << true << 188 << 1;
        QTest::newRow("recipe table cut short") << 187 << 1 << u"REZEPTE.100"_s << true << false << 188 << 1;
        QTest::newRow("ingredient table missing")
            << 187 << 1 << u"ZUTATEN.100"_s << true << false << 188 << 1;
        QTest::newRow("recipe refers to a missing ingredient")
            << 187 << 0 << QString() << true << false << 188 << 1;
        QTest::newRow("negative ingredient number") << 187 << 1 << QString() << true << false << -5 << 1;
        QTest::newRow("amount beyond 9999") << 187 << 1 << QString() << true << false << 188 << 12000;
        QTest::newRow("negative amount") << 187 << 1 << QString() << true << false << 188 << -2;
    }
    void failuresChangeNothing() {
        QFETCH(int, supplied);
        QFETCH(int, own);
        QFETCH(QString, damage);
        QFETCH(bool, damaged);
        QFETCH(bool, tooMany);
        QFETCH(int, number);
        QFETCH(int, amount);
        makeData(120);
        QList<Version1Folder::Ingredient> ownIngredients;
        for (int i = 0; i < own; ++i)
            ownIngredients.append({u"Eigene %1"_s.arg(i)});
        Version1Folder::write(m_data->env(), m_v1.path(), ownIngredients,
                              {{u"Neu"_s, {}, {{number, amount}}}}, supplied);
        const QString cut = QDir(m_v1.path()).filePath(damage);
        if (damage == u"ZUTATEN.100"_s)
            QVERIFY(QFile::remove(cut));
        else if (!damage.isEmpty())
            QVERIFY(TestFiles::writeAll(cut, TestFiles::readAll(cut).left(40)));
        release();
        const Snapshot before(m_data->path());
        const Version1Import::Outcome outcome =
            Version1Import::run(m_data->env(), m_v1.path(), m_data->path());
        QCOMPARE(outcome.damaged, damaged);
        QCOMPARE(outcome.tooManyIngredients, tooMany);
        QCOMPARE(outcome.recipes, 0);
        QCOMPARE(outcome.ingredients, 0);
        QVERIFY(Snapshot(m_data->path()) == before);
        QCOMPARE(Version1Import::closingNotice(outcome).text,
                 u"Im alten Datenbestand wurden keine Rezepte gefunden, die importiert werden müssen."_s);
    }
};

VELTA_TEST_MAIN_CORE(TestVersion1Import)
#include "tst_version1import.moc"
