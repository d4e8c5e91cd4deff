#pragma once

#include <QStringList>
#include <QTextStream>

// The JSON-LD verbs: the same core code as "Exportieren als JSON-LD" and "JSON-LD importieren".
namespace JsonVerbs {

bool handles(const QString& command);
// `json ORDNER DATEI [--bilder-einbetten] [SATZ ...]` and `json-import ORDNER DATEI`; args as main()
// has them.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace JsonVerbs
