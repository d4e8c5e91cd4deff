#include "TestTables.h"
#include "VeltaTest.h"
#include "common/Catalogue.h"
#include "editors/ChoiceLists.h"

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;
Q_DECLARE_METATYPE(Entries)

class TestChoiceLists : public QObject {
    Q_OBJECT

private slots:
    void classificationBoxes_data() {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<Entries>("expected");
        const QStringList categories = {u"Sours"_s, u"~"_s, u"Aperitifs"_s, u"~alt"_s, u"Highballs"_s};
        QTest::newRow("free slots skipped, keys kept")
            << ChoiceLists::classification(categories)
            << Entries{{u"Sours"_s, 0}, {u"Aperitifs"_s, 2}, {u"Highballs"_s, 4}};
        QTest::newRow("editor categories sorted")
            << ChoiceLists::categoryChoices(categories, ChoiceLists::noAssignment())
            << Entries{
                   {u"(keine Zuordnung)"_s, 0}, {u"Aperitifs"_s, 2}, {u"Highballs"_s, 4}, {u"Sours"_s, 0}};
        QTest::newRow("search tastes in list order")
            << ChoiceLists::tasteChoices({u"süß"_s, u"~"_s, u"bitter"_s}, ChoiceLists::noChoice())
            << Entries{{u"(keine Auswahl)"_s, 0}, {u"süß"_s, 0}, {u"bitter"_s, 2}};
    }
    void classificationBoxes() {
        QFETCH(Entries, entries);
        QFETCH(Entries, expected);
        QCOMPARE(entries, expected);
    }

    void ingredientsInOnePass() {
        TestTables t;
        t.addIngredient({.number = 3, .name = u"Zitronensaft"_s});
        t.addIngredient({.number = 1, .name = u"Rum"_s, .kind = 0, .h1 = true});
        t.addIngredient({.number = 2, .name = u"Angostura"_s, .kind = 4, .h2 = true, .h3 = true});
        t.addIngredient({.number = 4, .name = u"Zucker"_s, .kind = 1, .h1 = true});
        t.addIngredient({.number = 6, .name = u"Öl"_s, .kind = 3});
        TestTables::deleteRecord(t.zu(), t.addIngredient({.number = 5, .name = u"Weg"_s, .h1 = true}));
        IngredientChoices c = Catalogue::readIngredients(t.zu());
        QVERIFY(!t.zu().turboRead());
        QCOMPARE(
            c.zutatliste,
            (Entries{
                {u"Angostura"_s, 2}, {u"Öl"_s, 6}, {u"Rum"_s, 1}, {u"Zitronensaft"_s, 3}, {u"Zucker"_s, 4}}));
        QCOMPARE(c.bloodAlcohol,
                 (Entries{{u"Angostura***"_s, 20002}, {u"Rum***"_s, 20001}, {u"Zitronensaft***"_s, 20003}}));
        QCOMPARE(c.homeBarLists[0], (Entries{{u"Rum"_s, 1}, {u"Zucker"_s, 4}}));
        QCOMPARE(c.homeBarLists[1], (Entries{{u"Angostura"_s, 2}}));
        QCOMPARE(c.homeBarLists[2], (Entries{{u"Angostura"_s, 2}}));
        QVERIFY(c.homeBars.contains(1, 4) && !c.homeBars.contains(1, 5));

        const Entries box = ChoiceLists::ingredientBox(c.zutatliste);
        QCOMPARE(box.first(), (ListEntry{u"(keine Auswahl)"_s, 0}));
        QCOMPARE(box.mid(1), c.zutatliste);

        // A new ingredient appears at its place in name order.
        t.addIngredient({.number = 400, .name = u"Grenadine"_s});
        c = Catalogue::readIngredients(t.zu());
        QCOMPARE(c.zutatliste.at(1), (ListEntry{u"Grenadine"_s, 400}));
    }

    void bloodAlcoholListKeepsItsRecipes() {
        Entries list = {{u"Mojito"_s, 3}, {u"Alter Rum***"_s, 20007}, {u"Zombie"_s, 1}};
        ChoiceLists::replaceBloodAlcoholIngredients(list, {{u"Rum***"_s, 20001}, {u"Gin***"_s, 20002}});
        QCOMPARE(list,
                 (Entries{{u"Gin***"_s, 20002}, {u"Mojito"_s, 3}, {u"Rum***"_s, 20001}, {u"Zombie"_s, 1}}));
    }

    void decorations() {
        TestTables t;
        t.addDecoration(u"Zitronenscheibe"_s);
        TestTables::deleteRecord(t.de(), t.addDecoration(u"Weg"_s));
        t.addDecoration(u"Cocktailkirsche"_s);
        const Entries read = Catalogue::readDecorations(t.de());
        QCOMPARE(read, (Entries{{u"Zitronenscheibe"_s, 1}, {u"Cocktailkirsche"_s, 3}}));
        QCOMPARE(
            ChoiceLists::decorationChoices(read),
            (Entries{{u"(keine Zuordnung)"_s, 0}, {u"Cocktailkirsche"_s, 3}, {u"Zitronenscheibe"_s, 1}}));
    }
};

VELTA_TEST_MAIN_CORE(TestChoiceLists)
#include "tst_choicelists.moc"
