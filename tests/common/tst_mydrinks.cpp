// The user's own records of the drinks (MEINE.TXT): what is kept, how it follows the drinks through
// renames, deletions and a restore that numbered them differently, a damaged file, read-only mode and
// a write that fails.
#include "TestFiles.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "common/MyDrinksSession.h"
#include "common/RunFlags.h"
#include "store/Cp1252.h"
#include "store/RawFile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

void rename(TApollo& t, int recNo, const QString& name) {
    t.Go(recNo);
    t.Edit();
    t.ReplaceText(u"NAME"_s, name);
    t.Commit();
}

void writeFile(const QString& folder, const QByteArray& bytes) {
    QFile f(QDir(folder).filePath(MyDrinks::fileName()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray fileOf(const QString& folder) {
    return TestFiles::readAll(QDir(folder).filePath(MyDrinks::fileName()));
}

} // namespace

class TestMyDrinks : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RawFile::stopFailingWrites(); }

    void recordsAreKeptInTheFile() {
        TestTables tables;
        for (const QString& name : {u"Zombie"_s, u"Mojito"_s, u"Caipirinha"_s})
            tables.addRecipe({.name = name, .lines = {{1, 4}}});
        MyDrinks drinks;
        QVERIFY(!drinks.loadFolder(tables.path(), tables.re(), true));
        MyDrinksSession s(drinks, tables.re());
        QVERIFY(s.rate(2, 4));
        QVERIFY(s.note(2, u"Mit mehr Limette.\r\nC:\\Bar\\Rezepte – süß"_s));
        QVERIFY(s.mixed(2, 2, QDate(2026, 12, 9)));
        QVERIFY(s.mixed(1, 1, QDate(2026, 11, 30)));
        QVERIFY(s.mixed(2, 3, QDate(2026, 12, 1)));
        QCOMPARE(drinks.mixedLine(2), u"zuletzt gemixt am 09.12.2026, 2-mal"_s);
        QCOMPARE(drinks.mixedLine(3), QString());

        // Windows-1252 with CR LF, one block a drink, the note on one line.
        const QByteArray bytes = fileOf(tables.path());
        QVERIFY(bytes.contains("\r\n[2] Mojito\r\nSterne=4\r\nNotiz=Mit mehr Limette.\\nC:\\\\Bar\\\\Rezepte "
                               "\x96 s\xFC\xDF\r\nGemixt=2026-12-09,2\r\nGemixt=2026-12-01,3\r\n"));
        MyDrinks again;
        QVERIFY(!again.loadFolder(tables.path(), tables.re(), true));
        QCOMPARE(again.stars(2), 4);
        QCOMPARE(again.note(2), u"Mit mehr Limette.\nC:\\Bar\\Rezepte – süß"_s);
        QCOMPARE(again.journal(), (QList<MyDrinks::JournalLine>{{QDate(2026, 11, 30), 1, 1, u"Zombie"_s},
                                                                {QDate(2026, 12, 1), 2, 3, u"Mojito"_s},
                                                                {QDate(2026, 12, 9), 2, 2, u"Mojito"_s}}));

        // Taking everything away leaves no block behind.
        QVERIFY(s.rate(2, 0));
        QVERIFY(s.note(2, QString()));
        QVERIFY(!fileOf(tables.path()).contains("Mojito\r\nSterne"));
        QVERIFY(!fileOf(tables.path()).contains("Notiz="));
    }

    void badValuesAreRefused() {
        TestTables tables;
        tables.addRecipe({.name = u"Zombie"_s, .lines = {{1, 4}}});
        MyDrinks drinks;
        drinks.loadFolder(tables.path(), tables.re(), true);
        MyDrinksSession s(drinks, tables.re());
        QCOMPARE(s.rate(1, 6).notice().text, u"Ein Drink hat 0 bis 5 Sterne, nicht 6."_s);
        QCOMPARE(s.rate(7, 3).notice().text, u"Den Satz 7 gibt es nicht."_s);
        QCOMPARE(s.note(1, QString(2001, u'x')).notice().text,
                 u"Die Notiz darf höchstens 2000 Zeichen lang sein, sie hat 2001."_s);
        QVERIFY(s.note(1, QString(2000, u'x')));
        QCOMPARE(s.note(1, u"Lecker 🍹"_s).notice(), Notice::unstorable(u"🍹"_s));
        QCOMPARE(s.mixed(1, 0, QDate(2026, 1, 1)).notice().text,
                 u"Es können 1 bis 99 Gläser sein, nicht 0."_s);
        TestTables::deleteRecord(tables.re(), 1);
        QCOMPARE(s.rate(1, 3).notice().text, u"Den Satz 1 gibt es nicht."_s);

        // Read-only: the program's refusal, and the file stays as it was.
        const QByteArray before = fileOf(tables.path());
        tables.addRecipe({.name = u"Mojito"_s, .lines = {{1, 4}}});
        RunFlags run;
        run.readOnly = true;
        s.setRunFlags(&run);
        QCOMPARE(s.rate(2, 3).notice(), Notice::readOnly());
        QCOMPARE(s.mixed(2, 1, QDate(2026, 1, 1)).notice(), Notice::readOnly());
        QCOMPARE(fileOf(tables.path()), before);
    }

    // By record number with the name as a check.
    void recordsFollowTheDrinks() {
        TestTables tables;
        for (const QString& name : {u"Zombie"_s, u"Mojito"_s, u"Bellini"_s, u"Alt"_s})
            tables.addRecipe({.name = name, .lines = {{1, 4}}});
        MyDrinks drinks;
        drinks.loadFolder(tables.path(), tables.re(), true);
        MyDrinksSession s(drinks, tables.re());
        QVERIFY(s.rate(2, 4));
        QVERIFY(s.rate(3, 2));
        QVERIFY(s.mixed(3, 1, QDate(2026, 5, 1)));

        // A renamed drink keeps its stars and the journal its new name; a deleted one loses them.
        rename(tables.re(), 2, u"Mojito Royal"_s);
        TestTables::deleteRecord(tables.re(), 3);
        // Also during the run that renamed and deleted: the next change writes the drinks as they are.
        QVERIFY(s.rate(4, 1));
        QVERIFY(fileOf(tables.path()).contains("[2] Mojito Royal\r\nSterne=4\r\n"));
        QVERIFY(!fileOf(tables.path()).contains("Bellini"));
        QVERIFY(!drinks.has(3));
        MyDrinks after;
        QVERIFY(!after.loadFolder(tables.path(), tables.re(), true));
        QCOMPARE(after.stars(2), 4);
        QVERIFY(!after.has(3));
        QVERIFY(after.journal().isEmpty());
        MyDrinksSession(after, tables.re()).mixed(2, 1, QDate(2026, 6, 1));
        QVERIFY(fileOf(tables.path()).contains("[2] Mojito Royal\r\nSterne=4\r\n"));
        QVERIFY(!fileOf(tables.path()).contains("Bellini"));

        // A restore of an older backup in which the drinks had other numbers: the name finds it.
        writeFile(tables.path(),
                  "[1] Alt\r\nSterne=5\r\n[4] Zombie\r\nSterne=1\r\n[9] Mojito Royal\r\nSterne=3\r\n"
                  "[12] Verschwunden\r\nSterne=2\r\n");
        MyDrinks restored;
        QVERIFY(!restored.loadFolder(tables.path(), tables.re(), true));
        QCOMPARE(restored.stars(4), 5);
        QCOMPARE(restored.stars(1), 1);
        QCOMPARE(restored.stars(2), 3);
        QVERIFY(!restored.has(9));
        QVERIFY(!restored.has(12));
    }

    void damagedFileIsSetAside() {
        TestTables tables;
        tables.addRecipe({.name = u"Zombie"_s, .lines = {{1, 4}}});
        const QByteArray damaged = "[1] Zombie\r\nSterne=4\r\nGemixt=gestern,2\r\n";
        const QString path = QDir(tables.path()).filePath(MyDrinks::fileName());

        // Read-only: said, left alone, and no change goes to it.
        writeFile(tables.path(), damaged);
        MyDrinks blocked;
        const std::optional<Notice> told = blocked.loadFolder(tables.path(), tables.re(), false);
        QVERIFY(told);
        QVERIFY2(told->text.contains(u"beschädigt (Zeile 3)"_s), qPrintable(told->text));
        QCOMPARE(blocked.stars(1), 0);
        QCOMPARE(MyDrinksSession(blocked, tables.re()).rate(1, 2).notice(), MyDrinks::blockedNotice(path));
        QCOMPARE(fileOf(tables.path()), damaged);

        MyDrinks drinks;
        const std::optional<Notice> aside = drinks.loadFolder(tables.path(), tables.re(), true);
        QVERIFY(aside);
        QVERIFY2(aside->text.contains(path + u".beschaedigt"_s), qPrintable(aside->text));
        QCOMPARE(TestFiles::readAll(path + u".beschaedigt"_s), damaged);
        QVERIFY(!QFile::exists(path));
        QVERIFY(MyDrinksSession(drinks, tables.re()).rate(1, 2));
        QCOMPARE(TestFiles::readAll(path + u".beschaedigt"_s), damaged);
        // A good file is read without a word.
        QVERIFY(!MyDrinks().loadFolder(tables.path(), tables.re(), true));
    }

    void aFailedWriteKeepsTheOldRecords() {
        TestTables tables;
        tables.addRecipe({.name = u"Zombie"_s, .lines = {{1, 4}}});
        MyDrinks drinks;
        drinks.loadFolder(tables.path(), tables.re(), true);
        MyDrinksSession s(drinks, tables.re());
        QVERIFY(s.rate(1, 2));
        const QByteArray old = fileOf(tables.path());
        for (int n = 0;; ++n) {
            QVERIFY2(n < 50, "the write never finished");
            RawFile::failWritesAfter(n);
            const Result r = s.note(1, u"Neu"_s);
            RawFile::stopFailingWrites();
            if (r)
                break;
            QCOMPARE(r.notice().caption, Notice::Caption::Error);
            QCOMPARE(fileOf(tables.path()), old);
            QCOMPARE(drinks.note(1), QString());
        }
        QCOMPARE(drinks.note(1), u"Neu"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestMyDrinks)
#include "tst_mydrinks.moc"
