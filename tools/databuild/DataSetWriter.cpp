#include "DataSetWriter.h"

#include "print/PrintTable.h"
#include "store/AlcoholValue.h"
#include "store/DbfFile.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/RecipeMemo.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QDir>

#include <algorithm>

namespace {

class Writing {
public:
    Writing(TApolloEnv& env, const QString& folder, const QString& name) : m_table(env), m_apollo(m_table) {
        m_table.setDatabaseName(folder);
        m_table.setTableName(name);
        m_table.Open();
    }
    ~Writing() { m_table.Close(); }
    TApollo& operator*() { return m_apollo; }
    TApollo* operator->() { return &m_apollo; }

private:
    TTable m_table;
    TApollo m_apollo;
};

} // namespace

void DataSetWriter::write(const DataSet& set, const QString& folder, TApolloEnv& env) {
    TableSchemas::createMainTables(folder);
    writeIngredients(set, set.ingredients.keys(), folder, QStringLiteral("ZU"), env);
    writeEntries(set.decorations, folder, QStringLiteral("DE"), env);
    writeEntries(set.lexicon, folder, QStringLiteral("BA"), env);
    writeRecipes(set, 1, folder, QStringLiteral("RE"), env);
    PrintTable::create(folder); // empty: the program refills it before every printout
    if (!ListsFile::save(QDir(folder).filePath(QStringLiteral("VE.DAT")), set.categories, set.tastes))
        throw StoreError(QStringLiteral("VE.DAT kann nicht geschrieben werden"));
}

void DataSetWriter::writeUpdate(const DataSet& set, const QString& folder, TApolloEnv& env) {
    if (set.updateFrom < 1)
        return;
    QList<int> used;
    for (const DataSet::Recipe& r : set.recipes) {
        for (const DataSet::Line& l : r.lines) {
            if (r.number >= set.updateFrom && !used.contains(l.ingredient))
                used.append(l.ingredient);
        }
    }
    std::sort(used.begin(), used.end());
    QDir().mkpath(folder);
    const QDir dir(folder);
    DbfFile::create(dir.filePath(QStringLiteral("V98_R.DBF")), DbfFile::kVersionDbt, TableSchemas::recipes());
    DbfFile::create(dir.filePath(QStringLiteral("V98_Z.DBF")), DbfFile::kVersionDbt,
                    TableSchemas::ingredients());
    writeRecipes(set, set.updateFrom, folder, QStringLiteral("V98_R"), env);
    writeIngredients(set, used, folder, QStringLiteral("V98_Z"), env);
}

void DataSetWriter::writeIngredients(const DataSet& set, const QList<int>& numbers, const QString& folder,
                                     const QString& table, TApolloEnv& env) {
    Writing t(env, folder, table);
    for (int number : numbers) {
        const DataSet::Ingredient i = set.ingredients.value(number);
        t->AppendBlank();
        t->ReplaceInteger(Fields::Ingredient::Number, i.number);
        t->ReplaceText(Fields::Ingredient::Name, i.name);
        t->ReplaceInteger(Fields::Ingredient::Alcohol, i.alcohol);
        t->ReplaceInteger(Fields::Ingredient::Unit, i.unit);
        for (const QString& bar :
             {Fields::Ingredient::Bar1, Fields::Ingredient::Bar2, Fields::Ingredient::Bar3})
            t->ReplaceLogical(bar, false);
        t->ReplaceInteger(Fields::Ingredient::NoPrint, i.printed ? 0 : 1);
        t->ReplaceInteger(Fields::Ingredient::Price, i.priceCents);
        t->ReplaceInteger(Fields::Ingredient::Volume, i.packSize);
        t->ReplaceInteger(Fields::Ingredient::Amount, i.pieceVolume);
        t->ReplaceMemo(Fields::Ingredient::Remark, i.remark);
        t->Commit();
    }
}

void DataSetWriter::writeEntries(const QList<DataSet::Entry>& entries, const QString& folder,
                                 const QString& table, TApolloEnv& env) {
    Writing t(env, folder, table);
    for (const DataSet::Entry& e : entries) {
        t->AppendBlank();
        t->ReplaceText(Fields::Term::Name, e.name);
        t->ReplaceText(Fields::Term::Picture, e.picture);
        t->ReplaceMemo(Fields::Term::Text, e.text);
        t->Commit();
    }
}

void DataSetWriter::writeRecipes(const DataSet& set, int fromNumber, const QString& folder,
                                 const QString& table, TApolloEnv& env) {
    const auto lookup = [&set](int number) -> std::optional<AlcoholValue::Ingredient> {
        const auto it = set.ingredients.constFind(number);
        if (it == set.ingredients.cend())
            return std::nullopt;
        return AlcoholValue::Ingredient{it->unit, it->alcohol};
    };
    Writing t(env, folder, table);
    for (const DataSet::Recipe& r : set.recipes) {
        if (r.number < fromNumber)
            continue;
        QList<IngredientSlots::Line> lines;
        for (const DataSet::Line& l : r.lines)
            lines.append({l.ingredient, l.amount});
        t->AppendBlank();
        t->ReplaceText(Fields::Recipe::Name, r.name);
        t->ReplaceText(Fields::Recipe::Picture, r.picture);
        t->ReplaceText(Fields::Recipe::OwnPhoto, QString());
        t->ReplaceText(Fields::Recipe::Ingredients, IngredientSlots::encodeNumbers(lines));
        t->ReplaceText(Fields::Recipe::Amounts, IngredientSlots::encodeAmounts(lines));
        t->ReplaceInteger(Fields::Recipe::Category, r.category);
        t->ReplaceInteger(Fields::Recipe::Taste, r.taste);
        t->ReplaceInteger(Fields::Recipe::Alcohol, AlcoholValue::compute(lines, lookup, kDashesPerCl));
        t->ReplaceInteger(Fields::Recipe::Decoration, r.decoration);
        t->ReplaceInteger(Fields::Recipe::Mark, r.marked ? 1 : 0);
        t->ReplaceInteger(Fields::Recipe::AssistantCode, r.assistantCode);
        t->ReplaceMemo(Fields::Recipe::Instructions, RecipeMemo::join(r.instructions, r.remark));
        t->Commit();
    }
}
