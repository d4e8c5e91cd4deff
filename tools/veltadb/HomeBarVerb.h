#pragma once

#include <QStringList>

class QTextStream;

// "veltadb hausbar ORDNER [ersatz=0|1] [immer=0|1] [grund=+NUMMER|-NUMMER ...]": shows the home bar
// settings of a data folder, or changes them as the home bar dialog does and writes HAUSBAR.CFG.
int homeBarVerb(const QString& folder, const QStringList& assignments, QTextStream& out, QTextStream& err);

// The lines of the substitutes file in a data folder that cannot be used, "ERSATZ.TXT, Zeile N: ...";
// empty when the file is missing or the ingredient table cannot be read (the table check reports that).
QStringList substituteProblems(const QString& folder);
