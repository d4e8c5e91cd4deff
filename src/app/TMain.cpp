#include "app/TMain.h"

#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/KeyboardHook.h"
#include "app/MainMenu.h"
#include "app/MainWindowGeometry.h"
#include "app/ProgramCommands.h"
#include "app/ToolbarPanel.h"
#include "browser/MainLayout.h"
#include "browser/MissingIngredients.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/ClientFrame.h"
#include "browser/gui/RecipePhoto.h"
#include "browser/gui/RecipeView.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "editors/ChoiceLists.h"
#include "store/DataFolderLock.h"
#include "store/PhotoPath.h"
#include "store/StoreError.h"
#include "ui/ClickPanel.h"
#include "ui/EntryList.h"
#include "ui/HelpWindow.h"
#include "ui/Meldungsfenster.h"
#include "ui/MusicLoader.h"
#include "ui/ProgramFonts.h"
#include "ui/Skins.h"
#include "ui/SoundBackend.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TMain::TMain(AppState& state, UiContext context, DataTables& tables, HelpWindow& help, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_context(context), m_tables(tables), m_help(help),
      m_data(m_state, m_tables, m_folderLock) {
    setWindowTitle(QStringLiteral("Velta Cocktails 98"));
    setMinimumSize(600, 420);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    menu = new MainMenu(this);
    menuBar()->setFont(ProgramFonts::uiFont()); // the window's own font is not the menus' face
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Panel1 = new ToolbarPanel(central);
    UntenPaintBox = new ClientFrame(context.skins, central);
    layout->addWidget(Panel1);
    layout->addWidget(UntenPaintBox, 1);
    setCentralWidget(central);
    buildBrowserControls();
    hook = new KeyboardHook(this, HauptListBox, this);
    connectBrowser();
    m_dialogs = std::make_unique<DialogHost>(DialogServices{context, m_state, tables, *this, *browser, this});
    bindCommands();
    buildTextPopup();
}

void TMain::bindCommands() {
    commands = new CommandTable(this);
    for (const QString& name : menu->commands())
        commands->bindAction(name, menu->action(name));
    for (bool hi : {true, false})
        for (int k = 1; k <= ToolbarPanel::kButtons; ++k)
            commands->bindControl(ToolbarPanel::command(k), Panel1->button(hi, k));
    commands->setEnabled(QStringLiteral("SucheAus"), false);
    ProgramCommands::registerAll(*commands, *m_dialogs, *this);
    QList<QKeySequence> shortcuts;
    for (const QString& name : menu->commands())
        if (!menu->action(name)->shortcut().isEmpty())
            shortcuts << menu->action(name)->shortcut();
    hook->setMenuShortcuts(shortcuts);
    connect(menu, &MainMenu::triggered, commands, &CommandTable::run);
    connect(menu, &MainMenu::helpRequested, this, [this](int context) { m_help.showContext(context); });
    connect(Panel1, &ToolbarPanel::triggered, commands, &CommandTable::run);
}

TMain::~TMain() {
    qApp->removeEventFilter(hook);
}

void TMain::buildBrowserControls() {
    HauptEdit = new QLineEdit(UntenPaintBox);
    HauptEdit->setObjectName(QStringLiteral("HauptEdit"));
    HauptEdit->setMaxLength(30);
    HauptListBox = new EntryList(UntenPaintBox);
    HauptListBox->setObjectName(QStringLiteral("HauptListBox"));
    HauptListBox->setUniformItemSizes(true);
    HauptListBox->setFont(ProgramFonts::uiFont());
    AnzLabel = new QLabel(UntenPaintBox);
    AnzLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette labelPalette = AnzLabel->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    AnzLabel->setPalette(labelPalette);
    OListe = new QToolButton(UntenPaintBox);
    OListe->setObjectName(QStringLiteral("OListe"));
    UListe = new QToolButton(UntenPaintBox);
    UListe->setObjectName(QStringLiteral("UListe"));
    OListe->setIcon(QIcon(QStringLiteral(":/velta/buttons/OListe.png")));
    UListe->setIcon(QIcon(QStringLiteral(":/velta/buttons/UListe.png")));
    AusgabePaintBox = new RecipeView(m_state, UntenPaintBox);
    FotoImage = new RecipePhoto(m_state, UntenPaintBox);
    Markipanel = new ClickPanel(UntenPaintBox);
    Markigrafik = new QLabel(Markipanel);
    Markigrafik->setPixmap(QPixmap(QStringLiteral(":/velta/mark/Markigrafik.png")));
    Markigrafik->setGeometry(0, 0, 18, 18);
    Markigrafik->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The main window's controls have no labels to be read by; their names say what they are.
    HauptEdit->setAccessibleName(QStringLiteral("Schnellsuche"));
    HauptListBox->setAccessibleName(QStringLiteral("Rezeptliste"));
    OListe->setAccessibleName(QStringLiteral("Nächstes Rezept"));
    UListe->setAccessibleName(QStringLiteral("Vorheriges Rezept"));
    Markipanel->setAccessibleName(QStringLiteral("Markierung"));
}

bool TMain::checkInstallation() {
    if (!PhotoPath::resolve(m_state.folders.dataFolder, QStringLiteral("DEFAULT.BMP")).isEmpty())
        return true;
    Meldungsfenster::show(Notice::error(
        QStringLiteral("Die Datei VELTA.INI ist defekt. Installieren Sie Velta Cocktails erneut."), 1));
    m_endRequested = true;
    return false;
}

bool TMain::openTables() {
    QStringList repaired;
    const Result opened = m_data.openTables(&repaired);
    if (!opened) {
        Meldungsfenster::show(opened.notice());
        m_endRequested = true;
        return false;
    }
    if (!repaired.isEmpty())
        Meldungsfenster::show(
            Notice::hint(QStringLiteral("Beim Öffnen der Datenbanken wurden Schäden ausgebessert:\r") +
                             repaired.join(QLatin1Char('\r')),
                         int(repaired.size()) + 1));
    return true;
}

bool TMain::loadSkins() {
    QString failure;
    if (!m_context.skins.SelectMainSkin(&failure) ||
        !m_context.skins.LoadDialogSkin(m_context.skins.theme().dialogSkin, &failure)) {
        Meldungsfenster::showPlain(failure, QStringLiteral("Velta Cocktails 98"));
        m_endRequested = true;
        return false;
    }
    m_shownMotif = m_state.settings.options().get(OptionsRecord::Motif);
    return true;
}

void TMain::applyWindowSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->size() : QSize(1024, 768);
    const MainWindowGeometry::Start start = MainWindowGeometry::startGeometry(available);
    setGeometry(start.rect);
    if (start.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool TMain::create() {
    AppState& s = m_state;
    checkInstallation(); // a damaged installation ends the program, but the handler goes on
    m_data.loadSettings();
    if (const Result locked = m_data.lockFolder(); !locked) {
        Meldungsfenster::show(locked.notice());
        m_endRequested = true;
        return false;
    }
    m_data.finishRestore();
    if (s.switches.advertMode) // a missing picture leaves the advert empty
        m_advert.load(PhotoPath::resolve(s.folders.dataFolder, QStringLiteral("WERBUNG.BMP")));
    applyWindowSize();
    if (!m_data.loadLists())
        m_endRequested = true;
    if (!openTables())
        return false;
    if (const std::optional<Notice> failed = m_data.finishRecompute())
        Meldungsfenster::show(*failed);
    try {
        m_data.loadChoices();
        if (const std::optional<Notice> damaged = m_data.loadMyDrinks())
            Meldungsfenster::show(*damaged);
        browser->loadTerms();
    } catch (const StoreError&) { // a table that opens but cannot be read is as bad as one that won't open
        Meldungsfenster::show(ProgramData::unreadable());
        m_endRequested = true;
        return false;
    }
    browser->FillRecipeList(false);
    if (s.switches.debugInfo)
        Meldungsfenster::show(Notice::info(debugInfoText(), 8));
    s.applyLowColourOverrides();
    if (!loadSkins())
        return false;
    // The program's own cursor over everything that can be clicked in the recipe view.
    const QCursor cursor1(QPixmap(QStringLiteral(":/velta/cursor/CURSOR_1.png")), 9, 2);
    AusgabePaintBox->setLinkCursor(cursor1);
    UntenPaintBox->setLinkCursor(cursor1);
    Markipanel->setCursor(cursor1);
    OListe->setCursor(cursor1);
    UListe->setCursor(cursor1);
    AusgabePaintBox->setAdvert(m_advert);
    AusgabePaintBox->LoadBackground();
    browser->applyTextFont();
    Panel1->useHiColor(s.settings.options().get(OptionsRecord::HiColorIcons) == 1);
    Panel1->showHints(s.settings.options().get(OptionsRecord::ShortHelp) == 1);
    qApp->installEventFilter(hook);
    updateMainBounds();
    browser->ShowFirst();
    return !m_endRequested;
}

QString TMain::debugInfoText() const {
    const AppState& s = m_state;
    QStringList lines = {QStringLiteral("Datenpfad: ") + s.folders.dataFolder,
                         QStringLiteral("Bilderpfad: ") + s.folders.picturesFolder,
                         QStringLiteral("Soundpfad: ") + s.folders.soundFolder,
                         QStringLiteral("CD-Pfad: ") + s.folders.cdFolder,
                         QStringLiteral("Anzahl Rezepte: ") + QString::number(s.catalogue.recipeTotal()),
                         QStringLiteral("Release-Datum: 12.09.97")};
    if (s.run.photosUnavailable)
        lines << QStringLiteral("Fotos nicht anzeigbar");
    if (s.run.readOnly)
        lines << QStringLiteral("Direkt von CD gestartet");
    if (!s.run.cdPresent)
        lines << QStringLiteral("CD nicht im Laufwerk");
    return lines.join(QLatin1Char('\r'));
}

ShownRecipes& TMain::recipes() {
    return *browser;
}

const ShownRecipes& TMain::recipes() const {
    return *browser;
}

void TMain::fitRecipeList() {
    if (m_listArea.isNull())
        return; // not laid out yet
    QRect list = m_listArea;
    list.setHeight(HauptListBox->wholeRowsHeight(list.height()));
    HauptListBox->setGeometry(list);
}

void TMain::RunCommand(const QString& command) {
    commands->run(command);
}

void TMain::ShowIngredientInfo(int number) {
    emit ingredientInfoRequested(number);
}

void TMain::ShowIngredientList(const QList<ListEntry>& ingredients) {
    emit ingredientListRequested(ingredients);
}

void TMain::NeutralPhoto(bool on) {
    FotoImage->NeutralPhoto(on);
}

void TMain::ApplyOptions(bool motifChanged) {
    AppState& s = m_state;
    repaint();
    AusgabePaintBox->LoadBackground();
    Panel1->useHiColor(s.settings.options().get(OptionsRecord::HiColorIcons) != 0);
    applyShortHelp();
    if (motifChanged)
        applyMotif();
    // Font, wrapping, layout and photo: the shown recipe is laid out and drawn again.
    browser->applyTextFont();
    browser->ReloadCurrent();
    layoutMain();
    UntenPaintBox->update();
}

void TMain::applyShortHelp() {
    const bool hints = m_state.settings.options().get(OptionsRecord::ShortHelp) == 1;
    Panel1->showHints(hints);
    Markipanel->setToolTip(hints ? QStringLiteral("Rezept markieren") : QString());
}

void TMain::applyMotif() {
    QString failure;
    if (m_context.skins.SelectMainSkin(&failure)) {
        m_shownMotif = m_state.settings.options().get(OptionsRecord::Motif);
        return;
    }
    // A motif whose pictures are missing is not taken: the program keeps the one it shows, so that
    // the options saved at the end still let it start.
    Meldungsfenster::show(Notice::error(failure, 2));
    m_state.settings.changeOptions().set(OptionsRecord::Motif, m_shownMotif);
    m_context.skins.SelectMainSkin(nullptr);
}

void TMain::connectBrowser() {
    browser = new BrowserController(m_state, m_tables,
                                    {HauptEdit, HauptListBox, AnzLabel, OListe, UListe, AusgabePaintBox,
                                     FotoImage, UntenPaintBox, Markipanel, Markigrafik},
                                    this);
    browser->setSound(m_context.sound);
    connect(browser, &BrowserController::cancelSearchEnabled, this, &TMain::setCancelSearchEnabled);
    connect(browser, &BrowserController::listFilled, this, &TMain::fitRecipeList);
    connect(hook, &KeyboardHook::selectionMoved, browser, &BrowserController::selectionChanged);
    connect(Markipanel, &ClickPanel::clicked, browser, &BrowserController::ToggleMark);
    connect(browser, &BrowserController::ingredientClicked, this, &TMain::ShowIngredientInfo);
    connect(browser, &BrowserController::alcoholClicked, this,
            [this] { RunCommand(QStringLiteral("Promille")); });
    connect(browser, &BrowserController::amountClicked, this,
            [this] { RunCommand(QStringLiteral("Menge")); });
}

void TMain::buildTextPopup() {
    TextPopup = new QMenu(this);
    TextPopup->addAction(QStringLiteral("Schriftart"), this,
                         [this] { RunCommand(QStringLiteral("Schriftart")); });
    TextPopup->addAction(QStringLiteral("Darstellung"), this,
                         [this] { RunCommand(QStringLiteral("Darstellung")); });
    TextPopup->addSeparator();
    TextPopup->addAction(QStringLiteral("Rezept bearbeiten"), this,
                         [this] { RunCommand(QStringLiteral("RezeptBearbeiten")); });
    TextPopup->addAction(QStringLiteral("Zutateninfo"), this,
                         [this] { RunCommand(QStringLiteral("Zutateninfo")); });
    TextPopup
        ->addAction(QStringLiteral("Ähnliche Drinks"), this,
                    [this] { RunCommand(QStringLiteral("Aehnlich")); })
        ->setObjectName(QStringLiteral("similarDrinks"));
    TextPopup->addSeparator();
    // The user's own records of the drink: stars, note and the journal.
    QMenu* rating = TextPopup->addMenu(QStringLiteral("Bewertung"));
    rating->setObjectName(QStringLiteral("rating"));
    for (int n = 0; n <= 5; ++n) {
        const QString text = n == 0 ? QStringLiteral("Keine Sterne")
                                    : QString(n, QChar(0x2605)) + QString(5 - n, QChar(0x2606));
        QAction* action =
            rating->addAction(text, this, [this, n] { RunCommand(QStringLiteral("Sterne%1").arg(n)); });
        action->setObjectName(QStringLiteral("stars%1").arg(n));
    }
    TextPopup
        ->addAction(QStringLiteral("Meine Notiz..."), this, [this] { RunCommand(QStringLiteral("Notiz")); })
        ->setObjectName(QStringLiteral("myNote"));
    TextPopup->addAction(QStringLiteral("Gemixt!"), this, [this] { RunCommand(QStringLiteral("Gemixt")); })
        ->setObjectName(QStringLiteral("mixed"));
    TextPopup->addSeparator();
    QMenu* clipboard = TextPopup->addMenu(QStringLiteral("Zwischenablage"));
    clipboard->addAction(QStringLiteral("Rezepttext"), browser, &BrowserController::copyRecipeText);
    clipboard
        ->addAction(QStringLiteral("Rezepttext mit Notiz"), browser,
                    &BrowserController::copyRecipeTextWithNote)
        ->setObjectName(QStringLiteral("copyWithNote"));
    clipboard->addAction(QStringLiteral("Foto"), browser, &BrowserController::copyPhoto);
    QAction* missing = TextPopup->addAction(MissingIngredients::menuText(), browser,
                                            &BrowserController::copyMissingIngredients);
    missing->setObjectName(QStringLiteral("missingIngredients"));
    connect(TextPopup, &QMenu::aboutToShow, this,
            [this, missing] { missing->setEnabled(browser->hasMissingIngredients()); });
    for (QWidget* w : {static_cast<QWidget*>(AusgabePaintBox), static_cast<QWidget*>(FotoImage),
                       static_cast<QWidget*>(UntenPaintBox)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { TextPopup->popup(w->mapToGlobal(pos)); });
    }
}

void TMain::setCancelSearchEnabled(bool enabled) {
    commands->setEnabled(QStringLiteral("SucheAus"), enabled);
}

void TMain::layoutMain() {
    if (!m_state.run.mainShown)
        return;
    Panel1->layoutButtons();
    const MainLayout l = MainLayout::compute(UntenPaintBox->width(), UntenPaintBox->height(),
                                             ToolbarPanel::kHeight, HauptEdit->sizeHint().height(), 16);
    HauptEdit->setGeometry(l.searchField);
    m_listArea = l.list;
    fitRecipeList();
    AnzLabel->setGeometry(l.countLabel);
    OListe->setGeometry(l.stepNext);
    UListe->setGeometry(l.stepPrevious);
    browser->relayout(l);
}

void TMain::updateMainBounds() {
    m_state.run.mainBounds = MainWindowGeometry::mainBounds(frameGeometry());
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce)
        firstShow();
    m_state.run.mainShown = true;
    UntenPaintBox->setShown(true);
    m_shownOnce = true;
    layoutMain();
    updateMainBounds();
}

void TMain::firstShow() {
    AppState& s = m_state;
    if (s.run.colourDepth < 16) { // the stepping buttons lose their pictures for symbol characters
        for (const auto& [button, code] :
             {std::pair{UListe, char16_t(0xF1)}, std::pair{OListe, char16_t(0xF2)}}) {
            button->setArrowType(Qt::NoArrow);
            button->setIcon(QIcon());
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            button->setText(ProgramFonts::wingdingsSymbol(code));
        }
    }
    const SoundBackend* waves = SoundBackend::current();
    s.run.waveAvailable = waves && waves->isAvailable();
    m_musicLoader = new MusicLoader(s, *m_context.music, this);
    connect(m_musicLoader, &MusicLoader::loaded, this, &TMain::logSilence);
    m_musicLoader->start();
}

void TMain::logSilence(bool musicOpened) {
    // A machine without sound runs silently; one line says why.
    QStringList missing;
    if (!m_state.run.waveAvailable)
        missing << QStringLiteral("keine Tonausgabe für die Klänge");
    if (!musicOpened && m_context.music != &BackgroundMusic::none())
        missing << QStringLiteral("keine Hintergrundmusik (%1)").arg(m_context.music->failure());
    if (!missing.isEmpty())
        qInfo("Velta Cocktails 98: %s.", qPrintable(missing.join(QStringLiteral("; "))));
}

void TMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutMain();
    updateMainBounds();
}

void TMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    updateMainBounds();
}

void TMain::closeEvent(QCloseEvent* event) {
    AppState& s = m_state;
    s.run.mainShown = false;
    if (SoundBackend* waves = SoundBackend::current())
        waves->stop();
    for (const Notice& failure : m_data.saveAtClose())
        Meldungsfenster::show(failure);
    m_help.close();
    // The data is safe before the wait: opening the music may take a while to come back.
    if (m_musicLoader)
        m_musicLoader->finish();
    m_context.music->stop();
    event->accept();
}

void TMain::bringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) { // the system colours changed
        UntenPaintBox->update();
        AusgabePaintBox->update();
    }
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !m_data.tablesOpen())
        return;
    applyShortHelp();
    browser->selectionChanged();
}
