#include "PartyVerb.h"

#include "calc/PartySession.h"
#include "common/AppState.h"
#include "common/HomeBarTable.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QFileInfo>

namespace {

// "SATZ=GLÄSER": a record number and 1..999 glasses; false for anything else.
bool parseDrink(const QString& text, int& recNo, int& glasses) {
    const QStringList parts = text.split(QLatin1Char('='));
    if (parts.size() != 2)
        return false;
    bool recOk = false;
    bool glassesOk = false;
    recNo = parts.at(0).trimmed().toInt(&recOk);
    glasses = parts.at(1).trimmed().toInt(&glassesOk);
    return recOk && glassesOk && recNo > 0 && glasses >= 1 && glasses <= PartyPlan::kMaxGlasses;
}

} // namespace

QString PartyVerb::usage() {
    return QStringLiteral("  veltadb party ORDNER BAR SATZ=GLÄSER ...  Einkaufsliste für eine Party "
                          "(BAR 0 für keine Hausbar)\n");
}

int PartyVerb::run(const QString& folder, const QString& barText, const QStringList& drinks, QTextStream& out,
                   QTextStream& err) {
    bool ok = false;
    const int bar = barText.toInt(&ok);
    if (!ok || bar < 0 || bar > HomeBarTable::kBars) {
        err << "veltadb: Die Hausbar muss 0, 1, 2 oder 3 sein, nicht \"" << barText << "\".\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    if (drinks.isEmpty()) {
        err << "veltadb: Nennen Sie mindestens ein Getränk als SATZ=GLÄSER.\n";
        return 2;
    }
    TApolloEnv env;
    env.SetDeleted(true);
    TTable recipeTable(env);
    TTable ingredientTable(env);
    recipeTable.Open(folder, QStringLiteral("RE"), true);
    ingredientTable.Open(folder, QStringLiteral("ZU"), true);
    TApollo recipes(recipeTable);
    TApollo ingredients(ingredientTable);
    // The bars with their basics and substitutes, as the program reads them.
    AppState state;
    state.loadForBars(folder, ingredients);
    PartySession session(state, recipes, ingredients);
    session.setBar(bar);
    for (const QString& drink : drinks) {
        int recNo = 0;
        int glasses = 0;
        if (!parseDrink(drink, recNo, glasses)) {
            err << "veltadb: \"" << drink << "\" ist kein Getränk als SATZ=GLÄSER (1 bis 999 Gläser).\n";
            return 2;
        }
        const PartySession::Added added = session.add(recNo, glasses);
        if (!added.added) {
            err << "veltadb: Ein Rezept mit der Satznummer " << recNo << " gibt es nicht.\n";
            return 2;
        }
        if (added.notice)
            err << "veltadb: " << added.notice->text << '\n';
    }
    for (const QString& line : session.listText())
        out << line << '\n';
    return 0;
}
