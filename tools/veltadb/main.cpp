// veltadb: the program's data operations from the command line, with the program's own code:
// inspect, dump, query and check tables, mark recipes, run saved searches, edit recipes and lists,
// the shopping analysis, the print outputs, backup and restore, and the options file.
#include "ExchangeVerbs.h"
#include "HomeBarVerb.h"
#include "IngredientVerbs.h"
#include "JsonVerbs.h"
#include "ListVerbs.h"
#include "MaintFolder.h"
#include "MyDrinksVerbs.h"
#include "OptionsVerb.h"
#include "PartyVerb.h"
#include "PrintVerbs.h"
#include "RecipeVerbs.h"
#include "SearchVerb.h"
#include "app/ProgramHelp.h"
#include "assistants/NearMissSession.h"
#include "assistants/ShoppingSession.h"
#include "browser/RecipeList.h"
#include "browser/RecipeMarks.h"
#include "calc/BatchBottle.h"
#include "common/AppState.h"
#include "common/HomeBarTable.h"
#include "common/RecipeBook.h"
#include "common/RecipeCost.h"
#include "editors/AlcoholRecompute.h"
#include "exchange/BackupSet.h"
#include "store/DataFolderLock.h"
#include "store/RawFile.h"
#include "store/StoreChecker.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include "ui/ProgramFonts.h"
#include <QCoreApplication>
#include <QDir>

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

// The verbs as "--help" lists them (and a wrong call shows them); the bash completion and the
// manual page are made from this text.
QString verbList() {
    return QStringLiteral(
               "  veltadb info DATEI          Kopf und Felder einer Tabelle\n"
               "  veltadb dump DATEI          alle Sätze als Text\n"
               "  veltadb check ORDNER        Datenordner prüfen\n"
               "  veltadb alkohol-neu ORDNER  Alkoholgehalt aller Rezepte aus den Zutaten neu berechnen\n"
               "  veltadb query DATEI AUSDRUCK  Satznummern der Treffer eines Filters\n"
               "  veltadb mark DATEI [AUSDRUCK]  Rezepte markieren (alle oder die Treffer)\n"
               "  veltadb unmark DATEI         alle Markierungen aufheben\n"
               "  veltadb suche ORDNER N      gespeicherte Suche N (1 bis 10) ausführen\n"
               "  veltadb finde ORDNER TEXT   Getränke wie die Schnellsuche finden (auch unter anderen\n"
               "                              Namen aus ALIAS.TXT), die besten zuerst\n"
               "  veltadb aehnlich ORDNER SATZ  die zehn Drinks mit den ähnlichsten Zutaten, die besten "
               "zuerst\n"
               "  veltadb einkauf ORDNER BAR [--plan N [--je-euro]]  Einkaufstipps für Hausbar 1, 2 oder 3,\n"
               "                              mit --plan ein Einkaufsplan aus N (1 bis 10) Einkäufen\n"
               "  veltadb kosten ORDNER [SATZ ...]  was ein Glas kostet, aus den Preisen der Zutaten\n"
               "  veltadb vorrat ORDNER SATZ MILLILITER  Rezept als Vorratsflasche mit Schmelzwasser\n"
               "  veltadb fastmixbar ORDNER BAR [1|2]  Drinks, denen in der Hausbar eine (oder bis zu zwei) "
               "Zutaten fehlen\n"
               "  veltadb export ORDNER DATEI [--liste] [--zutaten 0|3|5] [--bemerkung] [--sterne] [--mixbar "
               "BAR[:ZUKÄUFE]]\n"
               "                              [--einheit cl|ml|oz] [SATZ ...]\n"
               "                              Rezepte als Textdatei\n"
               "  veltadb drucken ORDNER DATEI.pdf [--liste] [--a5] [--quer] [--zutaten 0|3|5] "
               "[--bemerkung]\n"
               "                              [--trenner NAME] [--ausrichtung links|mitte|rechts] [--spalten "
               "1|2|3]\n"
               "                              [--kategorien] [--sterne] [--bogen einzeln|a6x4|karteikarte]\n"
               "                              [--mixbar BAR[:ZUKÄUFE]] [--einheit cl|ml|oz] [SATZ ...]\n"
               "                              Rezeptkarten oder Barkarte als PDF\n"
               "  veltadb sichern ORDNER ZIEL   Daten aus ORDNER in ZIEL sichern\n"
               "  veltadb zuruecksichern ZIEL ORDNER  gesicherte Daten aus ZIEL in ORDNER zurücksichern\n"
               "  veltadb zuruecksichern-rueckgaengig ORDNER  die Daten vor dem letzten Zurücksichern "
               "zurückholen\n"
               "  veltadb importieren ORDNER VERSION1  eigene Rezepte und Zutaten aus Version 1 übernehmen\n"
               "  veltadb rezept-updates ORDNER UPDATE  neue Rezepte und Zutaten aus einem Update "
               "übernehmen\n"
               "  veltadb json ORDNER DATEI [--bilder-einbetten] [SATZ ...]  Rezepte als JSON-LD (schema.org "
               "Recipe),\n"
               "                              die Fotos als PNG daneben oder eingebettet\n"
               "  veltadb json-import ORDNER DATEI  Rezepte aus einer JSON-LD-Datei neu anlegen\n"
               "  veltadb csv ORDNER DATEI    die Rezeptliste als CSV-Datei (UTF-8) für Tabellenprogramme\n"
               "  veltadb optionen DATEI [STEUERELEMENT=WERT ...]  Optionen zeigen oder ändern\n"
               "  veltadb hausbar ORDNER [ersatz=0|1] [immer=0|1] [grund=+N|-N ...]\n"
               "                              Ersatzzutaten und Grundzutaten der Hausbar zeigen oder "
               "ändern\n") +
           PartyVerb::usage() + MyDrinksVerbs::usage() + RecipeVerbs::usage() + IngredientVerbs::usage() +
           ListVerbs::usage();
}

int usage() {
    err() << "Aufruf:\n" << verbList();
    return 2;
}

QString helpText() {
    return QStringLiteral(
               "Aufruf: veltadb BEFEHL [ARGUMENT ...]\n"
               "\n"
               "veltadb bearbeitet die Daten von Velta Cocktails 98 auf der Kommandozeile, mit dem Code "
               "des Programms: Tabellen ansehen und prüfen, Rezepte, Zutaten und Listen ändern, "
               "suchen, einkaufen, drucken, sichern und importieren. ORDNER ist ein Datenordner "
               "(beim installierten Programm ~/.local/share/velta98/DATEN). Solange das Programm "
               "mit einem Datenordner läuft, verweigern die schreibenden Aufrufe die Arbeit; lesende "
               "gehen weiter.\n"
               "\n"
               "Befehle:\n") +
           verbList() +
           QStringLiteral("  veltadb --help                zeigt diese Hilfe\n"
                          "  veltadb --version             zeigt die Version\n"
                          "\n"
                          "Ende:\n"
                          "  0    Erfolg\n"
                          "  1    verweigert oder misslungen (Meldung auf stderr)\n"
                          "  2    falsche Angaben (Meldung auf stderr)\n"
                          "\n") +
           ProgramHelp::commonSections(QStringLiteral("velta98"));
}

void openTable(TTable& table, const QString& path, bool readOnly = true) {
    const QFileInfo info(path);
    table.setDatabaseName(info.absolutePath());
    table.setTableName(info.fileName());
    table.setReadOnly(readOnly);
    table.Open();
}

int info(const QString& path) {
    TApolloEnv env;
    TTable table(env);
    openTable(table, path);
    const DbfFile& f = table.file();
    out() << "Datei:        " << f.path() << '\n'
          << "Version:      0x" << QString::number(f.version(), 16).toUpper() << '\n'
          << "Stand:        " << f.lastUpdate().toString(QStringLiteral("dd.MM.yyyy")) << '\n'
          << "Sätze:        " << f.recordCount() << '\n'
          << "Kopflänge:    " << f.headerLength() << '\n'
          << "Satzlänge:    " << f.recordLength() << '\n'
          << "Felder:\n";
    for (const DbfField& field : f.fields()) {
        out() << "  " << QString::fromLatin1(field.name).leftJustified(11) << QChar::fromLatin1(field.type)
              << ' ' << field.length;
        if (field.decimals > 0)
            out() << ',' << field.decimals;
        out() << '\n';
    }
    return 0;
}

int dump(const QString& path) {
    TApolloEnv env;
    TTable table(env);
    openTable(table, path);
    TApollo t(table);
    for (t.GoTop(); !t.Eof(); t.Skip()) {
        out() << '#' << t.RecNo() << (t.IsDeleted() ? " (gelöscht)" : "") << '\n';
        for (int i = 1; i <= t.FieldCount(); ++i) {
            const QString name = t.FieldName(i);
            const bool memo = table.file().fields().at(i - 1).type == 'M';
            QString value = memo ? t.GetMemo(name) : t.GetTrimString(name);
            value.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
                .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
            out() << "  " << name << " = " << value << '\n';
        }
    }
    return 0;
}

int query(const QString& path, const QString& expression) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    openTable(table, path);
    TApollo t(table);
    const int count = t.Query(expression);
    for (t.GoTop(); !t.Eof(); t.Skip())
        out() << t.RecNo() << '\n';
    out() << "count: " << count << '\n';
    return 0;
}

// The recipes a filter lists (all visible ones without a filter) get marked, as "mark all listed"
// in the window does: one bulk write.
int mark(const QString& path, const QString& expression) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    openTable(table, path, false);
    TApollo t(table);
    t.Query(expression);
    QList<int> listed;
    for (t.GoTop(); !t.Eof(); t.Skip())
        listed << t.RecNo();
    t.Query(QString());
    RecipeMarks::MarkAllListed(t, listed);
    table.Close();
    out() << "markiert: " << listed.size() << '\n';
    return 0;
}

int unmark(const QString& path) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    openTable(table, path, false);
    TApollo t(table);
    RecipeMarks::ClearAllMarks(t);
    table.Close();
    out() << "Markierungen aufgehoben\n";
    return 0;
}

int check(const QString& folder) {
    QStringList problems;
    {
        TApolloEnv env; // one store environment at a time: the substitutes check opens its own
        problems = StoreChecker::check(folder, env);
    }
    problems += substituteProblems(folder);
    problems += SearchVerb::aliasProblems(folder);
    problems += SearchVerb::markProblems(folder);
    problems += MyDrinksVerbs::problems(folder);
    for (const QString& p : problems)
        out() << p << '\n';
    return problems.isEmpty() ? 0 : 1;
}

// Every recipe's alcohol value from its ingredients, as one change (as after a strength change).
int alcoholAnew(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        err() << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    MaintFolder f(folder);
    if (f.readOnly()) {
        err() << "veltadb: " << MaintFolder::readOnlyText() << '\n';
        return 1;
    }
    AlcoholRecompute::beginChange(f.tables.ApolloRezepte);
    const AlcoholRecompute::Result r =
        AlcoholRecompute::run(f.tables.ApolloRezepte, f.tables.ApolloZutaten, f.sources.dashesPerCl);
    out() << "Alkoholgehalt neu: " << r.changed << " von " << r.recipes << " Rezepten geändert\n";
    return 0;
}

// The recipe and ingredient tables of a data folder, read-only, with the home bars and their settings
// as the program reads them: what the home bar verbs work on.
struct BarFolder {
    explicit BarFolder(const QString& folder) {
        env.SetDeleted(true);
        openTable(recipeTable, QDir(folder).filePath(QStringLiteral("RE")));
        openTable(ingredientTable, QDir(folder).filePath(QStringLiteral("ZU")));
        state.loadForBars(folder, ingredients);
    }
    TApolloEnv env;
    TTable recipeTable{env};
    TTable ingredientTable{env};
    TApollo recipes{recipeTable};
    TApollo ingredients{ingredientTable};
    AppState state;
};

// A home bar 1..3 as given on the command line; false (with the message) for anything else.
bool parseBar(const QString& barText, int* bar) {
    bool ok = false;
    *bar = barText.toInt(&ok);
    if (ok && *bar >= 1 && *bar <= HomeBarTable::kBars)
        return true;
    err() << "veltadb: Die Hausbar muss 1, 2 oder 3 sein, nicht \"" << barText << "\".\n";
    return false;
}

// The shopping assistant's analysis for one home bar of a data folder, or with `planText` its purchase
// plan of that many purchases.
int einkauf(const QString& folder, const QString& barText, const QString& planText = {},
            bool perEuro = false) {
    int bar = 0;
    if (!parseBar(barText, &bar))
        return 2;
    bool ok = false;
    const int purchases = planText.isNull() ? 0 : planText.toInt(&ok);
    if (!planText.isNull() && (!ok || purchases != PurchasePlan::clampPurchases(purchases))) {
        err() << "veltadb: Der Plan muss 1 bis " << PurchasePlan::kMaxPurchases
              << " Einkäufe umfassen, nicht \"" << planText << "\".\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err() << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    BarFolder f(folder);
    ShoppingSession session(f.state, {f.recipes, f.ingredients});
    session.setBar(bar);
    QStringList lines;
    if (planText.isNull()) {
        session.analyse();
        lines = session.resultLines();
    } else {
        session.plan().setPurchases(purchases);
        session.plan().setPerEuro(perEuro);
        session.makePlan();
        lines = session.plan().lines();
    }
    for (const QString& line : lines)
        out() << line << '\n';
    return 0;
}

// "Fast mixbar" for one home bar of a data folder: the drinks one (or up to two) ingredients short.
int fastmixbar(const QString& folder, const QString& barText, const QString& countText) {
    int bar = 0;
    if (!parseBar(barText, &bar))
        return 2;
    if (countText != QStringLiteral("1") && countText != QStringLiteral("2")) {
        err() << "veltadb: Es können 1 oder 2 Zutaten fehlen, nicht \"" << countText << "\".\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err() << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    BarFolder f(folder);
    NearMissSession session(f.state, f.recipes);
    session.begin(bar);
    session.setTwoMissing(countText == QStringLiteral("2"));
    for (const QString& line : session.scriptLines())
        out() << line << '\n';
    return 0;
}

// What a glass of each drink costs: all drinks by name, or the record numbers given.
int kosten(const QString& folder, const QStringList& recTexts) {
    QList<int> wanted;
    for (const QString& text : recTexts) {
        bool ok = false;
        const int recNo = text.toInt(&ok);
        if (!ok || recNo < 1) {
            err() << "veltadb: \"" << text << "\" ist keine Satznummer.\n";
            return 2;
        }
        wanted << recNo;
    }
    if (!QFileInfo(folder).isDir()) {
        err() << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    MaintFolder f(folder, false);
    TApollo& recipes = f.tables.ApolloRezepte;
    if (wanted.isEmpty()) {
        RecipeList list;
        list.fill(recipes);
        for (const ListEntry& e : list.entries())
            wanted << e.data;
    }
    // Every ingredient's price read once; each recipe's packed lines priced from it.
    const RecipeCost::PriceTable prices = RecipeCost::readPrices(f.tables.ApolloZutaten);
    for (int recNo : wanted) {
        if (recNo > recipes.RecCount() || (recipes.Go(recNo), recipes.IsDeleted())) {
            err() << "veltadb: Ein Rezept mit der Satznummer " << recNo << " gibt es nicht.\n";
            return 2;
        }
        const QString name = RecipeBook::name(recipes);
        const RecipeCost::Cost cost =
            RecipeCost::ofPacked(RecipeBook::packedLines(recipes), prices, f.sources.dashesPerCl);
        if (cost.missing.isEmpty())
            out() << recNo << '\t' << qRound64(cost.cents) << '\t' << name << '\n';
        else
            out() << recNo << "\t-\t" << name << '\t' << cost.missing.join(QStringLiteral(", ")) << '\n';
    }
    return 0;
}

// "Vorratsflasche": recipe SATZ for a bottle of MILLILITER, as the quantity calculator makes it.
int vorrat(const QString& folder, const QString& recText, const QString& mlText) {
    bool recOk = false;
    bool mlOk = false;
    const int recNo = recText.toInt(&recOk);
    const int ml = mlText.toInt(&mlOk);
    if (!recOk || recNo < 1) {
        err() << "veltadb: \"" << recText << "\" ist keine Satznummer.\n";
        return 2;
    }
    if (!mlOk || ml < 1 || ml > 100000) {
        err() << "veltadb: Die Flasche muss 1 bis 100000 ml fassen, nicht \"" << mlText << "\".\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err() << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    MaintFolder f(folder, false);
    TApollo& recipes = f.tables.ApolloRezepte;
    if (recNo > recipes.RecCount() || (recipes.Go(recNo), recipes.IsDeleted())) {
        err() << "veltadb: Ein Rezept mit der Satznummer " << recNo << " gibt es nicht.\n";
        return 2;
    }
    const RecipeRecord stored = RecipeBook(recipes, f.tables.ApolloZutaten).read(recNo);
    const BatchBottle::Plan plan =
        BatchBottle::make(QuantityRecipe::from(stored), stored.instructions(), ml, f.sources.dashesPerCl);
    if (plan.empty) {
        err() << "veltadb: " << BatchBottle::nothingToBottleText() << '\n';
        return 1;
    }
    for (const QString& line : BatchBottle::lines(plan))
        out() << line << '\n';
    return 0;
}

// The data folder a verb works on, and whether it writes there.
struct FolderUse {
    QString folder; // empty: the verb has none
    bool writes = false;
};

FolderUse folderUse(const QStringList& args) {
    const QString& c = args.at(1);
    const QString second = args.value(2);
    const auto folderOf = [](const QString& file) { return QFileInfo(file).absolutePath(); };
    if (c == QStringLiteral("info") || c == QStringLiteral("dump") || c == QStringLiteral("query"))
        return {folderOf(second), false};
    if (c == QStringLiteral("mark") || c == QStringLiteral("unmark"))
        return {folderOf(second), true};
    if (c == QStringLiteral("optionen"))
        return {folderOf(second), args.size() > 3};
    if (c == QStringLiteral("hausbar"))
        return {second, args.size() > 3};
    if (c == QStringLiteral("zuruecksichern"))
        return {args.value(3), true};
    if (c == QStringLiteral("importieren") || c == QStringLiteral("rezept-updates") ||
        c == QStringLiteral("zuruecksichern-rueckgaengig") || c == QStringLiteral("json-import") ||
        c == QStringLiteral("alkohol-neu"))
        return {second, true};
    if (MyDrinksVerbs::handles(c))
        return {second, MyDrinksVerbs::writes(args)};
    if (c.endsWith(QStringLiteral("-list")) || c == QStringLiteral("ingredient-usage"))
        return {second, false};
    for (const char* kind : {"recipe-", "ingredient-", "category-", "taste-", "decoration-"}) {
        if (c.startsWith(QLatin1String(kind)))
            return {second, true};
    }
    return {second, false};
}

// Printing lays out text with the program's fonts, which needs the (windowless) application.
int runPrintVerb(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    ProgramFonts::registerFonts();
    const QStringList args = QCoreApplication::arguments();
    return PrintVerbs::run(args.at(1), args.mid(2));
}

} // namespace

int main(int argc, char* argv[]) {
    // Test seams of the write-failure tests: every write after the first N of this run fails, as on
    // a disk that fills up or dies in the middle of the verb, or the verb is killed there.
    if (const QByteArray budget = qgetenv("VELTA_TEST_FAIL_WRITES_AFTER"); !budget.isEmpty())
        RawFile::failWritesAfter(budget.toInt());
    if (const QByteArray budget = qgetenv("VELTA_TEST_KILL_AT_WRITE"); !budget.isEmpty())
        RawFile::killAfterWrites(budget.toInt());
    if (argc == 2) {
        const QString text =
            ProgramHelp::answer(QStringLiteral("veltadb"), {QString::fromLocal8Bit(argv[1])}, helpText());
        if (!text.isEmpty()) {
            out() << text;
            return 0;
        }
    }
    if (argc >= 2 && PrintVerbs::handles(QString::fromLocal8Bit(argv[1])))
        return argc >= 4 ? runPrintVerb(argc, argv) : usage();
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return usage();
    const QString& command = args.at(1);
    // A writing verb claims the folder as the program does, and is refused while the program (or
    // another writing verb) holds it. Whoever gets the claim first finishes a restore that was cut
    // off, so that no verb reads or backs up a mix of old and new files.
    const FolderUse use = folderUse(args);
    DataFolderLock lock;
    if (!use.folder.isEmpty() && QFileInfo(use.folder).isDir()) {
        if (lock.acquire(use.folder, use.writes)) {
            BackupSet::finishRestore(use.folder);
            if (!use.writes)
                lock.release();
        } else if (use.writes) {
            err() << "veltadb: "
                  << DataFolderLock::heldText(use.folder).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                  << '\n';
            return 1;
        }
    }
    try {
        if (const int code = RecipeVerbs::run(args, out(), err()); code >= 0)
            return code;
        if (IngredientVerbs::handles(command))
            return IngredientVerbs::run(args, out(), err());
        if (MyDrinksVerbs::handles(command))
            return MyDrinksVerbs::run(args, out(), err());
        if (JsonVerbs::handles(command))
            return JsonVerbs::run(args, out(), err());
        if (ListVerbs::handles(command))
            return ListVerbs::run(args, out(), err());
        if (command == QStringLiteral("info") && args.size() == 3)
            return info(args.at(2));
        if (command == QStringLiteral("dump") && args.size() == 3)
            return dump(args.at(2));
        if (command == QStringLiteral("check") && args.size() == 3)
            return check(args.at(2));
        if (command == QStringLiteral("alkohol-neu") && args.size() == 3)
            return alcoholAnew(args.at(2));
        if (command == QStringLiteral("query") && args.size() == 4)
            return query(args.at(2), args.at(3));
        if (command == QStringLiteral("mark") && (args.size() == 3 || args.size() == 4))
            return mark(args.at(2), args.value(3));
        if (command == QStringLiteral("unmark") && args.size() == 3)
            return unmark(args.at(2));
        if (command == QStringLiteral("suche") && args.size() == 4)
            return SearchVerb::run(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("finde") && args.size() == 4)
            return SearchVerb::find(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("aehnlich") && args.size() == 4)
            return SearchVerb::similar(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("einkauf") && args.size() == 4)
            return einkauf(args.at(2), args.at(3));
        if (command == QStringLiteral("einkauf") && args.size() == 7 &&
            args.at(4) == QStringLiteral("--plan") && args.at(6) == QStringLiteral("--je-euro"))
            return einkauf(args.at(2), args.at(3), args.at(5), true);
        if (command == QStringLiteral("einkauf") && args.size() == 6 &&
            args.at(4) == QStringLiteral("--plan"))
            return einkauf(args.at(2), args.at(3), args.at(5));
        if (command == QStringLiteral("kosten") && args.size() >= 3)
            return kosten(args.at(2), args.mid(3));
        if (command == QStringLiteral("vorrat") && args.size() == 5)
            return vorrat(args.at(2), args.at(3), args.at(4));
        if (command == QStringLiteral("fastmixbar") && (args.size() == 4 || args.size() == 5))
            return fastmixbar(args.at(2), args.at(3), args.value(4, QStringLiteral("1")));
        if (command == QStringLiteral("party") && args.size() >= 4)
            return PartyVerb::run(args.at(2), args.at(3), args.mid(4), out(), err());
        if (command == QStringLiteral("sichern") && args.size() == 4)
            return ExchangeVerbs::backup(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("zuruecksichern") && args.size() == 4)
            return ExchangeVerbs::restore(args.at(3), args.at(2), out(), err());
        if (command == QStringLiteral("zuruecksichern-rueckgaengig") && args.size() == 3)
            return ExchangeVerbs::undoRestore(args.at(2), out(), err());
        if (command == QStringLiteral("importieren") && args.size() == 4)
            return ExchangeVerbs::importVersion1(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("rezept-updates") && args.size() == 4)
            return ExchangeVerbs::recipeUpdate(args.at(2), args.at(3), out(), err());
        if (command == QStringLiteral("hausbar"))
            return homeBarVerb(args.at(2), args.mid(3), out(), err());
        if (command == QStringLiteral("optionen"))
            return optionsVerb(args.at(2), args.mid(3), out(), err());
    } catch (const StoreError& e) {
        err() << "veltadb: " << e.text() << '\n';
        return 1;
    }
    return usage();
}
