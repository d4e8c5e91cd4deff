#include "TestTables.h"
#include "VeltaTest.h"

#include "calc/BloodAlcohol.h"
#include "calc/BloodAlcoholSession.h"
#include "common/AppState.h"
#include "common/MyDrinksSession.h"
#include <memory>

using namespace Qt::StringLiterals;
using Session = BloodAlcoholSession;
using Unit = BloodAlcoholSession::Unit;
using Entries = QList<ListEntry>;

namespace {

// Rum, lime juice, vodka (no piece size) and beer (33 cl a bottle); a daiquiri of 4 cl rum and
// 2 cl lime juice with a dash that adds no volume; a deleted recipe.
struct Bar {
    TestTables t;
    int daiquiri = 0;
    Bar() {
        t.addIngredient({.number = 1, .name = u"Weißer Rum"_s, .kind = 0, .alcohol = 40});
        t.addIngredient({.number = 2, .name = u"Limettensaft"_s, .kind = 0});
        t.addIngredient({.number = 3, .name = u"Angostura"_s, .kind = 4, .alcohol = 45});
        t.addIngredient({.number = 4, .name = u"Wodka"_s, .kind = 0, .alcohol = 40});
        t.addIngredient({.number = 5, .name = u"Bier"_s, .kind = 0, .alcohol = 5});
        t.zu().ReplaceInteger(u"MENGE"_s, 33);
        t.zu().Commit();
        daiquiri = t.addRecipe({.name = u"Daiquiri"_s, .lines = {{1, 4}, {3, 2}, {2, 2}}, .alk = 27});
        TestTables::deleteRecord(t.re(), t.addRecipe({.name = u"Gelöscht"_s, .lines = {{1, 4}}}));
        t.addRecipe({.name = u"Bitter"_s, .lines = {{3, 5}}, .alk = 45});
    }
};

// The bar's drinks with three of its ingredients offered, weight 70 kg and no time from the
// options; the session opened.
struct Assistant {
    Bar bar;
    AppState state;
    std::unique_ptr<Session> session;
    int row = -1; // the drink chosen
    Assistant() {
        state.settings.changeOptions().set(OptionsRecord::BodyWeight, 70);
        state.settings.changeOptions().set(OptionsRecord::DrinkingHours, 0);
        state.settings.changeOptions().set(OptionsRecord::AmountUnit, 0);
        state.catalogue.changeIngredients([&](IngredientChoices& c) {
            c.bloodAlcohol = {{u"Wodka***"_s, 20004}, {u"Bier***"_s, 20005}, {u"Weißer Rum***"_s, 20001}};
        });
        session = std::make_unique<Session>(state, bar.t.re(), bar.t.zu());
        session->begin();
    }
    Session& s() { return *session; }
    void choose(const QString& prefix, Unit unit) {
        row = session->typeAhead(prefix);
        QVERIFY(row >= 0);
        session->setUnit(unit);
    }
    std::optional<Notice> add(const QString& amount) { return session->add(row, amount); }
};

QStringList texts(const QList<Session::Consumed>& consumed) {
    QStringList out;
    for (const Session::Consumed& c : consumed)
        out << c.text;
    return out;
}

} // namespace

class TestBloodAlcoholSession : public QObject {
    Q_OBJECT

private slots:
    void grams_data() {
        QTest::addColumn<qint64>("ml");
        QTest::addColumn<int>("percent");
        QTest::addColumn<qint64>("grams");
        QTest::newRow("4 cl at 40 percent: 11.52") << qint64(40) << 40 << qint64(12);
        QTest::newRow("1 cl at 40 percent: 2.88") << qint64(10) << 40 << qint64(3);
        QTest::newRow("alcohol-free") << qint64(500) << 0 << qint64(0);
        QTest::newRow("40.5 goes to 40") << qint64(1125) << 5 << qint64(40);
        QTest::newRow("121.5 goes to 122") << qint64(3375) << 5 << qint64(122);
        QTest::newRow("500 bottles of beer") << qint64(165000) << 5 << qint64(5940);
    }
    void grams() {
        QFETCH(qint64, ml);
        QFETCH(int, percent);
        QTEST(BloodAlcohol::grams(ml, percent), "grams");
    }

    void label_data() {
        QTest::addColumn<qint64>("grams");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QString>("label");
        QTest::newRow("12 g, 70 kg, at once") << qint64(12) << 70 << 0 << u"0.24"_s;
        QTest::newRow("12 g, 70 kg, 2 hours: below 0") << qint64(12) << 70 << 2 << u"0.00"_s;
        QTest::newRow("80 g, 70 kg, 1 hour") << qint64(80) << 70 << 1 << u"1.48"_s;
        QTest::newRow("very large intake") << qint64(5940) << 70 << 0 << u"9.99"_s;
        QTest::newRow("just below 10 would round up") << qint64(2099) << 300 << 0 << u"9.99"_s;
        QTest::newRow("lightest body, longest time") << qint64(100) << 20 << 99 << u"0.00"_s;
    }
    void label() {
        QFETCH(qint64, grams);
        QFETCH(int, weight);
        QFETCH(int, hours);
        QTEST(BloodAlcohol::label(BloodAlcohol::promille(grams, weight, hours)), "label");
    }

    void announcement() {
        QCOMPARE(BloodAlcohol::announcement(u"1.17"_s),
                 (QStringList{u"16.WAV"_s, u"21.WAV"_s, u"4.WAV"_s, u"21.WAV"_s, u"27.WAV"_s, u"5.WAV"_s}));
        QCOMPARE(BloodAlcohol::announcement(u"0.00"_s),
                 (QStringList{u"16.WAV"_s, u"20.WAV"_s, u"4.WAV"_s, u"20.WAV"_s, u"20.WAV"_s, u"5.WAV"_s}));
        QVERIFY(BloodAlcohol::announcement(u"10.00"_s).isEmpty());
    }

    void drinksOfTheTables() {
        Bar bar;
        bar.t.re().Go(bar.daiquiri);
        DrinkLookup source(bar.t.re(), bar.t.zu());
        const Entries recipes = source.readRecipes();
        QCOMPARE(recipes, (Entries{{u"Daiquiri"_s, 1}, {u"Bitter"_s, 3}}));
        QCOMPARE(bar.t.re().RecNo(), bar.daiquiri); // the view's recipe stays current
        QCOMPARE(
            Session::drinkList(recipes, {{u"Wodka***"_s, 20004}, {u"Bier***"_s, 20005}}),
            (Entries{{u"Bier***"_s, 20005}, {u"Bitter"_s, 3}, {u"Daiquiri"_s, 1}, {u"Wodka***"_s, 20004}}));
        const auto piece = [&source](int tag) {
            return source.drink(tag).value_or(DrinkLookup::Drink{-1, -1});
        };
        QCOMPARE(piece(1).alcohol, 27);
        QCOMPARE(piece(1).pieceMl, qint64(60));      // the dashes add no volume
        QCOMPARE(piece(20004).pieceMl, qint64(200)); // no piece size: 20 cl
        QCOMPARE(piece(20005).pieceMl, qint64(330));
        QCOMPARE(piece(20005).alcohol, 5);
        QVERIFY(!source.drink(2));     // deleted recipe
        QVERIFY(!source.drink(99));    // no such record
        QVERIFY(!source.drink(20077)); // no such ingredient
    }

    void adding_data() {
        QTest::addColumn<QString>("drink");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("grams");
        QTest::newRow("4 cl vodka") << u"wod"_s << int(Unit::Cl) << u"4"_s << u"4 cl Wodka***"_s
                                    << qint64(12);
        QTest::newRow("10 ml is 1 cl")
            << u"Wod"_s << int(Unit::Ml) << u"10"_s << u"1 cl Wodka***"_s << qint64(3);
        QTest::newRow("45 ml shows 4 cl")
            << u"Wod"_s << int(Unit::Ml) << u"45"_s << u"4 cl Wodka***"_s << qint64(13);
        QTest::newRow("a piece without size is 20 cl")
            << u"Wod"_s << int(Unit::Piece) << u"1"_s << u"20 cl Wodka***"_s << qint64(58);
        QTest::newRow("two bottles of beer")
            << u"Bie"_s << int(Unit::Piece) << u"2"_s << u"66 cl Bier***"_s << qint64(24);
        QTest::newRow("two daiquiris")
            << u"Dai"_s << int(Unit::Piece) << u"2"_s << u"12 cl Daiquiri"_s << qint64(23);
    }
    void adding() {
        QFETCH(QString, drink);
        QFETCH(int, unit);
        QFETCH(QString, amount);
        Assistant a;
        a.choose(drink, Unit(unit));
        QVERIFY(!a.add(amount));
        QCOMPARE(a.s().consumed().size(), 1);
        QTEST(a.s().consumed().first().text, "text");
        QTEST(a.s().consumed().first().grams, "grams");
        QTEST(a.s().totalGrams(), "grams");
    }

    // The list shows what was drunk in the unit amounts are shown in; the grams do not change.
    void consumedInTheShownUnit() {
        Assistant a;
        a.state.settings.useShownUnit(DisplayUnit::Oz);
        a.choose(u"Wod"_s, Unit::Cl);
        QVERIFY(!a.add(u"4"_s));
        a.state.settings.useShownUnit(DisplayUnit::Ml);
        a.choose(u"Dai"_s, Unit::Piece);
        QVERIFY(!a.add(u"2"_s));
        QCOMPARE(texts(a.s().consumed()), (QStringList{u"1¼ oz Wodka***"_s, u"120 ml Daiquiri"_s}));
        QCOMPARE(a.s().totalGrams(), qint64(12 + 23));
    }

    void refusedInput_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("message");
        const QString amount = Session::amountNotice().text;
        QTest::newRow("empty") << QString() << int(Unit::Cl) << true << amount;
        QTest::newRow("not a number") << u"zwei"_s << int(Unit::Cl) << true << amount;
        QTest::newRow("0") << u"0"_s << int(Unit::Cl) << true << amount;
        QTest::newRow("negative") << u"-3"_s << int(Unit::Cl) << true << amount;
        QTest::newRow("99999") << u"99999"_s << int(Unit::Cl) << true << amount;
        QTest::newRow("amount first, then selection") << u"0"_s << int(Unit::Cl) << false << amount;
        QTest::newRow("no drink selected")
            << u"4"_s << int(Unit::Cl) << false << Session::noDrinkNotice().text;
        QTest::newRow("5 ml") << u"5"_s << int(Unit::Ml) << true << Session::tooLittleNotice().text;
    }
    void refusedInput() {
        QFETCH(QString, amount);
        QFETCH(int, unit);
        QFETCH(bool, selected);
        Assistant a;
        a.choose(u"Wodka"_s, Unit(unit));
        if (!selected)
            a.row = -1;
        const std::optional<Notice> notice = a.add(amount);
        QVERIFY(notice);
        QTEST(notice->text, "message");
        QCOMPARE(notice->lines, 2);
        QCOMPARE(notice->caption, Notice::Caption::Hint);
        QVERIFY(a.s().consumed().isEmpty());
        QCOMPARE(a.s().totalGrams(), qint64(0));
    }

    // A recipe without cl ingredients has no volume by the piece.
    void pieceOfRecipeWithoutVolume() {
        Assistant a;
        a.choose(u"Bitter"_s, Unit::Piece);
        QCOMPARE(a.add(u"3"_s)->text, Session::tooLittleNotice().text);
        a.s().setUnit(Unit::Cl);
        QVERIFY(!a.add(u"3"_s));
    }

    void removing() {
        Assistant a;
        a.choose(u"Wodka"_s, Unit::Cl);
        a.add(u"4"_s);  // 12 g
        a.add(u"10"_s); // 29 g
        a.add(u"1"_s);  // 3 g
        QCOMPARE(a.s().totalGrams(), qint64(44));
        QCOMPARE(a.s().remove(-1).refusal->text, Session::noConsumedNotice().text);
        QCOMPARE(a.s().remove(3).refusal->text, Session::noConsumedNotice().text);
        Session::Removed removed = a.s().remove(1);
        QVERIFY(!removed.refusal);
        QCOMPARE(removed.select, 0); // the one before
        QCOMPARE(a.s().totalGrams(), qint64(15));
        QCOMPARE(texts(a.s().consumed()), (QStringList{u"4 cl Wodka***"_s, u"1 cl Wodka***"_s}));
        QCOMPARE(a.s().remove(0).select, 0); // the first when the first went
        QCOMPARE(a.s().remove(0).select, -1);
        QCOMPARE(a.s().totalGrams(), qint64(0));
    }

    void typeAhead() {
        Assistant a;
        QCOMPARE(a.s().typeAhead(u"DAI"_s), 2);
        QCOMPARE(a.s().typeAhead(u"weiß"_s), 3);
        QCOMPARE(a.s().typeAhead(u"Xyz"_s), -1);
    }

    void throughThePages() {
        Assistant a;
        QCOMPARE(a.s().pageChanged().speech, 15);
        QVERIFY(!a.s().backEnabled());
        a.choose(u"Wodka"_s, Unit::Cl);
        a.add(u"4"_s);
        QVERIFY(!a.s().next());
        QCOMPARE(a.s().page(), Session::Weight);
        QCOMPARE(a.s().pageChanged().speech, 17);
        for (int weight : {0, 19, 301, 1000}) {
            a.s().setWeight(weight);
            QCOMPARE(a.s().next()->text, Session::weightNotice().text);
            QCOMPARE(a.s().page(), Session::Weight);
        }
        a.s().setWeight(70);
        QVERIFY(!a.s().next());
        QCOMPARE(a.s().pageChanged().speech, 19);
        a.s().setHours(100);
        QCOMPARE(a.s().next()->text, Session::hoursNotice().text);
        a.s().setHours(0);
        QVERIFY(!a.s().next());
        QCOMPARE(a.s().page(), Session::Result);
        QVERIFY(!a.s().nextEnabled());
        QCOMPARE(a.s().label(), u"0.24"_s);
        QCOMPARE(a.s().pageChanged().announcement, BloodAlcohol::announcement(u"0.24"_s));

        // Back to the drinks with the list kept; no page speaks again until the result.
        a.s().back();
        QCOMPARE(a.s().page(), Session::Drinks);
        QVERIFY(!a.s().backEnabled() && a.s().nextEnabled());
        QCOMPARE(a.s().consumed().size(), 1);
        QCOMPARE(a.s().pageChanged().speech, 0);
        a.add(u"4"_s);
        a.s().next();
        QVERIFY(a.s().pageChanged().announcement.isEmpty());
        a.s().next();
        a.s().setHours(2);
        a.s().next();
        QCOMPARE(a.s().label(), u"0.19"_s); // 24 g / 49 - 0.3
        QCOMPARE(a.s().pageChanged().announcement.size(), 6);

        // From the time page one page back; a new showing starts over.
        a.s().back();
        a.s().next();
        a.s().next();
        a.s().back();
        QCOMPARE(a.s().page(), Session::Weight);
        a.s().begin();
        QVERIFY(a.s().consumed().isEmpty());
        QCOMPARE(a.s().totalGrams(), qint64(0));
        QCOMPARE(a.s().pageChanged().speech, 15);
    }

    // "Heute gemixt" takes today's journal as glasses of the recipes; the body water by sex and the
    // time back at 0,0 change only the result.
    void myEvening() {
        Assistant a;
        a.state.myDrinks.loadFolder(a.bar.t.path(), a.bar.t.re(), true);
        QCOMPARE(a.s().addMixedOn(QDate(2026, 12, 9)), std::optional<Notice>(Session::nothingMixedNotice()));
        MyDrinksSession journal(a.state.myDrinks, a.bar.t.re());
        QVERIFY(journal.mixed(a.bar.daiquiri, 2, QDate(2026, 12, 9)));
        QVERIFY(journal.mixed(a.bar.daiquiri, 5, QDate(2026, 12, 8)));
        a.s().setUnit(Unit::Cl);
        QVERIFY(!a.s().addMixedOn(QDate(2026, 12, 9)));
        QCOMPARE(a.s().unit(), Unit::Cl);
        QCOMPARE(a.s().consumed().size(), 1);
        QCOMPARE(a.s().consumed().at(0).text, u"12 cl Daiquiri"_s); // two glasses of 6 cl
        QCOMPARE(a.s().totalGrams(), qint64(23));

        const auto result = [&a](Session::Body body) {
            a.s().setBody(body);
            a.s().back();
            while (a.s().page() != Session::Result)
                a.s().next();
            return a.s().label();
        };
        QCOMPARE(result(Session::Body::Everyone), u"0.47"_s);
        QCOMPARE(result(Session::Body::Man), u"0.48"_s);
        QCOMPARE(result(Session::Body::Woman), u"0.60"_s);
        result(Session::Body::Everyone);
        QCOMPARE(a.s().soberText(QTime(22, 30)),
                 u"Bei einem Abbau von 0,15 ‰ pro Stunde wieder bei 0,0 ‰ in etwa 3 Std. 8 Min., gegen 01:38 "
                 "Uhr. Nur eine Schätzung – keine Erlaubnis, Auto zu fahren."_s);
        a.s().setHours(4);
        result(Session::Body::Everyone);
        QCOMPARE(a.s().soberText(QTime(22, 30)),
                 u"Bei einem Abbau von 0,15 ‰ pro Stunde: schon wieder bei 0,0 ‰. Nur eine Schätzung – keine "
                 "Erlaubnis, Auto zu fahren."_s);
    }

    void resultWithoutDrinks() {
        Assistant a;
        a.s().next();
        a.s().next();
        a.s().next();
        QCOMPARE(a.s().label(), u"0.00"_s);
        const Session::PageSound sound = a.s().pageChanged();
        QCOMPARE(sound.speech, 7);
        QVERIFY(sound.announcement.isEmpty());
    }

    void fiveHundredBeers() {
        Assistant a;
        a.choose(u"Bier"_s, Unit::Piece);
        QVERIFY(!a.add(u"500"_s));
        a.s().next();
        a.s().next();
        a.s().next();
        QCOMPARE(a.s().label(), u"9.99"_s);
    }

    void presetFromOptions() {
        Bar bar;
        AppState state;
        state.settings.changeOptions().set(OptionsRecord::BodyWeight, 85);
        state.settings.changeOptions().set(OptionsRecord::DrinkingHours, 3);
        state.settings.changeOptions().set(OptionsRecord::AmountUnit, 2);
        Session s(state, bar.t.re(), bar.t.zu());
        QCOMPARE(s.weight(), 85);
        QCOMPARE(s.hours(), 3);
        QCOMPARE(s.unit(), Unit::Ml);
        // Entries are kept over a new opening; options out of range give the nearest value.
        s.setWeight(64);
        s.begin();
        QCOMPARE(s.weight(), 64);
        state.settings.changeOptions().set(OptionsRecord::BodyWeight, 0);
        state.settings.changeOptions().set(OptionsRecord::AmountUnit, 9);
        Session other(state, bar.t.re(), bar.t.zu());
        QCOMPARE(other.weight(), 20);
        QCOMPARE(other.unit(), Unit::Piece);
    }
};

VELTA_TEST_MAIN_CORE(TestBloodAlcoholSession)
#include "tst_bloodalcoholsession.moc"
