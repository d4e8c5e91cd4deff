#include "JsonLdChecker.h"
#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// `veltadb json`, `veltadb json-import` and `veltadb csv` on a copy of the shipped data: output, files,
// error texts and exit codes as the README states them.
class TestVeltadbJson : public QObject {
    Q_OBJECT

    using Run = VeltadbRun;

    std::unique_ptr<QTemporaryDir> m_dir;

    QString data() const { return m_dir->filePath(u"DATEN"_s); }
    QString file(const QString& name) const { return m_dir->filePath(name); }

    static Run veltadb(const QStringList& args) { return VeltadbRun::of(args); }

    QByteArray tables() const {
        QByteArray bytes;
        for (const char* name : {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT"})
            bytes += TestFiles::readAll(QDir(data()).filePath(QString::fromLatin1(name)));
        return bytes;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(ShippedDataCopy::make(data()));
    }

    void exportsChosenRecordsInOrder() {
        const Run run = veltadb({u"json"_s, data(), file(u"zwei.json"_s), u"3"_s, u"1"_s});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"2 Rezepte exportiert.\n"_s);
        const QJsonArray recipes = QJsonDocument::fromJson(TestFiles::readAll(file(u"zwei.json"_s))).array();
        QCOMPARE(recipes.size(), 2);
        QCOMPARE(recipes.at(0)[u"name"_s].toString(), u"Bloody Mary"_s);
        QCOMPARE(recipes.at(1)[u"name"_s].toString(), u"Bellini"_s);
    }

    // Exported and imported again, the recipes arrive under new names; a broken file is refused
    // with its message and exit code 1, and the tables stay as they were.
    void importsNewRecipesOrNothing() {
        QCOMPARE(veltadb({u"json"_s, data(), file(u"eins.json"_s), u"1"_s}).code, 0);
        const Run done = veltadb({u"json-import"_s, data(), file(u"eins.json"_s)});
        QCOMPARE(done.code, 0);
        QCOMPARE(done.out, u"1 Rezept importiert.\n"_s);
        QVERIFY(veltadb({u"recipe-list"_s, data()}).out.contains(u"\tBellini (Import)\n"_s));

        QVERIFY(TestFiles::writeAll(file(u"kaputt.json"_s), "{\"@type\": \"Recipe\", \"name\": \"X\"}"));
        const QByteArray before = tables();
        const Run refused = veltadb({u"json-import"_s, data(), file(u"kaputt.json"_s)});
        QCOMPARE(refused.code, 1);
        QCOMPARE(refused.err,
                 u"Rezept 1 („X“), Eigenschaft „recipeIngredient“: Das Rezept hat keine Zutaten.\n"_s);
        QCOMPARE(tables(), before);
    }

    // The photos of the chosen drinks go beside the file as PNG, or with --bilder-einbetten into it;
    // either way the file passes the strict checker.
    void exportsPictures_data() {
        QTest::addColumn<bool>("embed");
        QTest::newRow("beside") << false;
        QTest::newRow("embedded") << true;
    }
    void exportsPictures() {
        QFETCH(bool, embed);
        for (const char* photo : {"1.BMP", "3.BMP"}) {
            QDir().mkpath(m_dir->filePath(u"BILDER/00"_s));
            QVERIFY(QFile::copy(QStringLiteral(VELTA_IMAGE_DIR "/BILDER/00/") + QString::fromLatin1(photo),
                                m_dir->filePath(u"BILDER/00/"_s + QString::fromLatin1(photo))));
        }
        QStringList args = {u"json"_s, data(), file(u"Rezepte.json"_s), u"1"_s, u"3"_s, u"2"_s};
        if (embed)
            args.insert(3, u"--bilder-einbetten"_s);
        const Run run = veltadb(args);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"3 Rezepte exportiert.\n"_s);
        QCOMPARE(JsonLdChecker::checkFile(file(u"Rezepte.json"_s)), QStringList());
        const QJsonArray recipes =
            QJsonDocument::fromJson(TestFiles::readAll(file(u"Rezepte.json"_s))).array();
        for (const int i : {0, 1})
            QCOMPARE(recipes.at(i)[u"image"_s].toString().startsWith(u"data:image/png;base64,"_s), embed);
        if (!embed)
            QCOMPARE(recipes.at(1)[u"image"_s].toString(), u"Rezepte-Bilder/3.png"_s);
        QVERIFY(!recipes.at(2).toObject().contains(u"image"_s)); // its photo is not there
        QCOMPARE(QDir(file(u"Rezepte-Bilder"_s)).entryList(QDir::Files),
                 embed ? QStringList() : strings({"1.png", "3.png"}));
    }

    // A page of a recipe site: amounts converted, ingredients found by their English names, the new
    // ones and the category fallback named.
    void importsARecipeSitePage() {
        QVERIFY(QFile::copy(QStringLiteral(VELTA_TEST_DATA_DIR "/webrecipes/02-liste-en.json"),
                            file(u"web.json"_s)));
        const Run run = veltadb({u"json-import"_s, data(), file(u"web.json"_s)});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 u"3 Rezepte importiert.\n1 Zutat wurde neu angelegt (Alkoholgehalt 0 %): Orange peel\n"
                 u"Kategorie „Drinks“ gibt es nicht: 1 Rezept unter „Shortdrink“ eingeordnet.\n"_s);
        QVERIFY(veltadb({u"recipe-list"_s, data()}).out.contains(u"\tTommy's Margarita (Import)\n"_s));
    }

    // An ingredient written under one of its other names in ALIAS.TXT is found, not created anew.
    void importFindsIngredientsByTheirOtherNames() {
        QVERIFY(QFile::copy(QStringLiteral(VELTA_IMAGE_DIR "/DATEN/ALIAS.TXT"),
                            QDir(data()).filePath(u"ALIAS.TXT"_s)));
        QFile json(file(u"alias.json"_s));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(
            "{\"@context\": \"https://schema.org\", \"@type\": \"Recipe\", \"name\": \"Limonen-Probe\", "
            "\"recipeCategory\": \"Shortdrink\", \"recipeIngredient\": [\"4 cl Weißer Rum\", "
            "\"2 cl Limonensaft\"], \"recipeInstructions\": \"Schütteln.\"}");
        json.close();
        const Run run = veltadb({u"json-import"_s, data(), file(u"alias.json"_s)});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"1 Rezept importiert.\n"_s);
    }

    // The recipe list as CSV: UTF-8 with a byte order mark, a header, one line per drink in the order
    // of the list, CR LF.
    void csvOfTheRecipeList() {
        const Run run = veltadb({u"csv"_s, data(), file(u"liste.csv"_s)});
        QCOMPARE(run.code, 0);
        const QStringList listed = veltadb({u"recipe-list"_s, data()}).out.split(u'\n', Qt::SkipEmptyParts);
        const int count = int(listed.size()) - 1; // without "count: N"
        QCOMPARE(run.out, u"%1 Rezepte in die CSV-Datei geschrieben.\n"_s.arg(count));
        const QByteArray bytes = TestFiles::readAll(file(u"liste.csv"_s));
        QVERIFY(
            bytes.startsWith("\xEF\xBB\xBFName,Kategorie,Geschmack,Dekoration,Alkoholgehalt (%),Menge (cl),"
                             "Zutaten,Anleitung,Bemerkung\r\n"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), count + 2);
        QVERIFY(lines.last().isEmpty());
        QVERIFY(lines.at(1).startsWith(listed.first().section(u'\t', 1)));
        const auto bellini = std::find_if(lines.cbegin(), lines.cend(),
                                          [](const QString& line) { return line.startsWith(u"Bellini,"_s); });
        QVERIFY(bellini != lines.cend());
        QVERIFY2(bellini->startsWith(
                     u"Bellini,Champagnercocktail,fruchtig,,7,15,5 cl Pfirsichpüree; 10 cl Prosecco,"_s),
                 qPrintable(*bellini));
    }

    // A write that fails (a full disk) leaves the file that was there as it was, and says so; the
    // pictures of a JSON file are written before the file itself.
    void failingWritesKeepTheOldFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("csv") << strings({"csv", "DATEN", "ziel"});
        QTest::newRow("json with pictures") << strings({"json", "DATEN", "ziel", "1", "3"});
    }
    void failingWritesKeepTheOldFile() {
        QFETCH(QStringList, args);
        for (const char* photo : {"1.BMP", "3.BMP"}) {
            QDir().mkpath(m_dir->filePath(u"BILDER/00"_s));
            QVERIFY(QFile::copy(QStringLiteral(VELTA_IMAGE_DIR "/BILDER/00/") + QString::fromLatin1(photo),
                                m_dir->filePath(u"BILDER/00/"_s + QString::fromLatin1(photo))));
        }
        args.replace(1, data());
        args.replace(2, file(u"ziel"_s));
        QVERIFY(TestFiles::writeAll(file(u"ziel"_s), "alt"));
        int failures = 0;
        for (int n = 0;; ++n) {
            QVERIFY(n < 60);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"VELTA_TEST_FAIL_WRITES_AFTER"_s, QString::number(n));
            const Run run = VeltadbRun::of(args, 30000, env);
            if (run.code == 0)
                break;
            ++failures;
            QCOMPARE(run.code, 1);
            QVERIFY2(run.err.startsWith(u"veltadb: Die Datei konnte nicht gespeichert werden:"_s),
                     qPrintable(run.err));
            QCOMPARE(TestFiles::readAll(file(u"ziel"_s)), QByteArray("alt"));
            for (const QString& name : QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(name == u"ziel"_s, qPrintable(name)); // no temporary file left
        }
        QVERIFY(failures >= 3);
        QVERIFY(TestFiles::readAll(file(u"ziel"_s)) != "alt");
    }

    void readOnlyDataRefused() {
        QCOMPARE(veltadb({u"json"_s, data(), file(u"eins.json"_s), u"1"_s}).code, 0);
        QFile::setPermissions(QDir(data()).filePath(u"VE.DAT"_s), QFile::ReadOwner);
        const QByteArray before = tables();
        const Run run = veltadb({u"json-import"_s, data(), file(u"eins.json"_s)});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.startsWith(u"Diese Funktion ist gespert"_s));
        QCOMPARE(tables(), before);
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("export without file") << strings({"json", "DATEN"}) << u"Aufruf: veltadb json"_s;
        QTest::newRow("import with extra argument")
            << strings({"json-import", "DATEN", "a.json", "3"}) << u"Aufruf: veltadb json-import"_s;
        QTest::newRow("missing folder") << strings({"json", "fehlt", "a.json"}) << u"Der Datenordner"_s;
        QTest::newRow("record number not a number")
            << strings({"json", "DATEN", "a.json", "x"}) << u"Kein Rezept mit der Satznummer x."_s;
        QTest::newRow("record number beyond the table")
            << strings({"json", "DATEN", "a.json", "99999"}) << u"Kein Rezept mit der Satznummer 99999."_s;
        QTest::newRow("missing import file")
            << strings({"json-import", "DATEN", "fehlt.json"}) << u"Die Datei "_s;
        QTest::newRow("csv without file")
            << strings({"csv", "DATEN"}) << u"Aufruf: veltadb csv ORDNER DATEI"_s;
        QTest::newRow("csv, missing folder") << strings({"csv", "fehlt", "a.json"}) << u"Der Datenordner"_s;
    }
    void badArguments() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        for (QString& arg : args)
            if (arg == u"DATEN"_s || arg.endsWith(u".json"_s) || arg == u"fehlt"_s)
                arg = m_dir->filePath(arg);
        const Run run = veltadb(args);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(file(u"a.json"_s)));
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbJson)
#include "tst_veltadbjson.moc"
