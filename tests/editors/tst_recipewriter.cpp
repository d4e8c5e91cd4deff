#include "RecipeFixture.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "editors/RecipeWriter.h"
#include "store/Cp1252.h"
#include "store/RawFile.h"
#include "store/StoreError.h"

#include <QDir>

using namespace Qt::StringLiterals;
using Lines = QList<IngredientSlots::Line>;
Q_DECLARE_METATYPE(Lines)

namespace {

QList<RecipeLine> linesOf(const Lines& stored) {
    QList<RecipeLine> out;
    for (const IngredientSlots::Line& s : stored)
        out.append({s.ingredient, s.amount, QString()});
    return out;
}

} // namespace

class TestRecipeWriter : public QObject {
    Q_OBJECT

private slots:
    // The rounding rules are the store's; here the strengths and units come from the table and the
    // divisor from the options.
    void alcoholValue_data() {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<int>("dashesPerCl");
        QTest::addColumn<int>("alk");
        using F = RecipeFixture;
        QTest::newRow("4 cl 40 % and 12 cl juice") << Lines{{F::Rum, 4}, {F::Saft, 12}} << 12 << 10;
        QTest::newRow("12 dash count as 1 cl") << Lines{{F::Bitter, 12}, {F::Saft, 1}} << 12 << 22; // 22.5
        QTest::newRow("divisor from the options") << Lines{{F::Bitter, 6}, {F::Saft, 1}} << 6 << 22;
        QTest::newRow("grams, pieces, none ignored")
            << Lines{{F::Rum, 4}, {F::Zucker, 500}, {F::Limette, 3}, {F::Minze, 0}} << 12 << 40;
    }
    void alcoholValue() {
        QFETCH(Lines, lines);
        QFETCH(int, dashesPerCl);
        QFETCH(int, alk);
        RecipeFixture f;
        QCOMPARE(RecipeWriter::slotFields(f.t.zu(), linesOf(lines), dashesPerCl).alk, alk);
    }

    void everyField() {
        RecipeFixture f;
        RecipeDraft d;
        d.name = u"  Sommerwind  "_s;
        d.photo = u" Wind_1 "_s;
        d.lines = linesOf({{RecipeFixture::Rum, 4}, {RecipeFixture::Minze, 3}, {RecipeFixture::Bitter, 2}});
        d.kat = 3;
        d.gesch = 0;
        d.deko = 2;
        d.instructions = u"Alles schütteln."_s;
        d.remark = u"Mit Eis"_s;
        d.canr = 1234; // not written outside CANR mode
        const int recNo = RecipeWriter::WriteRecipe(f.sources, d, true);
        TApollo& re = f.t.re();
        QCOMPARE(re.RecNo(), recNo);
        QCOMPARE(re.GetTrimString(u"NAME"_s), u"Sommerwind"_s);
        QCOMPARE(re.GetTrimString(u"BILD"_s), u"e"_s);
        QCOMPARE(re.GetTrimString(u"EIGEN"_s), u"Wind_1"_s);
        QCOMPARE(re.GetPaddedString(u"Z"_s).trimmed(), u"1    5    3"_s);
        QCOMPARE(re.GetPaddedString(u"ZMENGE"_s).left(15), u"    4         2"_s); // kind 3 stores 0
        QCOMPARE(re.GetInteger(u"KAT"_s), 3);
        QCOMPARE(re.GetInteger(u"GESCH"_s), 0);
        QCOMPARE(re.GetInteger(u"DEKO"_s), 2);
        QCOMPARE(re.GetInteger(u"CANR"_s), 0);
        QCOMPARE(re.GetInteger(u"ALK"_s), 40); // (160 + 7.5) / (4 + 2/12) = 40.2
        QCOMPARE(re.GetRawBytes(u"NAME"_s).size(), 40);
        QByteArray memo = Cp1252::fromUnicode(re.GetMemo(u"ANLEITUNG"_s));
        QCOMPARE(memo, QByteArray("Alles sch\xFC"
                                  "tteln.\xFE\xFDMit Eis"));

        // Editing: the mark is cleared, the collection photo number stays, the remark goes.
        re.Edit();
        re.ReplaceInteger(u"MARK"_s, 1);
        re.ReplaceText(u"BILD"_s, u"1234"_s);
        re.Commit();
        d.remark.clear();
        d.photo.clear();
        QCOMPARE(RecipeWriter::WriteRecipe(f.sources, d, false, recNo), recNo);
        QCOMPARE(re.GetInteger(u"MARK"_s), 0);
        QCOMPARE(re.GetTrimString(u"BILD"_s), u"1234"_s);
        QCOMPARE(re.GetTrimString(u"EIGEN"_s), QString());
        QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), u"Alles schütteln."_s);
        QCOMPARE(re.RecCount(), 1);
    }

    void twentyLinesFillBothFields() {
        RecipeFixture f;
        RecipeDraft d;
        d.name = u"Zwanzig"_s;
        d.kat = 1;
        for (int i = 0; i < 20; ++i)
            d.lines.append({i % 2 ? RecipeFixture::Rum : RecipeFixture::Saft, 9999 - i, QString()});
        RecipeWriter::WriteRecipe(f.sources, d, true);
        const QString z = f.t.re().GetPaddedString(u"Z"_s);
        const QString amounts = f.t.re().GetPaddedString(u"ZMENGE"_s);
        QCOMPARE(z.size(), 100);
        QCOMPARE(z.mid(95), u"    1"_s);
        QCOMPARE(amounts.mid(95), u" 9980"_s);
        QCOMPARE(IngredientSlots(z, amounts).lines().size(), 20);
    }

    // What was saved is what a reopened table reads, byte for byte.
    void reopenReadsWhatWasSaved() {
        RecipeFixture f;
        const int other = f.t.addRecipe({.name = u"Andere"_s, .lines = {{1, 2}}, .kat = 2});
        f.fillValid(u"Neu"_s);
        f.session.form().remark = u"Bemerkung"_s;
        const int recNo = f.session.WriteRecipe();
        f.session.prepareEdit(u"Neu"_s, recNo);
        f.session.form().name = u"Neu umbenannt"_s;
        f.session.WriteRecipe();
        TApollo& re = f.t.re();
        QByteArray before[2];
        QString memos[2];
        for (int i : {0, 1}) {
            re.Go(i ? recNo : other);
            before[i] = re.GetRawBytes(u"NAME"_s) + re.GetRawBytes(u"Z"_s) + re.GetRawBytes(u"ANLEITUNG"_s);
            memos[i] = re.GetMemo(u"ANLEITUNG"_s);
        }
        f.t.reTable().Close();
        f.t.reTable().Open();
        for (int i : {0, 1}) {
            re.Go(i ? recNo : other);
            QCOMPARE(re.GetRawBytes(u"NAME"_s) + re.GetRawBytes(u"Z"_s) + re.GetRawBytes(u"ANLEITUNG"_s),
                     before[i]);
            QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), memos[i]);
        }
        QCOMPARE(re.GetTrimString(u"NAME"_s), u"Neu umbenannt"_s);
        QCOMPARE(re.RecCount(), 2);
    }

    // A save that fails anywhere leaves the table as it was, in memory and on disk.
    void failedSaveChangesNothing_data() {
        QTest::addColumn<bool>("isNew");
        QTest::newRow("new") << true;
        QTest::newRow("edit") << false;
    }
    void failedSaveChangesNothing() {
        QFETCH(bool, isNew);
        for (int budget = 0; budget < 16; ++budget) {
            RecipeFixture f;
            const int recNo =
                f.t.addRecipe({.name = u"Alt"_s, .lines = {{1, 2}}, .kat = 2, .instructions = u"x"_s});
            const QByteArray dbf = TestFiles::readAll(f.t.path() + u"/RE.DBF"_s);
            RecipeDraft d;
            d.name = u"Neu"_s;
            d.kat = 1;
            d.lines = linesOf({{RecipeFixture::Rum, 4}});
            d.instructions = u"Neue Anleitung"_s;
            RawFile::failWritesAfter(budget);
            bool failed = false;
            try {
                RecipeWriter::WriteRecipe(f.sources, d, isNew, recNo);
            } catch (const StoreError&) {
                failed = true;
            }
            RawFile::stopFailingWrites();
            if (!failed)
                return; // the save got through: every earlier stop was checked
            // What the table shows is what the file holds, and the record is wholly old or wholly new.
            TApollo& re = f.t.re();
            const int countShown = re.RecCount();
            re.Go(isNew ? countShown : recNo);
            const QString nameShown = re.GetTrimString(u"NAME"_s);
            const QString memoShown = re.GetMemo(u"ANLEITUNG"_s);
            f.t.reTable().Close();
            f.t.reTable().Open();
            QCOMPARE(re.RecCount(), countShown);
            re.Go(isNew ? countShown : recNo);
            QCOMPARE(re.GetTrimString(u"NAME"_s), nameShown);
            QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), memoShown);
            const bool landed = isNew ? countShown == 2 : nameShown == u"Neu"_s;
            if (!landed) {
                QCOMPARE(countShown, 1);
                QCOMPARE(nameShown, u"Alt"_s);
                QCOMPARE(memoShown, u"x"_s);
                // An append cut short may leave bytes behind the last record.
                QCOMPARE(TestFiles::readAll(f.t.path() + u"/RE.DBF"_s).left(dbf.size() - 1), dbf.chopped(1));
            } else {
                QCOMPARE(nameShown, u"Neu"_s);
                QCOMPARE(memoShown, u"Neue Anleitung"_s);
                continue; // written although the last sync failed: nothing left to retry
            }
            // A later save works.
            RecipeWriter::WriteRecipe(f.sources, d, isNew, recNo);
            f.t.reTable().Close();
            f.t.reTable().Open();
            QCOMPARE(re.RecCount(), isNew ? 2 : 1);
            re.Go(isNew ? 2 : recNo);
            QCOMPARE(re.GetTrimString(u"NAME"_s), u"Neu"_s);
            QCOMPARE(re.GetMemo(u"ANLEITUNG"_s), u"Neue Anleitung"_s);
        }
        QFAIL("the save never got through");
    }

    void okChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<int>("kat");
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<bool>("accepted");
        using F = RecipeFixture;
        const QString missingPhoto = u"Die Datei %1/EIGENE/NIX.BMP konnte nicht gefunden werden.\r\rWenn Sie "
                                     u"das Feld \"eigenes Foto\" "
                                     "freilassen,\rwird wieder das Standardfoto ausgegeben."_s;
        const QString badPhoto = u"Der Name des eigenen Fotos darf nur Buchstaben, Ziffern, \"_\" und \"-\" "
                                 "enthalten,\rdenn er benennt eine Datei im Ordner der eigenen Fotos."_s;
        const Lines rum{{F::Rum, 4}};
        QTest::newRow("valid") << u"Neu"_s << rum << 1 << QString() << QStringList() << true;
        QTest::newRow("blank name") << u"   "_s << rum << 1 << QString()
                                    << QStringList{u"Geben Sie bitte einen Namen ein."_s} << false;
        QTest::newRow("no line") << u"Neu"_s << Lines{} << 1 << QString()
                                 << QStringList{u"Geben Sie bitte mindestens eine Zutat ein."_s} << false;
        QTest::newRow("no liquid")
            << u"Neu"_s << Lines{{F::Zucker, 1}, {F::Limette, 1}, {F::Minze, 0}} << 1 << QString()
            << QStringList{u"Das Getränk sollte mindestens eine flüssige Zutat enthalten."_s} << false;
        QTest::newRow("dash is liquid")
            << u"Neu"_s << Lines{{F::Bitter, 1}} << 1 << QString() << QStringList() << true;
        QTest::newRow("no category") << u"Neu"_s << rum << 0 << QString()
                                     << QStringList{u"Bitte wählen Sie eine Kategorie aus."_s} << false;
        QTest::newRow("duplicate, case ignored")
            << u"MOJITO"_s << rum << 1 << QString()
            << QStringList{u"Es existiert schon ein Getränk mit diesem Namen!"_s} << false;
        QTest::newRow("duplicate with umlauts")
            << u" SÜßER ÄPFEL "_s << rum << 1 << QString()
            << QStringList{u"Es existiert schon ein Getränk mit diesem Namen!"_s} << false;
        QTest::newRow("ß is not ss") << u"Süsser Äpfel"_s << rum << 1 << QString() << QStringList() << true;
        QTest::newRow("deleted recipe's name is free")
            << u"Zombie"_s << rum << 1 << QString() << QStringList() << true;
        QTest::newRow("missing photo only warns")
            << u"Neu"_s << rum << 1 << u"nix"_s << QStringList{missingPhoto} << true;
        QTest::newRow("photo found, any case") << u"Neu"_s << rum << 1 << u"WIND"_s << QStringList() << true;
        QTest::newRow("photo with path")
            << u"Neu"_s << rum << 1 << u"../RE"_s << QStringList{badPhoto} << false;
        QTest::newRow("photo with slash")
            << u"Neu"_s << rum << 1 << u"a/b"_s << QStringList{badPhoto} << false;
        QTest::newRow("photo with dot")
            << u"Neu"_s << rum << 1 << u"a.bmp"_s << QStringList{badPhoto} << false;
        QTest::newRow("photo with umlaut")
            << u"Neu"_s << rum << 1 << u"Bär"_s
            << QStringList{QString(missingPhoto).replace(u"NIX"_s, u"BÄR"_s)} << true;
        QTest::newRow("unstorable character")
            << u"Łódź"_s << rum << 1 << QString()
            << QStringList{u"Das Zeichen \"Ł\" kann nicht gespeichert werden.\rBitte ersetzen Sie es."_s}
            << false;
    }
    void okChecks() {
        QFETCH(QString, name);
        QFETCH(Lines, lines);
        QFETCH(int, kat);
        QFETCH(QString, photo);
        QFETCH(QStringList, notices);
        QFETCH(bool, accepted);
        RecipeFixture f;
        QDir(f.t.path()).mkpath(u"EIGENE"_s);
        TestFiles::writeAll(f.t.path() + u"/EIGENE/wind.bmp"_s, "BM");
        f.t.addRecipe({.name = u"Mojito"_s, .lines = {{1, 4}}});
        f.t.addRecipe({.name = u"süßer äpfel"_s, .lines = {{1, 4}}});
        TestTables::deleteRecord(f.t.re(), f.t.addRecipe({.name = u"Zombie"_s, .lines = {{1, 4}}}));
        RecipeDraft d;
        d.name = name;
        d.lines = linesOf(lines);
        d.kat = kat;
        d.photo = photo;
        const RecipeChecks::Outcome out = RecipeChecks::run(f.sources, d, 0);
        QStringList shown;
        for (const Notice& n : out.notices) {
            QCOMPARE(n.caption, Notice::Caption::Hint);
            shown << n.text;
        }
        QCOMPARE(shown, notices.replaceInStrings(u"%1"_s, f.t.path()));
        QCOMPARE(out.accepted, accepted);
        QCOMPARE(d.name, name.trimmed());
    }

    void duplicateInEditMode() {
        RecipeFixture f;
        const int mojito = f.t.addRecipe({.name = u"Mojito"_s, .lines = {{1, 4}}});
        const int zombie = f.t.addRecipe({.name = u"Zombie"_s, .lines = {{1, 4}}});
        RecipeDraft d;
        d.name = u"mojito"_s;
        d.kat = 1;
        d.lines = linesOf({{RecipeFixture::Rum, 4}});
        f.t.re().Go(zombie);
        QVERIFY(RecipeChecks::run(f.sources, d, mojito).accepted); // its own name, in another case
        QVERIFY(!RecipeChecks::run(f.sources, d, zombie).accepted);
        QCOMPARE(f.t.re().RecNo(), zombie); // the scan puts the table back
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeWriter)
#include "tst_recipewriter.moc"
