#pragma once

#include "TestTables.h"
#include "common/Catalogue.h"
#include "editors/ChoiceLists.h"
#include "editors/RecipeEditSession.h"

// Recipe tables with a few ingredients of every unit kind, and an editor session over them with
// the choice lists the program would give it.
class RecipeFixture {
public:
    enum Number { Rum = 1, Saft = 2, Bitter = 3, Zucker = 4, Minze = 5, Limette = 6, Korn = 7 };

    RecipeFixture() {
        t.addIngredient({.number = Rum, .name = QStringLiteral("Rum"), .kind = 0, .alcohol = 40});
        t.addIngredient({.number = Saft, .name = QStringLiteral("Orangensaft"), .kind = 0, .alcohol = 0});
        t.addIngredient({.number = Bitter, .name = QStringLiteral("Angostura"), .kind = 4, .alcohol = 45});
        t.addIngredient({.number = Zucker, .name = QStringLiteral("Zucker"), .kind = 1});
        t.addIngredient({.number = Minze, .name = QStringLiteral("Minzzweig"), .kind = 3});
        t.addIngredient({.number = Limette, .name = QStringLiteral("Limette"), .kind = 2});
        t.addIngredient({.number = Korn, .name = QStringLiteral("Korn"), .kind = 0, .alcohol = 32});
        t.addDecoration(QStringLiteral("Zitronenscheibe"));
        t.addDecoration(QStringLiteral("Cocktailkirsche"));
        session.setIngredients(Catalogue::readIngredients(t.zu()).zutatliste);
        session.setCategories(ChoiceLists::categoryChoices(categories, ChoiceLists::noAssignment()));
        session.setTastes(ChoiceLists::tasteChoices(tastes, ChoiceLists::noAssignment()));
        session.setDecorations(ChoiceLists::decorationChoices(Catalogue::readDecorations(t.de())));
    }

    // Selects the ingredient in the editor's list by name and adds it with the amount typed.
    std::optional<Notice> add(const QString& name, const QString& amount = {}) {
        session.typeAhead(name);
        if (!amount.isNull())
            session.amountTyped(amount, 0);
        return session.addLine();
    }
    int indexOf(const QList<ListEntry>& entries, const QString& text) const {
        for (int i = 0; i < int(entries.size()); ++i) {
            if (entries.at(i).text == text)
                return i;
        }
        return -1;
    }
    // A complete new recipe in the session, ready for OK.
    void fillValid(const QString& name) {
        session.prepareNew();
        session.begin();
        session.form().name = name;
        session.form().category = indexOf(session.categories(), QStringLiteral("Sours"));
        add(QStringLiteral("Rum"), QStringLiteral("4"));
    }

    QStringList categories = {QStringLiteral("Aperitifs"), QStringLiteral("Sours"), QStringLiteral("~"),
                              QStringLiteral("Highballs")};
    QStringList tastes = {QStringLiteral("süß"), QStringLiteral("~"), QStringLiteral("sauer"),
                          QStringLiteral("bitter")};
    TestTables t;
    RecipeSources sources{t.re(), t.zu(), 12, t.path() + QStringLiteral("/EIGENE/"), false};
    RecipeEditSession session{sources};
};
