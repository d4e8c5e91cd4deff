// The journal window's lists: by date the newest first, the totals per drink and per month, and the
// drinks as they are when it opens.
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/JournalSession.h"
#include "common/MyDrinksSession.h"

using namespace Qt::StringLiterals;
using Totals = QList<JournalSession::Total>;

class TestJournalSession : public QObject {
    Q_OBJECT

private slots:
    void listsAndTotals() {
        TestTables t;
        for (const QString& name : {u"Mojito"_s, u"Daiquiri"_s, u"Zombie"_s, u"Bellini"_s})
            t.addRecipe({.name = name, .lines = {{1, 4}}});
        MyDrinks drinks;
        drinks.loadFolder(t.path(), t.re(), true);
        JournalSession journal(drinks, t.re());
        journal.begin();
        QVERIFY(journal.dateEntries().isEmpty());
        QVERIFY(journal.summary().contains(u"„Gemixt!“"_s));

        MyDrinksSession s(drinks, t.re());
        QVERIFY(s.mixed(1, 2, QDate(2026, 11, 28)));
        QVERIFY(s.mixed(2, 1, QDate(2026, 12, 5)));
        QVERIFY(s.mixed(1, 3, QDate(2026, 12, 5)));
        QVERIFY(s.mixed(3, 5, QDate(2025, 12, 31)));
        QVERIFY(s.mixed(4, 1, QDate(2026, 1, 2)));
        TestTables::deleteRecord(t.re(), 4);
        t.re().Go(2);
        t.re().Edit();
        t.re().ReplaceText(u"NAME"_s, u"Daiquiri Natural"_s);
        t.re().Commit();
        journal.begin();

        QCOMPARE(journal.dateEntries(), (QList<ListEntry>{{u"05.12.2026   1 Glas      Daiquiri Natural"_s, 2},
                                                          {u"05.12.2026   3 Gläser    Mojito"_s, 1},
                                                          {u"28.11.2026   2 Gläser    Mojito"_s, 1},
                                                          {u"31.12.2025   5 Gläser    Zombie"_s, 3}}));
        // The most glasses first, the same by name.
        QCOMPARE(journal.perDrink(),
                 (Totals{{u"Mojito"_s, 2, 5, 1}, {u"Zombie"_s, 1, 5, 3}, {u"Daiquiri Natural"_s, 1, 1, 2}}));
        QCOMPARE(journal.perMonth(), (Totals{{u"Dezember 2026"_s, 2, 4, 0},
                                             {u"November 2026"_s, 1, 2, 0},
                                             {u"Dezember 2025"_s, 1, 5, 0}}));
        QCOMPARE(JournalSession::entries(journal.perMonth()).first().text,
                 u"Dezember 2026   2-mal, 4 Gläser"_s);
        QCOMPARE(journal.summary(), u"Zusammen 11 Gläser an 3 Tagen."_s);
    }
};

VELTA_TEST_MAIN_CORE(TestJournalSession)
#include "tst_journalsession.moc"
