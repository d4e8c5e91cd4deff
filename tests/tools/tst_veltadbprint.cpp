#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "common/HomeBarTable.h"
#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "print/PrintTable.h"
#include "print/TextExport.h"
#include "store/Cp1252.h"
#include "store/ListsFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kData = QStringLiteral(VELTA_IMAGE_DATA_DIR);

// A fixed hash seed: the fonts of a PDF are then written in the same order on every run.
VeltadbRun veltadb(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_HASH_SEED"_s, u"0"_s);
    return VeltadbRun::of(args, 60000, env);
}

// The print table as the program fills it from the shipped tables.
QByteArray exportedInProcess(const QList<int>& recNos, const PrintSettings& settings) {
    TApolloEnv env;
    env.SetDeleted(true);
    std::vector<std::unique_ptr<TTable>> tables;
    std::vector<std::unique_ptr<TApollo>> t;
    for (const char* name : {"RE", "ZU", "DE"}) {
        tables.push_back(std::make_unique<TTable>(env));
        tables.back()->setDatabaseName(kData);
        tables.back()->setTableName(QString::fromLatin1(name));
        tables.back()->setReadOnly(true);
        tables.back()->Open();
        t.push_back(std::make_unique<TApollo>(*tables.back()));
    }
    QStringList categories;
    QStringList tastes;
    ListsFile::load(kData + u"/VE.DAT"_s, &categories, &tastes);
    QTemporaryDir scratch;
    PrintTable::create(scratch.path());
    TTable hilf(env);
    TApollo printTable(hilf);
    PrintTable::fill(printTable, scratch.path(), {*t[0], *t[1], *t[2], categories, tastes}, recNos, settings);
    QByteArray bytes = TextExport::bytes(PrintTable::readAll(env, scratch.path()));
    t.clear();
    return bytes;
}

int liveRecipes() {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable re(env);
    re.setDatabaseName(kData);
    re.setTableName(u"RE"_s);
    re.setReadOnly(true);
    re.Open();
    TApollo t(re);
    return t.Count();
}

// The visible recipes mixable from an empty bar with that many purchases.
int mixableFromNothing(int purchases) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable re(env);
    re.Open(kData, u"RE"_s, true);
    TApollo t(re);
    int n = 0;
    for (t.GoTop(); !t.Eof(); t.Skip())
        n += HomeBarTable::Mixable(t.GetPaddedString(u"Z"_s), IngredientSet(), purchases) ? 1 : 0;
    return n;
}

int recNoOf(const QString& name) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable re(env);
    re.Open(kData, u"RE"_s, true);
    TApollo t(re);
    for (t.GoTop(); !t.Eof(); t.Skip()) {
        if (RecipeBook::name(t) == name)
            return t.RecNo();
    }
    return 0;
}

QSizeF mediaBox(const QByteArray& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s).match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

} // namespace

class TestVeltadbPrint : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void exportRunsTheProgramsFill_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<int>>("recNos");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("ingredients");
        QTest::addColumn<bool>("remarks");
        QTest::newRow("cards") << QStringList() << QList<int>{3, 1, 3} << 0 << 2 << false;
        QTest::newRow("list, three, remarks")
            << strings({"--liste", "--zutaten", "3", "--bemerkung"}) << QList<int>{2, 5, 7} << 1 << 1 << true;
        QTest::newRow("list without ingredients")
            << strings({"--zutaten", "0", "--liste"}) << QList<int>{4} << 1 << 0 << false;
    }
    void exportRunsTheProgramsFill() {
        QFETCH(QStringList, options);
        QFETCH(QList<int>, recNos);
        QFETCH(int, layout);
        QFETCH(int, ingredients);
        QFETCH(bool, remarks);
        const QString target = m_dir.filePath(u"export.txt"_s);
        QStringList args{u"export"_s, kData, target};
        args += options;
        for (int r : recNos)
            args << QString::number(r);
        const VeltadbRun run = veltadb(args);
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        PrintSettings s;
        s.layout = PrintSettings::Layout(layout);
        s.ingredients = PrintSettings::Ingredients(ingredients);
        s.remarks = remarks;
        const QByteArray written = TestFiles::readAll(target);
        QCOMPARE(written, exportedInProcess(recNos, s));
        QVERIFY(written.endsWith("\r\n\r\n"));
        QCOMPARE(written.count('\n'), written.count("\r\n"));
    }

    void exportDefaultsToEveryRecipe() {
        const QString target = m_dir.filePath(u"alle.txt"_s);
        QCOMPARE(veltadb({u"export"_s, kData, target, u"--liste"_s}).code, 0);
        const QByteArray written = TestFiles::readAll(target);
        QCOMPARE(int(written.count("\r\nMenge: ")), liveRecipes());
        QVERIFY(!written.contains("Kategorie: "));
        // By name, as the print dialog lists them: every drink begins after an empty line.
        QStringList names;
        for (const QString& block : Cp1252::toUnicode(written).split(u"\r\n\r\n"_s, Qt::SkipEmptyParts))
            names << block.section(u"\r\n"_s, 0, 0);
        QCOMPARE(names.size(), liveRecipes());
        QStringList sorted = names;
        std::stable_sort(sorted.begin(), sorted.end(), ListCollation::lessThan);
        QCOMPARE(names, sorted);
        QVERIFY(names != QStringList(names.crbegin(), names.crend()));
    }

    // "--einheit": the amounts in cl of the text in ml or oz, the rest as stored; cl without it.
    void exportInTheChosenUnit() {
        const QString mojito = QString::number(recNoOf(u"Mojito"_s));
        const auto exported = [this, &mojito](const QStringList& unit) {
            const QString target = m_dir.filePath(u"einheit.txt"_s);
            QFile::remove(target);
            const VeltadbRun run =
                veltadb(QStringList{u"export"_s, kData, target} + unit + QStringList{mojito});
            return run.code == 0 ? Cp1252::toUnicode(TestFiles::readAll(target)) : run.err;
        };
        const QString oz = exported({u"--einheit"_s, u"OZ"_s});
        for (const QString& line : {u"1¼ oz  Weißer Rum"_s, u"¾ oz  Limettensaft"_s, u"Minze"_s,
                                    u"10 g  Rohrzucker"_s, u"2 oz  Soda"_s, u"Menge: 4 oz"_s})
            QVERIFY2(oz.contains(u"\r\n"_s + line + u"\r\n"_s), qPrintable(oz));
        const QString ml = exported({u"--einheit"_s, u"ml"_s});
        QVERIFY2(ml.contains(u"\r\n40 ml  Weißer Rum\r\n"_s) && ml.contains(u"\r\nMenge: 120 ml\r\n"_s),
                 qPrintable(ml));
        const QString cl = exported({});
        QVERIFY2(cl.contains(u"\r\n4 cl  Weißer Rum\r\n"_s) && cl.contains(u"\r\nMenge: 12 cl\r\n"_s),
                 qPrintable(cl));
        QCOMPARE(exported({u"--einheit"_s, u"cl"_s}), cl);
    }

    // The bar card's choices of the dialog (separator, alignment, ingredients, remarks, columns,
    // sections) each change
    // what is printed.
    void pdfTakesTheDialogsChoices() {
        const auto pdfWith = [this](const QStringList& options) {
            const QString target = m_dir.filePath(u"karte.pdf"_s);
            const VeltadbRun run =
                veltadb(QStringList{u"drucken"_s, kData, target, u"--liste"_s, u"1"_s, u"2"_s} + options);
            // Without the time of its making, the one line in which two runs differ.
            static const QRegularExpression made(u"/CreationDate \\(D:[0-9Z+-]*\\)"_s);
            return run.code == 0 ? QString::fromLatin1(TestFiles::readAll(target)).remove(made).toLatin1()
                                 : QByteArray();
        };
        const QByteArray plain = pdfWith({});
        QVERIFY(plain.startsWith("%PDF"));
        QCOMPARE(pdfWith({}), plain);
        for (const QStringList& option :
             {strings({"--trenner", "ornament"}), strings({"--ausrichtung", "links"}),
              strings({"--zutaten", "0"}), strings({"--bemerkung"}), strings({"--spalten", "2"}),
              strings({"--kategorien"})}) {
            const QByteArray changed = pdfWith(option);
            QVERIFY2(changed.startsWith("%PDF") && changed != plain, qPrintable(option.join(u' ')));
        }
    }

    // The shipped bars are empty: with no purchase nothing is mixable and nothing is written; with
    // three purchases the drinks the mixable test keeps for an empty bar remain.
    void mixableBarCard() {
        const QString target = m_dir.filePath(u"mixbar.txt"_s);
        const VeltadbRun none = veltadb({u"export"_s, kData, target, u"--liste"_s, u"--mixbar"_s, u"1"_s});
        QCOMPARE(none.code, 1);
        QVERIFY2(
            none.err.contains(u"Keines der gewählten Getränke lässt sich aus der Hausbar Nr. 1 mixen."_s),
            qPrintable(none.err));
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(veltadb({u"export"_s, kData, target, u"--liste"_s, u"--mixbar"_s, u"3:3"_s}).code, 0);
        const QByteArray written = TestFiles::readAll(target);
        QCOMPARE(int(written.count("\r\nMenge: ")), mixableFromNothing(3));
    }

    // "mit Sternen": the user's stars after the name on the bar card, as asterisks; never on a
    // drink without stars nor without the option.
    void starsOnTheBarCard() {
        const QString data = m_dir.filePath(u"DATEN"_s);
        QVERIFY(TempDataFolder::copyWritable(kData, data));
        QCOMPARE(veltadb({u"bewertung"_s, data, u"1"_s, u"3"_s}).code, 0);
        const QString target = m_dir.filePath(u"sterne.txt"_s);
        QCOMPARE(veltadb({u"export"_s, data, target, u"--liste"_s, u"--sterne"_s, u"1"_s, u"2"_s}).code, 0);
        const QString withStars = Cp1252::toUnicode(TestFiles::readAll(target));
        QCOMPARE(withStars.count(u"  ***"_s), 1);
        QCOMPARE(withStars.count(u"*"_s), 3);
        QCOMPARE(veltadb({u"export"_s, data, target, u"--liste"_s, u"1"_s, u"2"_s}).code, 0);
        QVERIFY(!TestFiles::readAll(target).contains("*"));
    }

    void pdfOfCardsAndList_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSizeF>("points");
        QTest::addColumn<int>("pages");
        QTest::newRow("cards A4") << strings({"1", "2", "3"}) << QSizeF(595.3, 841.9) << 3;
        QTest::newRow("cards A5 landscape") << strings({"--a5", "--quer", "4", "4"}) << QSizeF(595.3, 419.5)
                                            << 4; // each goes on to a second page
        QTest::newRow("list A5") << strings({"--liste", "--a5", "1", "2", "3"}) << QSizeF(419.5, 595.3) << 1;
    }
    void pdfOfCardsAndList() {
        QFETCH(QStringList, options);
        QFETCH(QSizeF, points);
        QFETCH(int, pages);
        const QString target = m_dir.filePath(u"karten.pdf"_s);
        const VeltadbRun run = veltadb(QStringList{u"drucken"_s, kData, target} + options);
        QCOMPARE(run.code, 0);
        const QByteArray pdf = TestFiles::readAll(target);
        QVERIFY(pdf.startsWith("%PDF"));
        const QSizeF box = mediaBox(pdf);
        QVERIFY2(qAbs(box.width() - points.width()) < 1 && qAbs(box.height() - points.height()) < 1,
                 qPrintable(u"%1 x %2"_s.arg(box.width()).arg(box.height())));
        QCOMPARE(int(pdf.count("/Type /Page\n")), pages);
    }

    void badArgumentsExitWithTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown record")
            << strings({"export", "DATA", "TARGET", "99999"}) << u"Kein Rezept mit der Satznummer 99999."_s;
        QTest::newRow("not a record number")
            << strings({"drucken", "DATA", "TARGET", "zwei"}) << u"Ungültige Satznummer: zwei"_s;
        QTest::newRow("ingredient choice")
            << strings({"export", "DATA", "TARGET", "--zutaten", "4"}) << u"--zutaten erwartet 0, 3 oder 5"_s;
        QTest::newRow("option of the other verb")
            << strings({"export", "DATA", "TARGET", "--a5"}) << u"Unbekannte Option für export: --a5"_s;
        QTest::newRow("missing folder") << strings({"export", "/nirgends/DATEN", "TARGET"})
                                        << u"Der Datenordner /nirgends/DATEN existiert nicht."_s;
        QTest::newRow("target missing") << strings({"drucken", "DATA"}) << u"Aufruf:"_s;
        QTest::newRow("mixable on cards") << strings({"drucken", "DATA", "TARGET", "--mixbar", "1"})
                                          << u"--mixbar gilt nur für die Barkarte"_s;
        QTest::newRow("mixable bar 4") << strings({"export", "DATA", "TARGET", "--liste", "--mixbar", "4"})
                                       << u"--mixbar erwartet BAR"_s;
        QTest::newRow("separator") << strings({"drucken", "DATA", "TARGET", "--liste", "--trenner", "Kreuz"})
                                   << u"--trenner erwartet einen dieser Namen: Kein Trennzeichen, Linie"_s;
        QTest::newRow("alignment") << strings({"drucken", "DATA", "TARGET", "--ausrichtung", "oben"})
                                   << u"--ausrichtung erwartet einen dieser Namen: mitte, links, rechts"_s;
        QTest::newRow("unit") << strings({"export", "DATA", "TARGET", "--einheit", "floz"})
                              << u"--einheit erwartet cl, ml oder oz, nicht „floz“"_s;
        QTest::newRow("mixable with 4 purchases")
            << strings({"drucken", "DATA", "TARGET", "--liste", "--mixbar", "2:4"})
            << u"--mixbar erwartet BAR"_s;
    }
    void badArgumentsExitWithTwo() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString target = m_dir.filePath(u"nie.txt"_s);
        args.replaceInStrings(u"DATA"_s, kData).replaceInStrings(u"TARGET"_s, target);
        const VeltadbRun run = veltadb(args);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(target));
    }

    void unwritableTargetIsReported() {
        const QString target = m_dir.filePath(u"ordner"_s);
        QVERIFY(QDir().mkpath(target));
        for (const QString& verb : {u"export"_s, u"drucken"_s}) {
            const VeltadbRun run = veltadb({verb, kData, target, u"1"_s});
            QCOMPARE(run.code, 2);
            QVERIFY2(run.err.contains(target) && run.err.contains(u" nicht "_s), qPrintable(run.err));
            QVERIFY(QFileInfo(target).isDir());
        }
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadbPrint)
#include "tst_veltadbprint.moc"
