#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"
#include "store/SavedSearches.h"

#include <QFile>

class TestSettingsFiles : public QObject {
    Q_OBJECT

private slots:
    void listsFileLoading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QStringList>("tastes");
        QTest::newRow("first line never examined")
            << QByteArray("@@@-MORVA-@@@\r\nSour\r\n@@@-MORVA-@@@\r\ns\xFC\xDF\r\n")
            << QStringList{QStringLiteral("Sour")} << QStringList{QStringLiteral("süß")};
        QTest::newRow("spaces stripped, blank line kept")
            << QByteArray("x\r\n  Tiki  \r\n   \r\nFizz\r\n")
            << QStringList{QStringLiteral("Tiki"), QString(), QStringLiteral("Fizz")} << QStringList{};
        QTest::newRow("no marker: all categories")
            << QByteArray("x\r\nA\r\nB") << QStringList{QStringLiteral("A"), QStringLiteral("B")}
            << QStringList{};
        QTest::newRow("marker is case-sensitive")
            << QByteArray("x\r\nA\r\n@@@-morva-@@@\r\nB\r\n")
            << QStringList{QStringLiteral("A"), QStringLiteral("@@@-morva-@@@"), QStringLiteral("B")}
            << QStringList{};
        QTest::newRow("free slot") << QByteArray("x\r\n~\r\n@@@-MORVA-@@@\r\n~\r\nherb\r\n")
                                   << QStringList{QStringLiteral("~")}
                                   << QStringList{QStringLiteral("~"), QStringLiteral("herb")};
        QTest::newRow("LF line ends") << QByteArray("x\nA\n@@@-MORVA-@@@\nB\n")
                                      << QStringList{QStringLiteral("A")} << QStringList{QStringLiteral("B")};
        QTest::newRow("long line cut to 255") << QByteArray("x\r\n") + QByteArray(300, 'a') + "\r\n"
                                              << QStringList{QString(255, QLatin1Char('a'))} << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    }
    void listsFileLoading() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, categories);
        QFETCH(QStringList, tastes);
        QStringList c;
        QStringList t;
        ListsFile::parse(file, &c, &t);
        QCOMPARE(c, categories);
        QCOMPARE(t, tastes);
    }

    void listsFileRoundTripIsByteExact() {
        TempDataFolder dir;
        const QString path = dir.filePath(QStringLiteral("VE.DAT"));
        const QStringList categories = {QStringLiteral("Aperitif"), QStringLiteral("~"),
                                        QStringLiteral("Heißgetränk")};
        const QStringList tastes = {QStringLiteral("süß"), QString()};
        QVERIFY(ListsFile::save(path, categories, tastes));
        const QByteArray bytes = TestFiles::readAll(path);
        QCOMPARE(bytes,
                 QByteArray(">>>>>>>>  BITTE \xC4NDERN SIE DIESE LISTE NICHT PER HAND!  <<<<<<<<<\r\n"
                            "Aperitif\r\n~\r\nHei\xDFgetr\xE4nk\r\n@@@-MORVA-@@@\r\ns\xFC\xDF\r\n\r\n"));
        QStringList c;
        QStringList t;
        ListsFile::load(path, &c, &t);
        QCOMPARE(c, categories);
        QCOMPARE(t, tastes);
        QCOMPARE(ListsFile::serialize(c, t), bytes);
        c.clear();
        ListsFile::load(dir.filePath(QStringLiteral("fehlt.dat")), &c, &t);
        QVERIFY(c.isEmpty());
    }

    void optionDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QByteArray good = OptionsRecord().bytes();
        good[6] = 5;
        QTest::newRow("71 bytes") << good.left(71);
        QByteArray foreign = good;
        foreign[4] = '8';
        QTest::newRow("other magic") << foreign;
        QTest::newRow("empty") << QByteArray();
    }
    void optionDefaults() {
        QFETCH(QByteArray, file);
        const OptionsRecord r = OptionsRecord::fromFileBytes(file);
        QCOMPARE(r.get(OptionsRecord::Motif), quint8(1));
        QCOMPARE(r.get(OptionsRecord::TextBackground), quint8(2));
        QCOMPARE(r.get(OptionsRecord::DashesPerCl), quint8(12));
        QCOMPARE(r.get(OptionsRecord::FontSize), quint8(14));
        QCOMPARE(r.get(OptionsRecord::BodyWeight), quint8(70));
        QCOMPARE(r.get(OptionsRecord::Reserved21), quint8(2));
        QCOMPARE(r.fontName(), QStringLiteral("Arial"));
        QCOMPARE(r.bytes().size(), 72);
    }

    void optionsRoundTripIsByteExact() {
        TempDataFolder dir;
        QByteArray bytes(72, '\0');
        for (int i = 0; i < 72; ++i)
            bytes[i] = char(i * 37 + 11);
        bytes.replace(0, 5, QByteArray("\x04V807"));
        const QString path = dir.filePath(QStringLiteral("OPTION.CFG"));
        QVERIFY(TestFiles::writeAll(path, bytes));
        const OptionsRecord r = OptionsRecord::load(path);
        QCOMPARE(r.bytes(), bytes);
        QVERIFY(r.save(path, false));
        QCOMPARE(TestFiles::readAll(path), bytes);
        QCOMPARE(r.reservedInt(64),
                 qint32(quint32(quint8(bytes[64])) | quint32(quint8(bytes[65])) << 8 |
                        quint32(quint8(bytes[66])) << 16 | quint32(quint8(bytes[67])) << 24));
        OptionsRecord changed = r;
        changed.set(OptionsRecord::Motif, 7);
        QVERIFY(!changed.save(path, true)); // read-only start: nothing written
        QCOMPARE(TestFiles::readAll(path), bytes);
    }

    void fontNameCapacity() {
        OptionsRecord r;
        r.setFontName(QString(31, QLatin1Char('x')));
        QCOMPARE(r.fontName(), QString(31, QLatin1Char('x')));
        r.setFontName(QStringLiteral("Times New Roman, eine sehr lange Schrift"));
        QCOMPARE(r.fontName(), QStringLiteral("Times New Roman, eine sehr lang"));
        QCOMPARE(r.bytes().size(), 72);
        QCOMPARE(quint8(r.bytes().at(30)), quint8(31));
        QCOMPARE(r.bytes().mid(62, 10), QByteArray(10, '\0'));
    }

    void savedSearchesDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("4359 bytes") << QByteArray(4359, '\x07');
    }
    void savedSearchesDefaults() {
        QFETCH(QByteArray, file);
        const SavedSearches s = SavedSearches::fromFileBytes(file);
        for (int i = 0; i < SavedSearches::kSlots; ++i) {
            const SearchCriteria& c = s.slot(i);
            QCOMPARE(c.name(), QStringLiteral("Leer"));
            QCOMPARE(c.homeBarIndex(), 1); // "Hausbar Nr. 2"
            QCOMPARE(c.maxAlcohol(), 99);
            QCOMPARE(c.minAlcohol(), 0);
            QCOMPARE(c.ingredient(3), QString());
            QVERIFY(!c.without(0) && !c.markedOnly() && !c.homeBarOnly());
        }
    }

    // A length byte beyond its field's capacity reads the field only, never the bytes behind it.
    void searchCriteriaLengthClamped_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("capacity");
        QTest::newRow("name") << 0 << 70;
        QTest::newRow("ingredient row 4") << 179 << 30;
        QTest::newRow("alternative row 1") << 210 << 30;
        QTest::newRow("taste, last field") << 385 << 50;
    }
    void searchCriteriaLengthClamped() {
        QFETCH(int, offset);
        QFETCH(int, capacity);
        QByteArray bytes(436, 'x');
        bytes[offset] = char(0xFF);
        bytes.replace(offset + 1, capacity, QByteArray(capacity, 'a'));
        const SearchCriteria c(bytes);
        const QString expected(capacity, QLatin1Char('a'));
        const QString read = offset == 0     ? c.name()
                             : offset == 179 ? c.ingredient(3)
                             : offset == 210 ? c.alternative(0)
                                             : c.taste();
        QCOMPARE(read, expected);
        QCOMPARE(c.bytes(), bytes); // taken as it is
    }

    void savedSearchesRoundTripIsByteExact() {
        TempDataFolder dir;
        const QString path = dir.filePath(QStringLiteral("SUCHEN.CFG"));
        QByteArray bytes(4360, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 131) % 256);
        QVERIFY(TestFiles::writeAll(path, bytes));
        SavedSearches s = SavedSearches::load(path);
        QCOMPARE(s.toBytes(), bytes);
        QVERIFY(s.save(path, false));
        QCOMPARE(TestFiles::readAll(path), bytes);
        SearchCriteria& c = s.slot(9);
        c.setName(QString(80, QLatin1Char('n')));
        c.setIngredient(3, QStringLiteral("Crème de Cassis"));
        c.setCategory(QStringLiteral("Punsch und Bowle"));
        c.setWithout(2, true);
        QVERIFY(s.save(path, false));
        const SavedSearches back = SavedSearches::load(path);
        QCOMPARE(back.slot(9).name(), QString(70, QLatin1Char('n')));
        QCOMPARE(back.slot(9).ingredient(3), QStringLiteral("Crème de Cassis"));
        QCOMPARE(back.slot(9).category(), QStringLiteral("Punsch und Bowle"));
        QVERIFY(back.slot(9).without(2));
        QCOMPARE(back.toBytes().left(9 * 436), bytes.left(9 * 436));
        QCOMPARE(TestFiles::readAll(path).mid(9 * 436 + 179, 16), QByteArray("\x0F"
                                                                             "Cr\xE8me de Cassis"));
    }
};

VELTA_TEST_MAIN_CORE(TestSettingsFiles)
#include "tst_settingsfiles.moc"
