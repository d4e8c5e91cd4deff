#include "TestTables.h"
#include "VeltaTest.h"
#include "calc/PartySession.h"
#include "common/HomeBarTable.h"

using namespace Qt::StringLiterals;

namespace {

// Rum (in bars 1 and 3), lime and mint (bar 2); a Mojito, a Daiquiri and a deleted recipe.
struct Party {
    TestTables t;
    HomeBarTable bars;
    PartySession s{t.re(), t.zu(), bars};
    int mojito = 0;
    int daiquiri = 0;
    int deleted = 0;
    Party() {
        t.addIngredient({.number = 12, .name = u"Weißer Rum"_s, .kind = 0, .h1 = true, .h3 = true});
        t.addIngredient({.number = 20, .name = u"Limette"_s, .kind = 2, .h2 = true});
        t.addIngredient({.number = 30, .name = u"Minze"_s, .kind = 3, .h2 = true});
        mojito = t.addRecipe({.name = u"Mojito"_s, .lines = {{12, 5}, {20, 1}, {30, 0}}});
        deleted = t.addRecipe({.name = u"Alt"_s, .lines = {{12, 4}}});
        daiquiri = t.addRecipe({.name = u"Daiquiri"_s, .lines = {{12, 4}}});
        TestTables::deleteRecord(t.re(), deleted);
        bars.fill(t.zu());
    }
};

} // namespace

class TestPartySession : public QObject {
    Q_OBJECT

private slots:
    void choicesAreSortedRecipes() {
        Party p;
        const QList<ListEntry> choices = p.s.recipeChoices();
        QCOMPARE(choices, (QList<ListEntry>{{u"Daiquiri"_s, p.daiquiri}, {u"Mojito"_s, p.mojito}}));
    }

    void addingSumsGlassesOfTheSameDrink() {
        Party p;
        QVERIFY(p.s.add(p.mojito, 10));
        QVERIFY(p.s.add(p.daiquiri, 5));
        QVERIFY(p.s.add(p.mojito, 2));
        QVERIFY(!p.s.add(p.deleted, 3));
        QVERIFY(!p.s.add(99, 3));
        QCOMPARE(p.s.drinkTexts(), (QStringList{u"12 × Mojito"_s, u"5 × Daiquiri"_s}));
        QVERIFY(p.s.add(p.mojito, 5000)); // held at the largest number of glasses
        QCOMPARE(p.s.drinkTexts().first(), u"999 × Mojito"_s);
        p.s.remove(0);
        p.s.remove(7);
        QCOMPARE(p.s.drinkTexts(), (QStringList{u"5 × Daiquiri"_s}));
    }

    // The glasses as typed in the window: anything but 1..999 is refused with its notice.
    void typedGlasses_data() {
        QTest::addColumn<QString>("recipe"); // "mojito", "deleted" or "none"
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("notice"); // empty when added
        const QString glasses = PartySession::glassesNotice().text;
        QTest::newRow("number") << u"mojito"_s << u"12"_s << QString();
        QTest::newRow("blanks around") << u"mojito"_s << u" 7 "_s << QString();
        QTest::newRow("largest") << u"mojito"_s << u"999"_s << QString();
        QTest::newRow("empty") << u"mojito"_s << QString() << glasses;
        QTest::newRow("zero") << u"mojito"_s << u"0"_s << glasses;
        QTest::newRow("too many") << u"mojito"_s << u"1000"_s << glasses;
        QTest::newRow("negative") << u"mojito"_s << u"-3"_s << glasses;
        QTest::newRow("letters") << u"mojito"_s << u"zehn"_s << glasses;
        QTest::newRow("no drink chosen") << u"none"_s << u"5"_s << PartySession::noDrinkNotice().text;
        QTest::newRow("recipe gone") << u"deleted"_s << u"5"_s << PartySession::goneNotice().text;
    }
    void typedGlasses() {
        QFETCH(QString, recipe);
        QFETCH(QString, typed);
        QFETCH(QString, notice);
        Party p;
        const int recNo = recipe == u"mojito"_s ? p.mojito : recipe == u"deleted"_s ? p.deleted : -1;
        const std::optional<Notice> refusal = p.s.add(recNo, typed);
        QCOMPARE(refusal ? refusal->text : QString(), notice);
        QCOMPARE(p.s.drinkCount(), notice.isEmpty() ? 1 : 0);
    }

    void barDecidesWhatIsAtHand_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QStringList>("atHand");
        QTest::newRow("none") << 0 << QStringList{};
        QTest::newRow("bar 1: rum") << 1 << QStringList{u"Weißer Rum"_s};
        QTest::newRow("bar 2: lime and mint") << 2 << QStringList{u"Limette"_s, u"Minze"_s};
        QTest::newRow("bar 3: rum") << 3 << QStringList{u"Weißer Rum"_s};
    }
    void barDecidesWhatIsAtHand() {
        QFETCH(int, bar);
        QFETCH(QStringList, atHand);
        Party p;
        p.s.add(p.mojito, 4);
        p.s.add(p.daiquiri, 4);
        p.s.setBar(bar);
        QStringList found;
        for (const PartyPlan::Line& line : p.s.lines()) {
            if (line.atHand)
                found << line.name;
        }
        QCOMPARE(found, atHand);
        QCOMPARE(p.s.lines().first().amount, qint64(36)); // 4 × 5 cl + 4 × 4 cl, whatever the bar
    }

    void clipboardText() {
        Party p;
        p.s.add(p.mojito, 14);
        p.s.setBar(2);
        QCOMPARE(p.s.clipboardText(), u"Partyplaner\r\n14 × Mojito\r\n\r\nEinkaufen:\r\n"
                                      u"Weißer Rum\t70 cl\t1 × 0,7 l oder 1 × 1 l\r\n\r\n"
                                      u"Vorhanden in Hausbar Nr. 2:\r\nLimette\t14 St\r\nMinze\r\n"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestPartySession)
#include "tst_partysession.moc"
