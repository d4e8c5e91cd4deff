#pragma once

#include "TempDataFolder.h"
#include "store/IngredientSlots.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <memory>

// The four main tables, empty, in a temporary folder, with helpers to fill them.
class TestTables {
public:
    struct Recipe {
        QString name{};
        QList<IngredientSlots::Line> lines{};
        int kat = 1;
        int gesch = 0;
        int alk = 0;
        int deko = 0;
        int mark = 0;
        QString bild = QStringLiteral("e");
        QString eigen{};
        QString instructions{};
        QString remark{};
    };
    struct Ingredient {
        int number = 0;
        QString name{};
        int kind = 0;
        int alcohol = 0;
        bool h1 = false;
        bool h2 = false;
        bool h3 = false;
    };

    TestTables() {
        TableSchemas::createMainTables(m_dir.path());
        m_env.SetDeleted(true);
        for (const char* name : {"RE", "ZU", "DE", "BA"}) {
            auto table = std::make_unique<TTable>(m_env);
            table->setDatabaseName(m_dir.path());
            table->setTableName(QString::fromLatin1(name));
            table->Open();
            m_apollos.push_back(std::make_unique<TApollo>(*table));
            m_tables.push_back(std::move(table));
        }
        zu().IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    }

    TApolloEnv& env() { return m_env; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    TApollo& re() { return *m_apollos[0]; }
    TApollo& zu() { return *m_apollos[1]; }
    TApollo& de() { return *m_apollos[2]; }
    TApollo& ba() { return *m_apollos[3]; }

    int addRecipe(const Recipe& r) {
        TApollo& t = re();
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), r.name);
        t.ReplaceText(QStringLiteral("Z"), IngredientSlots::encodeNumbers(r.lines));
        t.ReplaceText(QStringLiteral("ZMENGE"), IngredientSlots::encodeAmounts(r.lines));
        t.ReplaceInteger(QStringLiteral("KAT"), r.kat);
        t.ReplaceInteger(QStringLiteral("GESCH"), r.gesch);
        t.ReplaceInteger(QStringLiteral("ALK"), r.alk);
        t.ReplaceInteger(QStringLiteral("DEKO"), r.deko);
        t.ReplaceInteger(QStringLiteral("MARK"), r.mark);
        t.ReplaceText(QStringLiteral("BILD"), r.bild);
        t.ReplaceText(QStringLiteral("EIGEN"), r.eigen);
        if (!r.instructions.isEmpty() || !r.remark.isEmpty())
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), RecipeMemo::join(r.instructions, r.remark));
        t.Commit();
        return t.RecNo();
    }
    int addIngredient(const Ingredient& i) {
        TApollo& t = zu();
        t.AppendBlank();
        t.ReplaceInteger(QStringLiteral("INDEX"), i.number);
        t.ReplaceText(QStringLiteral("NAME"), i.name);
        t.ReplaceInteger(QStringLiteral("KENNUNG"), i.kind);
        t.ReplaceInteger(QStringLiteral("ALKOHOL"), i.alcohol);
        t.ReplaceLogical(QStringLiteral("H1"), i.h1);
        t.ReplaceLogical(QStringLiteral("H2"), i.h2);
        t.ReplaceLogical(QStringLiteral("H3"), i.h3);
        t.Commit();
        return t.RecNo();
    }
    int addDecoration(const QString& name) {
        de().AppendBlank();
        de().ReplaceText(QStringLiteral("NAME"), name);
        de().Commit();
        return de().RecNo();
    }
    static void deleteRecord(TApollo& t, int recNo) {
        t.Go(recNo);
        t.Delete();
    }
    static QList<int> fieldOfAll(TApollo& t, const QString& field) {
        QList<int> values;
        for (t.GoTop(); !t.Eof(); t.Skip())
            values.append(int(t.GetInteger(field)));
        return values;
    }

private:
    // Destroyed in reverse: the record operations before their tables, the folder last.
    TempDataFolder m_dir;
    TApolloEnv m_env;
    std::vector<std::unique_ptr<TTable>> m_tables;
    std::vector<std::unique_ptr<TApollo>> m_apollos;
};
