#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class QPushButton;
class RecipeEditing;
class RecipeListSession;

// "Rezeptliste": every recipe by name, whatever the main window's search; new, edit and delete
// through the recipe editor and the RecipeListSession.
class RListeDialog : public TOwnFenster {
    Q_OBJECT
public:
    RListeDialog(UiContext context, RecipeListSession& session, RecipeEditing& editor,
                 QWidget* parent = nullptr);

    EntryList* ListBox = nullptr;
    QPushButton* hinzubutton = nullptr;
    QPushButton* bearbeitenButton = nullptr;
    QPushButton* LoeschenButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showList(int select);
    void newRecipe();
    void editRecipe();
    void deleteRecipe();
    void focusList();

    RecipeListSession& m_session;
    RecipeEditing& m_editor;
};
