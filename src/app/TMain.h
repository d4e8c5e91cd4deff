#pragma once

#include "app/ProgramData.h"
#include "common/MainWindowPort.h"
#include "store/DataFolderLock.h"
#include "ui/UiContext.h"

#include <QMainWindow>
#include <QPixmap>
#include <QRect>

#include <memory>

class BrowserController;
class ShownRecipes;
class CommandTable;
class DialogHost;
class ClickPanel;
class ClientFrame;
class QMenu;
class RecipePhoto;
class RecipeView;
class DataTables;
class HelpWindow;
class KeyboardHook;
class MainMenu;
class MusicLoader;
class QLabel;
class QLineEdit;
class EntryList;
class QToolButton;
class ToolbarPanel;

// The main window: menu, toolbar, the client area with the recipe browser, and the start-up and
// close handlers that open the tables, read the settings and write them back.
class TMain : public QMainWindow, public MainWindowPort {
    Q_OBJECT
public:
    TMain(AppState& state, UiContext context, DataTables& tables, HelpWindow& help,
          QWidget* parent = nullptr);
    ~TMain() override;

    // The create handler; false when the program has to end (the reason was shown, if any).
    bool create();
    bool endRequested() const { return m_endRequested; }

    MainMenu* menu = nullptr;
    ToolbarPanel* Panel1 = nullptr;
    ClientFrame* UntenPaintBox = nullptr;
    QLineEdit* HauptEdit = nullptr;
    EntryList* HauptListBox = nullptr;
    QLabel* AnzLabel = nullptr;
    QToolButton* OListe = nullptr;
    QToolButton* UListe = nullptr;
    KeyboardHook* hook = nullptr;
    RecipeView* AusgabePaintBox = nullptr;
    RecipePhoto* FotoImage = nullptr;
    ClickPanel* Markipanel = nullptr;
    QLabel* Markigrafik = nullptr;
    QMenu* TextPopup = nullptr;
    BrowserController* browser = nullptr;
    CommandTable* commands = nullptr;
    // The feature commands with their sessions and dialogs, created on first use.
    DialogHost& dialogs() { return *m_dialogs; }
    HelpWindow& help() { return m_help; }

    // The list of drinks and the recipe shown, as the feature commands use them.
    ShownRecipes& recipes();
    const ShownRecipes& recipes() const;

    // MainWindowPort: what only the main window does for the feature windows.
    void RunCommand(const QString& command) override;
    void ShowIngredientInfo(int number) override;
    void ShowIngredientList(const QList<ListEntry>& ingredients) override;
    void NeutralPhoto(bool on) override;
    void ApplyOptions(bool motifChanged) override;
    void layoutMain();
    void fitRecipeList(); // whole rows only, within the list's area of the layout
    void setCancelSearchEnabled(bool enabled);
    QString debugInfoText() const;
    // A second start of the program brings this window to the front.
    void bringToFront();
    const QPixmap& advertPicture() const { return m_advert; }

signals:
    // The recipe view, the home bar and the search ask for an ingredient's information.
    void ingredientInfoRequested(int number);
    void ingredientListRequested(const QList<ListEntry>& ingredients);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildBrowserControls();
    void buildTextPopup();
    void connectBrowser();
    void firstShow();
    bool checkInstallation();
    bool openTables();
    bool loadSkins();
    void applyWindowSize();
    void updateMainBounds();
    void bindCommands();
    void applyShortHelp();
    void applyMotif();
    void logSilence(bool musicOpened);

    AppState& m_state;
    UiContext m_context;
    DataTables& m_tables;
    HelpWindow& m_help;
    bool m_endRequested = false;
    bool m_shownOnce = false;
    QRect m_listArea;
    DataFolderLock m_folderLock; // held while the program runs: writing veltadb verbs wait their turn
    ProgramData m_data;
    MusicLoader* m_musicLoader = nullptr;
    quint8 m_shownMotif = 0; // the motif whose skin the main window shows
    QPixmap m_advert;
    std::unique_ptr<DialogHost> m_dialogs;
};
