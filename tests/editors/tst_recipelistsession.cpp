#include "TestTables.h"
#include "VeltaTest.h"
#include "editors/RecipeListSession.h"

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

class TestRecipeListSession : public QObject {
    Q_OBJECT

private slots:
    void listAndDelete() {
        TestTables t;
        for (const QString& name : {u"Zombie"_s, u"Mojito"_s, u"Bellini"_s, u"Alt"_s})
            t.addRecipe({.name = name, .lines = {{1, 4}}});
        TestTables::deleteRecord(t.re(), 4);
        RecipeListSession s(t.re());
        s.build();
        QCOMPARE(s.entries(), (Entries{{u"Bellini"_s, 3}, {u"Mojito"_s, 2}, {u"Zombie"_s, 1}}));
        QVERIFY(!t.re().turboRead());

        s.setChanged();
        s.begin();
        QVERIFY(!s.changed());
        QVERIFY(!s.deleteQuestion(-1));
        QCOMPARE(*s.deleteQuestion(1),
                 Notice::question(u"Möchten Sie das Rezept \"Mojito\" wirklich löschen?"_s, 2));
        QCOMPARE(s.deleteRecipe(1), 0);
        QVERIFY(s.changed());
        QCOMPARE(s.entries(), (Entries{{u"Bellini"_s, 3}, {u"Zombie"_s, 1}}));
        t.re().Go(2);
        QVERIFY(t.re().IsDeleted());
        QCOMPARE(t.re().Count(), 2);
        // After a reopen the record is still there, deleted, with its bytes; the others unchanged.
        const QByteArray deleted = t.re().GetRawBytes(u"NAME"_s);
        t.reTable().Close();
        t.reTable().Open();
        t.re().Go(2);
        QVERIFY(t.re().IsDeleted());
        QCOMPARE(t.re().GetRawBytes(u"NAME"_s), deleted);
        RecipeListSession reopened(t.re());
        reopened.build();
        QCOMPARE(reopened.entries(), s.entries());

        // Record numbers never move: a new recipe gets a number of its own.
        const int recNo = t.addRecipe({.name = u"Neu"_s, .lines = {{1, 4}}});
        QCOMPARE(recNo, 5);
        QCOMPARE(s.added(u"Neu"_s, recNo), 1);

        QCOMPARE(s.deleteRecipe(0), 0);
        QCOMPARE(s.deleteRecipe(0), 0);
        // The last recipe cannot be deleted.
        QCOMPARE(s.entries().size(), 1);
        QVERIFY(!s.deleteQuestion(0));
        QCOMPARE(s.deleteRecipe(0), 0);
        QCOMPARE(t.re().Count(), 1);
    }

    void editorChangesKeepTheListInStep() {
        TestTables t;
        RecipeListSession s(t.re());
        for (const QString& name : {u"Bellini"_s, u"Mojito"_s, u"Zombie"_s})
            s.added(name, t.addRecipe({.name = name}));
        s.begin();
        // Renamed from this dialog: the entry keeps its place.
        s.renamed(0, u"Yellow Bird"_s);
        QVERIFY(s.changed());
        QCOMPARE(s.entries().first(), (ListEntry{u"Yellow Bird"_s, 1}));
        // Through the main window: the entry moves to its sorted place.
        QCOMPARE(s.recipeSaved(false, u"Yellow Bird"_s, u"Americano"_s, 1), 0);
        QCOMPARE(s.entries(), (Entries{{u"Americano"_s, 1}, {u"Mojito"_s, 2}, {u"Zombie"_s, 3}}));
        QCOMPARE(s.recipeSaved(true, QString(), u"Negroni"_s, 4), 2);
        QCOMPARE(s.entries().size(), 4);
        // Two recipes of one name: the record number decides which entry goes.
        s.added(u"Mojito"_s, 5);
        QCOMPARE(s.recipeSaved(false, u"Mojito"_s, u"Mojito Royal"_s, 5), 2);
        QCOMPARE(s.entries().at(1), (ListEntry{u"Mojito"_s, 2}));
    }

    void limit() {
        QVERIFY(RecipeListSession::canCreate(4999));
        QVERIFY(!RecipeListSession::canCreate(5000));
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeListSession)
#include "tst_recipelistsession.moc"
