#include "TestTables.h"
#include "VeltaTest.h"
#include "calc/PartySession.h"
#include "common/AppState.h"
#include "editors/ChoiceLists.h"

using namespace Qt::StringLiterals;

namespace {

// Rum (in bars 1 and 3), lime and mint (bar 2), ice; a Mojito, a Daiquiri and a deleted recipe.
struct Party {
    TestTables t;
    AppState state;
    PartySession s{state, t.re(), t.zu()};
    int mojito = 0;
    int daiquiri = 0;
    int deleted = 0;
    Party() {
        t.addIngredient(
            {.number = 12, .name = u"Weißer Rum"_s, .kind = 0, .alcohol = 40, .h1 = true, .h3 = true});
        t.addIngredient({.number = 14, .name = u"Rhum Agricole"_s, .kind = 0, .alcohol = 50, .h2 = true});
        t.addIngredient({.number = 20, .name = u"Limette"_s, .kind = 2, .h2 = true});
        t.addIngredient({.number = 30, .name = u"Minze"_s, .kind = 3, .h2 = true});
        t.addIngredient({.number = 1, .name = u"Eiswürfel"_s, .kind = 3});
        mojito = t.addRecipe({.name = u"Mojito"_s, .lines = {{12, 5}, {20, 1}, {30, 0}, {1, 0}}});
        deleted = t.addRecipe({.name = u"Alt"_s, .lines = {{12, 4}}});
        daiquiri = t.addRecipe({.name = u"Daiquiri"_s, .lines = {{12, 4}}});
        TestTables::deleteRecord(t.re(), deleted);
        state.catalogue.setIngredients(Catalogue::readIngredients(t.zu()));
        state.settings.useSubstitutes(SubstituteFile::parse(u"Weißer Rum <- Rhum Agricole"_s),
                                      state.catalogue.ingredients().zutatliste);
        state.settings.changeBar().basics = {1};
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
        QVERIFY(p.s.add(p.mojito, 10).added);
        QVERIFY(p.s.add(p.daiquiri, 5).added);
        QVERIFY(!p.s.add(p.mojito, 2).notice);
        QCOMPARE(p.s.add(p.deleted, 3).notice, PartySession::goneNotice());
        QVERIFY(!p.s.add(99, 3).added);
        QCOMPARE(p.s.drinkTexts(), (QStringList{u"12 × Mojito"_s, u"5 × Daiquiri"_s}));
        // Held at the largest number of glasses, and the user is told.
        const PartySession::Added capped = p.s.add(p.mojito, u"990"_s);
        QVERIFY(capped.added);
        QCOMPARE(capped.notice, PartySession::cappedNotice(u"Mojito"_s));
        QCOMPARE(capped.notice->text, u"Mehr als 999 Gläser eines Drinks plant der Partyplaner nicht. "
                                      u"„Mojito“ steht jetzt mit 999 Gläsern auf der Liste."_s);
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
        const PartySession::Added added = p.s.add(recNo, typed);
        QCOMPARE(added.notice ? added.notice->text : QString(), notice);
        QCOMPARE(added.added, notice.isEmpty());
        QCOMPARE(p.s.drinkCount(), notice.isEmpty() ? 1 : 0);
    }

    // What is at hand is the bar's coverage, as in every mixable test: "+" for the bar, "*" for what is
    // always at home (with "Immer im Haus", whatever the bar).
    void barDecidesWhatIsAtHand_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<bool>("substitutes");
        QTest::addColumn<bool>("alwaysAtHome");
        QTest::addColumn<QStringList>("atHand");
        QTest::newRow("none") << 0 << false << false << QStringList{};
        QTest::newRow("bar 1: rum") << 1 << false << false << QStringList{u"+Weißer Rum"_s};
        QTest::newRow("bar 2: lime and mint")
            << 2 << false << false << QStringList{u"+Limette"_s, u"+Minze"_s};
        QTest::newRow("bar 3: rum") << 3 << false << false << QStringList{u"+Weißer Rum"_s};
        QTest::newRow("bar 2, its rhum agricole stands in for the rum")
            << 2 << true << false << QStringList{u"+Weißer Rum"_s, u"+Limette"_s, u"+Minze"_s};
        QTest::newRow("no bar, ice always at home") << 0 << true << true << QStringList{u"*Eiswürfel"_s};
        QTest::newRow("bar 1, ice always at home")
            << 1 << false << true << QStringList{u"+Weißer Rum"_s, u"*Eiswürfel"_s};
    }
    void barDecidesWhatIsAtHand() {
        QFETCH(int, bar);
        QFETCH(bool, substitutes);
        QFETCH(bool, alwaysAtHome);
        QFETCH(QStringList, atHand);
        Party p;
        p.s.add(p.mojito, 4);
        p.s.add(p.daiquiri, 4);
        p.s.setBar(bar);
        // The settings are read when the list is made, so a change in the home bar dialog counts.
        p.state.settings.changeBar().allowSubstitutes = substitutes;
        p.state.settings.changeBar().alwaysAtHome = alwaysAtHome;
        QStringList found;
        for (const PartyPlan::Line& line : p.s.lines()) {
            if (line.place != PartyPlan::Place::Buy)
                found << (line.place == PartyPlan::Place::InBar ? u"+"_s : u"*"_s) + line.name;
        }
        QCOMPARE(found, atHand);
        QCOMPARE(p.s.lines().first().amount, qint64(36)); // 4 × 5 cl + 4 × 4 cl, whatever the bar
    }
};

VELTA_TEST_MAIN_CORE(TestPartySession)
#include "tst_partysession.moc"
