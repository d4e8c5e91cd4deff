#include "calc/gui/TBlutdialog.h"

#include "calc/BloodAlcohol.h"
#include "calc/gui/NumberField.h"
#include "common/AppState.h"
#include "store/PhotoPath.h"
#include "ui/EntryList.h"
#include "ui/FoldedComboView.h"
#include "ui/Meldungsfenster.h"
#include "ui/SoundPlayer.h"
#include "ui/TypeAheadField.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// Pictures b1 to b5: drinks, time, weight, and the two of the result.
constexpr const char* kPictureNames[] = {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp", "b5.bmp"};
constexpr int kPagePicture[] = {0, 2, 1, 3};

QLabel* text(const QString& content, const QRect& geometry, QWidget* parent) {
    auto* label = new QLabel(content, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Emphasis in a scalable face: the dialogs' own bitmap face has one size and no bold.
QFont emphasis(int pixels, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A field that keeps any number typed, so that "&Weiter >>>" can say what is out of range instead
// of quietly putting back the previous value.
NumberField* spin(int minimum, int maximum, const QRect& geometry, QWidget* parent) {
    auto* field = new NumberField(minimum, maximum, parent);
    field->setGeometry(geometry);
    return field;
}

// The field's number as typed; -1 when it holds none.
int typedValue(const NumberField* field) {
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : -1;
}

} // namespace

TBlutdialog::TBlutdialog(UiContext context, BloodAlcoholSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Promilleassistent"));
    setHelpContext(2430);
    setFixedSize(620, 430);
    buildControls();
    GewichtEdit->setText(QString::number(m_session.weight()));
    ZeitEdit->setText(QString::number(m_session.hours()));
    combo->setCurrentIndex(int(m_session.unit()));
}

void TBlutdialog::buildControls() {
    Bild = new QLabel(this);
    Bild->setGeometry(22, 40, 150, 250);
    note = new QStackedWidget(this);
    note->setGeometry(188, 34, 392, 340);
    note->addWidget(buildDrinksPage());
    note->addWidget(buildWeightPage());
    note->addWidget(buildTimePage());
    note->addWidget(buildResultPage());

    const auto button = [this](const QString& caption, int x) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(x, 386, 110, 26);
        b->setAutoDefault(false);
        return b;
    };
    zurueckbutton = button(QStringLiteral("<<< &Zurück"), 232);
    weiterbutton = button(QStringLiteral("&Weiter >>>"), 350);
    OkButton = button(QStringLiteral("Abbrechen"), 470);
    connect(zurueckbutton, &QPushButton::clicked, this, &TBlutdialog::zurueck);
    connect(weiterbutton, &QPushButton::clicked, this, &TBlutdialog::weiter);
    connect(OkButton, &QPushButton::clicked, this, &TBlutdialog::reject);
}

QWidget* TBlutdialog::buildDrinksPage() {
    auto* page = new QWidget;
    auto* drinksLabel = new QLabel(QStringLiteral("&mögliche Getränke:"), page);
    drinksLabel->setGeometry(0, 0, 190, 18);
    BlutListBox = new EntryList(page);
    BlutListBox->setObjectName(QStringLiteral("BlutListBox"));
    BlutListBox->setGeometry(0, 48, 190, 222);
    Editfeld = new TypeAheadField(
        BlutListBox, [this](const QString& t) { return m_session.typeAhead(t); }, page);
    Editfeld->setObjectName(QStringLiteral("Editfeld"));
    Editfeld->setGeometry(0, 20, 190, 24);
    drinksLabel->setBuddy(Editfeld);
    auto* consumedLabel = new QLabel(QStringLiteral("&konsumierte Getränke:"), page);
    consumedLabel->setGeometry(202, 0, 190, 18);
    SuffListbox = new EntryList(page);
    SuffListbox->setGeometry(202, 20, 190, 250);
    consumedLabel->setBuddy(SuffListbox);

    auto* amountLabel = new QLabel(QStringLiteral("Men&ge:"), page);
    amountLabel->setGeometry(0, 284, 50, 24);
    ZukaufEdit = new NumberField(1, BloodAlcoholSession::kMaxAmount, page);
    ZukaufEdit->setObjectName(QStringLiteral("ZukaufEdit"));
    ZukaufEdit->setGeometry(50, 284, 64, 24);
    amountLabel->setBuddy(ZukaufEdit);
    combo = new QComboBox(page);
    combo->addItems({QStringLiteral("Stück"), QStringLiteral("cl"), QStringLiteral("ml")});
    combo->setGeometry(120, 284, 70, 24);
    FoldedComboView::install(combo);
    HinzuButton = new QPushButton(QStringLiteral("&Hinzufügen"), page);
    HinzuButton->setGeometry(0, 314, 190, 26);
    EntfButton = new QPushButton(QStringLiteral("&Entfernen"), page);
    EntfButton->setGeometry(202, 314, 190, 26);
    HeuteButton = new QPushButton(QStringLiteral("Heute gemi&xt"), page);
    HeuteButton->setObjectName(QStringLiteral("HeuteButton"));
    HeuteButton->setGeometry(202, 284, 190, 24);
    HeuteButton->setToolTip(QStringLiteral("Die Drinks, die das Journal für heute hat, je Glas"));
    for (QPushButton* b : {HinzuButton, EntfButton, HeuteButton})
        b->setAutoDefault(false);

    connect(Editfeld, &TypeAheadField::entered, this, &TBlutdialog::add);
    connect(BlutListBox, &EntryList::rowDoubleClicked, this, &TBlutdialog::add);
    connect(SuffListbox, &EntryList::rowDoubleClicked, this, &TBlutdialog::remove);
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_session.setUnit(BloodAlcoholSession::Unit(qMax(0, index))); });
    connect(HinzuButton, &QPushButton::clicked, this, &TBlutdialog::add);
    connect(EntfButton, &QPushButton::clicked, this, &TBlutdialog::remove);
    connect(HeuteButton, &QPushButton::clicked, this, &TBlutdialog::addMixedToday);
    ZukaufEdit->edit()->installEventFilter(this);
    return page;
}

QWidget* TBlutdialog::buildWeightPage() {
    auto* page = new QWidget;
    text(QStringLiteral("Das Körpergewicht steht in direktem Zusammenhang mit der Blutmenge und ist für die "
                        "Berechnung des Blutalkoholwertes unbedingt erforderlich."),
         QRect(0, 0, 380, 80), page);
    auto* label = new QLabel(QStringLiteral("&Körpergewicht:"), page);
    label->setGeometry(0, 104, 120, 24);
    GewichtEdit = spin(BloodAlcohol::kMinWeight, BloodAlcohol::kMaxWeight, QRect(124, 104, 80, 24), page);
    label->setBuddy(GewichtEdit->edit());
    text(QStringLiteral("kg"), QRect(212, 108, 60, 20), page);
    auto* bodyLabel = new QLabel(QStringLiteral("Körperwa&sser:"), page);
    bodyLabel->setGeometry(0, 140, 120, 24);
    KoerperCombo = new QComboBox(page);
    KoerperCombo->setObjectName(QStringLiteral("KoerperCombo"));
    KoerperCombo->setGeometry(124, 140, 150, 24);
    KoerperCombo->addItems(BloodAlcoholSession::bodyNames());
    KoerperCombo->setToolTip(QStringLiteral("Der Anteil des Körperwassers am Gewicht (Widmark-Faktor): bei "
                                            "Männern im Mittel 0,68, bei Frauen 0,55"));
    bodyLabel->setBuddy(KoerperCombo);
    connect(KoerperCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_session.setBody(BloodAlcoholSession::Body(qMax(0, index))); });
    return page;
}

QWidget* TBlutdialog::buildTimePage() {
    auto* page = new QWidget;
    text(QStringLiteral("Geben Sie den Zeitraum ein, in dem Sie ohne Trinkpausen von mehr als ein bis zwei "
                        "Stunden die angegebenen Getränke konsumiert haben."),
         QRect(0, 0, 380, 64), page);
    auto* label = new QLabel(QStringLiteral("&Zeitraum:"), page);
    label->setGeometry(0, 76, 120, 24);
    ZeitEdit = spin(BloodAlcohol::kMinHours, BloodAlcohol::kMaxHours, QRect(124, 76, 80, 24), page);
    label->setBuddy(ZeitEdit->edit());
    text(QStringLiteral("Stunden"), QRect(212, 80, 80, 20), page);
    QLabel* example = text(QStringLiteral("Ein Beispiel:"), QRect(0, 124, 380, 20), page);
    example->setFont(emphasis(12));
    text(
        QStringLiteral("Sie essen um 20.00 Uhr zu Abend und trinken dazu ein Glas Wein. Danach gehen Sie in "
                       "eine Bar und trinken dort bis 23.00 Uhr noch zwei Cocktails. Der Zeitraum beträgt in "
                       "diesem Fall drei Stunden."),
        QRect(0, 146, 380, 100), page);
    return page;
}

QWidget* TBlutdialog::buildResultPage() {
    auto* page = new QWidget;
    PromilleLabel = new QLabel(page);
    PromilleLabel->setGeometry(0, 0, 110, 50);
    PromilleLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PromilleLabel->setFont(emphasis(34));
    QLabel* unit = text(QStringLiteral("Promille"), QRect(118, 14, 104, 30), page);
    unit->setFont(emphasis(18, false));
    text(QStringLiteral(
             "Die Berechnung erfolgt nach der Widmark-Formel. Nähere Informationen hierzu finden Sie "
             "in der Online-Hilfe."),
         QRect(0, 62, 220, 80), page);
    text(
        QStringLiteral("Denken Sie daran, daß der errechnete Promillewert nur eine Näherung darstellt. Wie "
                       "schnell Alkohol aufgenommen und abgebaut wird, hängt auch von Geschlecht, Gesundheit "
                       "und Mahlzeiten ab. Setzen Sie sich nach dem Genuß von Alkohol nicht ans Steuer."),
        QRect(0, 150, 220, 130), page);
    QLabel* never = text(QStringLiteral("Never drink and drive!"), QRect(236, 256, 156, 24), page);
    never->setFont(emphasis(12));
    NuechternLabel = text(QString(), QRect(0, 288, 392, 52), page);
    NuechternLabel->setObjectName(QStringLiteral("NuechternLabel"));
    ErgebnisBild = new QLabel(page);
    ErgebnisBild->setGeometry(236, 0, 150, 250);
    return page;
}

void TBlutdialog::loadPictures() {
    const QString& folder = m_context.state.folders.dataFolder;
    for (size_t i = 0; i < m_pictures.size(); ++i)
        m_pictures[i].load(PhotoPath::resolve(folder, QString::fromLatin1(kPictureNames[i])));
    ErgebnisBild->setPixmap(m_pictures[4]);
}

void TBlutdialog::showEvent(QShowEvent* event) {
    loadPictures();
    TOwnFenster::showEvent(event);
    m_session.begin();
    BlutListBox->setEntries(m_session.drinks());
    BlutListBox->setCurrentRow(m_session.drinks().isEmpty() ? -1 : 0);
    fillConsumed(-1);
    ZukaufEdit->setText(QStringLiteral("1"));
    KoerperCombo->setCurrentIndex(int(m_session.body()));
    showPage();
    Editfeld->clear();
    Editfeld->setFocus();
    PageChanged();
}

void TBlutdialog::hideEvent(QHideEvent* event) {
    for (QPixmap& picture : m_pictures)
        picture = QPixmap();
    Bild->clear();
    ErgebnisBild->clear();
    TOwnFenster::hideEvent(event);
}

void TBlutdialog::fillConsumed(int select) {
    QList<ListEntry> entries;
    for (const BloodAlcoholSession::Consumed& c : m_session.consumed())
        entries.append({c.text, int(c.grams)});
    SuffListbox->setEntries(entries);
    SuffListbox->setCurrentRow(select);
}

bool TBlutdialog::notice(const std::optional<Notice>& n) {
    if (n)
        Meldungsfenster::show(*n);
    return n.has_value();
}

void TBlutdialog::add() {
    if (!notice(m_session.add(BlutListBox->currentRow(), ZukaufEdit->text())))
        fillConsumed(SuffListbox->currentRow());
    Editfeld->setFocus();
}

void TBlutdialog::remove() {
    const BloodAlcoholSession::Removed removed = m_session.remove(SuffListbox->currentRow());
    if (!notice(removed.refusal))
        fillConsumed(removed.select);
    Editfeld->setFocus();
}

void TBlutdialog::addMixedToday() {
    if (!notice(m_session.addMixedOn(QDate::currentDate())))
        fillConsumed(int(m_session.consumed().size()) - 1);
    Editfeld->setFocus();
}

void TBlutdialog::weiter() {
    m_session.setWeight(typedValue(GewichtEdit));
    m_session.setHours(typedValue(ZeitEdit));
    const BloodAlcoholSession::Page before = m_session.page();
    if (notice(m_session.next())) {
        // The number stays as typed, selected for the correction.
        NumberField* field = before == BloodAlcoholSession::Weight ? GewichtEdit : ZeitEdit;
        field->setFocus();
        field->edit()->selectAll();
        return;
    }
    showPage();
    PageChanged();
}

void TBlutdialog::zurueck() {
    m_session.back();
    showPage();
    PageChanged();
}

void TBlutdialog::showPage() {
    const int page = m_session.page();
    note->setCurrentIndex(page);
    Bild->setPixmap(m_pictures[size_t(kPagePicture[page])]);
    zurueckbutton->setEnabled(m_session.backEnabled());
    weiterbutton->setEnabled(m_session.nextEnabled());
    PromilleLabel->setText(m_session.label());
    NuechternLabel->setText(m_session.soberText(QTime::currentTime()));
    switch (page) {
    case BloodAlcoholSession::Drinks:
        Editfeld->setFocus();
        break;
    case BloodAlcoholSession::Weight:
        GewichtEdit->setFocus();
        GewichtEdit->edit()->selectAll();
        break;
    case BloodAlcoholSession::Time:
        ZeitEdit->setFocus();
        ZeitEdit->edit()->selectAll();
        break;
    default:
        OkButton->setFocus();
        break;
    }
}

// The sound queue does not hold up the painting: the page appears while it speaks.
void TBlutdialog::PageChanged() {
    const BloodAlcoholSession::PageSound sound = m_session.pageChanged();
    if (sound.speech > 0)
        m_context.sound->PlaySound(SoundKind::Speech, sound.speech);
    else
        m_context.sound->PlayFiles(SoundKind::Speech, sound.announcement);
}

// Enter in the amount field adds.
bool TBlutdialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            add();
            return true;
        }
    }
    return TOwnFenster::eventFilter(watched, event);
}
