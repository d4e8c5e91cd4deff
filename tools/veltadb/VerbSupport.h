#pragma once

#include "maint/Verdict.h"

#include <QStringList>
#include <QTextStream>

// What the maintenance verbs of veltadb share: a refusal ends the verb with its German text, a
// question is answered "Ja" (the script asked for the change) and shown on stderr.
namespace VerbSupport {

struct Refusal {
    QString text;
};
// Bad arguments: the verb's usage is printed and the exit code is 2.
struct BadArguments {};

QString plain(const QString& text);
// Shows the verdict's notice; throws Refusal when the command does not go on; false for "nothing
// to do".
bool follow(const Verdict& verdict, QTextStream& err);
int number(const QString& text);
// FELD=WERT pairs; throws BadArguments for anything else or an unknown field.
QList<std::pair<QString, QString>> fields(const QStringList& args, const QStringList& known);

} // namespace VerbSupport
