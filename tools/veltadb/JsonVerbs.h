#pragma once

#include <QStringList>
#include <QTextStream>

// The exchange verbs: JSON-LD with the same core code as "Exportieren als JSON-LD" and "JSON-LD
// importieren", and the recipe list as CSV.
namespace JsonVerbs {

bool handles(const QString& command);
// `json ORDNER DATEI [--bilder-einbetten] [SATZ ...]`, `json-import ORDNER DATEI` and
// `csv ORDNER DATEI`; args as main() has them.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace JsonVerbs
