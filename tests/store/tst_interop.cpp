#include "FixtureTables.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/LittleEndian.h"

#include <QFile>
#include <QProcess>

// Tables written by the store as other xBase readers see them.
class TestInterop : public QObject {
    Q_OBJECT

private slots:
    void dbtTableReadsBackInDbfread() {
        TempDataFolder dir;
        const QString path = FixtureTables::createTruthTable(dir.path(), 0x83);
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(VELTA_INTEROP_DIR "/read_with_dbfread.py"), path});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QStringList lines =
            QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        const QStringList expected = {
            QStringLiteral("Caipirinha|e|   42    7|3|25|1|3321|True|'Anleitung für Caipirinha'"),
            QStringLiteral("Mojito|517|    7   42|3|12|0|1111|False|'Anleitung für Mojito'"),
            QStringLiteral("Ärger|1234|  142  305|2|0|1|0|True|'Anleitung für Ärger'"),
            QStringLiteral("Ohne|ex|   12|3|5|1|3321|True|'Anleitung für Ohne'")};
        QCOMPARE(lines, expected);
        const QByteArray dbf = TestFiles::readAll(path);
        QCOMPARE(quint8(dbf[0]), quint8(0x83));
        const QByteArray dbt = TestFiles::readAll(dir.filePath(QStringLiteral("TT.DBT")));
        QCOMPARE(le::u32(dbt, 0), quint32(1 + 5)); // five one-block memos after the header block
    }

    // The SMT layout byte by byte: header, field descriptors, 10-byte binary memo references.
    void smtLayoutIsThePublicOne() {
        TempDataFolder dir;
        const QString path = FixtureTables::createTruthTable(dir.path(), 0xE5);
        const QByteArray dbf = TestFiles::readAll(path);
        QCOMPARE(quint8(dbf[0]), quint8(0xE5));
        QCOMPARE(le::u32(dbf, 4), quint32(5));
        const int headerLength = le::u16(dbf, 8);
        const int recordLength = le::u16(dbf, 10);
        QCOMPARE(headerLength, 32 + 10 * 32 + 1);
        QCOMPARE(recordLength, 1 + 30 + 5 + 100 + 100 + 3 + 3 + 1 + 4 + 1 + 10);
        QCOMPARE(dbf.at(headerLength - 1), '\x0D');
        QCOMPARE(quint8(dbf[29]), quint8(0x57));
        QCOMPARE(dbf.mid(32 + 9 * 32, 11), QByteArray("ANLEITUNG\0\0", 11));
        QCOMPARE(dbf.at(32 + 9 * 32 + 11), 'M');
        QCOMPARE(int(dbf.at(32 + 9 * 32 + 16)), 10);
        QCOMPARE(dbf.size(), headerLength + 5 * recordLength + 1);
        QCOMPARE(dbf.at(dbf.size() - 1), '\x1A');
        QCOMPARE(dbf.at(headerLength + 3 * recordLength), '*'); // record 4 is deleted

        const QByteArray smt = TestFiles::readAll(dir.filePath(QStringLiteral("TT.SMT")));
        QCOMPARE(le::u32(smt, 4), quint32(64));
        QCOMPARE(smt.mid(8, 8), QByteArray("SIxMemo\0", 8));
        QCOMPARE(le::u32(smt, 0), quint32(smt.size() / 64));
        for (int r = 0; r < 5; ++r) {
            const QByteArray ref = dbf.mid(headerLength + r * recordLength + recordLength - 10, 10);
            QCOMPARE(le::u16(ref, 0), quint16(1));
            const quint32 length = le::u32(ref, 2);
            const quint32 block = le::u32(ref, 6);
            QCOMPARE(block, quint32(8 + r)); // 512-byte header = blocks 0..7
            QVERIFY(smt.mid(qsizetype(block) * 64, length).startsWith("Anleitung f\xFCr "));
        }
    }
};

VELTA_TEST_MAIN_CORE(TestInterop)
#include "tst_interop.moc"
