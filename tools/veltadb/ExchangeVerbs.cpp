#include "ExchangeVerbs.h"

#include "common/AppState.h"
#include "exchange/BackupSet.h"
#include "exchange/ImportChooserSession.h"
#include "exchange/RecipeUpdate.h"
#include "exchange/Version1Import.h"
#include "store/TApolloEnv.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Messages break lines with a carriage return; a terminal wants line feeds.
QString terminalText(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int report(const BackupSet::Result& result, QTextStream& out, QTextStream& err) {
    (result.ok ? out : err) << terminalText(result.text) << '\n';
    return result.ok ? 0 : 1;
}

bool checkFolder(const QString& folder, QTextStream& err) {
    if (QFileInfo(folder).isDir())
        return true;
    err << "Ordner nicht gefunden: " << folder << '\n';
    return false;
}

// The checks the menu command makes before it imports: the chooser's rule for the source, and
// writable data.
bool mayImport(ImportChooserSession& chooser, const QString& dataFolder, const QString& source,
               QTextStream& err) {
    if (!checkFolder(dataFolder, err) || !checkFolder(source, err))
        return false;
    if (const Result chosen = chooser.choose(source); !chosen) {
        err << terminalText(chosen.notice().text) << '\n';
        return false;
    }
    AppState state;
    state.folders.dataFolder = dataFolder;
    state.probeMedium();
    if (state.run.readOnly) {
        err << Notice::readOnly().text << '\n';
        return false;
    }
    return true;
}

} // namespace

int ExchangeVerbs::backup(const QString& dataFolder, const QString& target, QTextStream& out,
                          QTextStream& err) {
    if (!checkFolder(dataFolder, err) || !checkFolder(target, err))
        return 1;
    const QString problem = BackupSet::backupTargetProblem(target);
    if (!problem.isEmpty()) {
        err << terminalText(problem) << '\n';
        return 1;
    }
    return report(BackupSet::backup(dataFolder, target), out, err);
}

int ExchangeVerbs::restore(const QString& dataFolder, const QString& source, QTextStream& out,
                           QTextStream& err) {
    if (!checkFolder(dataFolder, err) || !checkFolder(source, err))
        return 1;
    const QString problem = BackupSet::restoreSourceProblem(source);
    if (!problem.isEmpty()) {
        err << terminalText(problem) << '\n';
        return 1;
    }
    AppState state;
    state.folders.dataFolder = dataFolder;
    state.probeMedium();
    return report(BackupSet::restore(source, dataFolder, state.run.readOnly), out, err);
}

int ExchangeVerbs::undoRestore(const QString& dataFolder, QTextStream& out, QTextStream& err) {
    if (!checkFolder(dataFolder, err))
        return 1;
    AppState state;
    state.folders.dataFolder = dataFolder;
    state.probeMedium();
    return report(BackupSet::undoRestore(dataFolder, state.run.readOnly), out, err);
}

int ExchangeVerbs::importVersion1(const QString& dataFolder, const QString& version1Folder, QTextStream& out,
                                  QTextStream& err) {
    ImportChooserSession chooser(ImportChooserSession::Version1);
    if (!mayImport(chooser, dataFolder, version1Folder, err))
        return 1;
    TApolloEnv env;
    const Version1Import::Outcome outcome = Version1Import::run(env, chooser.chosenFolder(), dataFolder);
    if (outcome.damaged || outcome.tooManyIngredients) {
        err << (outcome.damaged ? Version1Import::damagedText() : Version1Import::tooManyText()) << '\n';
        return 1;
    }
    out << "Rezepte: " << outcome.recipes << "\nZutaten: " << outcome.ingredients << '\n';
    if (outcome.recipes == 0)
        out << terminalText(Version1Import::closingNotice(outcome).text) << '\n';
    return 0;
}

int ExchangeVerbs::recipeUpdate(const QString& dataFolder, const QString& updateFolder, QTextStream& out,
                                QTextStream& err) {
    ImportChooserSession chooser(ImportChooserSession::Updates);
    if (!mayImport(chooser, dataFolder, updateFolder, err))
        return 1;
    TApolloEnv env;
    const RecipeUpdate::Outcome outcome = RecipeUpdate::run(env, chooser.chosenFolder(), dataFolder);
    out << "Rezepte: " << outcome.recipes << "\nZutaten: " << outcome.ingredients << '\n';
    if (!RecipeUpdate::restart(outcome))
        out << terminalText(RecipeUpdate::closingNotice(outcome).text) << '\n';
    return 0;
}
