#include "ListVerbs.h"

#include "MaintFolder.h"
#include "VerbSupport.h"
#include "common/Catalogue.h"
#include "editors/ChoiceLists.h"
#include "editors/ClassificationListSession.h"
#include "editors/DecorationListSession.h"
#include "store/AtomicFile.h"
#include "store/ListsFile.h"

using namespace VerbSupport;

namespace {

int indexOfKey(const QList<ListEntry>& entries, int key) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).data == key)
            return i;
    }
    throw Refusal{QStringLiteral("Den Eintrag %1 gibt es nicht.").arg(key)};
}

void list(const QList<ListEntry>& entries, int keyOffset, QTextStream& out) {
    for (const ListEntry& e : entries)
        out << e.data + keyOffset << '\t' << e.text << '\n';
    out << "count: " << entries.size() << '\n';
}

int classification(MaintFolder& f, ClassificationTexts::Kind kind, const QString& action,
                   const QStringList& rest, QTextStream& out, QTextStream& err) {
    QStringList& names = kind == ClassificationTexts::Categories ? f.categories : f.tastes;
    ClassificationListSession s(kind, names, f.tables.ApolloRezepte);
    s.begin();
    if (action == QStringLiteral("list") && rest.isEmpty()) {
        list(s.entries(), 1, out);
        return 0;
    }
    if (f.readOnly())
        throw Refusal{MaintFolder::readOnlyText()};
    int added = 0; // printed only once the lists file holds it
    if (action == QStringLiteral("add") && rest.size() == 1) {
        if (follow(s.nameVerdict(rest.at(0).left(ClassificationListSession::kNameLength)), err))
            added = s.entries().at(s.add(rest.at(0).left(ClassificationListSession::kNameLength))).data + 1;
    } else if (action == QStringLiteral("rename") && rest.size() == 2) {
        const int index = indexOfKey(s.entries(), number(rest.at(0)) - 1);
        const QString name = rest.at(1).left(ClassificationListSession::kNameLength);
        if (follow(s.nameVerdict(name, index), err) && follow(s.renameVerdict(index, s.usage(index)), err))
            s.rename(index, name);
    } else if (action == QStringLiteral("delete") && rest.size() == 1) {
        const int index = indexOfKey(s.entries(), number(rest.at(0)) - 1);
        follow(s.deletePrecheck(index), err);
        if (follow(s.deleteVerdict(index, s.usage(index)), err))
            s.remove(index);
    } else {
        throw BadArguments{};
    }
    QString reason;
    if (s.changed() && !ListsFile::save(f.listsPath, f.categories, f.tastes, &reason))
        throw Refusal{AtomicFile::failureText(f.listsPath, reason)};
    if (added > 0)
        out << added << '\n';
    return 0;
}

int decoration(MaintFolder& f, const QString& action, const QStringList& rest, QTextStream& out,
               QTextStream& err) {
    DecorationListSession s(f.tables.ApolloDeko, f.tables.ApolloRezepte);
    s.setEntries(ChoiceLists::decorationChoices(Catalogue::readDecorations(f.tables.ApolloDeko)).mid(1));
    if (action == QStringLiteral("list") && rest.isEmpty()) {
        list(s.entries(), 0, out);
        return 0;
    }
    if (f.readOnly())
        throw Refusal{MaintFolder::readOnlyText()};
    const auto name = [&](int at) { return rest.value(at).left(DecorationListSession::kNameLength); };
    const auto text = [&](int at) { return rest.value(at).left(DecorationListSession::kTextLength); };
    if (action == QStringLiteral("add") && (rest.size() == 1 || rest.size() == 2)) {
        if (follow(DecorationListSession::contentVerdict(name(0), text(1)), err))
            out << s.entries().at(s.add(name(0), text(1))).data << '\n';
    } else if (action == QStringLiteral("edit") && (rest.size() == 2 || rest.size() == 3)) {
        const int index = indexOfKey(s.entries(), number(rest.at(0)));
        follow(s.editPrecheck(index), err);
        const QString description = rest.size() == 3 ? text(2) : s.description(index);
        if (follow(DecorationListSession::contentVerdict(name(1), description), err) &&
            follow(s.editVerdict(s.usage(index)), err))
            s.store(index, name(1), description);
    } else if (action == QStringLiteral("delete") && rest.size() == 1) {
        const int index = indexOfKey(s.entries(), number(rest.at(0)));
        follow(s.deletePrecheck(index), err);
        if (follow(s.deleteVerdict(s.usage(index)), err))
            s.remove(index);
    } else {
        throw BadArguments{};
    }
    return 0;
}

int dispatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString kind = args.at(1).section(QLatin1Char('-'), 0, 0);
    const QString action = args.at(1).section(QLatin1Char('-'), 1);
    MaintFolder f(args.at(2), action != QStringLiteral("list"));
    if (kind == QStringLiteral("decoration"))
        return decoration(f, action, args.mid(3), out, err);
    return classification(
        f, kind == QStringLiteral("category") ? ClassificationTexts::Categories : ClassificationTexts::Tastes,
        action, args.mid(3), out, err);
}

} // namespace

bool ListVerbs::handles(const QString& verb) {
    const QString kind = verb.section(QLatin1Char('-'), 0, 0);
    const QString action = verb.section(QLatin1Char('-'), 1);
    const QStringList actions = kind == QStringLiteral("decoration")
                                    ? QStringList{QStringLiteral("list"), QStringLiteral("add"),
                                                  QStringLiteral("edit"), QStringLiteral("delete")}
                                    : QStringList{QStringLiteral("list"), QStringLiteral("add"),
                                                  QStringLiteral("rename"), QStringLiteral("delete")};
    return QStringList{QStringLiteral("category"), QStringLiteral("taste"), QStringLiteral("decoration")}
               .contains(kind) &&
           actions.contains(action);
}

int ListVerbs::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    return guarded([&] { return dispatch(args, out, err); }, usage(), err);
}

QString ListVerbs::usage() {
    return QStringLiteral(
        "  veltadb category-list ORDNER          Kategorien mit Nummern (ebenso taste-list)\n"
        "  veltadb category-add ORDNER NAME      neue Kategorie (ebenso taste-add)\n"
        "  veltadb category-rename ORDNER NUMMER NAME  umbenennen (ebenso taste-rename)\n"
        "  veltadb category-delete ORDNER NUMMER  unbenutzte Kategorie löschen (ebenso taste-delete)\n"
        "  veltadb decoration-list ORDNER        Dekorationen mit Satznummern\n"
        "  veltadb decoration-add ORDNER NAME [BESCHREIBUNG]\n"
        "  veltadb decoration-edit ORDNER SATZ NAME [BESCHREIBUNG]\n"
        "  veltadb decoration-delete ORDNER SATZ\n");
}
