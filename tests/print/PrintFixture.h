#pragma once

#include "TestTables.h"
#include "VeltaTest.h"
#include "print/PrintRecordBuilder.h"
#include "print/PrintTable.h"

// The main tables with a handful of ingredients and decorations, an empty print table beside
// them, and the fill and read-back of the print table.
class PrintFixture : public TestTables {
public:
    enum Ingredient { Rum = 10, Lime = 11, Bitters = 12, Mint = 13, Sugar = 14, Soda = 15, Ice = 16 };

    const QStringList categories = strings({"Longdrinks", "Shortdrinks", "Punsch"});
    const QStringList tastes = strings({"süß", "sauer", "herb"});

    PrintFixture() : m_hilf(env()), m_apolloHilf(m_hilf) {
        addIngredient({Rum, QStringLiteral("Weißer Rum"), 0, 40});
        addIngredient({Lime, QStringLiteral("Limettensaft"), 0, 0});
        addIngredient({Bitters, QStringLiteral("Angostura"), 4, 45});
        addIngredient({Mint, QStringLiteral("Minzzweige"), 2, 0});
        addIngredient({Sugar, QStringLiteral("Rohrzucker"), 1, 0});
        addIngredient({Soda, QStringLiteral("Sodawasser"), 0, 0});
        addIngredient({Ice, QStringLiteral("Crushed Ice"), 3, 0});
        m_deko = addDecoration(QStringLiteral("Limettenscheibe"));
        PrintTable::create(folder());
    }

    QString folder() const { return const_cast<PrintFixture*>(this)->re().table().databaseName(); }
    int decoration() const { return m_deko; }

    // Marks an ingredient "nicht drucken".
    void setUnprinted(int number) {
        for (zu().GoTop(); !zu().Eof(); zu().Skip()) {
            if (zu().GetInteger(QStringLiteral("INDEX")) == number) {
                zu().ReplaceInteger(QStringLiteral("WICHTIG"), 1);
                zu().Commit();
            }
        }
    }

    QList<PrintRecord> fill(const QList<int>& recNos, const PrintSettings& settings,
                            PrintTable::Progress* progress = nullptr) {
        const PrintRecordBuilder::Sources sources{re(), zu(), de(), categories, tastes};
        PrintTable::fill(m_apolloHilf, folder(), sources, recNos, settings, progress);
        return PrintTable::readAll(env(), folder());
    }
    PrintRecord fillOne(const Recipe& recipe, const PrintSettings& settings) {
        const QList<PrintRecord> records = fill({addRecipe(recipe)}, settings);
        return records.value(0);
    }
    bool printTableOpen() const { return m_hilf.active(); }

private:
    TTable m_hilf;
    TApollo m_apolloHilf;
    int m_deko = 0;
};
