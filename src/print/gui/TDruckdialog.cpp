#include "print/gui/TDruckdialog.h"

#include "common/AppState.h"
#include "common/HomeBarTable.h"
#include "print/PrintSession.h"
#include "print/gui/PrintOutput.h"
#include "store/OptionsRecord.h"
#include "ui/EntryList.h"
#include "ui/FoldedComboView.h"
#include "ui/Meldungsfenster.h"
#include "ui/SoundPlayer.h"
#include "ui/StoreGuard.h"
#include "ui/TSchriftdialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace {

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent, int x, int y, int w = 200) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    l->setGeometry(x, y, w, 18);
    return l;
}

QComboBox* combo(const QStringList& items, QWidget* parent, const QRect& geometry) {
    auto* c = new QComboBox(parent);
    c->addItems(items);
    c->setGeometry(geometry);
    FoldedComboView::install(c);
    return c;
}

QCheckBox* check(const QString& text, QWidget* parent, int x, int y, int w = 190) {
    auto* c = new QCheckBox(text, parent);
    c->setGeometry(x, y, w, 20);
    return c;
}

} // namespace

TDruckdialog::TDruckdialog(UiContext context, PrintSession& session, PrintOutput& output, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session), m_output(output) {
    setCaption(QStringLiteral("Drucken"));
    setHelpContext(kHelpContext);
    setFixedSize(540, 482);
    DasControl = new QTabWidget(this);
    DasControl->setGeometry(20, 34, 480, 388);
    DasControl->addTab(buildChoicePage(), QStringLiteral("W&as wird gedruckt?"));
    DasControl->addTab(buildLayoutPage(), QStringLiteral("W&ie wird gedruckt?"));
    buildButtons();
    connectSettings();
    connect(DasControl, &QTabWidget::currentChanged, this, &TDruckdialog::pageChanged);
}

QWidget* TDruckdialog::buildChoicePage() {
    auto* page = new QWidget;
    WasListBox = new EntryList(page);
    WasListBox->setObjectName(QStringLiteral("WasListBox"));
    WasListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    WasListBox->setGeometry(10, 30, 185, 297);
    label(QStringLiteral("&mögliche Getränke:"), WasListBox, page, 10, 10, 185);
    LLabel = new QLabel(page);
    LLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LLabel->setGeometry(10, 332, 185, 18);
    Hinzubutton = new QPushButton(QStringLiteral("&Hinzufügen"), page);
    Hinzubutton->setGeometry(201, 90, 80, 25);
    entbutton = new QPushButton(QStringLiteral("&Entfernen"), page);
    entbutton->setGeometry(201, 125, 80, 25);
    VButton = new QPushButton(QStringLiteral(" &Vorgabe"), page);
    VButton->setGeometry(201, 200, 80, 25);
    VorgabePopup = new QMenu(this);
    VorgabePopup->addAction(QStringLiteral("Auswahl &leeren"), this, [this] {
        m_session.clearChosen();
        showChosen(-1);
    });
    VorgabePopup->addAction(QStringLiteral("&Alle Getränke auswählen"), this, [this] {
        m_session.chooseAll();
        showChosen(m_session.chosen().isEmpty() ? -1 : 0);
    });
    VButton->setMenu(VorgabePopup);
    DruckListbox = new EntryList(page);
    DruckListbox->setObjectName(QStringLiteral("DruckListbox"));
    DruckListbox->setGeometry(287, 30, 180, 297);
    label(QStringLiteral("&zu druckende Getränke:"), DruckListbox, page, 287, 10, 180);
    connect(Hinzubutton, &QPushButton::clicked, this, &TDruckdialog::addChosen);
    connect(WasListBox, &EntryList::rowDoubleClicked, this, &TDruckdialog::addChosen);
    connect(entbutton, &QPushButton::clicked, this, &TDruckdialog::removeChosen);
    connect(DruckListbox, &EntryList::rowDoubleClicked, this, &TDruckdialog::removeChosen);
    return page;
}

QWidget* TDruckdialog::buildLayoutPage() {
    auto* page = new QWidget;
    const auto layoutButton = [page](const QString& text, int x, int w) {
        auto* b = new QToolButton(page);
        b->setText(text);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setGeometry(x, 10, w, 30);
        return b;
    };
    lay1 = layoutButton(QStringLiteral("&Rezeptkarte"), 10, 200);
    lay2 = layoutButton(QStringLiteral("&Barkarte/Liste"), 236, 231);
    buildCardControls(page);
    buildListControls(page);
    buildMixableControls(page);
    buildCommonControls(page);
    return page;
}

void TDruckdialog::buildCardControls(QWidget* page) {
    BreiteCheck = check(QStringLiteral("&Anleitung über ganze Breite"), page, 14, 52);
    AnleitungCheck = check(QStringLiteral("Mi&xanleitung drucken"), page, 14, 76);
    BildCheck = check(QStringLiteral("mit Bi&ld drucken"), page, 14, 100);
    InfoCheck = check(QStringLiteral("&Zusatzinfos drucken"), page, 14, 124);
    BogenCombo = combo(PrintSettings::sheetNames(), page, QRect(14, 176, 210, 22));
    m_cardControls = {
        BreiteCheck, AnleitungCheck,
        BildCheck,   InfoCheck,
        BogenCombo,  label(QStringLiteral("&Karten je Blatt:"), BogenCombo, page, 14, 158, 210)};
}

void TDruckdialog::buildListControls(QWidget* page) {
    HeaderEdit = new QLineEdit(page);
    HeaderEdit->setMaxLength(PrintSettings::kHeaderLength);
    HeaderEdit->setGeometry(236, 68, 231, 22);
    Trennedit = combo(PrintSettings::separatorNames(), page, QRect(236, 114, 150, 22));
    SpaltenCombo =
        combo({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, page, QRect(392, 114, 75, 22));
    AusrichtungCombo = combo(PrintSettings::alignmentNames(), page, QRect(236, 160, 105, 22));
    ZutCombo = combo(PrintSettings::ingredientNames(), page, QRect(347, 160, 120, 22));
    BemCheck = check(QStringLiteral("Be&merkung zum Rezept drucken"), page, 236, 190, 231);
    NumCheck = check(QStringLiteral("Getränke &numerieren"), page, 236, 214, 124);
    KategorienCheck = check(QStringLiteral("nac&h Kategorien"), page, 362, 214, 105);
    m_listControls = {
        HeaderEdit,       label(QStringLiteral("&Überschrift:"), HeaderEdit, page, 236, 50),
        Trennedit,        label(QStringLiteral("&Trennzeichen"), Trennedit, page, 236, 96, 150),
        SpaltenCombo,     label(QStringLiteral("S&palten:"), SpaltenCombo, page, 392, 96, 75),
        AusrichtungCombo, label(QStringLiteral("A&usrichtung:"), AusrichtungCombo, page, 236, 142, 105),
        ZutCombo,         label(QStringLiteral("&Zutaten:"), ZutCombo, page, 347, 142, 120),
        BemCheck,         NumCheck,
        KategorienCheck};
}

// The bar card can keep only the drinks mixable from a home bar: the last of its options, in its column.
void TDruckdialog::buildMixableControls(QWidget* page) {
    MixCheck = check(QStringLiteral("nur mixbare &Getränke aus"), page, 236, 238, 231);
    QStringList bars;
    for (int b = 1; b <= HomeBarTable::kBars; ++b)
        bars << QStringLiteral("Hausbar Nr. %1").arg(b);
    MixBarCombo = combo(bars, page, QRect(252, 264, 104, 22));
    MixZukaufCombo = combo(PrintSettings::purchaseNames(), page, QRect(362, 264, 105, 22));
    SterneCheck = check(QStringLiteral("m&it Sternen"), page, 236, 290, 98);
    SterneCheck->setToolTip(QStringLiteral("Ihre Sterne aus dem Rezept hinter dem Namen, als *"));
    m_listControls << MixCheck << SterneCheck;
}

void TDruckdialog::buildCommonControls(QWidget* page) {
    PapCombo = combo(PrintSettings::paperNames(), page, QRect(14, 320, 120, 22));
    label(QStringLiteral("Papierf&ormat:"), PapCombo, page, 14, 302, 120);
    AusCombo = combo(PrintSettings::orientationNames(), page, QRect(144, 320, 120, 22));
    label(QStringLiteral("&Papierausrichtung:"), AusCombo, page, 144, 302, 130);
    ExplorerButton1 = new QPushButton(QStringLiteral(" &Schriftarten"), page);
    ExplorerButton1->setGeometry(337, 288, 130, 25);
    SchriftPopup = new QMenu(this);
    SchriftPopup->addAction(QStringLiteral("&Überschrift"), this,
                            [this] { chooseFont(PrintFonts::kHeading); });
    SchriftPopup->addAction(QStringLiteral("&Text"), this, [this] { chooseFont(PrintFonts::kText); });
    ExplorerButton1->setMenu(SchriftPopup);
    ExplorerButton2 = new QPushButton(QStringLiteral(" &Einrichten"), page);
    ExplorerButton2->setGeometry(337, 319, 130, 25);
    connect(ExplorerButton2, &QPushButton::clicked, this, &TDruckdialog::setUpPrinter);
}

void TDruckdialog::buildButtons() {
    const auto button = [this](const QString& text, int x) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, 434, 90, 25);
        return b;
    };
    OkButton = button(QStringLiteral("&Weiter"), 20);
    PrevButton = button(QStringLiteral("&Vorschau"), 114);
    PrevButton->resize(86, 25);
    Exportbutton = button(QStringLiteral("&Textdatei"), 204);
    Exportbutton->resize(86, 25);
    PdfButton = button(QStringLiteral("Als &PDF speichern…"), 294);
    PdfButton->resize(112, 25);
    AbbrechenButton = button(QStringLiteral("Abbrechen"), 410);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TDruckdialog::okClicked);
    connect(PrevButton, &QPushButton::clicked, this, [this] { output(true); });
    connect(Exportbutton, &QPushButton::clicked, this, &TDruckdialog::exportClicked);
    connect(PdfButton, &QPushButton::clicked, this, &TDruckdialog::pdfClicked);
    connect(AbbrechenButton, &QPushButton::clicked, this, &TDruckdialog::reject);
}

// Every control writes its setting into the session at once, so the settings persist for the run.
void TDruckdialog::connectSettings() {
    PrintSettings& s = m_session.settings;
    connect(lay1, &QToolButton::clicked, this, [this, &s] {
        s.layout = PrintSettings::Layout::RecipeCard;
        applyLayoutEnabling();
    });
    connect(lay2, &QToolButton::clicked, this, [this, &s] {
        s.layout = PrintSettings::Layout::DrinkList;
        applyLayoutEnabling();
    });
    connect(HeaderEdit, &QLineEdit::textChanged, this, [&s](const QString& t) { s.header = t; });
    connect(Trennedit, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.separator = PrintSettings::Separator(i); });
    connect(SpaltenCombo, &QComboBox::currentIndexChanged, this, [&s](int i) { s.columns = i + 1; });
    connect(BogenCombo, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.sheet = PrintSettings::Sheet(i); });
    connect(AusrichtungCombo, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.alignment = PrintSettings::Alignment(i); });
    connect(ZutCombo, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.ingredients = PrintSettings::Ingredients(i); });
    connect(PapCombo, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.paper = PrintSettings::Paper(i); });
    connect(AusCombo, &QComboBox::currentIndexChanged, this,
            [&s](int i) { s.orientation = PrintSettings::Orientation(i); });
    const std::pair<QCheckBox*, bool PrintSettings::*> checks[] = {
        {BemCheck, &PrintSettings::remarks},         {NumCheck, &PrintSettings::numbered},
        {KategorienCheck, &PrintSettings::sections}, {SterneCheck, &PrintSettings::stars},
        {BreiteCheck, &PrintSettings::fullWidth},    {AnleitungCheck, &PrintSettings::instructions},
        {BildCheck, &PrintSettings::picture},        {InfoCheck, &PrintSettings::info}};
    for (const auto& [box, flag] : checks)
        connect(box, &QCheckBox::toggled, this, [&s, member = flag](bool on) { s.*member = on; });
    connectMixable();
}

void TDruckdialog::connectMixable() {
    PrintSettings& s = m_session.settings;
    const auto apply = [this, &s] {
        s.mixableBar = MixCheck->isChecked() ? MixBarCombo->currentIndex() + 1 : 0;
        s.mixablePurchases = MixZukaufCombo->currentIndex();
    };
    connect(MixCheck, &QCheckBox::toggled, this, [this, apply] {
        apply();
        applyLayoutEnabling();
    });
    connect(MixBarCombo, &QComboBox::currentIndexChanged, this, apply);
    connect(MixZukaufCombo, &QComboBox::currentIndexChanged, this, apply);
}

void TDruckdialog::showMixable() {
    const PrintSettings s = m_session.settings; // the controls write back as they are set
    const QSignalBlocker quiet(MixCheck);
    MixCheck->setChecked(s.mixableBar > 0);
    if (s.mixableBar > 0)
        MixBarCombo->setCurrentIndex(s.mixableBar - 1);
    MixZukaufCombo->setCurrentIndex(s.mixablePurchases);
}

void TDruckdialog::showSettings() {
    const PrintSettings s = m_session.settings; // the controls write back as they are set
    (s.listLayout() ? lay2 : lay1)->setChecked(true);
    HeaderEdit->setText(s.header);
    Trennedit->setCurrentIndex(int(s.separator));
    SpaltenCombo->setCurrentIndex(std::clamp(s.columns, 1, PrintSettings::kMaxColumns) - 1);
    BogenCombo->setCurrentIndex(int(s.sheet));
    AusrichtungCombo->setCurrentIndex(int(s.alignment));
    ZutCombo->setCurrentIndex(int(s.ingredients));
    BemCheck->setChecked(s.remarks);
    NumCheck->setChecked(s.numbered);
    SterneCheck->setChecked(s.stars);
    KategorienCheck->setChecked(s.sections);
    BreiteCheck->setChecked(s.fullWidth);
    AnleitungCheck->setChecked(s.instructions);
    BildCheck->setChecked(s.picture);
    InfoCheck->setChecked(s.info);
    PapCombo->setCurrentIndex(int(s.paper));
    AusCombo->setCurrentIndex(int(s.orientation));
    showMixable();
    applyLayoutEnabling();
}

void TDruckdialog::applyLayoutEnabling() {
    for (QWidget* w : std::as_const(m_cardControls))
        w->setEnabled(m_session.cardControlsEnabled());
    for (QWidget* w : std::as_const(m_listControls))
        w->setEnabled(m_session.listControlsEnabled());
    // The bar and purchases count only while the choice is ticked.
    const bool mixable = m_session.listControlsEnabled() && MixCheck->isChecked();
    MixBarCombo->setEnabled(mixable);
    MixZukaufCombo->setEnabled(mixable);
}

void TDruckdialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    showSettings();
    LLabel->setText(m_session.countText);
    WasListBox->setEntries(m_session.candidates());
    showChosen(m_session.chosen().isEmpty() ? -1 : 0);
    {
        const QSignalBlocker blocker(DasControl);
        DasControl->setTabEnabled(PrintSession::ChoicePage, m_session.choicePageEnabled());
        DasControl->setCurrentIndex(m_session.page());
    }
    updateButtons();
    if (m_session.page() == PrintSession::ChoicePage && WasListBox->count() > 0) {
        WasListBox->setCurrentRow(0);
        WasListBox->setFocus();
    } else {
        OkButton->setFocus();
    }
}

// Coming back to the dialog while the preview is open brings the preview to the front; otherwise
// the dialog greets with its noise.
void TDruckdialog::changeEvent(QEvent* event) {
    TOwnFenster::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    update();
    if (!m_context.state.run.previewOpen)
        m_context.sound->PlaySound(SoundKind::Noise, kGreetingSound);
}

void TDruckdialog::showChosen(int select) {
    DruckListbox->setEntries(m_session.chosen());
    DruckListbox->setCurrentRow(select);
}

void TDruckdialog::updateButtons() {
    OkButton->setText(m_session.okCaption());
    PrevButton->setVisible(m_session.outputButtonsVisible());
    Exportbutton->setVisible(m_session.outputButtonsVisible());
}

void TDruckdialog::pageChanged(int page) {
    const Result result = m_session.setPage(page, 1);
    if (!result) {
        const QSignalBlocker blocker(DasControl);
        DasControl->setCurrentIndex(m_session.page());
        Meldungsfenster::show(result.notice());
    }
    updateButtons();
}

void TDruckdialog::okClicked() {
    if (m_session.page() == PrintSession::LayoutPage) {
        output(false);
        return;
    }
    const Result result = m_session.setPage(PrintSession::LayoutPage, 2);
    if (!result) {
        Meldungsfenster::show(result.notice());
        return;
    }
    const QSignalBlocker blocker(DasControl);
    DasControl->setCurrentIndex(PrintSession::LayoutPage);
    updateButtons();
}

// Every output is refused the same way (read-only data, nothing chosen): the message, and the dialog closes.
bool TDruckdialog::outputAllowed() {
    const Result allowed = m_session.mayOutput();
    if (!allowed) {
        Meldungsfenster::show(allowed.notice());
        reject();
    }
    return bool(allowed);
}

void TDruckdialog::output(bool preview) {
    if (!outputAllowed())
        return;
    PrintOutput::Outcome outcome = PrintOutput::Outcome::Nothing;
    StoreGuard::run([&] { outcome = m_output.print(preview); });
    showSettings(); // the preview's printer set-up may have chosen another paper
    if (outcome == PrintOutput::Outcome::Printed || outcome == PrintOutput::Outcome::PrintedFromPreview)
        accept();
}

void TDruckdialog::exportClicked() {
    if (!outputAllowed())
        return;
    StoreGuard::run([&] { m_output.exportText(); });
}

void TDruckdialog::pdfClicked() {
    if (!outputAllowed())
        return;
    StoreGuard::run([&] { m_output.savePdf(this); });
}

void TDruckdialog::addChosen() {
    QList<int> rows;
    for (const QModelIndex& index : WasListBox->selectionModel()->selectedIndexes())
        rows.append(index.row());
    m_session.add(rows);
    showChosen(int(m_session.chosen().size()) - 1);
    WasListBox->setFocus();
}

void TDruckdialog::removeChosen() {
    showChosen(m_session.remove(DruckListbox->currentRow()));
    WasListBox->setFocus();
}

void TDruckdialog::chooseFont(int entry) {
    const PrintFonts::Entry& font = m_session.fonts.at(entry);
    TSchriftdialog chooser(m_context, font.name, font.size, this);
    if (chooser.exec() == QDialog::Accepted)
        m_session.fonts.set(entry, chooser.selectedName(), chooser.selectedSize());
}

void TDruckdialog::setUpPrinter() {
    m_output.setUpPrinter();
    showSettings();
}
