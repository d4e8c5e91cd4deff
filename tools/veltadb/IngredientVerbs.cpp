#include "IngredientVerbs.h"

#include "MaintFolder.h"
#include "VerbSupport.h"
#include "common/Catalogue.h"
#include "editors/AlcoholRecompute.h"
#include "editors/ChoiceLists.h"
#include "editors/IngredientListSession.h"
#include "editors/RecipeUsage.h"
#include "store/Fields.h"
#include "store/StoreError.h"

using namespace VerbSupport;

namespace {

const QStringList kUnits = {QStringLiteral("cl"), QStringLiteral("g"), QStringLiteral("st"),
                            QStringLiteral("keine"), QStringLiteral("dash")};
const QStringList kFields = {QStringLiteral("name"), QStringLiteral("alkohol"), QStringLiteral("einheit"),
                             QStringLiteral("drucken"), QStringLiteral("bemerkung")};

void apply(IngredientForm& form, const QStringList& args) {
    for (const auto& [key, value] : fields(args, kFields)) {
        if (key == QStringLiteral("name"))
            form.name = value.left(IngredientForm::kNameLength);
        else if (key == QStringLiteral("alkohol"))
            form.alcohol =
                AlcoholField::shown(strictNumber(value.endsWith(QLatin1Char('%')) ? value.chopped(1) : value,
                                                 0, AlcoholField::kMax, QStringLiteral("Der Alkoholgehalt")));
        else if (key == QStringLiteral("einheit") && kUnits.contains(value.toLower()))
            form.kind = int(kUnits.indexOf(value.toLower()));
        else if (key == QStringLiteral("drucken") &&
                 (value == QStringLiteral("ja") || value == QStringLiteral("nein")))
            form.noPrint = value == QStringLiteral("nein");
        else if (key == QStringLiteral("bemerkung"))
            form.remark = value.left(IngredientForm::kRemarkLength);
        else
            throw BadArguments{};
    }
}

int indexOf(const IngredientListSession& s, int number) {
    for (int i = 0; i < int(s.entries().size()); ++i) {
        if (s.entries().at(i).data == number)
            return i;
    }
    throw Refusal{QStringLiteral("Die Zutat %1 gibt es nicht.").arg(number)};
}

void okOrRefuse(const IngredientEditSession::Outcome& outcome) {
    if (!outcome.notices.isEmpty())
        throw Refusal{outcome.notices.first().text};
}

int add(MaintFolder& f, IngredientListSession& list, const QStringList& args, QTextStream& out,
        QTextStream& err) {
    if (!follow(list.newVerdict(), err))
        throw Refusal{QStringLiteral("Es gibt schon 1500 Zutaten.")};
    IngredientEditSession editor(f.tables.ApolloZutaten);
    editor.prepareNew();
    editor.begin();
    apply(editor.form(), args);
    okOrRefuse(editor.ok());
    list.storeNew(editor.form());
    out << "Zutat " << f.tables.ApolloZutaten.GetInteger(Fields::Ingredient::Number) << '\n';
    return 0;
}

int edit(MaintFolder& f, IngredientListSession& list, int number, const QStringList& args, QTextStream& out,
         QTextStream& err) {
    const int index = indexOf(list, number);
    list.seek(index);
    IngredientEditSession editor(f.tables.ApolloZutaten);
    editor.prepareEdit();
    editor.begin();
    apply(editor.form(), args);
    IngredientEditSession::Outcome outcome = editor.ok();
    okOrRefuse(outcome);
    const int usage = outcome.changed ? RecipeUsage::ingredient(f.tables.ApolloRezepte, number) : 0;
    if (!follow(IngredientListSession::editVerdict(outcome, usage), err)) {
        out << "unverändert\n";
        return 0;
    }
    const bool recompute = outcome.recomputeAlcohol && usage > 0;
    if (recompute) {
        try {
            AlcoholRecompute::beginChange(f.tables.ApolloRezepte);
        } catch (const StoreError& e) {
            throw Refusal{AlcoholRecompute::failureText(editor.form().name.trimmed(), e.text())};
        }
    }
    list.storeEdit(index, editor.form());
    out << "Zutat " << number << " gespeichert\n";
    if (!recompute)
        return 0;
    try {
        const AlcoholRecompute::Result r =
            AlcoholRecompute::run(f.tables.ApolloRezepte, f.tables.ApolloZutaten, f.sources.dashesPerCl);
        out << "Alkoholgehalt neu: " << r.changed << " von " << r.recipes << " Rezepten geändert\n";
    } catch (const StoreError& e) {
        throw Refusal{AlcoholRecompute::failureText(editor.form().name.trimmed(), e.text())};
    }
    return 0;
}

int remove(MaintFolder& f, IngredientListSession& list, int number, QTextStream& out, QTextStream& err) {
    const int index = indexOf(list, number);
    if (!follow(list.deletePrecheck(index), err))
        throw Refusal{QStringLiteral("Die letzte Zutat kann nicht gelöscht werden.")};
    const int usage = RecipeUsage::ingredient(f.tables.ApolloRezepte, number);
    follow(list.deleteVerdict(index, usage), err);
    const QString name = list.entries().at(index).text;
    list.deleteEntry(index);
    out << "gelöscht: " << number << '\t' << name << '\n';
    return 0;
}

int dispatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString& verb = args.at(1);
    MaintFolder f(args.at(2),
                  verb != QStringLiteral("ingredient-list") && verb != QStringLiteral("ingredient-usage"));
    IngredientListSession list(f.tables.ApolloZutaten, f.tables.ApolloRezepte);
    list.setEntries(Catalogue::readIngredients(f.tables.ApolloZutaten).zutatliste);
    if (verb == QStringLiteral("ingredient-list")) {
        for (const ListEntry& e : list.entries())
            out << e.data << '\t' << e.text << '\n';
        out << "count: " << list.entries().size() << '\n';
        return 0;
    }
    if (verb == QStringLiteral("ingredient-usage")) {
        const int number = VerbSupport::number(args.value(3));
        out << RecipeUsage::ingredient(f.tables.ApolloRezepte, number) << '\n';
        return 0;
    }
    if (f.readOnly())
        throw Refusal{MaintFolder::readOnlyText()};
    if (verb == QStringLiteral("ingredient-add"))
        return add(f, list, args.mid(3), out, err);
    const int number = VerbSupport::number(args.value(3));
    if (verb == QStringLiteral("ingredient-edit"))
        return edit(f, list, number, args.mid(4), out, err);
    if (args.size() != 4)
        throw BadArguments{};
    return remove(f, list, number, out, err);
}

} // namespace

bool IngredientVerbs::handles(const QString& verb) {
    return QStringList{QStringLiteral("ingredient-list"), QStringLiteral("ingredient-add"),
                       QStringLiteral("ingredient-edit"), QStringLiteral("ingredient-delete"),
                       QStringLiteral("ingredient-usage")}
        .contains(verb);
}

int IngredientVerbs::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    return guarded([&] { return dispatch(args, out, err); }, usage(), err);
}

QString IngredientVerbs::usage() {
    return QStringLiteral("  veltadb ingredient-list ORDNER        Zutaten mit Nummern, sortiert\n"
                          "  veltadb ingredient-add ORDNER FELD=WERT...  neue Zutat (Felder: name, alkohol, "
                          "einheit=cl|g|st|keine|dash,\n"
                          "                                        drucken=ja|nein, bemerkung)\n"
                          "  veltadb ingredient-edit ORDNER NUMMER FELD=WERT...  Zutat ändern (Alkoholgehalt "
                          "der Rezepte folgt)\n"
                          "  veltadb ingredient-delete ORDNER NUMMER  eigene, unbenutzte Zutat löschen\n"
                          "  veltadb ingredient-usage ORDNER NUMMER   Zahl der Rezepte mit dieser Zutat\n");
}
