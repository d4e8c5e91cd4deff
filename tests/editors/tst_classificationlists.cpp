#include "TestTables.h"
#include "VeltaTest.h"
#include "common/Catalogue.h"
#include "editors/ChoiceLists.h"
#include "editors/ClassificationListSession.h"
#include "editors/DecorationListSession.h"

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

namespace {

int indexOf(const Entries& entries, const QString& text) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text == text)
            return i;
    }
    return -1;
}

} // namespace

class TestClassificationLists : public QObject {
    Q_OBJECT

private slots:
    void categoryNumbersNeverMove() {
        TestTables t;
        QStringList list = {u"Sour"_s, u"Fizz"_s, u"Tiki"_s, u"Flip"_s, u"Punsch"_s};
        const int flip = t.addRecipe({.name = u"Flip 1"_s, .kat = 4});
        ClassificationListSession s(ClassificationTexts::Categories, list, t.re());
        s.begin();
        QCOMPARE(s.entries(),
                 (Entries{{u"Fizz"_s, 1}, {u"Flip"_s, 3}, {u"Punsch"_s, 4}, {u"Sour"_s, 0}, {u"Tiki"_s, 2}}));
        const int tiki = indexOf(s.entries(), u"Tiki"_s);
        QVERIFY(s.deletePrecheck(tiki).proceed);
        QCOMPARE(s.usage(tiki), 0);
        QCOMPARE(*s.deleteVerdict(tiki, 0).notice,
                 Notice::question(u"Möchten Sie die Kategorie \"Tiki\" wirklich löschen?"_s, 2));
        QCOMPARE(s.remove(tiki), 0);
        QCOMPARE(list, (QStringList{u"Sour"_s, u"Fizz"_s, u"~"_s, u"Flip"_s, u"Punsch"_s}));
        QVERIFY(s.changed());
        t.re().Go(flip);
        QCOMPARE(t.re().GetInteger(u"KAT"_s), 4); // recipes are never touched

        // The freed number is given again, then the list grows.
        QVERIFY(s.nameVerdict(u"Julep"_s).proceed);
        QCOMPARE(s.entries().at(s.add(u" Julep "_s)), (ListEntry{u"Julep"_s, 2}));
        QCOMPARE(s.entries().at(s.add(u"Cobbler"_s)), (ListEntry{u"Cobbler"_s, 5}));
        QCOMPARE(list, (QStringList{u"Sour"_s, u"Fizz"_s, u"Julep"_s, u"Flip"_s, u"Punsch"_s, u"Cobbler"_s}));
        s.begin();
        QVERIFY(!s.changed());
    }

    void onlyTheFirstSlotFree() {
        TestTables t;
        QStringList list = {u"~"_s, u"Fizz"_s};
        ClassificationListSession s(ClassificationTexts::Categories, list, t.re());
        s.begin();
        QCOMPARE(s.slotForNew(), 2);
        s.add(u"Neu"_s);
        QCOMPARE(list, (QStringList{u"~"_s, u"Fizz"_s, u"Neu"_s}));
    }

    void namesRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("proceed");
        QTest::newRow("fine") << u"Julep"_s << QString() << true;
        QTest::newRow("empty adds nothing") << u"   "_s << QString() << false;
        QTest::newRow("taken, case ignored")
            << u" FIZZ"_s << u"Eine Kategorie mit diesem Namen existiert schon."_s << false;
        QTest::newRow("a free slot") << u"~Neu"_s << u"Der Name \"~Neu\" ist nicht möglich."_s << false;
        QTest::newRow("the marker line")
            << u"@@@-MORVA-@@@"_s << u"Der Name \"@@@-MORVA-@@@\" ist nicht möglich."_s << false;
        QTest::newRow("not storable")
            << u"Łyk"_s << u"Das Zeichen \"Ł\" kann nicht gespeichert werden.\rBitte ersetzen Sie es."_s
            << false;
    }
    void namesRefused() {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QFETCH(bool, proceed);
        TestTables t;
        QStringList list = {u"Sour"_s, u"Fizz"_s};
        ClassificationListSession s(ClassificationTexts::Categories, list, t.re());
        s.begin();
        const Verdict v = s.nameVerdict(name);
        QCOMPARE(v.proceed, proceed);
        QCOMPARE(v.notice ? v.notice->text : QString(), notice);
        // Renaming an entry to its own name in another case is allowed.
        QVERIFY(s.nameVerdict(u"fizz"_s, indexOf(s.entries(), u"Fizz"_s)).proceed);
    }

    void listIsFull() {
        TestTables t;
        QStringList list;
        for (int i = 0; i < 255; ++i)
            list.append(u"K%1"_s.arg(i));
        list[0] = u"~"_s;
        ClassificationListSession s(ClassificationTexts::Tastes, list, t.re());
        s.begin();
        QCOMPARE(s.nameVerdict(u"Neu"_s).notice->text,
                 u"Die Liste ist voll: sie kann höchstens 255 Einträge aufnehmen."_s);
        list[200] = u"~"_s;
        s.begin();
        QVERIFY(s.nameVerdict(u"Neu"_s).proceed);
    }

    void renameAUsedCategory() {
        TestTables t;
        QStringList list = {u"Sour"_s, u"Fizz"_s};
        for (int i = 0; i < 12; ++i)
            t.addRecipe({.name = u"F%1"_s.arg(i), .kat = 2});
        t.addRecipe({.name = u"S"_s, .kat = 1});
        ClassificationListSession s(ClassificationTexts::Categories, list, t.re());
        s.begin();
        const int fizz = indexOf(s.entries(), u"Fizz"_s);
        QCOMPARE(s.texts().editCaption, u"Umbenennen"_s);
        const int n = s.usage(fizz);
        QCOMPARE(n, 12);
        QCOMPARE(
            *s.renameVerdict(fizz, n).notice,
            Notice::question(u"12 Getränke sind der Kategorie \"Fizz\" zugeordnet. Möchten Sie die Kategorie "
                             "trotzdem umbenennen?"_s,
                             4));
        s.rename(fizz, u" Fizzes "_s);
        QCOMPARE(list.at(1), u"Fizzes"_s);
        QCOMPARE(s.entries().at(fizz).text, u"Fizzes"_s);
        QCOMPARE(
            *s.deleteVerdict(fizz, n).notice,
            Notice::hint(u"Die Kategorie \"Fizzes\" kann nicht gelöscht werden, da noch 12 Getränke dieser "
                         "Kategorie zugeordnet sind."_s,
                         3));
    }

    void tastes() {
        TestTables t;
        QStringList list = {u"süß"_s, u"sauer"_s, u"bitter"_s};
        t.addRecipe({.name = u"A"_s, .gesch = 1});
        ClassificationListSession s(ClassificationTexts::Tastes, list, t.re());
        s.begin();
        QCOMPARE(s.entries(), (Entries{{u"süß"_s, 0}, {u"sauer"_s, 1}, {u"bitter"_s, 2}})); // list order
        QCOMPARE(s.texts().editCaption, u"Ändern"_s);
        QCOMPARE(s.selectionVerdict(-1).notice->text,
                 u"Bitte wählen Sie erst eine Geschmacksrichtung in der Liste aus."_s);
        QCOMPARE(s.usage(0), 1);
        QCOMPARE(
            s.deleteVerdict(0, 1).notice->text,
            u"Die Geschmacksrichtung \"süß\" kann nicht gelöscht werden, da ihr noch 1 Getränke zugeordnet sind."_s);
        QCOMPARE(s.usage(1), 0);
        QCOMPARE(s.deleteVerdict(1, 0).notice->lines, 3);
        s.remove(1);
        QCOMPARE(s.add(u"herb"_s), 1); // the freed number, in list order
        QCOMPARE(list, (QStringList{u"süß"_s, u"herb"_s, u"bitter"_s}));
        // The last entry cannot be deleted.
        s.remove(0);
        s.remove(0);
        QCOMPARE(s.entries().size(), 1);
        QCOMPARE(
            *s.deletePrecheck(0).notice,
            Notice::hint(
                u"Der letzte Eintrag kann nicht gelöscht werden!\rSie können den Namen aber umbenennen."_s,
                3));
    }

    void decorations() {
        TestTables t;
        const int lemon = t.addDecoration(u"Zitrone"_s);
        const int gone = t.addDecoration(u"Alt"_s);
        t.de().Go(gone);
        t.de().Edit();
        t.de().ReplaceText(u"BILD"_s, u"ALT"_s);
        t.de().Commit();
        TestTables::deleteRecord(t.de(), gone);
        const int cherry = t.addDecoration(u"Kirsche"_s);
        t.addRecipe({.name = u"Mit Zitrone"_s, .deko = lemon});
        DecorationListSession s(t.de(), t.re());
        s.setEntries(ChoiceLists::decorationChoices(Catalogue::readDecorations(t.de())).mid(1));
        s.begin();
        QVERIFY(s.contentVerdict(u"Minze"_s, u"Ein Zweig"_s).proceed);
        QVERIFY(!s.contentVerdict(u"  "_s, u"Text"_s).proceed);
        const Verdict refused = s.contentVerdict(u"Minze"_s, u"Ein Zweig ☘"_s);
        QVERIFY(!refused.proceed && refused.notice);
        QCOMPARE(refused.notice->text,
                 u"Das Zeichen \"☘\" kann nicht gespeichert werden.\rBitte ersetzen Sie es."_s);
        // A new decoration takes the deleted record's number, without its picture.
        QCOMPARE(s.entries().at(s.add(u" Minze "_s, u"Ein Zweig"_s)), (ListEntry{u"Minze"_s, gone}));
        QVERIFY(t.env().deletedHidden());
        t.de().Go(gone);
        QVERIFY(!t.de().IsDeleted());
        QCOMPARE(t.de().GetTrimString(u"BILD"_s), QString());
        QCOMPARE(t.de().GetMemo(u"TEXT"_s), u"Ein Zweig"_s);
        QCOMPARE(Catalogue::readDecorations(t.de()).size(), 3);
        QCOMPARE(s.add(u"Orange"_s, QString()), 2); // appended as record 4
        QCOMPARE(s.entries().at(2).data, 4);

        // Editing marks the lists for rebuilding even when the user cancels.
        s.begin();
        QCOMPARE(s.editPrecheck(-1).notice->text,
                 u"Bitte wählen Sie erst eine Dekoration in der Liste aus."_s);
        QVERIFY(!s.changed());
        const int lemonIndex = indexOf(s.entries(), u"Zitrone"_s);
        QVERIFY(s.editPrecheck(lemonIndex).proceed);
        QVERIFY(s.changed());
        QCOMPARE(s.description(lemonIndex), QString());
        QCOMPARE(
            *s.editVerdict(s.usage(lemonIndex)).notice,
            Notice::question(
                u"1 Getränke verwenden diese Dekoration. Möchten Sie die Änderungen trotzdem speichern?"_s,
                2));
        s.store(lemonIndex, u"Zitronenscheibe"_s, u"Dünn"_s);
        t.de().Go(lemon);
        QCOMPARE(t.de().GetTrimString(u"NAME"_s), u"Zitronenscheibe"_s);

        QCOMPARE(
            *s.deleteVerdict(1).notice,
            Notice::hint(
                u"Diese Dekoration kann nicht gelöscht werden, da ihr noch 1 Getränk(e) zugeordnet sind."_s,
                3));
        const int cherryIndex = indexOf(s.entries(), u"Kirsche"_s);
        QCOMPARE(*s.deleteVerdict(0).notice,
                 Notice::question(u"Möchten Sie die angewählte Dekoration wirklich löschen?"_s, 2));
        s.remove(cherryIndex);
        t.de().Go(cherry);
        QVERIFY(t.de().IsDeleted());
        QCOMPARE(indexOf(s.entries(), u"Kirsche"_s), -1);
    }
};

VELTA_TEST_MAIN_CORE(TestClassificationLists)
#include "tst_classificationlists.moc"
