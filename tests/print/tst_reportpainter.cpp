#include "FixedReportMeasurer.h"
#include "ShippedPrintTables.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaGuiTest.h"
#include "print/DrinkListLayout.h"
#include "print/PrintRecordBuilder.h"
#include "print/PrintReports.h"
#include "print/PrintTable.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "store/ListsFile.h"
#include "ui/ProgramFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr double kDotsPerMm = 4; // about 100 dpi

int pdfPages(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page "));
}

QSizeF firstMediaBox(const QByteArray& pdf) {
    const QRegularExpression box(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s);
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Dark pixels inside a rectangle given in millimetres of the content area.
int darkPixels(const QImage& page, const QRectF& mm) {
    const QRect r(qRound((mm.left() + 15) * kDotsPerMm), qRound((mm.top() + 15) * kDotsPerMm),
                  qRound(mm.width() * kDotsPerMm), qRound(mm.height() * kDotsPerMm));
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

// Every shipped drink as the print table holds it for the layout of these settings.
QList<PrintRecord> shippedRecords(const PrintSettings& settings) {
    const QString shipped = QStringLiteral(VELTA_IMAGE_DATA_DIR);
    TempDataFolder out;
    ShippedPrintTables t(shipped);
    QList<int> all;
    for (t.re->GoTop(); !t.re->Eof(); t.re->Skip())
        all << t.re->RecNo();
    QStringList categories;
    QStringList tastes;
    ListsFile::load(shipped + u"/VE.DAT"_s, &categories, &tastes);
    const PrintRecordBuilder::Sources sources{*t.re, *t.zu, *t.de, categories, tastes};
    PrintTable::fill(*t.hilf, out.path(), sources, all, settings, nullptr, nullptr);
    return PrintTable::readAll(t.env, out.path());
}

PrintRecord card(const QString& name) {
    PrintRecord r;
    r.name = name;
    r.z[0] = u"4 cl  Weißer Rum"_s;
    r.z[1] = u"2 cl  Limettensaft"_s;
    r.s1 = u"Shortdrinks"_s;
    r.s2 = u"20%"_s;
    r.s5 = u"6 cl"_s;
    r.memo = u"Alles mit Eis schütteln und in eine Cocktailschale abseihen."_s;
    return r;
}

} // namespace

class TestReportPainter : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    PrintReports::PhotoFolders m_folders;

private slots:
    void initTestCase() {
        ProgramFonts::registerFonts();
        QImage red(20, 30, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(m_dir.filePath(u"DEFAULT.BMP"_s), "BMP"));
        m_folders = {m_dir.filePath(u"BILDER"_s), m_dir.filePath(u"EIGENE"_s), m_dir.path()};
    }

    void printFontsResolveToTheMetricCompatibleFonts() {
        QCOMPARE(QFontInfo(QtReportMeasurer::fontFor({u"TIMES NEW ROMAN"_s, 24})).family(),
                 u"Liberation Serif"_s);
        QCOMPARE(QFontInfo(QtReportMeasurer::fontFor({u"ARIAL"_s, 16})).family(), u"Liberation Sans"_s);
        const double h = QtReportMeasurer().height({u"ARIAL"_s, 16});
        QVERIFY2(h > 5.6 && h < 7.6, qPrintable(QString::number(h)));
    }

    void separatorSymbolsExist_data() {
        QTest::addColumn<int>("separator");
        for (auto s : {PrintSettings::Separator::Diamonds, PrintSettings::Separator::Star,
                       PrintSettings::Separator::Helm, PrintSettings::Separator::Ornament})
            QTest::newRow(qPrintable(PrintSettings::separatorNames().at(int(s)))) << int(s);
    }
    void separatorSymbolsExist() {
        QFETCH(int, separator);
        const ReportFont font{u"Wingdings"_s, 16, true};
        const QString shown = QtReportMeasurer::shownText(
            font, DrinkListLayout::separatorText(PrintSettings::Separator(separator)));
        const QFontMetricsF symbola(QFont(u"Symbola"_s));
        for (const char32_t c : shown.toUcs4()) {
            if (c != U' ')
                QVERIFY2(symbola.inFontUcs4(c), qPrintable(QString::number(c, 16)));
        }
        // What the painter draws is the symbol itself, not the empty box of a font without it.
        const auto drawn = [&shown](const QFont& font) {
            QImage image(200, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(font);
            p.drawText(image.rect(), Qt::AlignCenter, shown);
            return image;
        };
        QFont symbolaFont(u"Symbola"_s);
        const QFont used = QtReportMeasurer::fontFor(font);
        symbolaFont.setPixelSize(used.pixelSize());
        symbolaFont.setStyleStrategy(used.styleStrategy());
        QCOMPARE(drawn(used), drawn(symbolaFont));
    }

    // Every shipped drink on every paper, as recipe card and on the bar card: no line is wider than
    // its box, no wrapped text has more lines than its box, nothing reaches below its page, and the
    // instructions of a card arrive whole, continued on a next page where they must.
    void everyShippedDrinkPrintsWhole_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("sheet");
        for (const auto paper : {PrintSettings::Paper::A4, PrintSettings::Paper::A5}) {
            for (const auto orientation :
                 {PrintSettings::Orientation::Portrait, PrintSettings::Orientation::Landscape})
                QTest::addRow("Karten %s %s", paper == PrintSettings::Paper::A4 ? "A4" : "A5",
                              orientation == PrintSettings::Orientation::Portrait ? "hoch" : "quer")
                    << false << int(paper) << int(orientation) << int(PrintSettings::Sheet::OneCard);
        }
        // The bar card on its narrowest paper.
        QTest::newRow("Barkarte A5 hoch")
            << true << int(PrintSettings::Paper::A5) << int(PrintSettings::Orientation::Portrait)
            << int(PrintSettings::Sheet::OneCard);
        QTest::newRow("Karten 4 × A6")
            << false << int(PrintSettings::Paper::A4) << int(PrintSettings::Orientation::Portrait)
            << int(PrintSettings::Sheet::FourA6);
    }
    void everyShippedDrinkPrintsWhole() {
        QFETCH(bool, list);
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(int, sheet);
        PrintSettings s;
        s.sheet = PrintSettings::Sheet(sheet);
        s.layout = list ? PrintSettings::Layout::DrinkList : PrintSettings::Layout::RecipeCard;
        s.remarks = true;
        s.paper = PrintSettings::Paper(paper);
        s.orientation = PrintSettings::Orientation(orientation);
        static QList<PrintRecord> filled[2]; // the table's contents do not depend on the paper
        if (filled[list].isEmpty())
            filled[list] = shippedRecords(s);
        const QList<PrintRecord>& records = filled[list];
        QVERIFY(records.size() > 1000);
        const QtReportMeasurer m;
        const ReportDocument doc = PrintReports::build(records, s, PrintFonts(), m, m_folders);
        QStringList faults;
        QStringList memos; // the instructions printed, one entry a card
        for (const ReportBand& band : doc.details) {
            for (const ReportItem& item : band.items) {
                if (item.kind != ReportItem::Kind::Text || item.text.isEmpty())
                    continue;
                const QString where = item.name + u": "_s + item.text.left(40);
                if (item.rect.bottom() > band.height + 0.01)
                    faults << u"below the page: "_s + where;
                if (!item.wrap && m.width(item.font, item.text) > item.rect.width() + 0.01)
                    faults << u"cut: "_s + where;
                // The bar card's remark keeps to its two lines and ends with an ellipsis when longer.
                const bool elided = list && item.name == u"LMem"_s;
                if (item.wrap && !elided &&
                    double(m.wrap(item.font, item.text, item.rect.width()).size()) * m.height(item.font) >
                        item.rect.height() + 0.01)
                    faults << u"lines lost: "_s + where;
            }
            if (list)
                continue;
            const ReportItem* name = band.item(u"LName"_s);
            const ReportItem* memo = band.item(u"LMem"_s);
            const bool continued = name && name->text.endsWith(u" (Fortsetzung)"_s);
            if (!continued)
                memos << QString();
            if (memo)
                memos.last() += memo->text + u' ';
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(u"%1 faults, first: %2"_s.arg(faults.size()).arg(faults.value(0))));
        if (!list) {
            QCOMPARE(memos.size(), records.size());
            for (qsizetype k = 0; k < records.size(); ++k)
                QCOMPARE(memos.at(k).simplified(), records.at(k).memo.simplified());
        }
    }

    // Every shipped photo prints at 300 ppi or more in the largest card box, and the PDF keeps it so.
    void shippedPhotosPrintSharp() {
        PrintSettings s;
        const QList<PrintRecord> records = shippedRecords(s);
        const PrintReports::PhotoFolders folders{QStringLiteral(VELTA_IMAGE_PICTURES_DIR), m_dir.path(),
                                                 QStringLiteral(VELTA_IMAGE_DATA_DIR)};
        const double boxInches = 49 / 25.4;
        int photos = 0;
        for (const PrintRecord& r : records) {
            const QString file = PrintReports::photoFile(r, folders);
            if (file.endsWith(u"DEFAULT.BMP"_s))
                continue;
            ++photos;
            const QSize size = QImageReader(file).size();
            QVERIFY2(size.width() / boxInches >= 300 && size.height() * 7 / 10 / boxInches >= 300,
                     qPrintable(file));
        }
        QVERIFY(photos > 1000);
        ReportPainter painter(
            PrintReports::recipeCards(records.mid(0, 1), s, PrintFonts(), QtReportMeasurer(), folders));
        const QString path = m_dir.filePath(u"foto.pdf"_s);
        QVERIFY(painter.writePdf(path));
        const QSize printed = QImageReader(PrintReports::photoFile(records.first(), folders)).size();
        QVERIFY(TestFiles::readAll(path).contains(u"/Width %1"_s.arg(printed.width()).toLatin1()));
    }

    void cardPage() {
        PrintSettings s;
        ReportPainter painter(
            PrintReports::recipeCards({card(u"Daiquiri"_s)}, s, PrintFonts(), QtReportMeasurer(), m_folders));
        QCOMPARE(painter.pageCount(), 1);
        const QImage page = painter.renderPage(0, kDotsPerMm);
        QCOMPARE(page.size(), QSize(840, 1188));
        // The default picture, stretched into its box at the top right.
        QCOMPARE(QColor(page.pixel(qRound((15 + 131 + 24) * kDotsPerMm), qRound((15 + 35) * kDotsPerMm))),
                 QColor(Qt::red));
        const ReportBand& band = painter.document().details.first();
        QVERIFY(darkPixels(page, band.item(u"LName"_s)->rect) > 50);
        QVERIFY(darkPixels(page, band.item(u"LZ1"_s)->rect) > 20);
        QVERIFY(darkPixels(page, band.item(u"LMem"_s)->rect) > 50);
        // Nothing in the margin.
        QCOMPARE(darkPixels(page, QRectF(-15, -15, 210, 14)), 0);
    }

    void pdfPagesAndPaper_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("A4") << int(PrintSettings::Paper::A4) << int(PrintSettings::Orientation::Portrait)
                            << QSizeF(595.3, 841.9);
        QTest::newRow("A4 quer") << int(PrintSettings::Paper::A4)
                                 << int(PrintSettings::Orientation::Landscape) << QSizeF(841.9, 595.3);
        QTest::newRow("A5") << int(PrintSettings::Paper::A5) << int(PrintSettings::Orientation::Portrait)
                            << QSizeF(419.5, 595.3);
        QTest::newRow("A5 quer") << int(PrintSettings::Paper::A5)
                                 << int(PrintSettings::Orientation::Landscape) << QSizeF(595.3, 419.5);
    }
    void pdfPagesAndPaper() {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(QSizeF, points);
        PrintSettings s;
        s.paper = PrintSettings::Paper(paper);
        s.orientation = PrintSettings::Orientation(orientation);
        ReportPainter painter(PrintReports::recipeCards({card(u"A"_s), card(u"B"_s), card(u"C"_s)}, s,
                                                        PrintFonts(), QtReportMeasurer(), m_folders));
        const QString path = m_dir.filePath(u"karten.pdf"_s);
        QVERIFY(painter.writePdf(path));
        const QByteArray pdf = TestFiles::readAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPages(pdf), 3);
        const QSizeF box = firstMediaBox(pdf);
        QVERIFY2(qAbs(box.width() - points.width()) < 1 && qAbs(box.height() - points.height()) < 1,
                 qPrintable(u"%1 x %2"_s.arg(box.width()).arg(box.height())));
    }

    void drinkListDottedLinesAndPages() {
        PrintSettings s;
        s.layout = PrintSettings::Layout::DrinkList;
        s.separator = PrintSettings::Separator::Line;
        s.alignment = PrintSettings::Alignment::Left;
        PrintRecord r = card(u"Mojito"_s);
        r.z[0] = u"Rum, Limette, Minze"_s;
        ReportPainter painter(
            PrintReports::drinkList(QList<PrintRecord>(40, r), s, PrintFonts(), QtReportMeasurer()));
        QVERIFY(painter.pageCount() >= 2);
        const QImage page = painter.renderPage(1, kDotsPerMm);
        const ReportDocument::Placement first = painter.pages().at(1).first();
        const double lineTop = first.top;
        QVERIFY(darkPixels(page, QRectF(0, lineTop - 0.5, 180, 1)) > 50);
        const ReportItem* nr = painter.document().details.at(first.band).item(u"LNr"_s);
        QCOMPARE(nr->text, u"%1."_s.arg(first.band + 1));
        QVERIFY(darkPixels(page, nr->rect.translated(0, lineTop)) > 10);
        QVERIFY(darkPixels(page, QRectF(0, -15, 180, 14)) == 0); // title in the header band
        QVERIFY(darkPixels(page, QRectF(0, 0, 180, 10)) > 50);

        const QString path = m_dir.filePath(u"liste.pdf"_s);
        QVERIFY(painter.writePdf(path));
        QCOMPARE(pdfPages(TestFiles::readAll(path)), painter.pageCount());
    }

    // The bar card's remark box holds two lines of its font: both are printed, and a longer remark
    // ends the second with an ellipsis, drawn where the line ends.
    void remarkShowsTwoLinesAndAnEllipsis() {
        PrintSettings s;
        s.layout = PrintSettings::Layout::DrinkList;
        s.remarks = true;
        PrintRecord r = card(u"Mojito"_s);
        r.z[2] = u"*"_s;
        const QString words =
            u"Minze nur andrücken, nicht zerreiben, sonst wird der Drink bitter und grün "_s;
        r.memo = words + words + words + words;
        ReportPainter painter(PrintReports::drinkList({r}, s, PrintFonts(), QtReportMeasurer()));
        const ReportItem* memo = painter.document().details.first().item(u"LMem"_s);
        QVERIFY(memo);
        const QImage page = painter.renderPage(0, kDotsPerMm);
        const ReportDocument::Placement at = painter.pages().first().first();
        const QRectF box = memo->rect.translated(0, at.top);
        const double half = box.height() / 2;
        QVERIFY(darkPixels(page, QRectF(box.left(), box.top(), box.width(), half)) > 50);
        QVERIFY(darkPixels(page, QRectF(box.left(), box.top() + half, box.width(), half)) > 50);
        // Two lines, the second cut with an ellipsis.
        const QStringList lines = ReportPainter::wrappedLines(memo->font, r.memo, memo->rect.size());
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.first().startsWith(u"Minze nur andrücken"_s));
        QVERIFY2(lines.last().endsWith(u"…"_s), qPrintable(lines.last()));
    }

    // A text too long for its box ends with its last whole line.
    void wrappedTextKeepsWholeLines() {
        const ReportFont font{u"ARIAL"_s, 16};
        const double line = QtReportMeasurer().height(font);
        ReportItem text;
        text.rect = QRectF(0, 0, 60, line * 1.6);
        text.text = QString(20, u'W') + u" "_s + QString(20, u'W');
        text.font = font;
        text.wrap = true;
        ReportDocument doc;
        doc.details.append(ReportBand{50, {text}});
        ReportPainter painter(doc);
        const QImage page = painter.renderPage(0, kDotsPerMm);
        QVERIFY(darkPixels(page, QRectF(0, 0, 60, line)) > 50);
        QCOMPARE(darkPixels(page, QRectF(0, line + 0.3, 60, 0.6 * line - 0.6)), 0);
    }
};

VELTA_TEST_MAIN_GUI(TestReportPainter)
#include "tst_reportpainter.moc"
