#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// `veltadb json` and `veltadb json-import` on a copy of the shipped data: output, error texts and
// exit codes as the README states them.
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
