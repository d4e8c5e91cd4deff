#include "VeltaTest.h"
#include "calc/PartyPlan.h"

using namespace Qt::StringLiterals;
using Drinks = QList<PartyPlan::Drink>;
Q_DECLARE_METATYPE(Drinks)

namespace {

using R = QuantityRecipe;

PartyPlan::Drink daiquiri(int glasses) {
    return {{u"Daiquiri"_s,
             {{1, 4, u"Weißer Rum"_s, UnitKind::Cl, 40},
              {2, 2, u"Limettensaft"_s, UnitKind::Cl},
              {3, 1, u"Zucker"_s, UnitKind::Gram}}},
            glasses};
}
PartyPlan::Drink mojito(int glasses) {
    return {{u"Mojito"_s,
             {{1, 5, u"Weißer Rum"_s, UnitKind::Cl, 40},
              {4, 1, u"Limette"_s, UnitKind::Piece},
              {5, 0, u"Minze"_s, UnitKind::None},
              {6, 2, u"Angostura"_s, UnitKind::Dash, 44},
              {12, 0, u"Crushed Ice"_s, UnitKind::None}}},
            glasses};
}
PartyPlan::Drink bowle(int glasses) {
    return {{u"Bowle"_s, {{7, 0, u"Erdbeeren"_s, UnitKind::Piece}, {8, 0, u"Sekt"_s, UnitKind::None}}},
            glasses};
}

IngredientSet bar(std::initializer_list<int> numbers) {
    IngredientSet set;
    for (int n : numbers)
        set.set(std::size_t(n));
    return set;
}

// Each line as "name|amount|purchase", "+" in front when the bar holds it, "*" when it is always at home.
QStringList describe(const QList<PartyPlan::Line>& lines) {
    QStringList out;
    for (const PartyPlan::Line& l : lines) {
        const QString mark = l.place == PartyPlan::Place::InBar          ? u"+"_s
                             : l.place == PartyPlan::Place::AlwaysAtHome ? u"*"_s
                                                                         : QString();
        out << mark + l.name + u'|' + PartyPlan::amountText(l) + u'|' + PartyPlan::purchaseText(l);
    }
    return out;
}

} // namespace

class TestPartyPlan : public QObject {
    Q_OBJECT

private slots:
    void lines_data() {
        QTest::addColumn<Drinks>("drinks");
        QTest::addColumn<IngredientSet>("atHand");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one drink, amounts times glasses; spirits in bottles, juices in packs")
            << Drinks{daiquiri(10)} << IngredientSet()
            << QStringList{u"Weißer Rum|40 cl|1 × 0,7 l oder 1 × 1 l"_s,
                           u"Limettensaft|20 cl|1 × 1 l oder 1 × 0,33 l"_s, u"Zucker|10 g|10 g"_s};
        QTest::newRow("shared ingredient summed once, in first order; ice by the kilogram")
            << Drinks{daiquiri(10), mojito(8)} << IngredientSet()
            << QStringList{u"Weißer Rum|80 cl|2 × 0,7 l oder 1 × 1 l"_s,
                           u"Limettensaft|20 cl|1 × 1 l oder 1 × 0,33 l"_s,
                           u"Zucker|10 g|10 g"_s,
                           u"Limette|8 St|8 St"_s,
                           u"Minze||nach Bedarf"_s,
                           u"Angostura|16 dash|nach Bedarf"_s,
                           u"Crushed Ice|ca. 2 kg|ca. 2 kg"_s};
        QTest::newRow("the same drink twice adds up")
            << Drinks{daiquiri(5), daiquiri(5)} << IngredientSet()
            << QStringList{u"Weißer Rum|40 cl|1 × 0,7 l oder 1 × 1 l"_s,
                           u"Limettensaft|20 cl|1 × 1 l oder 1 × 0,33 l"_s, u"Zucker|10 g|10 g"_s};
        QTest::newRow("bar holds rum, mint and ice: kept, marked at hand")
            << Drinks{mojito(2)} << bar({1, 5, 12})
            << QStringList{u"+Weißer Rum|10 cl|1 × 0,7 l oder 1 × 1 l"_s, u"Limette|2 St|2 St"_s,
                           u"+Minze||nach Bedarf"_s, u"Angostura|4 dash|nach Bedarf"_s,
                           u"+Crushed Ice|ca. 1 kg|ca. 1 kg"_s};
        QTest::newRow("zero glasses add nothing")
            << Drinks{daiquiri(0), mojito(1)} << IngredientSet()
            << QStringList{u"Weißer Rum|5 cl|1 × 0,7 l oder 1 × 1 l"_s, u"Limette|1 St|1 St"_s,
                           u"Minze||nach Bedarf"_s, u"Angostura|2 dash|nach Bedarf"_s,
                           u"Crushed Ice|ca. 1 kg|ca. 1 kg"_s};
        QTest::newRow("only zero glasses: empty") << Drinks{daiquiri(0)} << IngredientSet() << QStringList{};
        QTest::newRow("drink without amounts: everything as needed")
            << Drinks{bowle(30)} << IngredientSet()
            << QStringList{u"Erdbeeren||nach Bedarf"_s, u"Sekt||nach Bedarf"_s};
        QTest::newRow("German thousands")
            << Drinks{{{u"Punsch"_s,
                        {{9, 50, u"Zucker"_s, UnitKind::Gram}, {10, 10, u"Tee"_s, UnitKind::Cl}}},
                       999}}
            << IngredientSet()
            << QStringList{u"Zucker|49.950 g|49.950 g"_s, u"Tee|9.990 cl|100 × 1 l oder 303 × 0,33 l"_s};
        QTest::newRow("unknown ingredient named by number")
            << Drinks{{{u"X"_s, {{42, 0, QString(), UnitKind::None}}}, 3}} << IngredientSet()
            << QStringList{u"Zutat Nr. 42||nach Bedarf"_s};
        QTest::newRow("same number in two units stays two lines")
            << Drinks{{{u"A"_s, {{11, 2, u"Zitrone"_s, UnitKind::Cl}}}, 1},
                      {{u"B"_s, {{11, 1, u"Zitrone"_s, UnitKind::Piece}}}, 2}}
            << IngredientSet()
            << QStringList{u"Zitrone|2 cl|1 × 1 l oder 1 × 0,33 l"_s, u"Zitrone|2 St|2 St"_s};
        QTest::newRow("ice measured in the recipe is summed as it is")
            << Drinks{{{u"Frozen"_s, {{13, 150, u"Eiswürfel"_s, UnitKind::Gram}}}, 4}} << IngredientSet()
            << QStringList{u"Eiswürfel|600 g|600 g"_s};
        QTest::newRow("ice for many glasses")
            << Drinks{{{u"Eisig"_s,
                        {{13, 0, u"Eiswürfel"_s, UnitKind::None}, {14, 0, u"Vanilleeis"_s, UnitKind::None}}},
                       999}}
            << IngredientSet()
            << QStringList{u"Eiswürfel|ca. 250 kg|ca. 250 kg"_s, u"Vanilleeis||nach Bedarf"_s};
    }
    void lines() {
        QFETCH(Drinks, drinks);
        QFETCH(IngredientSet, atHand);
        QFETCH(QStringList, expected);
        QCOMPARE(describe(PartyPlan::lines(drinks, atHand)), expected);
    }

    // Whole bottles or packs of each size, rounded up exactly at their boundaries.
    void bottles_data() {
        QTest::addColumn<int>("cl");
        QTest::addColumn<int>("alcohol");
        QTest::addColumn<QString>("purchase");
        QTest::newRow("1 cl") << 1 << 40 << u"1 × 0,7 l oder 1 × 1 l"_s;
        QTest::newRow("70 cl fills one small") << 70 << 40 << u"1 × 0,7 l oder 1 × 1 l"_s;
        QTest::newRow("71 cl") << 71 << 40 << u"2 × 0,7 l oder 1 × 1 l"_s;
        QTest::newRow("100 cl fills one large") << 100 << 40 << u"2 × 0,7 l oder 1 × 1 l"_s;
        QTest::newRow("101 cl") << 101 << 40 << u"2 × 0,7 l oder 2 × 1 l"_s;
        QTest::newRow("140 cl") << 140 << 15 << u"2 × 0,7 l oder 2 × 1 l"_s;
        QTest::newRow("141 cl") << 141 << 1 << u"3 × 0,7 l oder 2 × 1 l"_s;
        QTest::newRow("mixer: 1 cl") << 1 << 0 << u"1 × 1 l oder 1 × 0,33 l"_s;
        QTest::newRow("mixer: 33 cl fills one small") << 33 << 0 << u"1 × 1 l oder 1 × 0,33 l"_s;
        QTest::newRow("mixer: 34 cl") << 34 << 0 << u"1 × 1 l oder 2 × 0,33 l"_s;
        QTest::newRow("mixer: 100 cl fills one large") << 100 << 0 << u"1 × 1 l oder 4 × 0,33 l"_s;
        QTest::newRow("mixer: 101 cl") << 101 << 0 << u"2 × 1 l oder 4 × 0,33 l"_s;
    }
    void bottles() {
        QFETCH(int, cl);
        QFETCH(int, alcohol);
        QFETCH(QString, purchase);
        const Drinks drinks{{{u"Highball"_s, {{1, cl, u"Flüssiges"_s, UnitKind::Cl, alcohol}}}, 1}};
        QCOMPARE(PartyPlan::purchaseText(PartyPlan::lines(drinks, {}).first()), purchase);
    }

    // Three headings: what to buy, what is always at home with the amount a party needs, what the bar
    // holds. Each lists its lines in the order they first appear.
    void listText() {
        const Drinks drinks{mojito(2), daiquiri(0)};
        const QStringList text = PartyPlan::listText(
            drinks, PartyPlan::lines(drinks, bar({1, 12}), bar({12})), u"Hausbar Nr. 2"_s);
        QCOMPARE(text, (QStringList{u"Partyplaner"_s, u"2 × Mojito"_s, QString(), u"Einkaufen:"_s,
                                    u"Limette\t2 St"_s, u"Minze\tnach Bedarf"_s,
                                    u"Angostura\t4 dash\tnach Bedarf"_s, QString(), u"Immer im Haus:"_s,
                                    u"Crushed Ice\tca. 1 kg"_s, QString(), u"Vorhanden in Hausbar Nr. 2:"_s,
                                    u"Weißer Rum\t10 cl"_s}));
        // In ml only the sum in cl converts.
        const QStringList ml = PartyPlan::listText(drinks, PartyPlan::lines(drinks, bar({1, 12}), bar({12})),
                                                   u"Hausbar Nr. 2"_s, {}, DisplayUnit::Ml);
        QCOMPARE(ml.mid(4, 3), text.mid(4, 3));
        QCOMPARE(ml.last(), u"Weißer Rum\t100 ml"_s);
    }

    void listTextWithEverythingAtHand() {
        const Drinks drinks{bowle(1)};
        const QStringList text =
            PartyPlan::listText(drinks, PartyPlan::lines(drinks, bar({7, 8})), u"Hausbar Nr. 1"_s);
        QCOMPARE(text.mid(3, 2), (QStringList{u"Einkaufen:"_s, u"nichts"_s}));
        QCOMPARE(text.mid(6), (QStringList{u"Vorhanden in Hausbar Nr. 1:"_s, u"Erdbeeren"_s, u"Sekt"_s}));
    }

    // Guests and hours: two drinks a guest in the first hour, one in each further hour, shared by the
    // weights with the remainders going to the largest fractions; every drink keeps at least one.
    void share_data() {
        QTest::addColumn<int>("guests");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QList<int>>("weights");
        QTest::addColumn<QList<int>>("glasses");
        QTest::newRow("20 guests, 4 hours, 12:8:10")
            << 20 << 4 << QList<int>{12, 8, 10} << QList<int>{40, 27, 33};
        QTest::newRow("one hour") << 10 << 1 << QList<int>{1, 1} << QList<int>{10, 10};
        QTest::newRow("equal when no weight") << 3 << 2 << QList<int>{0, 0} << QList<int>{5, 4};
        QTest::newRow("a tiny weight keeps one glass") << 2 << 1 << QList<int>{100, 1} << QList<int>{4, 1};
        QTest::newRow("999 at most") << 999 << 24 << QList<int>{1} << QList<int>{999};
        QTest::newRow("no guests") << 0 << 4 << QList<int>{3} << QList<int>{1};
    }
    void share() {
        QFETCH(int, guests);
        QFETCH(int, hours);
        QFETCH(QList<int>, weights);
        QFETCH(QList<int>, glasses);
        QCOMPARE(PartyPlan::share(PartyPlan::drinksFor(guests, hours), weights), glasses);
    }

    // What the purchases cost in whole bottles: 10 Daiquiri and 8 Mojito need 80 cl of rum (2 bottles
    // of 70 cl at 12,99 €), 20 cl of lime juice (one pack of 50 cl at 2,99 €), 10 g of sugar (one pack
    // at 0,99 €) and 16 dashes of bitters (2 cl of a 20 cl bottle at 17,99 €): 47,95 €. The limes
    // have no price, the mint no amount; what the bar holds is not bought.
    void purchaseCost() {
        const Drinks drinks{daiquiri(10), mojito(8)};
        const QHash<int, PartyPlan::Price> prices{
            {1, {1299, 70}}, {2, {299, 50}}, {3, {99, 1000}}, {6, {1799, 20}}};
        const auto priceOf = [&](int n) { return prices.value(n); };
        const PartyPlan::PurchaseCost all =
            PartyPlan::purchaseCost(PartyPlan::lines(drinks, {}), priceOf, 12);
        QCOMPARE(all.cents, 2 * 1299 + 299 + 99 + 1799);
        QCOMPARE(all.missing, QStringList{u"Limette"_s});
        QCOMPARE(PartyPlan::purchaseCostText(all), u"Kosten des Einkaufs\tab 47,95 €\tohne Preis: Limette"_s);
        const PartyPlan::PurchaseCost withBar =
            PartyPlan::purchaseCost(PartyPlan::lines(drinks, bar({1, 4})), priceOf, 12);
        QCOMPARE(withBar.cents, 299 + 99 + 1799);
        QCOMPARE(PartyPlan::purchaseCostText(withBar), u"Kosten des Einkaufs\tca. 21,97 €"_s);
        QCOMPARE(PartyPlan::purchaseCostText(PartyPlan::purchaseCost(
                     PartyPlan::lines(drinks, {}), [](int) { return PartyPlan::Price{}; }, 12)),
                 QString());
    }

    // The party's own lines: glasses, chilling ice, and the limes to press for 20 cl of juice (a lime
    // gives 2,5 cl: 8 limes); none without guests.
    void partyText() {
        const Drinks drinks{daiquiri(10), mojito(8)};
        const QList<PartyPlan::Line> lines = PartyPlan::lines(drinks, {});
        QCOMPARE(PartyPlan::partyText(12, 3, drinks, lines),
                 (QStringList{QString(), u"Für 12 Gäste in 3 Stunden:"_s, u"Gläser\t18 St"_s,
                              u"Eis zum Kühlen\tca. 6 kg"_s, u"Limetten\t8 St\tfür 20 cl Limettensaft"_s}));
        QCOMPARE(PartyPlan::partyText(0, 3, drinks, lines), QStringList());
        // In oz the juice to press converts (20 cl are 27,05 quarters); the pieces stay.
        QCOMPARE(PartyPlan::partyText(12, 3, drinks, lines, DisplayUnit::Oz).last(),
                 u"Limetten\t8 St\tfür 6¾ oz Limettensaft"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestPartyPlan)
#include "tst_partyplan.moc"
