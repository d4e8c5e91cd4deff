#pragma once

#include "common/ShownRecipes.h"
#include "editors/ClassificationListSession.h"
#include "editors/DecorationListSession.h"
#include "editors/gui/DekoEditDialog.h"
#include "editors/gui/DekoListeDialog.h"
#include "editors/gui/GeschmackListeDialog.h"
#include "editors/gui/KatEditDialog.h"
#include "editors/gui/KategorieListeDialog.h"
#include "ui/DialogServices.h"

struct AppState;
class MainWindowPort;

// "&Kategorie", "&Geschmacksrichtung" and "Dekoration" in "&Datenbanken" (also the recipe
// editor's " Bearbeiten" buttons): the three classification lists. After a change the lists file
// is saved (categories and tastes) and the choices are rebuilt.
class ClassificationCommands {
public:
    explicit ClassificationCommands(const DialogServices& services);

    void runCategories();
    void runTastes();
    void runDecorations();

    KatEditDialog names;
    DekoEditDialog decorationEditor;
    ClassificationListSession categorySession;
    ClassificationListSession tasteSession;
    DecorationListSession decorationSession;
    KategorieListeDialog categories;
    GeschmackListeDialog tastes;
    DekoListeDialog decorations;

private:
    void afterLists(int kind, bool changed, QStringList* list, const QStringList& before);

    AppState& m_state;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
