#include "TestFiles.h"
#include "VeltaTest.h"
#include "exchange/DataFileCopy.h"

using namespace Qt::StringLiterals;

class TestDataFileCopy : public QObject {
    Q_OBJECT

private slots:
    void copiesBytesExactly_data() {
        QTest::addColumn<qint64>("size");
        QTest::newRow("empty") << qint64(0);
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("exactly one block") << DataFileCopy::kBlockSize;
        QTest::newRow("block and a byte") << DataFileCopy::kBlockSize + 1;
        QTest::newRow("several blocks") << 5 * DataFileCopy::kBlockSize - 7;
    }
    void copiesBytesExactly() {
        QFETCH(qint64, size);
        QTemporaryDir dir;
        QByteArray bytes(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            bytes[i] = char((i * 131 + 7) % 256);
        QVERIFY(TestFiles::writeAll(dir.filePath(u"a.dbf"_s), bytes));
        QVERIFY(TestFiles::writeAll(dir.filePath(u"b.dbf"_s), QByteArray(3 * DataFileCopy::kBlockSize, 'x')));
        QVERIFY(DataFileCopy::CopyDataFile(dir.filePath(u"a.dbf"_s), dir.filePath(u"b.dbf"_s)));
        QCOMPARE(TestFiles::readAll(dir.filePath(u"b.dbf"_s)), bytes); // a longer old file is cut
    }

    void sameNameCopiesNothing() {
        QTemporaryDir dir;
        QVERIFY(TestFiles::writeAll(dir.filePath(u"a.dbf"_s), "abc"));
        QVERIFY(DataFileCopy::CopyDataFile(dir.filePath(u"a.dbf"_s), dir.filePath(u"./a.dbf"_s)));
        QCOMPARE(TestFiles::readAll(dir.filePath(u"a.dbf"_s)), QByteArray("abc"));
    }

    void failures_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::newRow("missing source") << u"missing.dbf"_s << u"b.dbf"_s;
        QTest::newRow("destination folder missing") << u"a.dbf"_s << u"nofolder/b.dbf"_s;
        QTest::newRow("full device") << u"a.dbf"_s << u"/dev/full"_s;
    }
    void failures() {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QTemporaryDir dir;
        QVERIFY(TestFiles::writeAll(dir.filePath(u"a.dbf"_s), QByteArray(1000, 'a')));
        if (destination.startsWith(u'/') && !QFile::exists(destination))
            QSKIP("no full device here");
        QVERIFY(!DataFileCopy::CopyDataFile(dir.filePath(source), dir.filePath(destination)));
    }
};

VELTA_TEST_MAIN_CORE(TestDataFileCopy)
#include "tst_datafilecopy.moc"
