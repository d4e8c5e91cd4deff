#pragma once

#include "editors/Verdict.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

// What the maintenance verbs of veltadb share: a refusal ends the verb with its German text, a
// question is answered "Ja" (the script asked for the change) and shown on stderr.
namespace VerbSupport {

struct Refusal {
    QString text;
};
// Bad arguments: the exit code is 2, with the German text when there is one, else the verb's usage.
struct BadArguments {
    QString text;
};

QString plain(const QString& text);
// Prints what a BadArguments says (or `usage`) to `err` and returns exit code 2.
int badArguments(const BadArguments& bad, const QString& usage, QTextStream& err);
// Runs a verb: a Refusal prints its text and gives exit code 1, BadArguments give 2 (see above).
int guarded(const std::function<int()>& verb, const QString& usage, QTextStream& err);
// Shows the verdict's notice; throws Refusal when the command does not go on; false for "nothing
// to do".
bool follow(const Verdict& verdict, QTextStream& err);
// A record or list number: digits only, at least 1; throws BadArguments otherwise.
int number(const QString& text);
// A whole number from `min` to `max` written as plain digits (a sign only where `min` is below 0):
// "1,5", "4.5", "4O", "-3" or a number out of range are refused, never read as something else.
// Throws BadArguments naming `what`.
int strictNumber(const QString& text, int min, int max, const QString& what);
// FELD=WERT pairs; throws BadArguments for anything else or an unknown field.
QList<std::pair<QString, QString>> fields(const QStringList& args, const QStringList& known);

} // namespace VerbSupport
