#pragma once

#include <QStringList>
#include <QTextStream>

// `veltadb party ORDNER BAR SATZ=GLÄSER ...`: the party planner's shopping list.
namespace PartyVerb {

QString usage();
int run(const QString& folder, const QString& barText, const QStringList& drinks, QTextStream& out,
        QTextStream& err);

} // namespace PartyVerb
