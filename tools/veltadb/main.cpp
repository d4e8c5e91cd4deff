// veltadb: inspect, dump, query and check the program's tables from the command line.
#include "OptionsVerb.h"
#include "store/StoreChecker.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

int usage() {
    err() << "Aufruf:\n"
             "  veltadb info DATEI          Kopf und Felder einer Tabelle\n"
             "  veltadb dump DATEI          alle Sätze als Text\n"
             "  veltadb check ORDNER        Datenordner prüfen\n"
             "  veltadb query DATEI AUSDRUCK  Satznummern der Treffer eines Filters\n"
             "  veltadb optionen DATEI [STEUERELEMENT=WERT ...]  Optionen zeigen oder ändern\n";
    return 2;
}

void openTable(TTable& table, const QString& path) {
    const QFileInfo info(path);
    table.setDatabaseName(info.absolutePath());
    table.setTableName(info.fileName());
    table.setReadOnly(true);
    table.Open();
}

int info(const QString& path) {
    TApolloEnv env;
    TTable table(env);
    openTable(table, path);
    const DbfFile& f = table.file();
    out() << "Datei:        " << f.path() << '\n'
          << "Version:      0x" << QString::number(f.version(), 16).toUpper() << '\n'
          << "Stand:        " << f.lastUpdate().toString(QStringLiteral("dd.MM.yyyy")) << '\n'
          << "Sätze:        " << f.recordCount() << '\n'
          << "Kopflänge:    " << f.headerLength() << '\n'
          << "Satzlänge:    " << f.recordLength() << '\n'
          << "Felder:\n";
    for (const DbfField& field : f.fields()) {
        out() << "  " << QString::fromLatin1(field.name).leftJustified(11) << QChar::fromLatin1(field.type)
              << ' ' << field.length;
        if (field.decimals > 0)
            out() << ',' << field.decimals;
        out() << '\n';
    }
    return 0;
}

int dump(const QString& path) {
    TApolloEnv env;
    TTable table(env);
    openTable(table, path);
    TApollo t(table);
    for (t.GoTop(); !t.Eof(); t.Skip()) {
        out() << '#' << t.RecNo() << (t.IsDeleted() ? " (gelöscht)" : "") << '\n';
        for (int i = 1; i <= t.FieldCount(); ++i) {
            const QString name = t.FieldName(i);
            const bool memo = table.file().fields().at(i - 1).type == 'M';
            QString value = memo ? t.GetMemo(name) : t.GetTrimString(name);
            value.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
                .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
            out() << "  " << name << " = " << value << '\n';
        }
    }
    return 0;
}

int query(const QString& path, const QString& expression) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    openTable(table, path);
    TApollo t(table);
    const int count = t.Query(expression);
    for (t.GoTop(); !t.Eof(); t.Skip())
        out() << t.RecNo() << '\n';
    out() << "count: " << count << '\n';
    return 0;
}

int check(const QString& folder) {
    TApolloEnv env;
    const QStringList problems = StoreChecker::check(folder, env);
    for (const QString& p : problems)
        out() << p << '\n';
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return usage();
    const QString& command = args.at(1);
    try {
        if (command == QStringLiteral("info") && args.size() == 3)
            return info(args.at(2));
        if (command == QStringLiteral("dump") && args.size() == 3)
            return dump(args.at(2));
        if (command == QStringLiteral("check") && args.size() == 3)
            return check(args.at(2));
        if (command == QStringLiteral("query") && args.size() == 4)
            return query(args.at(2), args.at(3));
        if (command == QStringLiteral("optionen"))
            return optionsVerb(args.at(2), args.mid(3), out(), err());
    } catch (const StoreError& e) {
        err() << "veltadb: " << e.text() << '\n';
        return 1;
    }
    return usage();
}
