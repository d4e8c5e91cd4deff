// Builds the shipped tables from the reviewed text in data/:
//   databuilder DATA_FOLDER OUTPUT_FOLDER
// Refuses, with one line per problem naming the record, content the program could not handle.
#include "DataError.h"
#include "DataSetReader.h"
#include "DataSetValidator.h"
#include "DataSetWriter.h"
#include "assistants/HomeBarPresets.h"
#include "store/StoreError.h"
#include "store/TApolloEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

// The tables are written beside the output folder first and then moved in, so an interrupted
// build never leaves a mix of old and new tables in the image.
bool moveInto(const QString& staging, const QString& target) {
    QDir().mkpath(target);
    for (const QString& name : QDir(staging).entryList(QDir::Files)) {
        const QString dest = QDir(target).filePath(name);
        QFile::remove(dest);
        if (!QFile::rename(QDir(staging).filePath(name), dest))
            return false;
    }
    // The image is the program's read-only medium: VE.DAT carries the read-only mark.
    return QFile::setPermissions(QDir(target).filePath(QStringLiteral("VE.DAT")),
                                 QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "Aufruf: databuilder DATENORDNER ZIELORDNER\n";
        return 2;
    }
    try {
        const DataSet set = DataSetReader::read(args.at(1));
        const QStringList problems =
            DataSetValidator::validate(set, HomeBarPresets::numbers(HomeBarPresets::Preset::Profi));
        for (const QString& p : problems)
            err << p << '\n';
        if (!problems.isEmpty())
            return 1;
        const QString staging = QDir(args.at(2)).absolutePath() + QStringLiteral(".build-tmp");
        QDir(staging).removeRecursively();
        QDir().mkpath(staging);
        TApolloEnv env;
        DataSetWriter::write(set, staging, env);
        const bool moved = moveInto(staging, args.at(2));
        QDir(staging).removeRecursively();
        if (!moved) {
            err << "Die Tabellen konnten nicht nach " << args.at(2) << " geschrieben werden.\n";
            return 1;
        }
        QTextStream(stdout) << set.recipes.size() << " Rezepte, " << set.ingredients.size() << " Zutaten, "
                            << set.decorations.size() << " Dekorationen, " << set.lexicon.size()
                            << " Lexikonbegriffe geschrieben.\n";
        return 0;
    } catch (const DataError& e) {
        err << e.text() << '\n';
    } catch (const StoreError& e) {
        err << e.text() << '\n';
    }
    return 1;
}
