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
class DataTables;

// "&Kategorie", "&Geschmacksrichtung" and "Dekoration" in "&Datenbanken" (also the recipe
// editor's " Bearbeiten" buttons): the three classification lists. After a change the lists file
// is saved (categories and tastes) and the catalogue takes the change.
class ClassificationCommands {
public:
    explicit ClassificationCommands(const DialogServices& services);

private:
    // The lists the dialogs edit; the catalogue takes them once the lists file holds them.
    QStringList m_categories;
    QStringList m_tastes;

public:
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
    // The dialogs start from the lists the catalogue holds (a failed save left the copies changed).
    void takeLists();
    void afterLists(bool changed);

    AppState& m_state;
    DataTables& m_tables;
    ShownRecipes& m_recipes;
};
