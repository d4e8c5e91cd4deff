#include "HomeBarVerb.h"

#include "common/AppState.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The state as the program holds it after start-up: ingredient names, side files, read-only mark.
void loadState(AppState& state, const QString& folder) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    table.setDatabaseName(QDir(folder).absolutePath());
    table.setTableName(QStringLiteral("ZU"));
    table.setReadOnly(true);
    table.Open();
    TApollo ingredients(table);
    state.loadForBars(QDir(folder).absolutePath() + QLatin1Char('/'), ingredients);
    state.probeMedium();
}

// Null when no ingredient has the number.
QString nameOf(const AppState& state, int number) {
    for (const ListEntry& e : state.catalogue.ingredients().zutatliste)
        if (e.data == number)
            return e.text;
    return {};
}

void show(const AppState& state, QTextStream& out) {
    const BarSettings& s = state.settings.bar();
    out << "ersatz=" << (s.allowSubstitutes ? 1 : 0) << '\n' << "immer=" << (s.alwaysAtHome ? 1 : 0) << '\n';
    for (const int number : s.basics)
        out << "grund=" << number << '\t'
            << (nameOf(state, number).isNull() ? QStringLiteral("(unbekannt)") : nameOf(state, number))
            << '\n';
}

bool flagValue(const QString& value, bool* on) {
    if (value != QStringLiteral("0") && value != QStringLiteral("1"))
        return false;
    *on = value == QStringLiteral("1");
    return true;
}

// Puts one assignment into the settings; the German complaint when it is not one.
QString assign(const AppState& state, BarSettings& s, const QString& assignment) {
    const qsizetype eq = assignment.indexOf(QLatin1Char('='));
    const QString name = assignment.left(eq);
    const QString value = assignment.mid(eq + 1);
    if (name == QStringLiteral("ersatz") && flagValue(value, &s.allowSubstitutes))
        return {};
    if (name == QStringLiteral("immer") && flagValue(value, &s.alwaysAtHome))
        return {};
    bool ok = false;
    const int number = value.mid(1).toInt(&ok);
    if (name == QStringLiteral("grund") && ok && number >= 1 && number <= HomeBarTable::kMaxNumber &&
        (value.startsWith(QLatin1Char('+')) || value.startsWith(QLatin1Char('-')))) {
        // A basic no ingredient has would be counted at hand for nothing; taking one away is fine.
        if (value.startsWith(QLatin1Char('+')) && nameOf(state, number).isNull())
            return QStringLiteral("Die Zutat %1 gibt es nicht.").arg(number);
        s.setBasic(number, value.startsWith(QLatin1Char('+')));
        return {};
    }
    return QStringLiteral("Ungültige Angabe \"%1\" (ersatz=0|1, immer=0|1, grund=+NUMMER oder grund=-NUMMER)")
        .arg(assignment);
}

} // namespace

int homeBarVerb(const QString& folder, const QStringList& assignments, QTextStream& out, QTextStream& err) {
    if (!QFileInfo(folder).isDir()) {
        err << "veltadb: Den Ordner \"" << folder << "\" gibt es nicht.\n";
        return 2;
    }
    AppState state;
    loadState(state, folder);
    BarSettings changed = state.settings.bar();
    for (const QString& a : assignments) {
        if (const QString problem = assign(state, changed, a); !problem.isEmpty()) {
            err << "veltadb: " << problem << '\n';
            return 2;
        }
    }
    if (!assignments.isEmpty()) {
        if (const Result saved = state.saveBarSettings(changed); !saved) {
            err << "veltadb: " << QString(saved.notice().text).replace(QLatin1Char('\r'), QLatin1Char(' '))
                << '\n';
            return 1;
        }
    }
    show(state, out);
    return 0;
}

QStringList substituteProblems(const QString& folder) {
    QStringList lines;
    try {
        AppState state;
        loadState(state, folder);
        if (!QFileInfo::exists(state.substitutesPath()))
            return {};
        QList<SubstituteFile::Problem> problems;
        Substitutes::resolve(state.settings.substituteFile(), state.catalogue.ingredients().zutatliste,
                             &problems);
        const QString file = QFileInfo(state.substitutesPath()).fileName();
        for (const SubstituteFile::Problem& p : problems)
            lines << QStringLiteral("%1, Zeile %2: %3").arg(file).arg(p.line).arg(p.text);
    } catch (const StoreError&) {
        // An unreadable ingredient table is the table check's to report.
    }
    return lines;
}
