#pragma once

#include "browser/LexiconTerms.h"
#include "browser/RecipeBrowser.h"
#include "browser/RecipeHitTest.h"
#include "common/ShownRecipes.h"
#include "ui/SoundPlayer.h"

#include <QObject>
#include <QTimer>

struct AppState;
class ClientFrame;
class DataTables;
class QLabel;
class QLineEdit;
class EntryList;
class QToolButton;
class RecipePhoto;
class RecipeView;
struct MainLayout;

// Connects the main window's browser controls to the recipe browser: the list and its quick
// search, the stepping buttons, the recipe view with its title, photo and scrolling, the marks and
// the clipboard commands.
class BrowserController : public QObject, public ShownRecipes {
    Q_OBJECT
public:
    struct Widgets {
        QLineEdit* edit;
        EntryList* list;
        QLabel* count;
        QToolButton* next;
        QToolButton* previous;
        RecipeView* view;
        RecipePhoto* photo;
        ClientFrame* frame;
        QWidget* markPanel;
        QLabel* mark;
    };

    BrowserController(const AppState& state, DataTables& tables, const Widgets& widgets,
                      QObject* parent = nullptr);

    RecipeBrowser& browser() { return m_browser; }
    // ShownRecipes. The fill rebuilds the list from the recipe table as it stands (the search
    // applies its filter first).
    void FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep = {}) override;
    int ListedCount() const override;
    void ShowFirst() override;
    bool ShowRecipe(int recNo) override;
    void ClearQuickSearch() override;
    void setCancelSearchEnabled(bool enabled) override { emit cancelSearchEnabled(enabled); }
    int CurrentRecNo() const override;
    QList<ListEntry> ListedRecipes() const override;
    int SelectedRow() const override;
    QString CountText() const override;
    void ReloadCurrent() override;
    void RecipeSaved(bool isNew, const QString& name) override;

    // After the user changed the selection: load the recipe when it is another, sync the field.
    void selectionChanged();
    void relayout(const MainLayout& layout);
    // The lexicon's term list, sorted, from the table "BA".
    void loadTerms();
    const LexiconTerms& terms() const { return m_terms; }
    void ToggleMark();
    void MarkAllListed();
    void ClearAllMarks();
    void copyRecipeText();
    // The same with the user's note under the remark.
    void copyRecipeTextWithNote();
    void copyPhoto();
    // "Fehlende Zutaten kopieren": the lines the home bar lacks, when there are any.
    void copyMissingIngredients();
    bool hasMissingIngredients() const;
    void applyTextFont();
    // Marking plays its noise through this player.
    void setSound(SoundPlayer* sound) { m_sound = sound; }
    QTimer* HiTimer() { return &m_hiTimer; }

signals:
    void cancelSearchEnabled(bool enabled);
    // After every fill: an empty list had no row height to fit its box to.
    void listFilled();
    void lexiconTermClicked(int recNo);
    void ingredientClicked(int number);
    // The decoration line: the decoration's record number.
    void decorationClicked(int recNo);
    // The "Alkohol" and "Menge" lines open the blood alcohol assistant and the quantity calculator.
    void alcoholClicked();
    void amountClicked();

private:
    void SyncSearchField();
    void showCurrent(bool loaded);
    void fillListWidget();
    void quickSearch(const QString& text);
    void step(int delta);
    void scrollTick();
    void refreshView();
    void handleClick(const RecipeHitTest::Click& click);
    void ShowMarkPicture();
    void copyText(bool withNote);

    const AppState& m_state;
    DataTables& m_tables;
    Widgets m_w;
    RecipeBrowser m_browser;
    LexiconTerms m_terms;
    QList<ListEntry> m_termEntries;
    QTimer m_hiTimer;
    bool m_filling = false;
    SoundPlayer* m_sound = &SoundPlayer::none();
};
