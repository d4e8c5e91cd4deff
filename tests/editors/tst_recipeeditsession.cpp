#include "RecipeFixture.h"
#include "VeltaTest.h"
#include "editors/AmountField.h"
#include "editors/RecipeReader.h"

using namespace Qt::StringLiterals;

class TestRecipeEditSession : public QObject {
    Q_OBJECT

private slots:
    void amountNormalised_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("digit typed behind the unit") << u"4 cl5"_s << 0 << u"45 cl"_s << 2;
        QTest::newRow("letters vanish") << u"1x2 g"_s << 1 << u"12 g"_s << 2;
        QTest::newRow("everything deleted") << u""_s << 4 << u" dash"_s << 0;
        QTest::newRow("no amount stays keine") << u"7"_s << 3 << u"keine"_s << 5;
    }
    void amountNormalised() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QCOMPARE(AmountField::normalise(typed, kind), (AmountField::Text{text, caret}));
    }

    void amountValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << u"4 cl"_s << 4;
        QTest::newRow("leading zeros") << u"007 cl"_s << 7;
        QTest::newRow("above the limit") << u"99999 g"_s << 99999;
        QTest::newRow("empty amount") << u" cl"_s << 10000;
        QTest::newRow("zero") << u"0 cl"_s << 10000;
        QTest::newRow("no blank") << u"keine"_s << 10000;
    }
    void amountValue() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(AmountField::value(text), value);
    }

    void amountSteps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("expected");
        QTest::newRow("up") << u"4 cl"_s << 1 << u"5 cl"_s;
        QTest::newRow("down") << u"4 cl"_s << -1 << u"3 cl"_s;
        QTest::newRow("not below 1") << u"1 cl"_s << -1 << u"1 cl"_s;
        QTest::newRow("not above 9999") << u"9999 cl"_s << 1 << u"9999 cl"_s;
        QTest::newRow("empty up") << u" cl"_s << 1 << u"9999 cl"_s;
        QTest::newRow("empty down") << u" cl"_s << -1 << u"9999 cl"_s;
    }
    void amountSteps() {
        QFETCH(QString, text);
        QFETCH(int, delta);
        QFETCH(QString, expected);
        QCOMPARE(AmountField::stepped(text, delta, 0).text, expected);
    }

    void amountFieldLimit() {
        // Seven characters in all: a longer text typed by the user is not taken.
        QCOMPARE(AmountField::typed(u"12 dash"_s, 2, u"123 dash"_s, 4), (AmountField::Text{u"12 dash"_s, 2}));
        QCOMPARE(AmountField::typed(u"12 cl"_s, 2, u"1234 cl"_s, 0).text, u"1234 cl"_s);
    }

    void selectionSetsTheUnit() {
        RecipeFixture f;
        f.session.prepareNew();
        f.session.begin();
        QCOMPARE(f.session.selectedIngredient(), 0); // Angostura, the first by name
        QCOMPARE(f.session.amountText(), u"1 dash"_s);
        QCOMPARE(f.session.typeAhead(u"min"_s), f.indexOf(f.session.ingredients(), u"Minzzweig"_s));
        QCOMPARE(f.session.amountText(), u"keine"_s);
        QVERIFY(!f.session.amountEnabled());
        f.session.typeAhead(u"ZUC"_s);
        QCOMPARE(f.session.amountText(), u"1 g"_s);
        // The same selection again is not handled: the typed amount stays.
        f.session.amountTyped(u"50 g"_s, 2);
        QVERIFY(!f.session.selectIngredient(f.session.selectedIngredient()));
        QCOMPARE(f.session.amountText(), u"50 g"_s);
        // Every showing handles the first selection anew.
        f.session.begin();
        QCOMPARE(f.session.amountText(), u"1 dash"_s);
    }

    void addingLines_data() {
        QTest::addColumn<QString>("ingredient");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("cl") << u"Rum"_s << u"4"_s << u"4 cl  Rum"_s << QString();
        QTest::newRow("dash") << u"Angostura"_s << u"2"_s << u"2 dash  Angostura"_s << QString();
        QTest::newRow("gram") << u"Zucker"_s << u"10"_s << u"10 g  Zucker"_s << QString();
        QTest::newRow("pieces") << u"Limette"_s << u"1"_s << u"1 St  Limette"_s << QString();
        QTest::newRow("no amount") << u"Minzzweig"_s << QString() << u"Minzzweig"_s << QString();
        QTest::newRow("leading zeros dropped") << u"Rum"_s << u"004"_s << u"4 cl  Rum"_s << QString();
        QTest::newRow("zero") << u"Rum"_s << u"0"_s << QString()
                              << u"Mehr als 9999 cl können nicht eingegeben werden"_s;
        QTest::newRow("empty") << u"Rum"_s << u""_s << QString()
                               << u"Mehr als 9999 cl können nicht eingegeben werden"_s;
        QTest::newRow("too much") << u"Zucker"_s << u"12345"_s << QString()
                                  << u"Mehr als 9999 g können nicht eingegeben werden"_s;
    }
    void addingLines() {
        QFETCH(QString, ingredient);
        QFETCH(QString, amount);
        QFETCH(QString, line);
        QFETCH(QString, refusal);
        RecipeFixture f;
        f.session.prepareNew();
        f.session.begin();
        const std::optional<Notice> notice = f.add(ingredient, amount);
        if (refusal.isEmpty()) {
            QVERIFY(!notice);
            QCOMPARE(f.session.lines().size(), 1);
            QCOMPARE(f.session.lines().first().text, line);
        } else {
            QVERIFY(notice);
            QCOMPARE(*notice, Notice::hint(refusal, 2));
            QVERIFY(f.session.lines().isEmpty());
        }
    }

    void twentyLinesAtMost() {
        RecipeFixture f;
        f.session.prepareNew();
        f.session.begin();
        for (int i = 0; i < 20; ++i)
            QVERIFY(!f.add(i % 2 ? u"Rum"_s : u"Orangensaft"_s, QString::number(i + 1)));
        const std::optional<Notice> notice = f.add(u"Rum"_s, u"1"_s);
        QVERIFY(notice);
        QCOMPARE(*notice, Notice::hint(u"Ein Rezept kann aus maximal 20 Zutaten bestehen."_s, 1));
        QCOMPARE(f.session.lines().size(), 20);
    }

    void removingLines() {
        RecipeFixture f;
        f.session.prepareNew();
        f.session.begin();
        int select = 99;
        QCOMPARE(*f.session.removeLine(-1, &select),
                 Notice::hint(u"Bitte wählen Sie erst eine Zutat in der rechten Liste aus."_s, 2));
        f.add(u"Rum"_s, u"4"_s);
        f.add(u"Rum"_s, u"2"_s); // the same ingredient may appear twice
        f.add(u"Minzzweig"_s);
        QVERIFY(!f.session.removeLine(2, &select));
        QCOMPARE(select, 1);
        QVERIFY(!f.session.removeLine(0, &select));
        QCOMPARE(select, 0);
        QCOMPARE(f.session.lines().first().text, u"2 cl  Rum"_s);
        QVERIFY(!f.session.removeLine(0, &select));
        QCOMPARE(select, -1);
    }

    void nothingSelected() {
        RecipeFixture f;
        f.session.setIngredients({});
        f.session.prepareNew();
        f.session.begin();
        QCOMPARE(*f.session.addLine(),
                 Notice::hint(u"Bitte wählen Sie erst eine Zutat in der linken Liste aus."_s, 2));
    }

    void preparations() {
        RecipeFixture f;
        f.fillValid(u"Erster"_s);
        f.session.form().photo = u"ab"_s;
        QCOMPARE(f.session.caption(), u"Rezept hinzufügen"_s);
        QCOMPARE(f.session.helpContext(), 2110);
        QCOMPARE(f.session.form().photoLimit, 3);
        QVERIFY(f.session.check().accepted);
        const int recNo = f.session.WriteRecipe();

        f.session.prepareEdit(u"Erster"_s, recNo);
        QCOMPARE(f.session.caption(), u"Rezept bearbeiten"_s);
        QCOMPARE(f.session.helpContext(), 2120);
        QCOMPARE(f.session.form().photoLimit, 8); // edit mode restores the full limit
        QCOMPARE(f.session.form().photo, u"ab"_s);
        QCOMPARE(f.session.lineListLabel(), u"Rezept:"_s);

        // "(keine Zuordnung)" carries the first category's key, but is no category.
        f.session.prepareNew();
        f.session.begin();
        f.session.form().name = u"Ohne"_s;
        f.add(u"Rum"_s, u"4"_s);
        QCOMPARE(f.session.draft().kat, 0);
        QCOMPARE(f.session.check().notices,
                 QList<Notice>{Notice::hint(u"Bitte wählen Sie eine Kategorie aus."_s, 1)});
        f.session.form().category = f.indexOf(f.session.categories(), u"Aperitifs"_s);
        QCOMPARE(f.session.draft().kat, 1);
        QVERIFY(f.session.check().accepted);

        // A new preparation forgets everything of the last opening.
        f.session.prepareNew();
        QVERIFY(f.session.lines().isEmpty());
        QVERIFY(f.session.form().name.isEmpty() && f.session.form().photo.isEmpty());
        QCOMPARE(f.session.form().category, 0);
        QCOMPARE(f.session.form().taste, 0);
        QCOMPARE(f.session.form().decoration, 0);
    }

    void editShowsTheStoredChoices() {
        RecipeFixture f;
        const int recNo = f.t.addRecipe(
            {.name = u"Sunrise"_s,
             .lines = {{RecipeFixture::Rum, 4}, {RecipeFixture::Minze, 0}, {99, 3}, {RecipeFixture::Saft, 0}},
             .kat = 4,
             .gesch = 3,
             .deko = 2,
             .instructions = u"Schütteln þý auch nicht"_s,
             .remark = u"Eiskalt"_s});
        f.session.prepareEdit(u"Sunrise"_s, recNo);
        const RecipeForm& form = f.session.form();
        QCOMPARE(f.session.categories().at(form.category).text, u"Highballs"_s);
        QCOMPARE(f.session.tastes().at(form.taste).text, u"sauer"_s); // behind a free slot
        QCOMPARE(f.session.decorations().at(form.decoration).text, u"Cocktailkirsche"_s);
        // The remark follows the last separator.
        QCOMPARE(form.instructions, u"Schütteln þý auch nicht"_s);
        QCOMPARE(form.remark, u"Eiskalt"_s);
        QStringList lines;
        for (const RecipeLine& l : f.session.lines())
            lines << l.text;
        QCOMPARE(lines, (QStringList{u"4 cl  Rum"_s, u"Minzzweig"_s, u"nicht in Datenbank!"_s,
                                     u"cl  Orangensaft"_s}));
        // A line whose ingredient is not in the database is not saved: its number must never come
        // to stand for another ingredient. Without it, saving keeps the choices.
        const RecipeChecks::Outcome refused = f.session.check();
        QVERIFY(!refused.accepted);
        QVERIFY2(refused.notices.first().text.startsWith(u"Die Zutat Nr. 99 gibt es nicht mehr"_s),
                 qPrintable(refused.notices.first().text));
        int select = 0;
        f.session.removeLine(2, &select);
        QVERIFY(f.session.check().accepted);
        f.session.WriteRecipe();
        f.t.re().Go(recNo);
        QCOMPARE(f.t.re().GetInteger(u"DEKO"_s), 2);
        QCOMPARE(f.t.re().GetInteger(u"KAT"_s), 4);
        QCOMPARE(f.t.re().GetInteger(u"GESCH"_s), 3);
        QCOMPARE(f.t.re().GetPaddedString(u"Z"_s).left(20), u"    1    5    2     "_s);
        QCOMPARE(f.t.re().GetPaddedString(u"ZMENGE"_s).left(20), u"    4               "_s);
    }

    // Line breaks reach the table as CR LF, an unchanged memo keeps its bytes (even LF alone from
    // another writer), and a name stored longer than the field is shown and saved whole.
    void storedTextsSurviveTheEditor() {
        RecipeFixture f;
        const QString longName = u"Eine sehr lange Bezeichnung aus dem Import"_s.left(40);
        const int recNo = f.t.addRecipe({.name = longName,
                                         .lines = {{RecipeFixture::Rum, 4}},
                                         .kat = 2,
                                         .instructions = u"Erst rühren.\nDann abseihen."_s,
                                         .remark = u"Kalt\r\nservieren"_s});
        f.t.re().Go(recNo);
        const QString stored = f.t.re().GetMemo(u"ANLEITUNG"_s);
        f.session.prepareEdit(longName, recNo);
        QCOMPARE(f.session.form().instructions, u"Erst rühren.\nDann abseihen."_s);
        QCOMPARE(f.session.form().remark, u"Kalt\nservieren"_s);
        QCOMPARE(f.session.form().nameLimit, 40);
        QVERIFY(f.session.check().accepted);
        f.session.WriteRecipe();
        f.t.re().Go(recNo);
        QCOMPARE(f.t.re().GetTrimString(u"NAME"_s), longName);
        QCOMPARE(f.t.re().GetMemo(u"ANLEITUNG"_s), stored);

        f.session.prepareEdit(longName, recNo);
        f.session.form().instructions += u"\nMit Eis."_s;
        QVERIFY(f.session.check().accepted);
        f.session.WriteRecipe();
        f.t.re().Go(recNo);
        QCOMPARE(f.t.re().GetMemo(u"ANLEITUNG"_s),
                 u"Erst rühren.\r\nDann abseihen.\r\nMit Eis.\u00FE\u00FDKalt\r\nservieren"_s);
    }

    void canrMode() {
        RecipeFixture f;
        f.sources.canrMode = true;
        RecipeEditSession session(f.sources);
        session.setIngredients(f.session.ingredients());
        session.setCategories(f.session.categories());
        session.setTastes(f.session.tastes());
        session.setDecorations(f.session.decorations());
        const int recNo =
            f.t.addRecipe({.name = u"Mit Code"_s, .lines = {{RecipeFixture::Rum, 4}}, .kat = 2});
        f.t.re().Go(recNo);
        f.t.re().Edit();
        f.t.re().ReplaceInteger(u"CANR"_s, 1423);
        f.t.re().Commit();
        session.prepareEdit(u"Mit Code"_s, recNo);
        QCOMPARE(session.form().canr, u"1423"_s);
        QCOMPARE(session.lineListLabel(), QString::number(recNo));
        session.form().canr = u"21x"_s; // not a number: 0
        QVERIFY(session.check().accepted);
        session.WriteRecipe();
        f.t.re().Go(recNo);
        QCOMPARE(f.t.re().GetInteger(u"CANR"_s), 0);

        session.prepareNew();
        QCOMPARE(session.lineListLabel(), u"Rezept:"_s);
        QVERIFY(session.form().canr.isEmpty());
    }

    void memoSplitForEditing_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QString>("remark");
        QTest::newRow("none") << u"Rühren"_s << u"Rühren"_s << QString();
        QTest::newRow("remark") << u"Rühren\u00FE\u00FDKalt"_s << u"Rühren"_s << u"Kalt"_s;
        QTest::newRow("last separator") << u"a\u00FE\u00FDb\u00FE\u00FDc"_s << u"a\u00FE\u00FDb"_s << u"c"_s;
        QTest::newRow("lone 0xFE at the end") << u"Rühren\u00FE"_s << u"Rühren\u00FE"_s << QString();
        QTest::newRow("empty remark") << u"Rühren\u00FE\u00FD"_s << u"Rühren"_s << QString();
    }
    void memoSplitForEditing() {
        QFETCH(QString, memo);
        QFETCH(QString, instructions);
        QFETCH(QString, remark);
        QString i, r;
        RecipeReader::splitMemo(memo, &i, &r);
        QCOMPARE(i, instructions);
        QCOMPARE(r, remark);
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeEditSession)
#include "tst_recipeeditsession.moc"
