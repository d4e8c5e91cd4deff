#pragma once

#include <QString>
#include <QTextStream>

// The backup verbs: the same core code as the menu commands, for scripts such as a nightly backup.
namespace ExchangeVerbs {

// `sichern ORDNER ZIEL`: backs up the data folder into ZIEL.
int backup(const QString& dataFolder, const QString& target, QTextStream& out, QTextStream& err);
// `zuruecksichern ZIEL ORDNER`: replaces the data of ORDNER with the backup in ZIEL.
int restore(const QString& dataFolder, const QString& source, QTextStream& out, QTextStream& err);
// `zuruecksichern-rueckgaengig ORDNER`: puts back the data the last restore replaced.
int undoRestore(const QString& dataFolder, QTextStream& out, QTextStream& err);

// `importieren ORDNER VERSION1`: takes the own recipes and ingredients of a version-1 folder over.
int importVersion1(const QString& dataFolder, const QString& version1Folder, QTextStream& out,
                   QTextStream& err);

// `rezept-updates ORDNER UPDATE`: adds what the data lack from the update tables in UPDATE.
int recipeUpdate(const QString& dataFolder, const QString& updateFolder, QTextStream& out, QTextStream& err);

} // namespace ExchangeVerbs
