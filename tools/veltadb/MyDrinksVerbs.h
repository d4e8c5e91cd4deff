#pragma once

#include <QStringList>
#include <QTextStream>

// The user's own records of the drinks: `bewertung`, `notiz`, `gemixt` and `journal`.
namespace MyDrinksVerbs {

QString usage();
bool handles(const QString& verb);
// Whether the call changes the data folder (and so needs its claim).
bool writes(const QStringList& args);
int run(const QStringList& args, QTextStream& out, QTextStream& err);
// For `check`: the line where MEINE.TXT cannot be read; nothing for a file that reads or is missing.
// Reads only: the program sets a damaged file aside at its next start.
QStringList problems(const QString& folder);

} // namespace MyDrinksVerbs
