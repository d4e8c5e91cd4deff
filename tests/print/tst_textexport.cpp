#include "PrintFixture.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "print/TextExport.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

class TestTextExport : public QObject {
    Q_OBJECT

private slots:
    void recipeCardBytes() {
        PrintRecord r;
        r.name = u"Süßer Traum"_s;
        r.bild = u"517"_s;
        r.z[0] = u"4 cl  Weißer Rum"_s;
        r.z[1] = u"1 dash  Angostura"_s;
        r.s1 = u"Shortdrinks"_s;
        r.s2 = u"31%"_s;
        r.s4 = u"süß"_s;
        r.s5 = u"4 cl"_s;
        r.memo = u"Schütteln.\r\n\r\nBemerkung: \r\nFür 2 € zu haben"_s;
        const QByteArray expected = "S\xFC\xDF"
                                    "er Traum\r\n"
                                    "4 cl  Wei\xDF"
                                    "er Rum\r\n"
                                    "1 dash  Angostura\r\n"
                                    "Kategorie: Shortdrinks\r\n"
                                    "Alkohol: 31%\r\n"
                                    "Geschmack: s\xFC\xDF\r\n"
                                    "Menge: 4 cl\r\n"
                                    "Foto-Bitmap: 517\r\n"
                                    "Sch\xFCtteln.\r\n\r\nBemerkung: \r\nF\xFCr 2 \x80 zu haben\r\n"
                                    "\r\n";
        QCOMPARE(TextExport::bytes({r}), expected);
    }

    // A drink without remark in the list layout: its name, the summary lines, the amount and an
    // empty line; two drinks follow each other directly.
    void drinkListThroughThePrintTable() {
        PrintFixture f;
        PrintSettings s;
        s.layout = PrintSettings::Layout::DrinkList;
        s.remarks = true;
        const int a = f.addRecipe({u"Mojito"_s,
                                   {{PrintFixture::Rum, 4},
                                    {PrintFixture::Lime, 2},
                                    {PrintFixture::Mint, 6},
                                    {PrintFixture::Sugar, 2},
                                    {PrintFixture::Soda, 8}}});
        TestTables::Recipe withRemark{u"Eis"_s, {{PrintFixture::Ice, 1}}};
        withRemark.instructions = u"Nichts tun."_s;
        withRemark.remark = u"Nur im Sommer"_s;
        const int b = f.addRecipe(withRemark);
        const QByteArray expected = "Mojito\r\n"
                                    "Wei\xDF"
                                    "er Rum, Limettensaft, Minzzweige,\r\n"
                                    "Rohrzucker, Sodawasser\r\n"
                                    "Menge: 14 cl\r\n"
                                    "\r\n"
                                    "Eis\r\n"
                                    "Crushed Ice\r\n"
                                    "*\r\n"
                                    "Menge: 0 cl\r\n"
                                    "Nur im Sommer\r\n"
                                    "\r\n";
        QCOMPARE(TextExport::bytes(f.fill({a, b}, s)), expected);
    }

    void writesAndReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Velta98.txt"_s);
        QVERIFY(TestFiles::writeAll(path, QByteArray(5000, 'x')));
        PrintRecord r;
        r.name = u"A"_s;
        QVERIFY(TextExport::write(path, {r}));
        QCOMPARE(TestFiles::readAll(path), QByteArray("A\r\n\r\n"));
        QCOMPARE(TextExport::doneMessage(path), path + u"\rwurde angelegt."_s);
    }
};

VELTA_TEST_MAIN_CORE(TestTextExport)
#include "tst_textexport.moc"
