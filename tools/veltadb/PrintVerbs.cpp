#include "PrintVerbs.h"

#include "common/AppState.h"
#include "common/DisplayUnit.h"
#include "common/HomeBarTable.h"
#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "print/PrintReports.h"
#include "print/PrintSession.h"
#include "print/PrintTable.h"
#include "print/TextExport.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "store/AtomicFile.h"
#include "store/Fields.h"
#include "store/ListsFile.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

struct Request {
    QString folder;
    QString target;
    PrintSettings settings;
    QList<int> recNos;
    DisplayUnit::Kind unit = DisplayUnit::Cl;
};

// A bad argument or a failed step, reported as given.
// Bad arguments end with 2, work that could not be done (a file that could not be written) with 1.
struct Failure {
    QString text;
    int code = 2;
};

int toRecNo(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        throw Failure{QStringLiteral("Ungültige Satznummer: %1").arg(text)};
    return n;
}

PrintSettings::Ingredients ingredientChoice(const QString& text) {
    if (text == QStringLiteral("0"))
        return PrintSettings::Ingredients::None;
    if (text == QStringLiteral("3"))
        return PrintSettings::Ingredients::FirstThree;
    if (text == QStringLiteral("5"))
        return PrintSettings::Ingredients::FirstFive;
    throw Failure{QStringLiteral("--zutaten erwartet 0, 3 oder 5, nicht „%1“").arg(text)};
}

DisplayUnit::Kind unitChoice(const QString& text) {
    if (const std::optional<DisplayUnit::Kind> unit = DisplayUnit::named(text))
        return *unit;
    throw Failure{QStringLiteral("--einheit erwartet cl, ml oder oz, nicht „%1“").arg(text)};
}

// "--mixbar BAR[:ZUKÄUFE]": bar 1..3, purchases 0..3 (none given: 0).
void mixableChoice(const QString& text, PrintSettings& settings) {
    const QStringList parts = text.split(QLatin1Char(':'));
    bool barOk = false;
    bool purchasesOk = parts.size() == 1;
    const int bar = parts.at(0).toInt(&barOk);
    const int purchases = parts.size() == 2 ? parts.at(1).toInt(&purchasesOk) : 0;
    if (parts.size() > 2 || !barOk || !purchasesOk || bar < 1 || bar > HomeBarTable::kBars || purchases < 0 ||
        purchases > 3)
        throw Failure{QStringLiteral("--mixbar erwartet BAR (1 bis 3) und wahlweise :ZUKÄUFE (0 bis 3), "
                                     "nicht „%1“")
                          .arg(text)};
    settings.mixableBar = bar;
    settings.mixablePurchases = purchases;
}

// The index of a choice named without regard to case; anything else is a bad argument.
int choiceOf(const QString& given, const QStringList& names, const QString& option) {
    for (int k = 0; k < int(names.size()); ++k) {
        if (given.compare(names.at(k), Qt::CaseInsensitive) == 0)
            return k;
    }
    throw Failure{
        QStringLiteral("%1 erwartet einen dieser Namen: %2").arg(option, names.join(QStringLiteral(", ")))};
}

Request parse(const QString& verb, const QStringList& args) {
    if (args.size() < 2)
        throw Failure{QStringLiteral("%1 braucht einen Datenordner und eine Zieldatei.").arg(verb)};
    Request r{args.at(0), args.at(1), PrintSettings(), {}, DisplayUnit::Cl};
    if (QFileInfo(r.target).isDir())
        throw Failure{
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden: das ist ein Ordner.").arg(r.target)};
    const bool text = verb == QStringLiteral("export");
    for (int i = 2; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QStringLiteral("--liste"))
            r.settings.layout = PrintSettings::Layout::DrinkList;
        else if (a == QStringLiteral("--bemerkung"))
            r.settings.remarks = true;
        else if (a == QStringLiteral("--sterne"))
            r.settings.stars = true;
        else if (!text && a == QStringLiteral("--kategorien"))
            r.settings.sections = true;
        else if (a == QStringLiteral("--zutaten") && i + 1 < args.size())
            r.settings.ingredients = ingredientChoice(args.at(++i));
        else if (!text && a == QStringLiteral("--trenner") && i + 1 < args.size())
            r.settings.separator = PrintSettings::Separator(
                choiceOf(args.at(++i), PrintSettings::separatorNames(), QStringLiteral("--trenner")));
        else if (!text && a == QStringLiteral("--bogen") && i + 1 < args.size())
            r.settings.sheet = PrintSettings::Sheet(
                choiceOf(args.at(++i),
                         {QStringLiteral("einzeln"), QStringLiteral("a6x4"), QStringLiteral("karteikarte")},
                         QStringLiteral("--bogen")));
        else if (!text && a == QStringLiteral("--spalten") && i + 1 < args.size())
            r.settings.columns =
                choiceOf(args.at(++i), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                         QStringLiteral("--spalten")) +
                1;
        else if (!text && a == QStringLiteral("--ausrichtung") && i + 1 < args.size())
            r.settings.alignment = PrintSettings::Alignment(choiceOf(
                args.at(++i), {QStringLiteral("mitte"), QStringLiteral("links"), QStringLiteral("rechts")},
                QStringLiteral("--ausrichtung")));
        else if (a == QStringLiteral("--einheit") && i + 1 < args.size())
            r.unit = unitChoice(args.at(++i));
        else if (a == QStringLiteral("--mixbar") && i + 1 < args.size())
            mixableChoice(args.at(++i), r.settings);
        else if (!text && a == QStringLiteral("--a5"))
            r.settings.paper = PrintSettings::Paper::A5;
        else if (!text && a == QStringLiteral("--quer"))
            r.settings.orientation = PrintSettings::Orientation::Landscape;
        else if (a.startsWith(QStringLiteral("--")))
            throw Failure{QStringLiteral("Unbekannte Option für %1: %2").arg(verb, a)};
        else
            r.recNos.append(toRecNo(a));
    }
    if (r.settings.mixableBar > 0 && !r.settings.listLayout())
        throw Failure{QStringLiteral("--mixbar gilt nur für die Barkarte (--liste).")};
    return r;
}

// The recipe, ingredient and decoration tables of the data folder, opened read-only.
class DataFolder {
public:
    explicit DataFolder(const QString& folder) {
        if (!QFileInfo(folder).isDir())
            throw Failure{QStringLiteral("Der Datenordner %1 existiert nicht.").arg(folder)};
        m_env.SetDeleted(true);
        for (const char* name : {"RE", "ZU", "DE"}) {
            auto table = std::make_unique<TTable>(m_env);
            table->setDatabaseName(folder);
            table->setTableName(QString::fromLatin1(name));
            table->setReadOnly(true);
            table->Open();
            m_apollos.push_back(std::make_unique<TApollo>(*table));
            m_tables.push_back(std::move(table));
        }
        ListsFile::load(QDir(folder).filePath(QStringLiteral("VE.DAT")), &m_categories, &m_tastes);
    }

    TApolloEnv& env() { return m_env; }
    TApollo& recipes() { return *m_apollos[0]; }
    PrintRecordBuilder::Sources sources() {
        return {*m_apollos[0], *m_apollos[1], *m_apollos[2], m_categories, m_tastes};
    }

    // Every recipe not deleted, by name as the dialog lists them; or the given ones, each of which
    // must exist.
    QList<int> chosen(const QList<int>& given) {
        TApollo& re = recipes();
        QList<int> recNos;
        if (given.isEmpty()) {
            QList<ListEntry> all;
            for (re.GoTop(); !re.Eof(); re.Skip())
                all.append({RecipeBook::name(re), re.RecNo()});
            ListCollation::sort(all);
            for (const ListEntry& e : all)
                recNos.append(e.data);
            return recNos;
        }
        for (int recNo : given) {
            re.Go(recNo);
            if (re.Eof() || re.IsDeleted())
                throw Failure{QStringLiteral("Kein Rezept mit der Satznummer %1.").arg(recNo)};
        }
        return given;
    }

private:
    // Destroyed in reverse: the record operations before their tables, the environment last.
    TApolloEnv m_env;
    std::vector<std::unique_ptr<TTable>> m_tables;
    std::vector<std::unique_ptr<TApollo>> m_apollos;
    QStringList m_categories;
    QStringList m_tastes;
};

// The bar card's mixable test, with the basics and substitutes of the folder's home bar settings.
HomeBarTable::Test mixableTest(const QString& folder, TApollo& ingredients, const PrintSettings& settings) {
    AppState state;
    state.loadForBars(folder, ingredients);
    return state.barCoverage().test(settings.mixableBar, settings.mixablePurchases);
}

QList<PrintRecord> fillPrintTable(DataFolder& data, const Request& r) {
    const QList<int> recNos = data.chosen(r.recNos);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw Failure{QStringLiteral("Kein Platz für die Drucktabelle.")};
    PrintTable::create(scratch.path());
    TTable table(data.env());
    TApollo printTable(table);
    const HomeBarTable::Test mixable = mixableTest(r.folder, data.sources().ingredients, r.settings);
    // The user's stars for the bar card; a damaged file is said and prints none.
    MyDrinks own;
    if (const std::optional<Notice> damaged = own.loadFolder(r.folder, data.recipes(), false))
        QTextStream(stderr) << "veltadb: " << QString(damaged->text).replace(u'\r', u'\n') << '\n';
    const QHash<int, int> stars = own.allStars();
    PrintRecordBuilder::Sources sources = data.sources();
    sources.stars = &stars;
    sources.unit = r.unit;
    PrintTable::fill(printTable, scratch.path(), sources, recNos, r.settings, nullptr,
                     r.settings.keepsOnlyMixable() ? &mixable : nullptr);
    return PrintTable::readAll(data.env(), scratch.path());
}

PrintReports::PhotoFolders photoFolders(const QString& dataFolder) {
    const QDir program = QFileInfo(QDir(dataFolder).absolutePath()).dir();
    return {program.filePath(QStringLiteral("BILDER")), program.filePath(QStringLiteral("EIGENE")),
            QDir(dataFolder).absolutePath()};
}

void writeText(const Request& r, const QList<PrintRecord>& records) {
    QString reason;
    if (!TextExport::write(r.target, records, &reason))
        throw Failure{AtomicFile::failureText(r.target, reason), 1};
}

void writePdf(const Request& r, const QList<PrintRecord>& records) {
    const QtReportMeasurer measurer;
    ReportPainter painter(
        PrintReports::build(records, r.settings, PrintFonts(), measurer, photoFolders(r.folder)));
    QString reason;
    if (!painter.writePdf(r.target, &reason))
        throw Failure{AtomicFile::failureText(r.target, reason), 1};
}

} // namespace

bool PrintVerbs::handles(const QString& verb) {
    return verb == QStringLiteral("export") || verb == QStringLiteral("drucken");
}

int PrintVerbs::run(const QString& verb, const QStringList& args) {
    int storeFailure = 2; // a folder whose tables do not open is a bad argument
    try {
        const Request r = parse(verb, args);
        DataFolder data(r.folder);
        storeFailure = 1;
        const QList<PrintRecord> records = fillPrintTable(data, r);
        if (records.isEmpty() && r.settings.keepsOnlyMixable()) {
            QTextStream(stderr) << "veltadb: " << PrintSession::nothingMixableText(r.settings.mixableBar)
                                << '\n';
            return 1;
        }
        if (verb == QStringLiteral("export"))
            writeText(r, records);
        else
            writePdf(r, records);
        return 0;
    } catch (const Failure& f) {
        QTextStream(stderr) << "veltadb: " << QString(f.text).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                            << '\n';
        return f.code;
    } catch (const StoreError& e) {
        QTextStream(stderr) << "veltadb: " << e.text() << '\n';
    }
    return storeFailure;
}
