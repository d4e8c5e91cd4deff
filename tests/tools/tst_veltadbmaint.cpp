#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "store/DataFolderLock.h"

#include <QDate>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// The maintenance verbs of veltadb on a copy of the shipped data.
class TestVeltadbMaint : public QObject {
    Q_OBJECT

    using Run = VeltadbRun;

    std::unique_ptr<TempDataFolder> m_dir;

    QString data() const { return m_dir->path() + u"/DATEN"_s; }

    Run veltadb(const QStringList& args) const { return VeltadbRun::of(args); }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(TempDataFolder::copyWritable(QStringLiteral(VELTA_IMAGE_DATA_DIR), data()));
    }

    void addEditDelete() {
        const Run before = veltadb({u"recipe-list"_s, data()});
        QCOMPARE(before.code, 0);
        const QString total = before.out.section(u'\n', -2, -2);
        QVERIFY(total.startsWith(u"count: "_s));
        const int count = total.mid(7).toInt();

        Run add = veltadb({u"recipe-add"_s, data(), u"name=Aaa Probe"_s, u"zutat=12:4"_s, u"zutat=1"_s,
                           u"kategorie=Sour"_s, u"anleitung=Rühren."_s});
        QCOMPARE(add.code, 0);
        const int recNo = add.out.trimmed().mid(5).toInt();
        QCOMPARE(recNo, count + 1);
        QVERIFY(veltadb({u"recipe-list"_s, data()}).out.startsWith(u"%1\tAaa Probe\n"_s.arg(recNo)));

        const Run duplicate =
            veltadb({u"recipe-add"_s, data(), u"name=AAA PROBE"_s, u"zutat=12:4"_s, u"kategorie=Sour"_s});
        QCOMPARE(duplicate.code, 1);
        QVERIFY(duplicate.err.contains(u"Es existiert schon ein Getränk mit diesem Namen!"_s));

        QCOMPARE(veltadb({u"mark"_s, data() + u"/RE.DBF"_s, u"NAME = \"Aaa Probe\""_s}).code, 0);
        QCOMPARE(veltadb({u"recipe-edit"_s, data(), QString::number(recNo), u"name=Zzz Probe"_s}).code, 0);
        QVERIFY(veltadb({u"recipe-list"_s, data()}).out.contains(u"%1\tZzz Probe\n"_s.arg(recNo)));
        // An edit changes only the fields it names: the mark stays.
        QCOMPARE(veltadb({u"query"_s, data() + u"/RE.DBF"_s, u"MARK > 0"_s}).out,
                 u"%1\ncount: 1\n"_s.arg(recNo));
        const Run dump = veltadb({u"dump"_s, data() + u"/RE.DBF"_s});
        QVERIFY(dump.out.contains(u"ANLEITUNG = Rühren.\n"_s));

        QCOMPARE(veltadb({u"recipe-delete"_s, data(), QString::number(recNo)}).code, 0);
        QCOMPARE(veltadb({u"recipe-list"_s, data()}).out.section(u'\n', -2, -2), total);
        QCOMPARE(veltadb({u"recipe-delete"_s, data(), QString::number(recNo)}).code, 1);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown field")
            << QStringList{u"recipe-add"_s, u"name=X"_s, u"farbe=rot"_s} << 2 << u"Aufruf"_s;
        QTest::newRow("no record number")
            << QStringList{u"recipe-edit"_s, u"x"_s} << 2 << u"„x“ ist keine Nummer"_s;
        QTest::newRow("no liquid") << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=1"_s,
                                                  u"kategorie=Sour"_s}
                                   << 1 << u"flüssige Zutat"_s;
        QTest::newRow("no category") << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=12:4"_s} << 1
                                     << u"Bitte wählen Sie eine Kategorie aus."_s;
        QTest::newRow("unknown category")
            << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=12:4"_s, u"kategorie=Nix"_s} << 1
            << u"Die Kategorie \"Nix\" gibt es nicht."_s;
        // Numbers are read strictly: nothing is taken for something else, and nothing is written.
        const auto amount = [](const QString& line) {
            return QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat="_s + line, u"kategorie=Sour"_s};
        };
        QTest::newRow("amount zero") << amount(u"12:0"_s) << 2
                                     << u"Die Menge „0“ ist keine ganze Zahl von 1 bis 9999."_s;
        QTest::newRow("amount with a decimal comma") << amount(u"12:1,5"_s) << 2 << u"Die Menge „1,5“"_s;
        QTest::newRow("amount with a point") << amount(u"12:4.5"_s) << 2 << u"Die Menge „4.5“"_s;
        QTest::newRow("amount negative") << amount(u"12:-3"_s) << 2 << u"Die Menge „-3“"_s;
        QTest::newRow("amount too large") << amount(u"12:12345678"_s) << 2 << u"Die Menge „12345678“"_s;
        QTest::newRow("amount missing") << amount(u"12"_s) << 2 << u"die Menge fehlt"_s;
        QTest::newRow("ingredient number letters") << amount(u"1x:4"_s) << 2 << u"Die Zutatennummer „1x“"_s;
        const auto alcohol = [](const QString& value) {
            return QStringList{u"ingredient-add"_s, u"name=Probe"_s, u"alkohol="_s + value};
        };
        QTest::newRow("alcohol with a point") << alcohol(u"4.5"_s) << 2 << u"Der Alkoholgehalt „4.5“"_s;
        QTest::newRow("alcohol negative") << alcohol(u"-3"_s) << 2 << u"Der Alkoholgehalt „-3“"_s;
        QTest::newRow("alcohol letters") << alcohol(u"abc"_s) << 2 << u"Der Alkoholgehalt „abc“"_s;
        QTest::newRow("alcohol letter O") << alcohol(u"4O"_s) << 2 << u"Der Alkoholgehalt „4O“"_s;
        QTest::newRow("alcohol too large")
            << alcohol(u"12345678"_s) << 2 << u"ist keine ganze Zahl von 0 bis 99."_s;
        QTest::newRow("list number with a sign")
            << QStringList{u"category-delete"_s, u"+3"_s} << 2 << u"„+3“ ist keine Nummer"_s;
        QTest::newRow("six stars") << QStringList{u"bewertung"_s, u"5"_s, u"6"_s} << 2
                                   << u"Die Zahl der Sterne „6“ ist keine ganze Zahl von 0 bis 5."_s;
        QTest::newRow("no glasses") << QStringList{u"gemixt"_s, u"5"_s, u"0"_s} << 2
                                    << u"Die Zahl der Gläser „0“"_s;
        QTest::newRow("stars without a drink") << QStringList{u"bewertung"_s} << 2 << u"Aufruf"_s;
        QTest::newRow("stars of no drink")
            << QStringList{u"bewertung"_s, u"99999"_s, u"3"_s} << 1 << u"Den Satz 99999 gibt es nicht."_s;
        QTest::newRow("note too long")
            << QStringList{u"notiz"_s, u"5"_s, QString(2001, u'x')} << 1 << u"höchstens 2000 Zeichen"_s;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        args.insert(1, data());
        QHash<QString, QByteArray> before;
        for (const QString& name : QDir(data()).entryList(QDir::Files))
            before.insert(name, TestFiles::readAll(data() + u'/' + name));
        const Run run = veltadb(args);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(TestFiles::readAll(data() + u'/' + it.key()) == it.value(), qPrintable(it.key()));
    }

    void ingredientFollowedByItsRecipes() {
        const Run add =
            veltadb({u"ingredient-add"_s, data(), u"name=Hausrum"_s, u"alkohol=40"_s, u"einheit=cl"_s});
        QCOMPARE(add.code, 0);
        QCOMPARE(add.out, u"Zutat 400\n"_s);
        const Run recipe = veltadb({u"recipe-add"_s, data(), u"name=Hausdrink"_s, u"zutat=400:4"_s,
                                    u"zutat=32:4"_s, u"kategorie=Sour"_s});
        QCOMPARE(recipe.code, 0);
        const QString recNo = recipe.out.trimmed().mid(5);
        const Run edit = veltadb({u"ingredient-edit"_s, data(), u"400"_s, u"alkohol=38"_s});
        QCOMPARE(edit.code, 0);
        QVERIFY(edit.err.contains(u"1 Getränke benötigen diese Zutat."_s));
        QVERIFY(veltadb({u"query"_s, data() + u"/RE.DBF"_s, u"ALK = 19 .AND. NAME = \"Hausdrink\""_s})
                    .out.startsWith(recNo + u'\n'));
        const Run used = veltadb({u"ingredient-delete"_s, data(), u"400"_s});
        QCOMPARE(used.code, 1);
        QVERIFY(used.err.contains(u"da noch 1 Getränke diese Zutat verwenden."_s));
        QCOMPARE(veltadb({u"recipe-delete"_s, data(), recNo}).code, 0);
        QCOMPARE(veltadb({u"ingredient-delete"_s, data(), u"400"_s}).code, 0);
        // The deleted number is never given again: the recipe it was in cannot come back under it.
        QCOMPARE(veltadb({u"ingredient-add"_s, data(), u"name=Hausrum 2"_s}).out, u"Zutat 401\n"_s);
        QCOMPARE(veltadb({u"ingredient-delete"_s, data(), u"12"_s}).code, 1);
    }

    void classificationsKeepTheirNumbers() {
        const Run last = veltadb({u"category-add"_s, data(), u"Neue Kategorie"_s});
        QCOMPARE(last.code, 0);
        const QString number = last.out.trimmed();
        QCOMPARE(veltadb({u"category-add"_s, data(), u"neue kategorie"_s}).code, 1);
        QCOMPARE(veltadb({u"category-delete"_s, data(), number}).code, 0);
        QVERIFY(TestFiles::readAll(data() + u"/VE.DAT"_s).contains("\r\n~\r\n@@@-MORVA-@@@"));
        QCOMPARE(veltadb({u"category-add"_s, data(), u"Wieder da"_s}).out.trimmed(), number);
        QCOMPARE(veltadb({u"category-delete"_s, data(), u"1"_s}).code, 1); // used by recipes

        const Run deco = veltadb({u"decoration-add"_s, data(), u"Gurke"_s, u"Eine Scheibe"_s});
        QCOMPARE(deco.code, 0);
        QCOMPARE(veltadb({u"decoration-delete"_s, data(), deco.out.trimmed()}).code, 0);
        QCOMPARE(veltadb({u"decoration-add"_s, data(), u"Melone"_s}).out, deco.out);
    }

    void readOnlyData() {
        QFile::setPermissions(data() + u"/VE.DAT"_s, QFile::ReadOwner);
        const Run run = veltadb({u"recipe-delete"_s, data(), u"1"_s});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(u"schreibgeschützt"_s));
        QCOMPARE(veltadb({u"recipe-list"_s, data()}).code, 0);
        const Run stars = veltadb({u"bewertung"_s, data(), u"1"_s, u"3"_s});
        QCOMPARE(stars.code, 1);
        QVERIFY(stars.err.contains(u"schreibgeschützt"_s));
        QVERIFY(!QFile::exists(data() + u"/MEINE.TXT"_s));
        QCOMPARE(veltadb({u"bewertung"_s, data(), u"1"_s}).code, 0);
    }

    // Stars, note and journal from the command line, kept in MEINE.TXT through a rename and dropped
    // with the drink.
    void myDrinks() {
        const Run add =
            veltadb({u"recipe-add"_s, data(), u"name=Aaa Probe"_s, u"zutat=12:4"_s, u"kategorie=Sour"_s});
        const QString recNo = add.out.trimmed().mid(5);
        QCOMPARE(veltadb({u"bewertung"_s, data(), recNo}).out, u"%1\t0\tAaa Probe\n"_s.arg(recNo));
        QCOMPARE(veltadb({u"bewertung"_s, data(), recNo, u"4"_s}).out, u"%1\t4\tAaa Probe\n"_s.arg(recNo));
        QCOMPARE(veltadb({u"notiz"_s, data(), recNo, u"Mehr Limette.\nNächstes Mal mit Minze."_s}).code, 0);
        QCOMPARE(veltadb({u"notiz"_s, data(), recNo}).out, u"Mehr Limette.\nNächstes Mal mit Minze.\n"_s);
        const QString today = QDate::currentDate().toString(u"yyyy-MM-dd"_s);
        QCOMPARE(veltadb({u"gemixt"_s, data(), recNo, u"2"_s}).out,
                 u"%1\t%2\t2\tAaa Probe\n"_s.arg(today, recNo));
        QCOMPARE(veltadb({u"gemixt"_s, data(), u"5"_s}).code, 0);
        {
            // While the program holds the folder, the writing calls are refused and the reading go on.
            DataFolderLock program;
            QVERIFY(program.acquire(data()));
            const QByteArray held = TestFiles::readAll(data() + u"/MEINE.TXT"_s);
            const Run refused = veltadb({u"gemixt"_s, data(), u"5"_s});
            QCOMPARE(refused.code, 1);
            QVERIFY2(refused.err.contains(u"gerade von Velta Cocktails 98 oder von veltadb benutzt"_s),
                     qPrintable(refused.err));
            QCOMPARE(veltadb({u"notiz"_s, data(), recNo, u"Neu"_s}).code, 1);
            QCOMPARE(TestFiles::readAll(data() + u"/MEINE.TXT"_s), held);
            QCOMPARE(veltadb({u"bewertung"_s, data(), recNo}).code, 0);
            QCOMPARE(veltadb({u"journal"_s, data()}).code, 0);
        }

        QCOMPARE(veltadb({u"recipe-edit"_s, data(), recNo, u"name=Zzz Probe"_s}).code, 0);
        QCOMPARE(veltadb({u"bewertung"_s, data(), recNo}).out, u"%1\t4\tZzz Probe\n"_s.arg(recNo));
        const Run journal = veltadb({u"journal"_s, data()});
        QCOMPARE(journal.code, 0);
        QVERIFY2(journal.out.contains(u"%1\t%2\t2\tZzz Probe\n"_s.arg(today, recNo)),
                 qPrintable(journal.out));
        QCOMPARE(journal.out.count(u'\n'), 2);

        QCOMPARE(veltadb({u"recipe-delete"_s, data(), recNo}).code, 0);
        QVERIFY(!veltadb({u"journal"_s, data()}).out.contains(u"Probe"_s));
        QCOMPARE(veltadb({u"bewertung"_s, data(), recNo}).code, 1);
        // The next change writes the file without the deleted drink.
        QCOMPARE(veltadb({u"bewertung"_s, data(), u"5"_s, u"1"_s}).code, 0);
        QVERIFY(!TestFiles::readAll(data() + u"/MEINE.TXT"_s).contains("Probe"));

        // A damaged file is said, set aside and not overwritten.
        QFile damaged(data() + u"/MEINE.TXT"_s);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Append));
        damaged.write("Unsinn\r\n");
        damaged.close();
        const QByteArray bad = TestFiles::readAll(data() + u"/MEINE.TXT"_s);
        const Run check = veltadb({u"check"_s, data()});
        QCOMPARE(check.code, 1);
        QVERIFY2(check.out.contains(u"MEINE.TXT, Zeile "_s), qPrintable(check.out));
        QCOMPARE(TestFiles::readAll(data() + u"/MEINE.TXT"_s), bad);
        const Run read = veltadb({u"journal"_s, data()});
        QCOMPARE(read.code, 0);
        QVERIFY2(read.err.contains(u"beschädigt"_s), qPrintable(read.err));
        QCOMPARE(TestFiles::readAll(data() + u"/MEINE.TXT"_s), bad);
        const Run rate = veltadb({u"bewertung"_s, data(), u"5"_s, u"3"_s});
        QCOMPARE(rate.code, 0);
        QVERIFY(rate.err.contains(u"beiseitegelegt"_s));
        QCOMPARE(TestFiles::readAll(data() + u"/MEINE.TXT.beschaedigt"_s), bad);
        QVERIFY(TestFiles::readAll(data() + u"/MEINE.TXT"_s).contains("Sterne=3"));
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbMaint)
#include "tst_veltadbmaint.moc"
