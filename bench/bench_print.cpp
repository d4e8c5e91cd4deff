// Printing benchmarks on the 5000-recipe synthetic data set: filling the print table for every
// recipe in both layouts, and writing 100 recipe cards as a PDF through the report engine.
// Given a data folder (bench_print build/ci/image/DATEN), also every drink there as recipe cards
// in one PDF, from filling the print table to the file.
#include "BenchHarness.h"
#include "SyntheticDataSet.h"
#include "print/PrintReports.h"
#include "print/PrintTable.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "store/ListsFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "ui/ProgramFonts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

struct Tables {
    std::optional<TApolloEnv> ownEnv;
    TApolloEnv& env;
    std::vector<std::unique_ptr<TTable>> tables;
    std::vector<std::unique_ptr<TApollo>> apollos;
    // One environment serves every table of a process.
    Tables(const QString& folder, TApolloEnv* shared = nullptr) : env(shared ? *shared : ownEnv.emplace()) {
        env.SetDeleted(true);
        for (const char* name : {"RE", "ZU", "DE"}) {
            auto table = std::make_unique<TTable>(env);
            table->setDatabaseName(folder);
            table->setTableName(QString::fromLatin1(name));
            table->Open();
            apollos.push_back(std::make_unique<TApollo>(*table));
            tables.push_back(std::move(table));
        }
        zu().IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    }
    TApollo& re() { return *apollos[0]; }
    TApollo& zu() { return *apollos[1]; }
    TApollo& de() { return *apollos[2]; }
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    ProgramFonts::registerFonts();
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    // A photo of the collection's size as the default picture of every card.
    QImage photo(140, 200, QImage::Format_RGB888);
    photo.fill(QColor(180, 120, 60));
    photo.save(QDir(dir.path()).filePath(QStringLiteral("DEFAULT.BMP")), "BMP");
    PrintTable::create(dir.path());
    Tables t(dir.path());
    QStringList categories;
    QStringList tastes;
    ListsFile::load(QDir(dir.path()).filePath(QStringLiteral("VE.DAT")), &categories, &tastes);
    const PrintRecordBuilder::Sources sources{t.re(), t.zu(), t.de(), categories, tastes};
    QList<int> all;
    for (t.re().GoTop(); !t.re().Eof(); t.re().Skip())
        all.append(t.re().RecNo());
    TTable hilf(t.env);
    TApollo printTable(hilf);
    out << "Synthetische Daten: " << all.size() << " Rezepte\n\n";

    PrintSettings cards;
    PrintSettings list;
    list.layout = PrintSettings::Layout::DrinkList;
    list.remarks = true;
    const auto fillCards =
        BenchHarness::run(QStringLiteral("FillPrintTable, Rezeptkarten, 5000 Getränke"),
                          [&] { PrintTable::fill(printTable, dir.path(), sources, all, cards); });
    const auto fillList = BenchHarness::run(QStringLiteral("FillPrintTable, Barkarte, 5000 Getränke"), [&] {
        PrintTable::fill(printTable, dir.path(), sources, all, list);
    });

    PrintTable::fill(printTable, dir.path(), sources, all.mid(0, 100), cards);
    const QList<PrintRecord> records = PrintTable::readAll(t.env, dir.path());
    const QtReportMeasurer measurer;
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("karten.pdf"));
    const auto cardPdf =
        BenchHarness::run(QStringLiteral("100 Rezeptkarten als PDF (Layout + Schreiben)"), [&] {
            ReportPainter painter(PrintReports::recipeCards(records, cards, PrintFonts(), measurer,
                                                            {dir.path(), dir.path(), dir.path()}));
            painter.writePdf(pdf);
        });

    std::optional<BenchHarness::Result> shippedPdf;
    if (argc > 1) {
        const QString shipped = QString::fromLocal8Bit(argv[1]);
        Tables s(shipped, &t.env);
        QStringList shippedCategories;
        QStringList shippedTastes;
        ListsFile::load(QDir(shipped).filePath(QStringLiteral("VE.DAT")), &shippedCategories, &shippedTastes);
        const PrintRecordBuilder::Sources from{s.re(), s.zu(), s.de(), shippedCategories, shippedTastes};
        QList<int> every;
        for (s.re().GoTop(); !s.re().Eof(); s.re().Skip())
            every.append(s.re().RecNo());
        const QString folders = QFileInfo(shipped).dir().filePath(QStringLiteral("BILDER"));
        shippedPdf = BenchHarness::run(
            QStringLiteral("Alle %1 gelieferten Getränke als Rezeptkarten-PDF").arg(every.size()), [&] {
                PrintTable::fill(printTable, dir.path(), from, every, cards);
                ReportPainter painter(PrintReports::recipeCards(PrintTable::readAll(t.env, dir.path()), cards,
                                                                PrintFonts(), measurer,
                                                                {folders, dir.path(), shipped}));
                painter.writePdf(QDir(dir.path()).filePath(QStringLiteral("alle.pdf")));
            });
    }

    out << "Drucktabelle\n";
    BenchHarness::print(out, fillCards, 50);
    BenchHarness::print(out, fillList, 50);
    out << "\nReport\n";
    BenchHarness::print(out, cardPdf, 150);
    out << "  PDF: " << QFileInfo(pdf).size() / 1024 << " KiB\n";
    if (shippedPdf)
        BenchHarness::print(out, *shippedPdf, 1500);
    return 0;
}
