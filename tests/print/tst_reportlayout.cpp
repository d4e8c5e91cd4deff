#include "FixedReportMeasurer.h"
#include "VeltaTest.h"
#include "print/DrinkListLayout.h"
#include "print/PrintReports.h"
#include "print/RecipeCardLayout.h"

using namespace Qt::StringLiterals;
using Paper = PrintSettings::Paper;
using Orientation = PrintSettings::Orientation;
using Separator = PrintSettings::Separator;
using Alignment = PrintSettings::Alignment;

// With the default fonts the fixed measurer gives: name 12 mm, text line 8 mm, line step 9.6 mm,
// first ingredient line at 12 + 1.5 × 9.6 = 26.4 mm. In the list the name is 18 pt (9 mm).
namespace {

constexpr double kStep = 9.6;
constexpr double kFirstLine = 26.4;

PrintRecord card(int ingredientLines, bool taste = true, bool decoration = true) {
    PrintRecord r;
    r.name = u"Caipirinha"_s;
    for (int i = 0; i < ingredientLines; ++i)
        r.z[size_t(i)] = u"4 cl  Cachaça"_s;
    r.s1 = u"Shortdrinks"_s;
    r.s2 = u"30%"_s;
    r.s3 = decoration ? u"Limette"_s : QString();
    r.s4 = taste ? u"sauer"_s : QString();
    r.s5 = u"4 cl"_s;
    r.memo = u"Stampfen."_s;
    return r;
}

double top(const ReportBand& band, const QString& name) {
    const ReportItem* item = band.item(name);
    return item ? item->rect.top() : -1;
}

PrintSettings listSettings(Alignment alignment = Alignment::Centred, Separator separator = Separator::None) {
    PrintSettings s;
    s.layout = PrintSettings::Layout::DrinkList;
    s.alignment = alignment;
    s.separator = separator;
    return s;
}

PrintRecord drink(const QString& z2 = QString(), bool remark = false) {
    PrintRecord r;
    r.name = u"Mojito"_s;
    r.z[0] = u"Rum, Limette, Minze,"_s;
    r.z[1] = z2;
    r.z[2] = remark ? u"*"_s : QString();
    r.memo = remark ? u"Im Sommer"_s : QString();
    return r;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT

    const FixedReportMeasurer m_m{};
    const PrintFonts m_fonts{};

private slots:
    void factsFollowTheLastIngredient_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("steps");
        QTest::newRow("none") << 0 << 1.5;
        QTest::newRow("three") << 3 << 4.5;
        QTest::newRow("nineteen") << 19 << 20.5;
        QTest::newRow("twenty") << 20 << 20.5;
    }
    void factsFollowTheLastIngredient() {
        QFETCH(int, lines);
        QFETCH(double, steps);
        const RecipeCardLayout layout(PrintSettings(), m_fonts, m_m);
        QCOMPARE(layout.lineStep(), kStep);
        QCOMPARE(layout.firstLineTop(), kFirstLine);
        const ReportBand band = layout.band(card(lines), QString());
        QCOMPARE(top(band, u"LS2"_s), kFirstLine + steps * kStep);
        if (lines > 0)
            QCOMPARE(top(band, u"LZ%1"_s.arg(lines)), kFirstLine + (lines - 1) * kStep);
    }

    void emptySlotInTheMiddleKeepsLinesClearOfTheFacts() {
        PrintRecord r = card(5);
        r.z[1].clear();
        const ReportBand band = RecipeCardLayout(PrintSettings(), m_fonts, m_m).band(r, QString());
        QVERIFY(!band.item(u"LZ2"_s));
        QCOMPARE(top(band, u"LS2"_s), kFirstLine + 6.5 * kStep);
    }

    void factOrderAndOptionalLines_data() {
        QTest::addColumn<bool>("taste");
        QTest::addColumn<bool>("decoration");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("all") << true << true << strings({"LS2", "LS1", "LS4", "LS3", "LS5"});
        QTest::newRow("no taste") << false << true << strings({"LS2", "LS1", "LS3", "LS5"});
        QTest::newRow("neither") << false << false << strings({"LS2", "LS1", "LS5"});
    }
    void factOrderAndOptionalLines() {
        QFETCH(bool, taste);
        QFETCH(bool, decoration);
        QFETCH(QStringList, order);
        PrintSettings s;
        s.picture = false;
        const RecipeCardLayout layout(s, m_fonts, m_m);
        const ReportBand band = layout.band(card(3, taste, decoration), QString());
        const double p = kFirstLine + 4.5 * kStep;
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(top(band, order.at(i)), p + i * kStep);
            QCOMPARE(top(band, u"Label"_s + order.at(i).mid(2)), p + i * kStep);
        }
        QVERIFY(!taste == !band.item(u"Label4"_s));
        // The instructions two steps below the amount, across the whole width.
        QCOMPARE(top(band, u"LMem"_s), p + (order.size() + 1) * kStep);
        QCOMPARE(band.item(u"LMem"_s)->rect.width(), layout.bandWidth());
        // As high as its lines, on the page.
        const ReportItem* memo = band.item(u"LMem"_s);
        QCOMPARE(memo->rect.height(), double(m_m.wrap(memo->font, memo->text, memo->rect.width()).size()) *
                                          m_m.height(memo->font));
        QVERIFY(memo->rect.bottom() <= layout.bandHeight());
    }

    void valueStartsHalfAStepBehindItsLabel() {
        const ReportBand band = RecipeCardLayout(PrintSettings(), m_fonts, m_m).band(card(1), QString());
        QCOMPARE(band.item(u"LS1"_s)->rect.left(), m_m.width({u"ARIAL"_s, 16}, u"Kategorie:"_s) + kStep / 2);
        QCOMPARE(band.item(u"LS2"_s)->rect.left(), m_m.width({u"ARIAL"_s, 16}, u"Alkohol:"_s) + kStep / 2);
        QCOMPARE(band.item(u"LS1"_s)->text, u"Shortdrinks"_s);
        QCOMPARE(band.item(u"Label1"_s)->text, u"Kategorie:"_s);
        QCOMPARE(band.item(u"LName"_s)->font, (ReportFont{u"TIMES NEW ROMAN"_s, 24}));
        QCOMPARE(band.item(u"LZ1"_s)->font, (ReportFont{u"ARIAL"_s, 16}));
    }

    void instructionsBelowThePicture_data() {
        QTest::addColumn<bool>("info");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("fullWidth");
        QTest::addColumn<double>("memoTop");
        QTest::addColumn<double>("memoWidth");
        const double p = kFirstLine + 2.5 * kStep; // one ingredient line
        QTest::newRow("no facts, full width: below the picture")
            << false << true << true << 70 + kStep << 180.0;
        QTest::newRow("no facts, half width: beside it") << false << true << false << p << 90.0;
        QTest::newRow("no picture, full width: after the facts")
            << true << false << true << p + 6 * kStep << 180.0;
        QTest::newRow("facts end below the picture") << true << true << true << p + 6 * kStep << 180.0;
    }
    void instructionsBelowThePicture() {
        QFETCH(bool, info);
        QFETCH(bool, picture);
        QFETCH(bool, fullWidth);
        QFETCH(double, memoTop);
        QFETCH(double, memoWidth);
        PrintSettings s;
        s.info = info;
        s.picture = picture;
        s.fullWidth = fullWidth;
        const ReportBand band = RecipeCardLayout(s, m_fonts, m_m).band(card(1), u"foto.bmp"_s);
        QCOMPARE(top(band, u"LMem"_s), memoTop);
        QCOMPARE(band.item(u"LMem"_s)->rect.width(), memoWidth);
        QVERIFY(band.item(u"LMem"_s)->wrap);
        QCOMPARE(!band.item(u"LS5"_s), !info);
        QCOMPARE(!band.item(u"QBild"_s), !picture);
    }

    void pictureBoxByPaper_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<double>("bandHeight");
        QTest::newRow("A4 portrait") << int(Paper::A4) << int(Orientation::Portrait) << QRectF(131, 0, 49, 70)
                                     << 266.0;
        QTest::newRow("A4 landscape")
            << int(Paper::A4) << int(Orientation::Landscape) << QRectF(232, 0, 35, 50) << 179.0;
        QTest::newRow("A5 portrait") << int(Paper::A5) << int(Orientation::Portrait) << QRectF(83, 0, 35, 50)
                                     << 179.0;
        QTest::newRow("A5 landscape")
            << int(Paper::A5) << int(Orientation::Landscape) << QRectF(152, 0, 28, 40) << 117.0;
    }
    void pictureBoxByPaper() {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(QRectF, box);
        QFETCH(double, bandHeight);
        PrintSettings s;
        s.paper = Paper(paper);
        s.orientation = Orientation(orientation);
        const RecipeCardLayout layout(s, m_fonts, m_m);
        const ReportBand band = layout.band(card(2), u"x.bmp"_s);
        QCOMPARE(band.item(u"QBild"_s)->rect, box);
        QCOMPARE(band.item(u"QBild"_s)->text, u"x.bmp"_s);
        QCOMPARE(band.height, bandHeight);
        // The name stays clear of the picture.
        QCOMPARE(band.item(u"LName"_s)->rect.right(), box.left());
    }

    void cardsTakeAPageEach() {
        PrintSettings s;
        s.picture = false;
        const ReportDocument doc = PrintReports::recipeCards({card(1), card(2), card(20)}, s, m_fonts, m_m,
                                                             PrintReports::PhotoFolders());
        // Twenty ingredients with their facts and instructions go on to a second page.
        QCOMPARE(doc.paginate().size(), 4);
        QCOMPARE(doc.details.at(3).item(u"LName"_s)->text,
                 doc.details.at(2).item(u"LName"_s)->text + u" (Fortsetzung)"_s);
    }

    // Four A6 cards on a sheet of A4 without margin, two by two, each inside its quarter with
    // dotted cut lines around it; two index cards (A6 across) one under the other.
    void cardSheets_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QSizeF>("cardSize");
        QTest::addColumn<int>("perSheet");
        QTest::newRow("4 × A6") << int(PrintSettings::Sheet::FourA6) << QSizeF(105, 148.5) << 4;
        QTest::newRow("Karteikarten") << int(PrintSettings::Sheet::IndexCards) << QSizeF(148, 105) << 2;
    }
    void cardSheets() {
        QFETCH(int, sheet);
        QFETCH(QSizeF, cardSize);
        QFETCH(int, perSheet);
        PrintSettings s;
        s.sheet = PrintSettings::Sheet(sheet);
        s.paper = PrintSettings::Paper::A5; // a sheet is always A4
        const ReportDocument doc = PrintReports::recipeCards(QList<PrintRecord>(5, card(1)), s, m_fonts, m_m,
                                                             PrintReports::PhotoFolders());
        QCOMPARE(doc.page.pageSize(), QSizeF(210, 297));
        QCOMPARE(doc.page.margin, 0.0);
        const QList<ReportDocument::Page> pages = doc.paginate();
        QCOMPARE(pages.size(), (5 + perSheet - 1) / perSheet);
        QCOMPARE(pages.first().size(), perSheet);
        for (const ReportDocument::Placement& p : pages.first()) {
            const ReportBand& band = doc.details.at(p.band);
            QRectF cuts;
            for (const ReportItem& item : band.items) {
                if (item.name == u"Schnitt"_s)
                    cuts |= item.rect;
            }
            QCOMPARE(cuts.size(), cardSize);
            const QRectF onSheet = cuts.translated(p.left, p.top);
            QVERIFY(QRectF(0, 0, 210, 297).contains(onSheet));
            for (const ReportItem& item : band.items) // inside the cut lines, with a margin
                QVERIFY(item.name == u"Schnitt"_s || cuts.adjusted(7.9, 7.9, -7.9, -7.9).contains(item.rect));
        }
    }

    void cardPhotoFallsBackToTheDefault() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(u"BILDER/05"_s);
        QDir(dir.path()).mkpath(u"EIGENE"_s);
        for (const char* file : {"BILDER/05/517.BMP", "BILDER/05/516.BMP", "BILDER/05/516.JPG",
                                 "EIGENE/MEINS.BMP", "default.bmp"})
            QFile(dir.filePath(QString::fromLatin1(file))).open(QIODevice::WriteOnly);
        const PrintReports::PhotoFolders folders{dir.filePath(u"BILDER"_s), dir.filePath(u"EIGENE"_s),
                                                 dir.path()};
        PrintRecord r;
        // A collection of an earlier edition has only screen photos.
        r.bild = u"517"_s;
        QCOMPARE(PrintReports::photoFile(r, folders), dir.filePath(u"BILDER/05/517.BMP"_s));
        r.bild = u"516"_s;
        QCOMPARE(PrintReports::photoFile(r, folders), dir.filePath(u"BILDER/05/516.JPG"_s));
        // The own photo prints at its own resolution, even where the collection has a print photo.
        r.eigen = u"meins"_s;
        QCOMPARE(PrintReports::photoFile(r, folders), dir.filePath(u"EIGENE/MEINS.BMP"_s));
        r.eigen.clear();
        r.bild = u"e"_s;
        QCOMPARE(PrintReports::photoFile(r, folders), dir.filePath(u"default.bmp"_s));
        r.bild = u"518"_s;
        QCOMPARE(PrintReports::photoFile(r, folders), dir.filePath(u"default.bmp"_s));
    }

    void listBlock_data() {
        QTest::addColumn<QString>("z2");
        QTest::addColumn<bool>("remark");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("memoTop");
        // name 9 mm, text 8 mm: Z1 at 10.8, Z2 at 18.8
        QTest::newRow("one line") << QString() << false << 10.8 + 9.6 + 1.8 << -1.0;
        QTest::newRow("two lines") << u"Soda"_s << false << 18.8 + 9.6 + 1.8 << -1.0;
        QTest::newRow("two lines and remark") << u"Soda"_s << true << 28.4 + 19.2 + 1.8 << 28.4;
        QTest::newRow("remark") << QString() << true << 20.4 + 19.2 + 1.8 << 20.4;
    }
    void listBlock() {
        QFETCH(QString, z2);
        QFETCH(bool, remark);
        QFETCH(double, height);
        QFETCH(double, memoTop);
        const DrinkListLayout layout(listSettings(), m_fonts, m_m);
        const ReportBand band = layout.band(drink(z2, remark), 1);
        QCOMPARE(band.height, height);
        QCOMPARE(top(band, u"LName"_s), 0.0);
        QCOMPARE(top(band, u"LZutaten1"_s), 10.8);
        QCOMPARE(top(band, u"LZutaten2"_s), z2.isEmpty() ? -1.0 : 18.8);
        QCOMPARE(top(band, u"LMem"_s), memoTop);
        if (remark) {
            QCOMPARE(band.item(u"LMem"_s)->rect.height(), 16.0); // two summary lines, then cut
            QCOMPARE(band.item(u"LMem"_s)->text, u"Im Sommer"_s);
        }
        QCOMPARE(band.item(u"LName"_s)->font, (ReportFont{u"ARIAL"_s, 18}));
        QCOMPARE(band.item(u"LZutaten1"_s)->font, (ReportFont{u"ARIAL"_s, 16}));
        QCOMPARE(band.item(u"LName"_s)->alignment, Qt::AlignHCenter | Qt::AlignTop);
        QVERIFY(!band.item(u"LNr"_s));
    }

    void listIngredientChoice() {
        PrintSettings s = listSettings();
        s.ingredients = PrintSettings::Ingredients::FirstThree;
        ReportBand band = DrinkListLayout(s, m_fonts, m_m).band(drink(u"Soda"_s), 1);
        QVERIFY(!band.item(u"LZutaten2"_s));
        s.ingredients = PrintSettings::Ingredients::None;
        band = DrinkListLayout(s, m_fonts, m_m).band(drink(u"Soda"_s), 1);
        QVERIFY(!band.item(u"LZutaten1"_s));
        QCOMPARE(band.height, 10.8 + 1.8);
    }

    void numbering_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("numbered");
        QTest::addColumn<bool>("printed");
        QTest::newRow("left") << int(Alignment::Left) << true << true;
        QTest::newRow("left, off") << int(Alignment::Left) << false << false;
        QTest::newRow("centred") << int(Alignment::Centred) << true << false;
        QTest::newRow("right") << int(Alignment::Right) << true << false;
    }
    void numbering() {
        QFETCH(int, alignment);
        QFETCH(bool, numbered);
        QFETCH(bool, printed);
        PrintSettings s = listSettings(Alignment(alignment));
        s.numbered = numbered;
        s.remarks = true;
        const DrinkListLayout layout(s, m_fonts, m_m);
        const ReportBand band = layout.band(drink(QString(), true), 7);
        QCOMPARE(!band.item(u"LNr"_s), !printed);
        if (!printed) {
            QCOMPARE(band.item(u"LName"_s)->rect.left(), 0.0);
            return;
        }
        // "333." at 18 pt is 14.4 mm, widened by half the name height (4.5).
        QCOMPARE(band.item(u"LNr"_s)->rect, QRectF(0, 0, 18.9, 9));
        QCOMPARE(band.item(u"LNr"_s)->text, u"7."_s);
        QCOMPARE(band.item(u"LNr"_s)->alignment, Qt::AlignRight | Qt::AlignTop);
        const double left = 18.9 + 4.5;
        QCOMPARE(band.item(u"LName"_s)->rect, QRectF(left, 0, 180 - left, 9));
        QCOMPARE(band.item(u"LZutaten1"_s)->rect.left(), left);
        QCOMPARE(band.item(u"LMem"_s)->rect.width(), 180 - 3 * left);
        QCOMPARE(band.item(u"LName"_s)->alignment, Qt::AlignLeft | Qt::AlignTop);
    }

    void separators_data() {
        QTest::addColumn<int>("separator");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRectF>("rect");
        // Without remark the separator follows the first summary line: 10.8 + 9.6 = 20.4.
        QTest::newRow("none") << int(Separator::None) << int(Alignment::Centred) << QString() << QRectF();
        QTest::newRow("three diamonds")
            << int(Separator::Diamonds) << int(Alignment::Centred) << u"v v v"_s << QRectF(0, 20.4, 180, 8);
        QTest::newRow("star, left") << int(Separator::Star) << int(Alignment::Left) << QString(QChar(0xAD))
                                    << QRectF(0, 20.4, 45, 8);
        QTest::newRow("helm, right") << int(Separator::Helm) << int(Alignment::Right) << u"]"_s
                                     << QRectF(135, 20.4, 45, 8);
        QTest::newRow("ornament") << int(Separator::Ornament) << int(Alignment::Centred) << u"\u00D0\u00D1"_s
                                  << QRectF(0, 20.4, 180, 8);
    }
    void separators() {
        QFETCH(int, separator);
        QFETCH(int, alignment);
        QFETCH(QString, text);
        QFETCH(QRectF, rect);
        PrintSettings s = listSettings(Alignment(alignment), Separator(separator));
        s.numbered = false;
        const ReportBand band = DrinkListLayout(s, m_fonts, m_m).band(drink(), 1);
        QCOMPARE(DrinkListLayout::separatorText(Separator(separator)), text);
        const ReportItem* trenn = band.item(u"LTrenn"_s);
        QCOMPARE(!trenn, text.isEmpty());
        if (!trenn) {
            QCOMPARE(band.height, 20.4 + 1.8);
            return;
        }
        QCOMPARE(trenn->rect, rect);
        QCOMPARE(trenn->font, (ReportFont{u"Wingdings"_s, 16, true}));
        QCOMPARE(band.height, 20.4 + 9.6 + 1.8);
    }

    void dottedLineSeparator() {
        const ReportBand band =
            DrinkListLayout(listSettings(Alignment::Centred, Separator::Line), m_fonts, m_m).band(drink(), 1);
        QCOMPARE(band.item(u"Linie"_s)->kind, ReportItem::Kind::DottedLine);
        QCOMPARE(band.item(u"Linie"_s)->rect, QRectF(0, 0, 180, 0));
        QCOMPARE(top(band, u"LName"_s), 9.0); // one name height lower
        QCOMPARE(top(band, u"LZutaten1"_s), 9 + 10.8);
        QVERIFY(!band.item(u"LTrenn"_s));
    }

    void titleOnEveryPage() {
        PrintSettings s = listSettings(Alignment::Left);
        s.header = u"  Sommerkarte  "_s;
        const QList<PrintRecord> records(60, drink());
        const ReportDocument doc = PrintReports::drinkList(records, s, m_fonts, m_m);
        QCOMPARE(doc.header.height, 24.0);
        QCOMPARE(doc.header.item(u"LTitel"_s)->text, u"Sommerkarte"_s);
        QCOMPARE(doc.header.item(u"LTitel"_s)->rect, QRectF(0, 0, 180, 12));
        QCOMPARE(doc.header.item(u"LTitel"_s)->font, (ReportFont{u"TIMES NEW ROMAN"_s, 24}));
        const QList<ReportDocument::Page> pages = doc.paginate();
        QVERIFY(pages.size() > 1);
        int expected = 1;
        for (const ReportDocument::Page& page : pages) {
            QCOMPARE(page.first().top, 24.0);
            const ReportDocument::Placement& last = page.last();
            QVERIFY(last.top + doc.details.at(last.band).height <= 267);
            // Numbers continue across pages in table order.
            for (const ReportDocument::Placement& p : page)
                QCOMPARE(doc.details.at(p.band).item(u"LNr"_s)->text, u"%1."_s.arg(expected++));
        }
        QCOMPARE(expected, 61);
    }

    // In two or three columns the drinks run down the first column, then the next, under the title
    // across the page; every band keeps to its column.
    void barCardInColumns_data() {
        QTest::addColumn<int>("columns");
        QTest::newRow("zwei") << 2;
        QTest::newRow("drei") << 3;
    }
    void barCardInColumns() {
        QFETCH(int, columns);
        PrintSettings s = listSettings(Alignment::Centred);
        const QList<PrintRecord> records(90, drink());
        const int onePerPage = int(PrintReports::drinkList(records, s, m_fonts, m_m).paginate().size());
        s.columns = columns;
        const ReportDocument doc = PrintReports::drinkList(records, s, m_fonts, m_m);
        const double width = (180 - (columns - 1) * doc.columnGap) / columns;
        QCOMPARE(doc.header.item(u"LTitel"_s)->rect.width(), 180.0);
        const QList<ReportDocument::Page> pages = doc.paginate();
        QVERIFY2(pages.size() <= (onePerPage + columns - 1) / columns + 1,
                 qPrintable(u"%1 pages, %2 in one column"_s.arg(pages.size()).arg(onePerPage)));
        QList<double> lefts;
        int order = 0;
        for (const ReportDocument::Page& page : pages) {
            for (const ReportDocument::Placement& p : page) {
                QCOMPARE(p.band, order++); // the order of the table
                if (!lefts.contains(p.left))
                    lefts << p.left;
                for (const ReportItem& item : doc.details.at(p.band).items)
                    QVERIFY(item.rect.right() <= width + 0.01);
            }
        }
        QCOMPARE(lefts.size(), columns);
        QCOMPARE(lefts.last(), (columns - 1) * (width + doc.columnGap));
    }

    // By category: sections in the order of their names, drinks without a category last under
    // their own heading, the chosen order kept inside a section, numbers running on. The heading is
    // the top of its first drink's band, so no page or column ends with a heading alone.
    void barCardInSections() {
        PrintSettings s = listSettings(Alignment::Left);
        s.columns = 2;
        QList<PrintRecord> records;
        for (const char* category : {"Sours", "", "Highballs", "Sours", "Highballs"}) {
            PrintRecord r = drink();
            r.name = u"%1 %2"_s.arg(QString::fromUtf8(category)).arg(records.size());
            r.s1 = QString::fromUtf8(category);
            records << r;
        }
        for (int k = 0; k < 40; ++k)
            records.insert(3, records.at(3)); // enough Sours to fill more than a column
        const ReportDocument plain = PrintReports::drinkList(records, s, m_fonts, m_m);
        QVERIFY(std::none_of(plain.details.begin(), plain.details.end(),
                             [](const ReportBand& b) { return b.item(u"LAbschnitt"_s); }));
        s.sections = true;
        const ReportDocument doc = PrintReports::drinkList(records, s, m_fonts, m_m);
        QStringList headings;
        QStringList names;
        for (const ReportBand& band : doc.details) {
            const ReportItem* heading = band.item(u"LAbschnitt"_s);
            if (heading) {
                headings << heading->text;
                QVERIFY(heading->rect.bottom() < band.item(u"LName"_s)->rect.top());
            }
            names << band.item(u"LName"_s)->text;
            QCOMPARE(band.item(u"LNr"_s)->text, u"%1."_s.arg(names.size()));
        }
        QCOMPARE(headings, strings({"Highballs", "Sours", "Weitere Getränke"}));
        QCOMPARE(names.mid(0, 3), strings({"Highballs 2", "Highballs 4", "Sours 0"}));
        QCOMPARE(names.last(), u" 1"_s);
        QCOMPARE(doc.details.size(), records.size());
        const QList<ReportDocument::Page> pages = doc.paginate();
        QVERIFY(pages.size() > 1 || pages.first().last().left > 0); // more than a column
        for (const ReportDocument::Page& page : pages) {
            for (const ReportDocument::Placement& p : page)
                QVERIFY(p.top + doc.details.at(p.band).height <= doc.page.contentHeight() + 0.01);
        }
    }

    void emptyTitleGivesNoHeader() {
        PrintSettings s = listSettings();
        s.header = u"   "_s;
        const ReportDocument doc = PrintReports::drinkList({drink(), drink()}, s, m_fonts, m_m);
        QCOMPARE(doc.header.height, 0.0);
        QVERIFY(doc.header.items.isEmpty());
        QCOMPARE(doc.paginate().first().first().top, 0.0);
    }

    void tallBandGetsAPageOfItsOwn() {
        ReportDocument doc;
        doc.page.paper = Paper::A5; // 180 mm of content
        for (double h : {100.0, 200.0, 50.0, 60.0, 90.0})
            doc.details.append(ReportBand{h, {}});
        QList<QList<int>> bands;
        for (const ReportDocument::Page& page : doc.paginate()) {
            bands.append(QList<int>());
            for (const ReportDocument::Placement& p : page)
                bands.last().append(p.band);
        }
        QCOMPARE(bands, (QList<QList<int>>{{0}, {1}, {2, 3}, {4}}));
        QVERIFY(ReportDocument().paginate().isEmpty());
    }
};

VELTA_TEST_MAIN_CORE(TestReportLayout)
#include "tst_reportlayout.moc"
