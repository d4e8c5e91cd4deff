#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "store/IniFile.h"

#include <QFile>

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void readsValuesRaw_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backslashes kept") << "VERZEICHNISSE"
                                          << "PROGRAMM"
                                          << "C:\\VELTA98\\";
        QTest::newRow("keys ignore case") << "verzeichnisse"
                                          << "bilder"
                                          << "D:\\";
        QTest::newRow("umlaut in value") << "Verzeichnisse"
                                         << "SOUND"
                                         << "C:\\Getränke\\";
        QTest::newRow("missing key gives fallback") << "VERZEICHNISSE"
                                                    << "CD"
                                                    << "C:\\xxx";
        QTest::newRow("comment line ignored") << "VERZEICHNISSE"
                                              << ";KOMMENTAR"
                                              << "C:\\xxx";
    }
    void readsValuesRaw() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        IniFile ini;
        ini.parse(QByteArray("; Velta\r\n[Verzeichnisse]\r\nPROGRAMM=C:\\VELTA98\\\r\n"
                             "Bilder = D:\\\r\nsound=C:\\Getr\xE4nke\\\r\n;KOMMENTAR=x\r\n"));
        QCOMPARE(ini.value(section, key, QStringLiteral("C:\\xxx")), expected);
    }

    void savedFileReadsBack() {
        TempDataFolder dir;
        IniFile ini;
        ini.setValue(QStringLiteral("VERZEICHNISSE"), QStringLiteral("PROGRAMM"),
                     QStringLiteral("/home/ä/velta/"));
        ini.setValue(QStringLiteral("verzeichnisse"), QStringLiteral("programm"),
                     QStringLiteral("/opt/velta/"));
        ini.setValue(QStringLiteral("VERZEICHNISSE"), QStringLiteral("CD"), QStringLiteral("/media/cd/"));
        const QString path = dir.filePath(QStringLiteral("VELTA98.INI"));
        QVERIFY(ini.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[VERZEICHNISSE]\r\nPROGRAMM=/opt/velta/\r\nCD=/media/cd/\r\n"));
        IniFile back;
        QVERIFY(back.load(path));
        QCOMPARE(back.value(QStringLiteral("VERZEICHNISSE"), QStringLiteral("CD")),
                 QStringLiteral("/media/cd/"));
        QVERIFY(!IniFile().load(dir.filePath(QStringLiteral("missing.ini"))));
    }

    // Folder names read back exactly: in Windows-1252 where it can hold them, else as marked UTF-8.
    void foldersOfAnyNameReadBack_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("startsWith");
        QTest::newRow("umlaut: Windows-1252") << QStringLiteral("/home/Jürgen/velta/") << QByteArray("[VERZ");
        QTest::newRow("Polish name: UTF-8")
            << QStringLiteral("/home/Łukasz/velta/") << QByteArray("\xEF\xBB\xBF[");
        QTest::newRow("Greek and umlaut")
            << QStringLiteral("/home/Δημήτρης/Müller/") << QByteArray("\xEF\xBB\xBF[");
    }
    void foldersOfAnyNameReadBack() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, startsWith);
        TempDataFolder dir;
        const QString path = dir.filePath(QStringLiteral("VELTA98.INI"));
        IniFile ini;
        ini.setValue(QStringLiteral("VERZEICHNISSE"), QStringLiteral("PROGRAMM"), folder);
        QVERIFY(ini.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(startsWith));
        IniFile back;
        QVERIFY(back.load(path));
        QCOMPARE(back.value(QStringLiteral("VERZEICHNISSE"), QStringLiteral("PROGRAMM")), folder);
    }
};

VELTA_TEST_MAIN_CORE(TestIniFile)
#include "tst_inifile.moc"
