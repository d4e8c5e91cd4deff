// Builds the shipped tables from the reviewed text in data/:
//   databuilder DATA_FOLDER OUTPUT_FOLDER [UPDATE_FOLDER]
// With UPDATE_FOLDER it also writes the recipes new in this edition as a recipe update there.
// Refuses, with one line per problem naming the record, content the program could not handle.
#include "DataError.h"
#include "DataSetReader.h"
#include "DataSetValidator.h"
#include "DataSetWriter.h"
#include "assistants/HomeBarPresets.h"
#include "common/AliasFile.h"
#include "common/IngredientMarks.h"
#include "common/SubstituteFile.h"
#include "common/Substitutes.h"
#include "store/Cp1252.h"
#include "store/StoreError.h"
#include "store/TApolloEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <functional>

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

// The side files ship as the user edits them: Windows-1252 with CR LF. Every name must be one of the
// shipped tables, so a renamed ingredient or drink cannot silently drop a rule; `check` gives the
// problems of the text as "Zeile N: …".
QStringList writeSideFile(const QString& dataFolder, const QString& sourceName, const QString& target,
                          const QString& targetName,
                          const std::function<QStringList(const QString&)>& check) {
    QFile source(QDir(dataFolder).filePath(sourceName));
    if (!source.open(QIODevice::ReadOnly))
        return {sourceName + QStringLiteral(": nicht lesbar")};
    QString text = QString::fromUtf8(source.readAll());
    QStringList lines;
    for (const QString& problem : check(text))
        lines << sourceName + QStringLiteral(", ") + problem;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QFile out(QDir(target).filePath(targetName));
    if (lines.isEmpty() && (!out.open(QIODevice::WriteOnly) || out.write(Cp1252::fromUnicode(text)) < 0))
        lines << QStringLiteral("%1: nicht schreibbar").arg(out.fileName());
    return lines;
}

template <typename Problem> QStringList lineTexts(const QList<Problem>& problems) {
    QStringList lines;
    for (const Problem& p : problems)
        lines << QStringLiteral("Zeile %1: %2").arg(p.line).arg(p.text);
    return lines;
}

QStringList writeSubstitutes(const QString& dataFolder, const DataSet& set, const QString& target) {
    return writeSideFile(dataFolder, QStringLiteral("ersatz.txt"), target, SubstituteFile::fileName(),
                         [&set](const QString& text) {
                             QList<ListEntry> names;
                             for (const DataSet::Ingredient& i : set.ingredients)
                                 names.append({i.name, i.number});
                             QList<SubstituteFile::Problem> problems;
                             Substitutes::resolve(SubstituteFile::parse(text), names, &problems);
                             return lineTexts(problems);
                         });
}

QStringList writeAliases(const QString& dataFolder, const DataSet& set, const QString& target) {
    return writeSideFile(dataFolder, QStringLiteral("alias.txt"), target, AliasFile::fileName(),
                         [&set](const QString& text) {
                             QStringList drinks;
                             for (const DataSet::Recipe& r : set.recipes)
                                 drinks << r.name;
                             QStringList ingredients;
                             for (const DataSet::Ingredient& i : set.ingredients)
                                 ingredients << i.name;
                             return lineTexts(AliasFile::parse(text).check(drinks, ingredients));
                         });
}

QStringList writeMarks(const QString& dataFolder, const DataSet& set, const QString& target) {
    return writeSideFile(dataFolder, QStringLiteral("merkmale.txt"), target, IngredientMarks::fileName(),
                         [&set](const QString& text) {
                             QStringList ingredients;
                             for (const DataSet::Ingredient& i : set.ingredients)
                                 ingredients << i.name;
                             return lineTexts(IngredientMarks::parse(text).check(ingredients));
                         });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        err << "Aufruf: databuilder DATENORDNER ZIELORDNER [UPDATEORDNER]\n";
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
        if (const QStringList bad = writeSubstitutes(args.at(1), set, staging) +
                                    writeAliases(args.at(1), set, staging) +
                                    writeMarks(args.at(1), set, staging);
            !bad.isEmpty()) {
            for (const QString& p : bad)
                err << p << '\n';
            QDir(staging).removeRecursively();
            return 1;
        }
        const bool moved = moveInto(staging, args.at(2));
        QDir(staging).removeRecursively();
        if (!moved) {
            err << "Die Tabellen konnten nicht nach " << args.at(2) << " geschrieben werden.\n";
            return 1;
        }
        if (args.size() == 4)
            DataSetWriter::writeUpdate(set, args.at(3), env);
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
