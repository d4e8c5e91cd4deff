#include "BlockFile.h"
#include "DataError.h"
#include "DataSetValidator.h"
#include "DataSetWriter.h"
#include "RecipeStrength.h"
#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "exchange/RecipeUpdate.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <algorithm>
#include <functional>

using Mutation = std::function<void(DataSet&)>;
Q_DECLARE_METATYPE(Mutation)

namespace {

DataSet::Ingredient ingredient(int number, const QString& name, int alcohol, int unit) {
    DataSet::Ingredient i;
    i.origin = {QStringLiteral("zutaten.txt"), number, number};
    i.number = number;
    i.name = name;
    i.alcohol = alcohol;
    i.unit = unit;
    i.remark = QStringLiteral("Eine Zutat.");
    return i;
}

DataSet validSet() {
    DataSet s;
    for (int k = 1; k <= 16; ++k)
        s.categories << QStringLiteral("Kategorie %1").arg(k);
    s.tastes = {QStringLiteral("fruchtig"), QStringLiteral("süß")};
    for (const DataSet::Ingredient& i : {ingredient(1, QStringLiteral("Eiswürfel"), 0, 3),
                                         ingredient(12, QStringLiteral("Weißer Rum"), 40, 0),
                                         ingredient(93, QStringLiteral("Angostura Bitter"), 45, 4),
                                         ingredient(97, QStringLiteral("Limette"), 0, 2),
                                         ingredient(5, QStringLiteral("Limettensaft"), 0, 0)})
        s.ingredients.insert(i.number, i);
    s.decorations = {{{QStringLiteral("deko.txt"), 1, 1},
                      1,
                      QStringLiteral("Minzzweig"),
                      QStringLiteral("DMINZE"),
                      QStringLiteral("Oben auflegen.")}};
    s.lexicon = {{{QStringLiteral("lexikon.txt"), 1, 1},
                  1,
                  QStringLiteral("Shaker"),
                  QStringLiteral("LSHAKER"),
                  QStringLiteral("Ein Mixbecher.")}};
    DataSet::Recipe r;
    r.origin = {QStringLiteral("10-test.txt"), 3, 1};
    r.number = 1;
    r.name = QStringLiteral("Daiquiri");
    r.picture = QStringLiteral("1");
    r.category = 4;
    r.taste = 2;
    r.decoration = 1;
    r.assistantCode = 1143;
    r.lines = {{12, 6, QStringLiteral("cl"), QStringLiteral("Weißer Rum")},
               {93, 6, QStringLiteral("dash"), QStringLiteral("Angostura Bitter")},
               {97, 1, QStringLiteral("St"), QStringLiteral("Limette")},
               {1, 0, QStringLiteral("-"), QStringLiteral("Eiswürfel")},
               {5, 3, QStringLiteral("cl"), QStringLiteral("Limettensaft")}};
    r.instructions = QStringLiteral("Im Shaker schütteln. In ein Glas abseihen.");
    r.remark = QStringLiteral("Aus Kuba.");
    s.recipes = {r};
    return s;
}

} // namespace

class TestDataBuild : public QObject {
    Q_OBJECT

private slots:
    void validSetPasses() { QCOMPARE(DataSetValidator::validate(validSet()), QStringList()); }

    void refusesWhatTheProgramCouldNotHandle_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown ingredient")
            << Mutation([](DataSet& s) { s.recipes[0].lines[0].ingredient = 555; })
            << "unbekannte Zutatennummer 555";
        QTest::newRow("recipe names equal ignoring case") << Mutation([](DataSet& s) {
            DataSet::Recipe copy = s.recipes[0];
            copy.number = 2;
            copy.name = QStringLiteral("DAIQUIRI");
            s.recipes.append(copy);
        }) << "DAIQUIRI: Name doppelt";
        QTest::newRow("ingredient names equal ignoring case") << Mutation([](DataSet& s) {
            s.ingredients.insert(13, ingredient(13, QStringLiteral("weißer rum"), 40, 0));
        }) << "weißer rum: Name doppelt";
        QTest::newRow("no cl or dash ingredient") << Mutation([](DataSet& s) {
            s.recipes[0].lines.removeLast();
            s.recipes[0].lines.remove(0, 2);
        }) << "keine Zutat in cl oder dash";
        QTest::newRow("21 lines") << Mutation([](DataSet& s) {
            while (s.recipes[0].lines.size() < 21)
                s.recipes[0].lines.append(s.recipes[0].lines.first());
        }) << "21 Zutaten";
        QTest::newRow("amount 0") << Mutation([](DataSet& s) { s.recipes[0].lines[0].amount = 0; })
                                  << "Menge 0 außerhalb";
        QTest::newRow("amount 10000")
            << Mutation([](DataSet& s) { s.recipes[0].lines[0].amount = 10000; }) << "Menge 10000 außerhalb";
        QTest::newRow("recipe name too long")
            << Mutation([](DataSet& s) { s.recipes[0].name = QString(31, QLatin1Char('x')); })
            << "länger als 30";
        QTest::newRow("ingredient name too long")
            << Mutation([](DataSet& s) { s.ingredients[12].name = QString(31, QLatin1Char('r')); })
            << "länger als 30";
        QTest::newRow("missing category")
            << Mutation([](DataSet& s) { s.recipes[0].category = 0; }) << "Kategorie fehlt";
        QTest::newRow("unit does not match")
            << Mutation([](DataSet& s) { s.recipes[0].lines[0].unitText = QStringLiteral("g"); })
            << "Einheit „g“ passt nicht";
        QTest::newRow("name does not match")
            << Mutation([](DataSet& s) { s.recipes[0].lines[2].name = QStringLiteral("Zitrone"); })
            << "heißt „Limette“";
        QTest::newRow("user ingredient number") << Mutation([](DataSet& s) {
            s.ingredients.insert(400, ingredient(400, QStringLiteral("Eigenes"), 0, 0));
        }) << "außerhalb 1–399";
        QTest::newRow("character outside Windows-1252")
            << Mutation([](DataSet& s) { s.recipes[0].instructions = QStringLiteral("Rühren → fertig"); })
            << "außerhalb von Windows-1252";
        QTest::newRow("gap in recipe numbers")
            << Mutation([](DataSet& s) { s.recipes[0].number = 2; }) << "Rezeptnummer 1 erwartet";
        QTest::newRow("assistant code digit out of range")
            << Mutation([](DataSet& s) { s.recipes[0].assistantCode = 1154; }) << "Assistenten-Code 1154";
        QTest::newRow("only 15 categories")
            << Mutation([](DataSet& s) { s.categories.removeLast(); }) << "nur 15 Kategorien";
        QTest::newRow("remark missing")
            << Mutation([](DataSet& s) { s.ingredients[97].remark.clear(); }) << "Limette: Kommentar fehlt";
        // 6 cl at 40 % and half a cl at 45 % are 2.625 cl of pure alcohol: "viel".
        QTest::newRow("alcohol digit chosen by hand")
            << Mutation([](DataSet& s) { s.recipes[0].assistantCode = 1113; })
            << "Alkoholziffer 1 im Assistenten-Code, erwartet 4 (2,625 cl";
        QTest::newRow("alcohol-free drink marked with alcohol") << Mutation([](DataSet& s) {
            s.recipes[0].lines.removeFirst();
            s.recipes[0].lines.removeFirst();
            s.ingredients.insert(15, ingredient(15, QStringLiteral("Soda"), 0, 0));
            s.recipes[0].lines.prepend({15, 10, QStringLiteral("cl"), QStringLiteral("Soda")});
        }) << "erwartet 2";
        QTest::newRow("a whole bowl in one glass") << Mutation([](DataSet& s) {
            s.ingredients.insert(15, ingredient(15, QStringLiteral("Soda"), 0, 0));
            s.recipes[0].lines[0].amount = 10;
            s.recipes[0].lines.append({15, 110, QStringLiteral("cl"), QStringLiteral("Soda")});
        }) << "123,5 cl in einem Glas";
        QTest::newRow("more than 40 g of alcohol")
            << Mutation([](DataSet& s) { s.recipes[0].lines[0].amount = 13; })
            << "5,425 cl reiner Alkohol in einem Glas";
        QTest::newRow("same drink under a second name") << Mutation([](DataSet& s) {
            DataSet::Recipe copy = s.recipes[0];
            copy.number = 2;
            copy.name = QStringLiteral("Havanna");
            std::reverse(copy.lines.begin(), copy.lines.end());
            s.recipes.append(copy);
        }) << "Havanna: gleiche Zutaten und Mengen wie [1] Daiquiri";
        QTest::newRow("ingredient no recipe uses") << Mutation([](DataSet& s) {
            s.ingredients.insert(20, ingredient(20, QStringLiteral("Kirschsaft"), 0, 0));
        }) << "Kirschsaft: von keinem Rezept verwendet";
        QTest::newRow("alcohol counted in pieces")
            << Mutation([](DataSet& s) { s.ingredients[97].alcohol = 5; })
            << "Limette hat Alkohol, zählt aber nicht in cl oder dash";
    }
    // A recipe is one glass, and its stored strength is what the glass holds.
    void refusesWhatMisleadsTheNumbers_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QString>("expected");
        const QString oneGlass = QStringLiteral("serviert mehr als ein Glas");
        QTest::newRow("two shot glasses") << Mutation([](DataSet& s) {
            s.recipes[0].instructions = QStringLiteral("Kurz schütteln und in zwei Shotgläser abseihen.");
        }) << oneGlass;
        QTest::newRow("ladled into glasses") << Mutation([](DataSet& s) {
            s.recipes[0].instructions = QStringLiteral("Im Krug verrühren und in Punschgläser schöpfen.");
        }) << oneGlass;
        QTest::newRow("a bowl for two") << Mutation([](DataSet& s) {
            s.recipes[0].instructions = QStringLiteral("Mit zwei Trinkhalmen für zwei Personen servieren.");
        }) << oneGlass;
        // The fruit is muddled but its juice is not listed: 6 cl rum and 6 dashes read as 40 %.
        QTest::newRow("one-sentence instructions")
            << Mutation([](DataSet& s) { s.recipes[0].instructions = QStringLiteral("Alles verrühren."); })
            << "Anleitung aus nur einem Satz";
        QTest::newRow("up to 0.5 % unsaid") << Mutation([](DataSet& s) {
            s.ingredients[5].traces = true;
            s.ingredients[5].name = QStringLiteral("Alkoholfreies Bier");
            s.recipes[0].lines.last().name = QStringLiteral("Alkoholfreies Bier");
        }) << "„Alkoholfreies Bier“ kann bis zu 0,5 % Alkohol enthalten";
        QTest::newRow("muddled fruit without its juice")
            << Mutation([](DataSet& s) { s.recipes[0].lines.removeLast(); })
            << "Alkohol 40 % wie pur, obwohl Limette dazukommt";
    }
    void refusesWhatMisleadsTheNumbers() {
        QFETCH(Mutation, mutate);
        QFETCH(QString, expected);
        DataSet set = validSet();
        mutate(set);
        const QString problems = DataSetValidator::validate(set).join(QLatin1Char('\n'));
        QVERIFY2(problems.contains(expected), qPrintable(problems));
    }

    // Categories and the assistant's size digit as the lexicon defines them.
    void refusesWhatContradictsTheDefinitions_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QString>("expected");
        const auto soda = [](DataSet& s, int cl) {
            s.ingredients.insert(15, ingredient(15, QStringLiteral("Soda"), 0, 0));
            s.recipes[0].lines.append({15, cl, QStringLiteral("cl"), QStringLiteral("Soda")});
        };
        QTest::newRow("a beer drink among the shooters") << Mutation([soda](DataSet& s) {
            s.categories[3] = QStringLiteral("Shooter");
            soda(s, 20);
        }) << "29,5 cl sind kein Shooter";
        QTest::newRow("a short cobbler among the longdrinks")
            << Mutation([](DataSet& s) { s.categories[3] = QStringLiteral("Longdrink"); })
            << "9,5 cl sind kein Longdrink";
        QTest::newRow("alcohol-free outside its categories") << Mutation([](DataSet& s) {
            s.categories[12] = QStringLiteral("Alkoholfrei");
            s.recipes[0].lines.remove(0, 2);
            s.recipes[0].assistantCode = 1123;
        }) << "ohne Alkohol, aber in „Kategorie 4“";
        QTest::newRow("rum among the alcohol-free")
            << Mutation([](DataSet& s) { s.categories[3] = QStringLiteral("Alkoholfrei"); })
            << "enthält Alkohol, steht aber in „Alkoholfrei“";
        QTest::newRow("a long drink called small") << Mutation([soda](DataSet& s) {
            s.recipes[0].assistantCode = 1142;
            soda(s, 12);
        }) << "Mengenziffer 2 (kleiner Drink) bei 21,5 cl";
        QTest::newRow("a short drink called large")
            << Mutation([](DataSet& s) { s.recipes[0].lines.removeAt(2); })
            << "Mengenziffer 3 (großer Drink) bei nur 9,5 cl";
    }
    void refusesWhatContradictsTheDefinitions() {
        QFETCH(Mutation, mutate);
        QFETCH(QString, expected);
        DataSet set = validSet();
        mutate(set);
        const QString problems = DataSetValidator::validate(set).join(QLatin1Char('\n'));
        QVERIFY2(problems.contains(expected), qPrintable(problems));
    }

    // What may stay: a chaser in a second glass, two orange zests, a spirit declared as drunk neat.
    void acceptsWhatOnlyLooksLikeIt_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::newRow("chaser beside the shot") << Mutation([](DataSet& s) {
            s.recipes[0].instructions =
                QStringLiteral("In ein Schnapsglas gießen. Die Lake in einem zweiten Glas danebenstellen.");
        });
        QTest::newRow("two zests") << Mutation([](DataSet& s) {
            s.recipes[0].instructions = QStringLiteral("Kalt rühren. Mit zwei Orangenschalen abspritzen.");
        });
        QTest::newRow("neat spirit declared") << Mutation([](DataSet& s) {
            s.recipes[0].lines.removeLast();
            s.ingredients.remove(5);
            s.recipes[0].neat = true;
        });
    }
    void acceptsWhatOnlyLooksLikeIt() {
        QFETCH(Mutation, mutate);
        DataSet set = validSet();
        mutate(set);
        QCOMPARE(DataSetValidator::validate(set), QStringList());
    }

    void refusesWhatTheProgramCouldNotHandle() {
        QFETCH(Mutation, mutate);
        QFETCH(QString, expected);
        DataSet set = validSet();
        mutate(set);
        const QString problems = DataSetValidator::validate(set).join(QLatin1Char('\n'));
        QVERIFY2(problems.contains(expected), qPrintable(problems));
    }

    // The home bar presets may offer only ingredients that exist and that some recipe uses.
    void homeBarPresetsNeedUsedIngredients() {
        QCOMPARE(DataSetValidator::validate(validSet(), {1, 12, 93, 97}), QStringList());
        const QStringList problems = DataSetValidator::validate(validSet(), {12, 44});
        QCOMPARE(problems, QStringList{QStringLiteral("Hausbar-Vorgabe: Zutat 44 fehlt")});
    }

    void alcoholDigitThresholds_data() {
        QTest::addColumn<double>("pureAlcohol");
        QTest::addColumn<bool>("anyAlcohol");
        QTest::addColumn<int>("digit");
        QTest::newRow("no alcohol at all") << 0.0 << false << 2;
        QTest::newRow("a drop of bitters") << 0.04 << true << 3;
        QTest::newRow("5 cl at 30 %") << 1.5 << true << 3;
        QTest::newRow("just above little") << 1.51 << true << 1;
        QTest::newRow("4 cl at 40 %") << 1.6 << true << 1;
        QTest::newRow("just below much") << 2.39 << true << 1;
        QTest::newRow("6 cl at 40 %") << 2.4000000000000004 << true << 4;
        QTest::newRow("a Zombie") << 4.6 << true << 4;
    }
    void alcoholDigitThresholds() {
        QFETCH(double, pureAlcohol);
        QFETCH(bool, anyAlcohol);
        QFETCH(int, digit);
        QCOMPARE(RecipeStrength::alcoholDigit(pureAlcohol, anyAlcohol), digit);
    }

    void blockFileParsing() {
        const QList<BlockFile::Block> blocks =
            BlockFile::parse(QStringLiteral("# Kommentar\n[7]\nName: Mojito\nAnleitung: Erst\n  "
                                            "dann.\nZutat: 1 | - | Eis\nZutat: 2 | 4 cl | Rum\n"),
                             QStringLiteral("x.txt"));
        QCOMPARE(blocks.size(), 1);
        QCOMPARE(blocks[0].number, 7);
        QCOMPARE(blocks[0].value(QStringLiteral("Anleitung")), QStringLiteral("Erst dann."));
        QCOMPARE(blocks[0].values(QStringLiteral("Zutat")).size(), 2);
        QVERIFY_THROWS_EXCEPTION(
            DataError, BlockFile::parse(QStringLiteral("Name: vor dem Block\n"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(
            DataError, BlockFile::parse(QStringLiteral("[1]\nkein Doppelpunkt\n"), QStringLiteral("x")));
    }

    // The update folder brings an installation of the earlier edition the new recipe and the
    // ingredient it needs, and leaves what the user changed there alone.
    void updateFolderCarriesTheNewRecipes() {
        DataSet next = validSet();
        next.ingredients.insert(15, ingredient(15, QStringLiteral("Soda"), 0, 0));
        DataSet::Recipe highball = next.recipes.first();
        highball.number = 2;
        highball.name = QStringLiteral("Rum Soda");
        highball.assistantCode = 4113;
        highball.lines = {{12, 4, QStringLiteral("cl"), QStringLiteral("Weißer Rum")},
                          {15, 12, QStringLiteral("cl"), QStringLiteral("Soda")}};
        next.recipes.append(highball);
        next.updateFrom = 2;
        QCOMPARE(DataSetValidator::validate(next), QStringList());

        TempDataFolder installed;
        TempDataFolder update;
        TApolloEnv env;
        DataSetWriter::write(validSet(), installed.path(), env);
        const auto open = [&](TTable& table, const QString& name) {
            table.setDatabaseName(installed.path());
            table.setTableName(name);
            table.Open();
        };
        {
            TTable table(env);
            open(table, QStringLiteral("RE"));
            TApollo t(table);
            t.GoTop();
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Meine Fassung."));
            t.Commit();
            table.Close();
        }
        DataSetWriter::writeUpdate(next, update.path(), env);
        const RecipeUpdate::Outcome outcome = RecipeUpdate::run(env, update.path(), installed.path());
        QCOMPARE(outcome.recipes, 1);
        QCOMPARE(outcome.ingredients, 1);

        TTable table(env);
        open(table, QStringLiteral("RE"));
        TApollo t(table);
        QCOMPARE(t.RecCount(), 2);
        t.GoTop();
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QStringLiteral("Meine Fassung."));
        t.Skip();
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Rum Soda"));
        table.Close();
    }

    void updateStartMustNameARecipe() {
        DataSet set = validSet();
        set.updateFrom = 2;
        QCOMPARE(DataSetValidator::validate(set),
                 QStringList{QStringLiteral("update.txt: Rezept 2 gibt es nicht")});
    }

    // The builder computes the alcohol value and the slot encoding by the program's own rules.
    void writtenRecipeCarriesDerivedValues() {
        TempDataFolder dir;
        TApolloEnv env;
        DataSetWriter::write(validSet(), dir.path(), env);
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("RE"));
        table.setReadOnly(true);
        table.Open();
        TApollo t(table);
        t.GoTop();
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Daiquiri"));
        // 6 cl at 40 %, 6 dashes (0.5 cl) at 45 % and 3 cl of juice: 262.5 / 9.5 = 27.6
        QCOMPARE(t.GetInteger(QStringLiteral("ALK")), 28);
        QCOMPARE(t.GetPaddedString(QStringLiteral("Z")).left(20), QStringLiteral("   12   93   97    1"));
        QCOMPARE(t.GetPaddedString(QStringLiteral("ZMENGE")).left(20),
                 QStringLiteral("    6    6    1     "));
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")),
                 QStringLiteral("Im Shaker schütteln. In ein Glas abseihen.þýAus Kuba."));
        QCOMPARE(t.GetInteger(QStringLiteral("CANR")), 1143);
    }
};

VELTA_TEST_MAIN_CORE(TestDataBuild)
#include "tst_databuild.moc"
