#include "browser/RecipeBrowser.h"

#include "browser/InstructionWrapper.h"
#include "browser/RecipeLoader.h"
#include "browser/RecipeMarks.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

RecipeBrowser::RecipeBrowser(const Tables& tables, const QStringList& categories, const QStringList& tastes,
                             const Aliases* aliases)
    : m_tables(tables), m_categories(categories), m_tastes(tastes), m_aliases(aliases) {}

bool RecipeBrowser::ShowSelected(int index) {
    if (index < 0 || index >= m_list.ListedCount())
        return false;
    // The shown recipe changes only once the new one loaded: a recipe that cannot be read leaves
    // the view, the mark commands and the next selection as they were.
    ShownRecipe next = m_shown;
    if (!next.ShowSelected(m_list.entries().at(index)))
        return false;
    m_tables.recipes.Go(next.CurrentRecNo());
    RecipeDisplay loaded =
        RecipeLoader::LoadRecipe({m_tables.recipes, m_tables.ingredients, m_tables.decorations, m_categories,
                                  m_tastes, m_dashesPerCl, m_aliases, m_myDrinks, m_unit});
    m_shown = next;
    m_display = std::move(loaded);
    m_shown.setCurrentMarked(m_display.marked);
    WrapInstructions();
    return true;
}

void RecipeBrowser::setWrap(const Wrap& wrap) {
    m_wrap = wrap;
    WrapInstructions();
}

void RecipeBrowser::WrapInstructions() {
    if (m_wrap.measurer && m_display.recNo != 0)
        InstructionWrapper::WrapInstructions(m_display, *m_wrap.measurer, m_wrap.areaWidth, m_wrap.justify);
}

bool RecipeBrowser::ToggleMark() {
    const bool marked =
        RecipeMarks::ToggleMark(m_tables.recipes, m_shown.CurrentRecNo(), m_shown.CurrentMarked());
    m_shown.setCurrentMarked(marked);
    m_display.marked = marked;
    return marked;
}

void RecipeBrowser::MarkAllListed() {
    m_shown.setCurrentMarked(true);
    m_display.marked = true;
    RecipeMarks::MarkAllListed(m_tables.recipes, m_list.recordNumbers());
}

void RecipeBrowser::ClearAllMarks() {
    m_shown.setCurrentMarked(false);
    m_display.marked = false;
    RecipeMarks::ClearAllMarks(m_tables.recipes);
}

int RecipeBrowser::RecipeSaved(bool isNew, int selected, const QString& newName) {
    const int recNo = m_tables.recipes.RecNo();
    if (isNew)
        m_tables.recipes.table().env().SetDeleted(true);
    m_shown.forget();
    return m_list.RecipeSaved(isNew, selected, newName, recNo);
}
