#include "JsonVerbs.h"

#include "VerbSupport.h"

#include "common/Aliases.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/Notice.h"
#include "common/TextFold.h"
#include "editors/ChoiceLists.h"
#include "editors/RecipeListSession.h"
#include "exchange/BackupSet.h"
#include "exchange/JsonLdError.h"
#include "exchange/JsonLdExport.h"
#include "exchange/JsonLdImport.h"
#include "exchange/RecipeCsv.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kExport = QStringLiteral("json");
const QString kImport = QStringLiteral("json-import");
const QString kCsv = QStringLiteral("csv");
const QString kEmbed = QStringLiteral("--bilder-einbetten");

// A bad argument: reported, exit code 2.
struct BadArgument {
    QString text;
};

QString existingFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        throw BadArgument{QStringLiteral("Der Datenordner %1 existiert nicht.").arg(folder)};
    const QString path = QDir(folder).absolutePath();
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

ExchangeLists lists(const QString& folder, DataTables& tables) {
    ExchangeLists lists;
    ListsFile::load(FolderLookup::find(folder, QStringLiteral("VE.DAT")), &lists.categories, &lists.tastes);
    lists.decorations = Catalogue::readDecorations(tables.ApolloDeko);
    return lists;
}

QList<int> chosen(TApollo& recipes, const QStringList& given) {
    if (given.isEmpty())
        return JsonLdExport::allRecNos(recipes);
    QList<int> recNos;
    for (const QString& text : given) {
        bool ok = false;
        const int recNo = text.toInt(&ok);
        if (!ok || recNo < 1 || recNo > recipes.RecCount())
            throw BadArgument{QStringLiteral("Kein Rezept mit der Satznummer %1.").arg(text)};
        recipes.Go(recNo);
        if (recipes.IsDeleted())
            throw BadArgument{QStringLiteral("Kein Rezept mit der Satznummer %1.").arg(text)};
        recNos << recNo;
    }
    return recNos;
}

// The photos as the program finds them beside the data folder: the collection in BILDER, the own
// photos in EIGENE.
JsonLdExport::Pictures pictures(const QString& folder, bool embedded) {
    const QString root = QDir::cleanPath(folder + QStringLiteral("/.."));
    return {embedded, FolderLookup::subfolder(root, QStringLiteral("BILDER")),
            BackupSet::ownPhotosFolder(folder)};
}

int exportFile(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString folder = existingFolder(args.at(2));
    QStringList records = args.mid(4);
    const bool embedded = records.removeAll(kEmbed) > 0;
    DataTables tables;
    tables.openMainTables(folder, true);
    const QList<int> recNos = chosen(tables.ApolloRezepte, records);
    QString failure;
    if (!JsonLdExport::write(args.at(3), tables.ApolloRezepte, tables.ApolloZutaten, lists(folder, tables),
                             recNos, pictures(folder, embedded), &failure)) {
        err << "veltadb: " << VerbSupport::plain(failure) << '\n';
        return 1;
    }
    out << JsonLdExport::doneText(int(recNos.size())) << '\n';
    return 0;
}

// The recipe list in the order the program lists it.
int csvFile(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString folder = existingFolder(args.at(2));
    DataTables tables;
    tables.openMainTables(folder, true);
    RecipeListSession listed(tables.ApolloRezepte);
    listed.build();
    QList<int> recNos;
    for (const ListEntry& entry : listed.entries())
        recNos << entry.data;
    QString failure;
    if (!RecipeCsv::write(args.at(3), tables.ApolloRezepte, tables.ApolloZutaten, lists(folder, tables),
                          recNos, &failure)) {
        err << "veltadb: " << VerbSupport::plain(failure) << '\n';
        return 1;
    }
    out << RecipeCsv::doneText(int(recNos.size())) << '\n';
    return 0;
}

int importFile(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString folder = existingFolder(args.at(2));
    QFile file(args.at(3));
    if (!file.open(QIODevice::ReadOnly))
        throw BadArgument{JsonLdImport::unreadableText(args.at(3))};
    const QByteArray bytes = file.readAll();
    AppState state;
    state.folders.dataFolder = folder;
    state.probeMedium();
    if (state.run.readOnly) {
        err << Notice::readOnly().text << '\n';
        return 1;
    }
    ExchangeLists known;
    int dashesPerCl = 12;
    {
        DataTables tables;
        tables.openMainTables(folder, true);
        known = lists(folder, tables);
        dashesPerCl = OptionsRecord::load(state.optionsPath()).get(OptionsRecord::DashesPerCl);
    }
    TApolloEnv env;
    try {
        const Aliases aliases = Aliases::ofFolder(folder);
        const JsonLdImport::Outcome outcome =
            JsonLdImport::run(env, folder, bytes, known, dashesPerCl, [&aliases](const QString& name) {
                return aliases.ingredientFor(TextFold::fold(name));
            });
        QString text = JsonLdImport::doneText(outcome);
        out << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
        return 0;
    } catch (const JsonLdError& error) {
        err << error.text() << '\n';
        return 1;
    }
}

} // namespace

bool JsonVerbs::handles(const QString& command) {
    return command == kExport || command == kImport || command == kCsv;
}

int JsonVerbs::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString& verb = args.at(1);
    const bool exporting = verb == kExport;
    if (args.size() < 4 || (!exporting && args.size() != 4)) {
        err << (exporting         ? "Aufruf: veltadb json ORDNER DATEI [--bilder-einbetten] [SATZ ...]\n"
                : verb == kImport ? "Aufruf: veltadb json-import ORDNER DATEI\n"
                                  : "Aufruf: veltadb csv ORDNER DATEI\n");
        return 2;
    }
    try {
        if (verb == kCsv)
            return csvFile(args, out, err);
        return exporting ? exportFile(args, out, err) : importFile(args, out, err);
    } catch (const BadArgument& bad) {
        err << bad.text << '\n';
        return 2;
    }
}
