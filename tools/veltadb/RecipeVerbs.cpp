#include "RecipeVerbs.h"

#include "MaintFolder.h"
#include "VerbSupport.h"
#include "common/Catalogue.h"
#include "common/HomeBarTable.h"
#include "common/RecipeBook.h"
#include "common/TypeAhead.h"
#include "editors/AmountField.h"
#include "editors/ChoiceLists.h"
#include "editors/RecipeEditSession.h"
#include "editors/RecipeListSession.h"

using namespace VerbSupport;

namespace {

constexpr int kBadArguments = 2;
constexpr int kRefused = 1;

void prepareChoices(MaintFolder& f, RecipeEditSession& s) {
    s.setIngredients(Catalogue::readIngredients(f.tables.ApolloZutaten).zutatliste);
    s.setCategories(ChoiceLists::categoryChoices(f.categories, ChoiceLists::noAssignment()));
    s.setTastes(ChoiceLists::tasteChoices(f.tastes, ChoiceLists::noAssignment()));
    s.setDecorations(ChoiceLists::decorationChoices(Catalogue::readDecorations(f.tables.ApolloDeko)));
}

int choiceIndex(const QList<ListEntry>& entries, const QString& text, const QString& what) {
    if (text.isEmpty())
        return 0;
    const int index = TypeAhead::findExact(entries, text);
    if (index <= 0)
        throw Refusal{QStringLiteral("%1 \"%2\" gibt es nicht.").arg(what, text)};
    return index;
}

void addLine(RecipeEditSession& s, const QString& value) {
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() > 2)
        throw BadArguments{QStringLiteral("„%1“: erwartet wird zutat=NUMMER:MENGE.").arg(value)};
    const int number =
        strictNumber(parts.at(0), 1, HomeBarTable::kMaxNumber, QStringLiteral("Die Zutatennummer"));
    int index = -1;
    for (int i = 0; i < int(s.ingredients().size()) && index < 0; ++i) {
        if (s.ingredients().at(i).data == number)
            index = i;
    }
    if (index < 0)
        throw Refusal{QStringLiteral("Die Zutat %1 gibt es nicht.").arg(number)};
    s.selectIngredient(index);
    // The window starts a line at 1 of its unit; a script says the amount, except for an
    // ingredient measured without one.
    if (s.amountEnabled()) {
        if (parts.size() < 2)
            throw BadArguments{QStringLiteral("„%1“: die Menge fehlt (zutat=NUMMER:MENGE).").arg(value)};
        s.amountTyped(QString::number(
                          strictNumber(parts.at(1), 1, AmountField::kMaxAmount, QStringLiteral("Die Menge"))),
                      0);
    } else if (parts.size() == 2 && !parts.at(1).isEmpty()) {
        throw BadArguments{QStringLiteral("„%1“: diese Zutat hat keine Menge.").arg(value)};
    }
    if (const std::optional<Notice> refused = s.addLine())
        throw Refusal{refused->text};
}

// Applies FELD=WERT arguments to the session; false for an unknown field.
bool apply(RecipeEditSession& s, const QStringList& fields) {
    bool linesGiven = false;
    for (const QString& field : fields) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        const QString key = field.left(eq);
        const QString value = field.mid(eq + 1);
        RecipeForm& form = s.form();
        if (eq < 0)
            return false;
        if (key == QStringLiteral("zutat")) {
            if (!linesGiven) {
                int select = 0;
                while (!s.lines().isEmpty())
                    s.removeLine(0, &select);
                linesGiven = true;
            }
            addLine(s, value);
        } else if (key == QStringLiteral("name")) {
            form.name = value.left(RecipeForm::kNameLength);
        } else if (key == QStringLiteral("kategorie")) {
            form.category = choiceIndex(s.categories(), value, QStringLiteral("Die Kategorie"));
        } else if (key == QStringLiteral("geschmack")) {
            form.taste = choiceIndex(s.tastes(), value, QStringLiteral("Die Geschmacksrichtung"));
        } else if (key == QStringLiteral("deko")) {
            form.decoration = choiceIndex(s.decorations(), value, QStringLiteral("Die Dekoration"));
        } else if (key == QStringLiteral("anleitung")) {
            form.instructions = value.left(RecipeForm::kInstructionsLength);
        } else if (key == QStringLiteral("bemerkung")) {
            form.remark = value.left(RecipeForm::kRemarkLength);
        } else if (key == QStringLiteral("foto")) {
            form.photo = value.left(form.photoLimit);
        } else if (key == QStringLiteral("canr") && s.canrMode()) {
            form.canr = value.left(RecipeForm::kCanrLength);
        } else {
            return false;
        }
    }
    return true;
}

bool hasField(const QStringList& fields, const QString& key) {
    for (const QString& f : fields) {
        if (f.startsWith(key + QLatin1Char('=')))
            return true;
    }
    return false;
}

int save(MaintFolder& f, const QStringList& fields, int recNo, QTextStream& out, QTextStream& err) {
    f.sources.canrMode = hasField(fields, QStringLiteral("canr"));
    RecipeEditSession s(f.sources);
    prepareChoices(f, s);
    if (recNo == 0) {
        if (!RecipeListSession::canCreate(f.tables.ApolloRezepte.Count()))
            throw Refusal{QStringLiteral("Die Datenbank enthält schon 5000 Rezepte.")};
        s.prepareNew();
        s.form().photoLimit = RecipeForm::kPhotoLength;
    } else {
        f.tables.ApolloRezepte.Go(recNo);
        if (f.tables.ApolloRezepte.Eof() || f.tables.ApolloRezepte.IsDeleted())
            throw Refusal{QStringLiteral("Den Satz %1 gibt es nicht.").arg(recNo)};
        s.prepareEdit(RecipeBook::name(f.tables.ApolloRezepte), recNo);
    }
    if (!apply(s, fields))
        return -kBadArguments;
    const RecipeChecks::Outcome outcome = s.check();
    for (const Notice& n : outcome.notices)
        err << n.captionText() << ": " << plain(n.text) << '\n';
    if (!outcome.accepted)
        return kRefused;
    out << "Satz " << s.WriteRecipe(recNo != 0) << '\n';
    return 0;
}

int list(MaintFolder& f, QTextStream& out) {
    RecipeListSession s(f.tables.ApolloRezepte);
    s.build();
    for (const ListEntry& e : s.entries())
        out << e.data << '\t' << e.text << '\n';
    out << "count: " << s.entries().size() << '\n';
    return 0;
}

int remove(MaintFolder& f, int recNo, QTextStream& out) {
    RecipeListSession s(f.tables.ApolloRezepte);
    s.build();
    int index = -1;
    for (int i = 0; i < int(s.entries().size()) && index < 0; ++i) {
        if (s.entries().at(i).data == recNo)
            index = i;
    }
    if (index < 0)
        throw Refusal{QStringLiteral("Den Satz %1 gibt es nicht.").arg(recNo)};
    if (!s.deleteQuestion(index))
        throw Refusal{QStringLiteral("Das letzte Rezept kann nicht gelöscht werden.")};
    const QString name = s.entries().at(index).text;
    s.deleteRecipe(index);
    out << "gelöscht: " << recNo << '\t' << name << '\n';
    return 0;
}

int dispatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString& verb = args.at(1);
    MaintFolder folder(args.at(2), verb != QStringLiteral("recipe-list"));
    if (verb == QStringLiteral("recipe-list"))
        return args.size() == 3 ? list(folder, out) : -kBadArguments;
    if (folder.readOnly())
        throw Refusal{MaintFolder::readOnlyText()};
    if (verb == QStringLiteral("recipe-add"))
        return save(folder, args.mid(3), 0, out, err);
    const int recNo = number(args.value(3));
    if (verb == QStringLiteral("recipe-edit"))
        return save(folder, args.mid(4), recNo, out, err);
    return args.size() == 4 ? remove(folder, recNo, out) : -kBadArguments;
}

} // namespace

QString RecipeVerbs::usage() {
    return QStringLiteral(
        "  veltadb recipe-list ORDNER            Rezepte mit Satznummern, sortiert\n"
        "  veltadb recipe-add ORDNER FELD=WERT... neues Rezept (Felder: name, zutat=NR:MENGE,\n"
        "                                        kategorie, geschmack, deko, anleitung,\n"
        "                                        bemerkung, foto, canr)\n"
        "  veltadb recipe-edit ORDNER SATZ FELD=WERT...  Rezept ändern\n"
        "  veltadb recipe-delete ORDNER SATZ     Rezept löschen\n");
}

int RecipeVerbs::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    static const QStringList verbs = {QStringLiteral("recipe-list"), QStringLiteral("recipe-add"),
                                      QStringLiteral("recipe-edit"), QStringLiteral("recipe-delete")};
    if (args.size() < 3 || !verbs.contains(args.at(1)))
        return -1;
    try {
        const int code = dispatch(args, out, err);
        if (code < 0)
            err << "Aufruf:\n" << usage();
        return code < 0 ? -code : code;
    } catch (const Refusal& r) {
        err << "veltadb: " << plain(r.text) << '\n';
        return kRefused;
    } catch (const BadArguments& bad) {
        return badArguments(bad, usage(), err);
    }
}
