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
    return QStringLiteral(
        "  veltadb party ORDNER BAR SATZ=GLÄSER ... [--gaeste N [--stunden H]]  Einkaufsliste "
        "für eine Party\n"
        "                              (BAR 0 für keine Hausbar; mit Gästen die Gläser "
        "nach Gästen und Stunden)\n");
}

int PartyVerb::run(const QString& folder, const QString& barText, const QStringList& arguments,
                   QTextStream& out, QTextStream& err) {
    // "--gaeste N" and "--stunden H" among the drinks; the rest are drinks.
    QStringList drinks;
    int guests = 0;
    int hours = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a != QStringLiteral("--gaeste") && a != QStringLiteral("--stunden")) {
            drinks << a;
            continue;
        }
        bool ok = false;
        const int value = arguments.value(i + 1).toInt(&ok);
        const bool isGuests = a == QStringLiteral("--gaeste");
        const int maximum = isGuests ? PartyPlan::kMaxGuests : PartyPlan::kMaxHours;
        if (!ok || value < 1 || value > maximum) {
            err << "veltadb: " << a << " braucht eine Zahl von 1 bis " << maximum << ", nicht \""
                << arguments.value(i + 1) << "\".\n";
            return 2;
        }
        (isGuests ? guests : hours) = value;
        ++i;
    }
    if (hours > 0 && guests == 0) {
        err << "veltadb: --stunden gilt nur zusammen mit --gaeste.\n";
        return 2;
    }
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
    if (guests > 0) {
        session.setParty(guests, hours > 0 ? hours : 4);
        session.propose();
    }
    for (const QString& line : session.listText())
        out << line << '\n';
    return 0;
}
