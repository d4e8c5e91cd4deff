#include "TempDataFolder.h"
#include "VeltaTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace Qt::StringLiterals;

// The recipe verbs of veltadb on a copy of the shipped data.
class TestVeltadbRecipes : public QObject {
    Q_OBJECT

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };

    std::unique_ptr<TempDataFolder> m_dir;

    QString data() const { return m_dir->path() + u"/DATEN"_s; }

    Run veltadb(const QStringList& args) const {
        QProcess p;
        p.start(QStringLiteral(VELTADB_PATH), args);
        p.waitForFinished(30000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(TempDataFolder::copyFolder(QStringLiteral(VELTA_IMAGE_DATA_DIR), data()));
        for (const QString& f : QDir(data()).entryList(QDir::Files))
            QFile::setPermissions(data() + u'/' + f, QFile::ReadOwner | QFile::WriteOwner);
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

        QCOMPARE(veltadb({u"recipe-edit"_s, data(), QString::number(recNo), u"name=Zzz Probe"_s}).code, 0);
        QVERIFY(veltadb({u"recipe-list"_s, data()}).out.contains(u"%1\tZzz Probe\n"_s.arg(recNo)));
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
        QTest::newRow("no record number") << QStringList{u"recipe-edit"_s, u"x"_s} << 2 << u"Aufruf"_s;
        QTest::newRow("no liquid") << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=1"_s,
                                                  u"kategorie=Sour"_s}
                                   << 1 << u"flüssige Zutat"_s;
        QTest::newRow("no category") << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=12:4"_s} << 1
                                     << u"Bitte wählen Sie eine Kategorie aus."_s;
        QTest::newRow("unknown category")
            << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=12:4"_s, u"kategorie=Nix"_s} << 1
            << u"Die Kategorie \"Nix\" gibt es nicht."_s;
        QTest::newRow("amount zero") << QStringList{u"recipe-add"_s, u"name=X"_s, u"zutat=12:0"_s} << 1
                                     << u"Mehr als 9999 cl können nicht eingegeben werden"_s;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        args.insert(1, data());
        const Run run = veltadb(args);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void readOnlyData() {
        QFile::setPermissions(data() + u"/VE.DAT"_s, QFile::ReadOwner);
        const Run run = veltadb({u"recipe-delete"_s, data(), u"1"_s});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(u"schreibgeschützt"_s));
        QCOMPARE(veltadb({u"recipe-list"_s, data()}).code, 0);
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbRecipes)
#include "tst_veltadbrecipes.moc"
