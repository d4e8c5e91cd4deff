#include "FixedReportMeasurer.h"
#include "VeltaTest.h"
#include "print/TextListLayout.h"

using namespace Qt::StringLiterals;

// With the default fonts the fixed measurer makes the title line 12 mm and a text line 8 mm high;
// the content of portrait A4 is 180 mm wide, so the columns start at 0, 81 and 117 mm.
class TestTextListLayout : public QObject {
    Q_OBJECT

private slots:
    void bands_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("height");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<double>>("lefts");
        QTest::addColumn<QList<double>>("widths");
        QTest::newRow("three columns") << u"Gin\t80 cl\t2 × 0,7 l oder 1 × 1 l"_s << 8.8
                                       << QStringList{u"Gin"_s, u"80 cl"_s, u"2 × 0,7 l oder 1 × 1 l"_s}
                                       << QList<double>{0, 81, 117} << QList<double>{81, 36, 63};
        QTest::newRow("two columns") << u"Limette\t8 St"_s << 8.8 << QStringList{u"Limette"_s, u"8 St"_s}
                                     << QList<double>{0, 81} << QList<double>{81, 36};
        QTest::newRow("no tab: whole width") << u"Einkaufen:"_s << 8.8 << QStringList{u"Einkaufen:"_s}
                                             << QList<double>{0} << QList<double>{180};
        QTest::newRow("surplus tabs join the last column")
            << u"a\tb\tc\td"_s << 8.8 << QStringList{u"a"_s, u"b"_s, u"c d"_s} << QList<double>{0, 81, 117}
            << QList<double>{81, 36, 63};
        QTest::newRow("empty line: half a line of space")
            << QString() << 4.0 << QStringList{} << QList<double>{} << QList<double>{};
    }
    void bands() {
        QFETCH(QString, line);
        QFETCH(double, height);
        QFETCH(QStringList, texts);
        QFETCH(QList<double>, lefts);
        QFETCH(QList<double>, widths);
        const FixedReportMeasurer measurer;
        const ReportDocument doc =
            TextListLayout::document({u"Partyplaner"_s, line}, PageSetup{}, PrintFonts(), measurer);
        QCOMPARE(doc.details.size(), 2);
        const ReportBand& title = doc.details.first();
        QCOMPARE(title.item(u"LTitel"_s)->text, u"Partyplaner"_s);
        QCOMPARE(title.height, 18.0);
        const ReportBand& band = doc.details.last();
        QCOMPARE(band.height, height);
        QStringList gotTexts;
        QList<double> gotLefts;
        QList<double> gotWidths;
        for (const ReportItem& item : band.items) {
            gotTexts << item.text;
            gotLefts << item.rect.left();
            gotWidths << item.rect.width();
        }
        QCOMPARE(gotTexts, texts);
        QCOMPARE(gotLefts, lefts);
        QCOMPARE(gotWidths, widths);
    }

    // A long list runs onto further pages, without a header band.
    void longListPaginates() {
        QStringList lines{u"Partyplaner"_s};
        for (int i = 0; i < 60; ++i)
            lines << u"Zutat %1\t%1 cl\t1 × 0,7 l oder 1 × 1 l"_s.arg(i);
        const ReportDocument doc =
            TextListLayout::document(lines, PageSetup{}, PrintFonts(), FixedReportMeasurer());
        QCOMPARE(doc.header.height, 0.0);
        // 267 mm of content: the title and 28 lines of 8.8 mm, then 30 lines, then the last 2.
        QCOMPARE(doc.paginate().size(), 3);
    }
};

VELTA_TEST_MAIN_CORE(TestTextListLayout)
#include "tst_textlistlayout.moc"
