#include "editors/gui/RecipeCommands.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "common/RecipeBook.h"
#include "editors/ChoiceLists.h"
#include "store/Fields.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

#include <QApplication>

namespace {

enum Outcome { Refused = 0, Saved = 1, Cancelled = 2 };

const char* listCommand(int kind) {
    switch (kind) {
    case ChoiceLists::Categories:
        return "ListeKategorie";
    case ChoiceLists::Tastes:
        return "ListeGeschmack";
    case ChoiceLists::Decorations:
        return "ListeDekoration";
    default:
        return "ListeZutaten";
    }
}

} // namespace

RecipeCommands::RecipeCommands(const DialogServices& services)
    : editSession({services.tables.ApolloRezepte, services.tables.ApolloZutaten, 12, QString(), false}),
      editor(services.context, editSession, services.parent), listSession(services.tables.ApolloRezepte),
      list(services.context, listSession, *this, services.parent), m_state(services.state),
      m_tables(services.tables), m_main(services.main), m_recipes(services.recipes) {
    editSession.setRunFlags(&services.state.run);
    listSession.setRunFlags(&services.state.run);
    StoreGuard::run([this] { listSession.build(); });
    QObject::connect(&editor, &TReditdialog::listEditorRequested, &editor,
                     [this](int kind) { m_main.RunCommand(QString::fromLatin1(listCommand(kind))); });
    // Whichever window changed a list, the open editor's boxes follow.
    QObject::connect(&services.state.catalogue, &Catalogue::changed, &editor, [this](int kind) {
        if (kind != Catalogue::Recipes && editor.isVisible())
            refreshChoices();
    });
}

void RecipeCommands::prepareChoices() {
    editSession.setSettings(m_state.settings.options().get(OptionsRecord::DashesPerCl),
                            m_state.folders.ownPhotosFolder, m_state.switches.canrMode);
    editSession.setIngredients(m_state.catalogue.ingredients().zutatliste);
    editSession.setCategories(
        ChoiceLists::categoryChoices(m_state.catalogue.categories(), ChoiceLists::noAssignment()));
    editSession.setTastes(ChoiceLists::tasteChoices(m_state.catalogue.tastes(), ChoiceLists::noAssignment()));
    editSession.setDecorations(ChoiceLists::decorationChoices(m_state.catalogue.decorations()));
}

// After a list changed: the editor's boxes follow, and keep the entry that was chosen (its number
// never moves, even when it was renamed).
void RecipeCommands::refreshChoices() {
    editor.gatherForm();
    const RecipeEditSession::ChosenKeys keys = editSession.chosenKeys();
    StoreGuard::run([this] { prepareChoices(); });
    editSession.reselect(keys);
    editor.choicesChanged();
}

int RecipeCommands::showAndSave() {
    for (;;) {
        if (editor.exec() != QDialog::Accepted)
            return Cancelled;
        if (Meldungsfenster::refuses(editSession.mayChange()))
            return Refused;
        if (StoreGuard::run([this] { editSession.WriteRecipe(); }))
            return Saved;
    }
}

int RecipeCommands::EditNewRecipe() {
    if (!StoreGuard::run([this] { prepareChoices(); }))
        return Cancelled;
    editSession.prepareNew();
    const int outcome = showAndSave();
    if (outcome == Saved) {
        m_state.catalogue.countRecipes(m_tables.ApolloRezepte);
        listSession.setChanged();
    }
    return outcome;
}

bool RecipeCommands::prepareEdit(const QString& name, int recNo) {
    return StoreGuard::run([&] {
        prepareChoices();
        editSession.prepareEdit(name, recNo);
    });
}

bool RecipeCommands::EditRecipe(const QString& name, int recNo) {
    return prepareEdit(name, recNo) && showAndSave() == Saved;
}

void RecipeCommands::recipeSaved(bool isNew, const QString& oldName) {
    listSession.recipeSaved(isNew, oldName, savedName(), savedRecNo());
    m_recipes.RecipeSaved(isNew, savedName());
}

void RecipeCommands::recipeDeleted() {
    m_state.catalogue.countRecipes(m_tables.ApolloRezepte);
}

void RecipeCommands::runNew() {
    if (m_state.catalogue.recipeTotal() >= RecipeListSession::kMaxRecipes)
        return;
    if (EditNewRecipe() == Saved)
        recipeSaved(true, QString());
}

void RecipeCommands::runEdit() {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0)
        return;
    QString name;
    if (!StoreGuard::run([&] {
            m_tables.ApolloRezepte.Go(recNo);
            name = RecipeBook::name(m_tables.ApolloRezepte);
        }))
        return;
    if (EditRecipe(name, recNo))
        recipeSaved(false, name);
}

void RecipeCommands::runList() {
    list.exec();
    if (!listSession.changed())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_recipes.FillRecipeList(false);
    m_recipes.ReloadCurrent();
    QApplication::restoreOverrideCursor();
}
