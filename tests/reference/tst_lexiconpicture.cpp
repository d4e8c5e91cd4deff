#include "ReferenceFixture.h"
#include "VeltaTest.h"
#include "reference/LexiconArticle.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

using namespace Qt::StringLiterals;
using namespace ReferenceFixture;
using Kind = LexiconPicture::Kind;
Q_DECLARE_METATYPE(Kind)

// The pictures and texts of lexicon terms and decorations.
class TestLexiconPicture : public QObject {
    Q_OBJECT

private slots:
    void pictureFile_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("file"); // relative to the program folder; empty for none
        QTest::newRow("padded to the field width")
            << u"LABSEIH "_s << Kind::Term << u"BILDER/EXTRAS/labseih.bmp"_s;
        QTest::newRow("letter case") << u"Labseih"_s << Kind::Term << u"BILDER/EXTRAS/labseih.bmp"_s;
        QTest::newRow("missing term picture") << u"LNICHT"_s << Kind::Term << u"DATEN/BD.BMP"_s;
        QTest::newRow("missing decoration picture") << u"DNICHT"_s << Kind::Decoration << u"DATEN/DD.BMP"_s;
        QTest::newRow("no picture name") << u"        "_s << Kind::Decoration << u"DATEN/DD.BMP"_s;
        QTest::newRow("parent folder") << u"../GEHEIM"_s << Kind::Term << u"DATEN/BD.BMP"_s;
        QTest::newRow("backslash parent") << u"..\\GEHEIM"_s << Kind::Term << u"DATEN/BD.BMP"_s;
        QTest::newRow("only dots") << u".."_s << Kind::Term << u"DATEN/BD.BMP"_s;
        QTest::newRow("absolute") << u"/tmp/x"_s << Kind::Term << u"DATEN/BD.BMP"_s;
    }
    void pictureFile() {
        Folders f;
        f.touch(u"BILDER/EXTRAS/labseih.bmp"_s);
        f.touch(u"BILDER/GEHEIM.BMP"_s);
        f.touch(u"DATEN/BD.BMP"_s);
        f.touch(u"DATEN/DD.BMP"_s);
        QFETCH(QString, bild);
        QFETCH(Kind, kind);
        QFETCH(QString, file);
        QCOMPARE(LexiconPicture::file(bild, kind, f.pictures, f.data), f.root.filePath(file));
    }

    void missingDefaultPicture() {
        Folders f;
        QCOMPARE(LexiconPicture::file(u"X"_s, Kind::Decoration, f.pictures, f.data), QString());
    }

    void articles() {
        Tables l;
        const auto abseihen = LexiconArticle::read(l.t.ba(), 2, Kind::Term, l.f.folders());
        QVERIFY(abseihen);
        QCOMPARE(abseihen->heading, u"Abseihen"_s);
        QCOMPARE(abseihen->text, u"Durch ein Sieb gießen."_s);
        QCOMPARE(abseihen->picture, l.f.root.filePath(u"BILDER/EXTRAS/labseih.bmp"_s));
        QCOMPARE(abseihen->caption(), u"Barlexikon"_s);
        QCOMPARE(abseihen->clipboardText(), u"Abseihen\r\n\r\nDurch ein Sieb gießen."_s);

        const auto empty = LexiconArticle::read(l.t.ba(), 3, Kind::Term, l.f.folders());
        QCOMPARE(empty->text, QString());
        QCOMPARE(empty->picture, l.f.root.filePath(u"DATEN/BD.BMP"_s));

        // A decoration the user made has no picture name: the default picture.
        const auto own = LexiconArticle::read(l.t.de(), 2, Kind::Decoration, l.f.folders());
        QCOMPARE(own->picture, l.f.root.filePath(u"DATEN/DD.BMP"_s));
        QCOMPARE(own->caption(), u"Dekoration"_s);

        QVERIFY(!LexiconArticle::read(l.t.ba(), 0, Kind::Term, l.f.folders()));
        QVERIFY(!LexiconArticle::read(l.t.ba(), 4, Kind::Term, l.f.folders()));
        TestTables::deleteRecord(l.t.de(), 1);
        QVERIFY(!LexiconArticle::read(l.t.de(), 1, Kind::Decoration, l.f.folders()));
    }

    // Every shipped term and decoration finds its own picture, not the default, and has a text.
    void shippedPictures() {
        TApolloEnv env;
        const QString data = QStringLiteral(VELTA_IMAGE_DIR "/DATEN/");
        const QString pictures = QStringLiteral(VELTA_IMAGE_DIR "/BILDER/");
        for (const char* name : {"BA", "DE"}) {
            TTable table(env);
            table.setDatabaseName(data);
            table.setTableName(QString::fromLatin1(name));
            table.setReadOnly(true);
            table.Open();
            TApollo t(table);
            const Kind kind = qstrcmp(name, "BA") == 0 ? Kind::Term : Kind::Decoration;
            int count = 0;
            for (t.GoTop(); !t.Eof(); t.Skip(), ++count) {
                const auto a = LexiconArticle::read(t, t.RecNo(), kind, {pictures, data});
                QVERIFY(a);
                QVERIFY2(a->picture.contains(u"/EXTRAS/"_s), qPrintable(a->heading));
                QVERIFY2(!a->text.isEmpty(), qPrintable(a->heading));
            }
            QVERIFY(count > 10);
        }
        QVERIFY(!LexiconPicture::file(QString(), Kind::Term, pictures, data).isEmpty());
        QVERIFY(!LexiconPicture::file(QString(), Kind::Decoration, pictures, data).isEmpty());
    }
};

VELTA_TEST_MAIN_CORE(TestLexiconPicture)
#include "tst_lexiconpicture.moc"
