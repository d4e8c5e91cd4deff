#include "MyDrinksVerbs.h"

#include "MaintFolder.h"
#include "VerbSupport.h"
#include "common/MyDrinks.h"
#include "common/MyDrinksSession.h"
#include "store/FolderLookup.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

using namespace VerbSupport;

namespace {

const QString kRate = QStringLiteral("bewertung");
const QString kNote = QStringLiteral("notiz");
const QString kMixed = QStringLiteral("gemixt");
const QString kJournal = QStringLiteral("journal");

QString journalLine(const MyDrinks::JournalLine& j) {
    return QStringLiteral("%1\t%2\t%3\t%4")
        .arg(j.date.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(j.recNo)
        .arg(j.glasses)
        .arg(j.name);
}

void follow(const Result& result) {
    if (!result)
        throw Refusal{result.notice().text};
}

int dispatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString& verb = args.at(1);
    const bool writing = MyDrinksVerbs::writes(args);
    if ((verb == kJournal) != (args.size() == 3) || args.size() > 5)
        throw BadArguments{};
    if (!QFileInfo(args.at(2)).isDir())
        throw BadArguments{QStringLiteral("Den Ordner \"%1\" gibt es nicht.").arg(args.at(2))};
    const int recNo = verb == kJournal ? 0 : number(args.at(3));
    int value = 0;
    if (writing && verb == kRate)
        value = strictNumber(args.at(4), 0, MyDrinks::kMaxStars, QStringLiteral("Die Zahl der Sterne"));
    if (verb == kMixed)
        value = args.size() == 5 ? strictNumber(args.at(4), 1, MyDrinks::kMaxGlasses,
                                                QStringLiteral("Die Zahl der Gläser"))
                                 : 1;
    MaintFolder folder(args.at(2), writing);
    if (writing && folder.readOnly())
        throw Refusal{MaintFolder::readOnlyText()};
    MyDrinks drinks;
    if (const std::optional<Notice> damaged =
            drinks.loadFolder(args.at(2), folder.tables.ApolloRezepte, writing))
        err << "veltadb: " << plain(damaged->text) << '\n';
    MyDrinksSession session(drinks, folder.tables.ApolloRezepte);
    if (verb == kJournal) {
        for (const MyDrinks::JournalLine& j : drinks.journal())
            out << journalLine(j) << '\n';
        return 0;
    }
    const std::optional<QString> name = session.drinkName(recNo);
    if (!name)
        throw Refusal{QStringLiteral("Den Satz %1 gibt es nicht.").arg(recNo)};
    if (verb == kRate) {
        if (writing)
            follow(session.rate(recNo, value));
        out << recNo << '\t' << drinks.stars(recNo) << '\t' << *name << '\n';
    } else if (verb == kNote) {
        if (writing)
            follow(session.note(recNo, args.at(4)));
        if (!drinks.note(recNo).isEmpty())
            out << drinks.note(recNo) << '\n';
    } else {
        follow(session.mixed(recNo, value, QDate::currentDate()));
        out << journalLine({QDate::currentDate(), recNo, value, *name}) << '\n';
    }
    return 0;
}

} // namespace

QString MyDrinksVerbs::usage() {
    return QStringLiteral(
        "  veltadb bewertung ORDNER SATZ [STERNE]  Sterne eines Drinks (0 bis 5) zeigen oder setzen\n"
        "  veltadb notiz ORDNER SATZ [TEXT]  eigene Notiz zeigen oder setzen (leer: löschen)\n"
        "  veltadb gemixt ORDNER SATZ [GLÄSER]  heute gemixt ins Journal eintragen (1 Glas, wenn nicht "
        "angegeben)\n"
        "  veltadb journal ORDNER        das Journal: DATUM<TAB>SATZ<TAB>GLÄSER<TAB>NAME, nach Datum\n");
}

bool MyDrinksVerbs::handles(const QString& verb) {
    return verb == kRate || verb == kNote || verb == kMixed || verb == kJournal;
}

bool MyDrinksVerbs::writes(const QStringList& args) {
    const QString verb = args.value(1);
    return verb == kMixed || ((verb == kRate || verb == kNote) && args.size() > 4);
}

int MyDrinksVerbs::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    return guarded([&] { return dispatch(args, out, err); }, usage(), err);
}

QStringList MyDrinksVerbs::problems(const QString& folder) {
    QFile file(FolderLookup::find(folder, MyDrinks::fileName()));
    if (!file.exists())
        return {};
    int badLine = 0;
    if (file.open(QIODevice::ReadOnly) && MyDrinks::parse(file.readAll(), &badLine))
        return {};
    return {badLine > 0
                ? QStringLiteral("%1, Zeile %2: nicht lesbar; das Programm legt die Datei beim nächsten "
                                 "Start beiseite und beginnt mit leeren Sternen, Notizen und Journal")
                      .arg(MyDrinks::fileName())
                      .arg(badLine)
                : QStringLiteral("%1: nicht lesbar").arg(MyDrinks::fileName())};
}
