#include "TestFiles.h"
#include "TestTables.h"
#include "UpdateFolder.h"
#include "VeltaTest.h"
#include "exchange/RecipeUpdate.h"
#include "store/StoreError.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

QList<QByteArray> tableBytes(const QString& folder) {
    QList<QByteArray> bytes;
    for (const char* name : {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT"})
        bytes << TestFiles::readAll(QDir(folder).filePath(QString::fromLatin1(name)));
    return bytes;
}

const QString kZ = u"   12  401"_s + QString(90, u' ');
const QString kZMenge = u"    4    2"_s + QString(90, u' ');

} // namespace

// Recipe updates on tables written by our own store: what the data lack arrives, nothing twice,
// and an update that cannot be read completely adds nothing.
class TestRecipeUpdate : public QObject {
    Q_OBJECT

    std::unique_ptr<TestTables> m_data;
    QTemporaryDir m_update;

    void release() {
        m_data->re().table().Close();
        m_data->zu().table().Close();
    }
    void reopen() {
        m_data->re().table().Open();
        m_data->zu().table().Open();
    }
    RecipeUpdate::Outcome run() {
        release();
        const RecipeUpdate::Outcome outcome =
            RecipeUpdate::run(m_data->env(), m_update.path(), m_data->path());
        reopen();
        return outcome;
    }

private slots:
    void init() {
        m_data.reset();
        m_data = std::make_unique<TestTables>();
        m_data->addIngredient({12, u"Rum"_s});
        m_data->addRecipe({u"Mojito"_s});
        for (const QString& name : QDir(m_update.path()).entryList(QDir::Files))
            QFile::remove(m_update.filePath(name));
    }

    void addsWhatIsNewOnce() {
        UpdateFolder::write(m_data->env(), m_update.path(),
                            {{u"MOJITO"_s}, // present in other letter case
                             {u"Blue Lagoon"_s, kZ, kZMenge, 3, 14, 77, u"Shaken\u00FE\u00FDGut"_s},
                             {u"Blue Lagoon"_s}}, // equal names inside one update both arrive
                            {{12, u"Rum"_s}, {401, u"Curaçao"_s, 25, 0, u"Blau"_s}, {401, u"Doppelt"_s}});
        const RecipeUpdate::Outcome first = run();
        QCOMPARE(first.recipes, 2);
        QCOMPARE(first.ingredients, 1);
        QCOMPARE(RecipeUpdate::closingNotice(first),
                 Notice::hint(u"2 Rezepte wurden hinzugefügt.\r\rBitte starten Sie Velta Cocktails erneut,\r"
                              u"damit die Änderungen wirksam werden."_s,
                              4));
        TApollo& re = m_data->re();
        QCOMPARE(re.RecCount(), 3);
        re.Go(2);
        QCOMPARE(re.GetTrimString(u"NAME"_s), u"Blue Lagoon"_s);
        QCOMPARE(re.GetTrimString(u"BILD"_s), u"uBlue"_s);
        QCOMPARE(re.GetPaddedString(u"Z"_s), kZ);
        QCOMPARE(re.GetPaddedString(u"ZMENGE"_s), kZMenge);
        QCOMPARE(re.GetInteger(u"KAT"_s), 3);
        QCOMPARE(re.GetInteger(u"ALK"_s), 14);
        QCOMPARE(re.GetInteger(u"CANR"_s), 77);
        QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), u"Shaken\u00FE\u00FDGut"_s);
        TApollo& zu = m_data->zu();
        QCOMPARE(zu.RecCount(), 2);
        zu.Go(2);
        QCOMPARE(zu.GetInteger(u"INDEX"_s), 401);
        QCOMPARE(zu.GetTrimString(u"NAME"_s), u"Curaçao"_s);
        QCOMPARE(zu.GetInteger(u"ALKOHOL"_s), 25);
        QCOMPARE(zu.GetMemo(u"KOMMENTAR"_s), u"Blau"_s);
        QVERIFY(!zu.GetLogical(u"H1"_s) && !zu.GetLogical(u"H2"_s) && !zu.GetLogical(u"H3"_s));

        release();
        const QList<QByteArray> before = tableBytes(m_data->path());
        reopen();
        const RecipeUpdate::Outcome second = run();
        QCOMPARE(second.recipes, 0);
        QCOMPARE(second.ingredients, 0);
        QCOMPARE(RecipeUpdate::closingNotice(second),
                 Notice::hint(u"Seit dem letzten Update sind\rkeine Rezepte hinzugekommen."_s, 2));
        release();
        QCOMPARE(tableBytes(m_data->path()), before);
        reopen();
    }

    void onlyIngredientsStillRestart() {
        UpdateFolder::write(m_data->env(), m_update.path(), {{u"Mojito"_s}}, {{402, u"Yuzu"_s}});
        const RecipeUpdate::Outcome outcome = run();
        QCOMPARE(outcome.recipes, 0);
        QCOMPARE(outcome.ingredients, 1);
        QVERIFY(RecipeUpdate::restart(outcome));
        QVERIFY(RecipeUpdate::closingNotice(outcome).text.startsWith(u"0 Rezepte wurden hinzugefügt.\r\r"_s));
    }

    // A missing or damaged ingredient update fails the whole update: the new recipes do not stay.
    void unreadableUpdateAddsNothing_data() {
        QTest::addColumn<bool>("withIngredients");
        QTest::addColumn<QString>("cut"); // a file cut short
        QTest::newRow("ingredients missing") << false << QString();
        QTest::newRow("ingredients cut short") << true << u"V98_Z.DBF"_s;
        QTest::newRow("recipes cut short") << true << u"V98_R.DBF"_s;
    }
    void unreadableUpdateAddsNothing() {
        QFETCH(bool, withIngredients);
        QFETCH(QString, cut);
        UpdateFolder::write(m_data->env(), m_update.path(), {{u"Neu"_s}}, {{403, u"Neu"_s}}, withIngredients);
        if (!cut.isEmpty()) {
            const QString path = m_update.filePath(cut);
            QVERIFY(TestFiles::writeAll(path, TestFiles::readAll(path).left(40)));
        }
        release();
        const QList<QByteArray> before = tableBytes(m_data->path());
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 RecipeUpdate::run(m_data->env(), m_update.path(), m_data->path()));
        QCOMPARE(tableBytes(m_data->path()), before);
        reopen();
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeUpdate)
#include "tst_recipeupdate.moc"
