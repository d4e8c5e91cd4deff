#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class IngredientInfoView;
class QAction;
class QMenu;
class QPushButton;
class RecipeIngredientsSession;

// "Zutateninfo" of the recipe shown: its ingredients in recipe order beside what the ingredient
// table says about the selected one.
class TZutateninfodialog : public TOwnFenster {
    Q_OBJECT
public:
    TZutateninfodialog(UiContext context, RecipeIngredientsSession& session, QWidget* parent = nullptr);

    EntryList* HListbox = nullptr;
    IngredientInfoView* info = nullptr; // `Namelabel`, `Prozentlabel`, `Ausgabememo`
    QMenu* PopupMenu = nullptr;
    QAction* Zwischenablage1 = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showDetails();

    RecipeIngredientsSession& m_session;
};
