#include "options/gui/TOptionenDialog.h"

#include "options/OptionsSession.h"
#include "ui/HelpWindow.h"
#include "ui/Meldungsfenster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

namespace {

QGroupBox* group(QWidget* page, const QString& title, const QRect& geometry) {
    auto* box = new QGroupBox(title, page);
    box->setGeometry(geometry);
    return box;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

} // namespace

TOptionenDialog::TOptionenDialog(UiContext context, OptionsSession& session, const QStringList& fontNames,
                                 QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Optionen"));
    setHelpContext(OptionsSession::kHelpContext);
    setFixedSize(490, 400);
    m_session.setFontNames(fontNames);
    DasControl = new QTabWidget(this);
    DasControl->setObjectName(QStringLiteral("DasControl"));
    DasControl->setGeometry(16, 34, 430, 312);
    DasControl->addTab(buildDarstellung(), QStringLiteral("&Darstellung"));
    DasControl->addTab(buildVorgaben(), QStringLiteral("&Vorgaben"));
    DasControl->addTab(buildSchriftart(m_session.fontNames()), QStringLiteral("&Schriftart"));
    connect(DasControl, &QTabWidget::currentChanged, this, [this](int page) { m_session.setPage(page); });
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(266, 358, 85, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setGeometry(361, 358, 85, 25);
    connect(OkButton, &QPushButton::clicked, this, &TOptionenDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TOptionenDialog::reject);
}

QWidget* TOptionenDialog::buildDarstellung() {
    auto* page = new QWidget;
    QGroupBox* recipe = group(page, QStringLiteral("&Rezeptdarstellung"), QRect(8, 8, 250, 160));
    addCheck(recipe, QStringLiteral("HyperCheck"), QStringLiteral("Begriffe des Lexikons markiert*"), 20);
    addCheck(recipe, QStringLiteral("CheckBlock"), QStringLiteral("Anleitung im Blocksatz"), 42);
    addCheck(recipe, QStringLiteral("CheckCenter"), QStringLiteral("Zutaten zentriert"), 64);
    addCheck(recipe, QStringLiteral("CheckSlow"), QStringLiteral("Hintergrundgrafik*"), 86);
    addCheck(recipe, QStringLiteral("CheckmitBitmap"), QStringLiteral("flicker-free scrolling*"), 108);
    label(recipe, QStringLiteral("* nur auf schnellen Rechnern"), QRect(12, 134, 230, 18))
        ->setObjectName(QStringLiteral("Label6"));

    QGroupBox* motif = group(page, QStringLiteral("&Motiv"), QRect(266, 8, 150, 186));
    const QStringList motifs = {QStringLiteral("Oriental"),         QStringLiteral("Beachcomber"),
                                QStringLiteral("Top of the World"), QStringLiteral("Shepard"),
                                QStringLiteral("Raffles"),          QStringLiteral("Lexington"),
                                QStringLiteral("Route 256")};
    for (int m = 0; m < motifs.size(); ++m)
        addRadio(motif, QStringLiteral("H%1").arg(m + 1), motifs.at(m), 12, 20 + 22 * m);

    QGroupBox* background = group(page, QStringLiteral("&Texthintergrund"), QRect(8, 176, 250, 48));
    addRadio(background, QStringLiteral("B1Radio"), QStringLiteral("Dunkel"), 12, 20);
    addRadio(background, QStringLiteral("b2Radio"), QStringLiteral("Hell"), 112, 20);

    QGroupBox* icons = group(page, QStringLiteral("&Iconleiste"), QRect(8, 232, 250, 48));
    addRadio(icons, QStringLiteral("hi1"), QStringLiteral("Hi-Color"), 12, 20);
    addRadio(icons, QStringLiteral("hi2"), QStringLiteral("Lo-Color"), 112, 20);
    return page;
}

QWidget* TOptionenDialog::buildVorgaben() {
    auto* page = new QWidget;
    QGroupBox* sounds = group(page, QStringLiteral("S&oundeffekte"), QRect(8, 8, 200, 72));
    addCheck(sounds, QStringLiteral("SoundCheck"), QStringLiteral("Geräusche"), 20);
    addCheck(sounds, QStringLiteral("SpracheCheck"), QStringLiteral("Sprache"), 42);

    QGroupBox* dash = group(page, QStringLiteral("D&ash"), QRect(216, 8, 200, 72));
    label(dash, QStringLiteral("Ein Dash ist der"), QRect(12, 20, 170, 18));
    DashEdit = new QLineEdit(dash);
    DashEdit->setObjectName(QStringLiteral("DashEdit"));
    DashEdit->setGeometry(12, 42, 40, 22);
    // Whole numbers from 1 to 255: what the options file's byte can hold.
    DashEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9][0-9]?|1[0-9][0-9]|2[0-4][0-9]|25[0-5]")), DashEdit));
    connect(DashEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_session.setDashText(text); });
    label(dash, QStringLiteral("te Teil eines cl"), QRect(58, 44, 124, 18));

    QGroupBox* music = group(page, QStringLiteral("&Hintergrundmusik"), QRect(8, 88, 200, 94));
    addRadio(music, QStringLiteral("M1"), QStringLiteral("Keine"), 12, 20);
    addRadio(music, QStringLiteral("M2"), QStringLiteral("am Anfang"), 12, 42);
    addRadio(music, QStringLiteral("M3"), QStringLiteral("endlos"), 12, 64);

    QGroupBox* general = group(page, QStringLiteral("A&llgemeines"), QRect(216, 88, 200, 94));
    addCheck(general, QStringLiteral("BilderCheck"), QStringLiteral("Bilder anzeigen"), 20);
    addCheck(general, QStringLiteral("FensterCheck"), QStringLiteral("Fensterposition merken"), 42);
    addCheck(general, QStringLiteral("BubbleCheck"), QStringLiteral("Kurzhilfe anzeigen"), 64);

    QGroupBox* units = group(page, QStringLiteral("&Mengen anzeigen in"), QRect(8, 190, 408, 48));
    addRadio(units, QStringLiteral("UnitCl"), QStringLiteral("cl"), 12, 20);
    addRadio(units, QStringLiteral("UnitMl"), QStringLiteral("ml"), 112, 20);
    addRadio(units, QStringLiteral("UnitOz"), QStringLiteral("oz (US)"), 212, 20);
    return page;
}

QWidget* TOptionenDialog::buildSchriftart(const QStringList& fontNames) {
    auto* page = new QWidget;
    QLabel* nameLabel = label(page, QStringLiteral("Schrift&art:"), QRect(8, 8, 200, 18));
    Schriftnamelist = new QListWidget(page);
    Schriftnamelist->setObjectName(QStringLiteral("Schriftnamelist"));
    Schriftnamelist->setGeometry(8, 26, 200, 168);
    Schriftnamelist->addItems(fontNames);
    nameLabel->setBuddy(Schriftnamelist);
    QLabel* sizeLabel = label(page, QStringLiteral("&Größe:"), QRect(218, 8, 60, 18));
    groesseedit = new QLineEdit(page);
    groesseedit->setObjectName(QStringLiteral("groesseedit"));
    groesseedit->setGeometry(218, 26, 60, 22);
    sizeLabel->setBuddy(groesseedit);
    groesseliste = new QListWidget(page);
    groesseliste->setObjectName(QStringLiteral("groesseliste"));
    groesseliste->setGeometry(218, 50, 60, 144);
    groesseliste->addItems(OptionsSession::sizes());
    auto* style = new QWidget(page);
    style->setGeometry(296, 24, 120, 52);
    addCheck(style, QStringLiteral("CheckFett"), QStringLiteral("&Fett"), 2);
    addCheck(style, QStringLiteral("CheckKursiv"), QStringLiteral("&Kursiv"), 26);
    label(page, QStringLiteral("Vorschau:"), QRect(8, 202, 120, 18));
    Previewpanel = new QFrame(page);
    Previewpanel->setObjectName(QStringLiteral("Previewpanel"));
    Previewpanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Previewpanel->setGeometry(8, 220, 408, 58);
    Preview = new QLabel(QStringLiteral("Velta 98"), Previewpanel);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setAlignment(Qt::AlignCenter);
    Preview->setGeometry(2, 2, 404, 54);

    connect(Schriftnamelist, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (m_loading)
            return;
        m_session.setFontName(name);
        updatePreview(false);
    });
    connect(Schriftnamelist, &QListWidget::itemClicked, this, [this] { updatePreview(true); });
    connect(groesseedit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_session.setSizeText(text);
        updatePreview(false);
    });
    connect(groesseliste, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!m_loading && !text.isEmpty())
            chooseSize(text, false);
    });
    connect(groesseliste, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseSize(item->text(), true); });
    return page;
}

QAbstractButton* TOptionenDialog::addCheck(QWidget* group, const QString& control, const QString& caption,
                                           int y) {
    auto* check = new QCheckBox(caption, group);
    check->setGeometry(12, y, group->width() - 20, 20);
    bind(check, control);
    return check;
}

QAbstractButton* TOptionenDialog::addRadio(QGroupBox* group, const QString& control, const QString& caption,
                                           int x, int y) {
    auto* radio = new QRadioButton(caption, group);
    radio->setGeometry(x, y, group->width() - x - 8, 20);
    bind(radio, control);
    return radio;
}

void TOptionenDialog::bind(QAbstractButton* button, const QString& control) {
    button->setObjectName(control);
    m_buttons.insert(control, button);
    connect(button, &QAbstractButton::toggled, this, [this, control](bool on) {
        if (m_loading)
            return;
        m_session.setChecked(control, on);
        refreshEnabled();
    });
    if (control == QStringLiteral("CheckFett") || control == QStringLiteral("CheckKursiv"))
        connect(button, &QAbstractButton::clicked, this, [this] { updatePreview(true); });
}

void TOptionenDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_session.begin();
    showSession();
    OkButton->setFocus();
    m_session.setReady(true);
    updatePreview(false);
}

void TOptionenDialog::hideEvent(QHideEvent* event) {
    m_session.setReady(false);
    TOwnFenster::hideEvent(event);
}

void TOptionenDialog::showSession() {
    m_loading = true;
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        // A radio group may show no choice at all (a damaged options file): lift the exclusivity
        // while setting, or the last chosen button would stay chosen.
        QAbstractButton* b = it.value();
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(m_session.isChecked(it.key()));
        b->setAutoExclusive(exclusive);
    }
    DashEdit->setText(m_session.dashText());
    Schriftnamelist->setCurrentRow(m_session.fontRow());
    groesseliste->setCurrentRow(m_session.sizeRow());
    groesseedit->setText(m_session.sizeText());
    DasControl->setCurrentIndex(m_session.page());
    m_loading = false;
    refreshEnabled();
}

void TOptionenDialog::refreshEnabled() {
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(m_session.isEnabled(it.key()));
}

void TOptionenDialog::chooseSize(const QString& text, bool report) {
    groesseedit->setText(text);
    m_session.setSizeText(text);
    updatePreview(report);
}

void TOptionenDialog::updatePreview(bool report) {
    if (report) {
        const OptionsSession::FontCheck check = m_session.checkFont();
        if (check.notice) {
            Meldungsfenster::show(*check.notice);
            if (check.focusSize)
                groesseedit->setFocus();
            return;
        }
    }
    if (const std::optional<OptionsSession::Preview> p = m_session.preview()) {
        QFont font(p->name);
        font.setPointSize(p->size);
        font.setBold(p->bold);
        font.setItalic(p->italic);
        Preview->setFont(font);
    }
}

void TOptionenDialog::accept() {
    const OptionsSession::FontCheck check = m_session.checkFont();
    if (!check.valid) {
        // The problem is on the font page, wherever the user is.
        DasControl->setCurrentIndex(OptionsSession::Schriftart);
        if (check.notice)
            Meldungsfenster::show(*check.notice);
        if (check.focusSize)
            groesseedit->setFocus();
        else
            Schriftnamelist->setFocus();
        return;
    }
    TOwnFenster::accept();
}

void TOptionenDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && m_context.help) {
        m_context.help->showContext(m_session.helpContext());
        return;
    }
    TOwnFenster::keyPressEvent(event);
}
