#include "calc/gui/TMengeDialog.h"

#include "calc/gui/NumberField.h"
#include "ui/ClipboardText.h"
#include "ui/SoundPlayer.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Emphasis in a scalable face: the dialogs' own bitmap face has one size and no bold.
QFont emphasis(int pixels, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QGroupBox* group(const QString& title, const QRect& geometry, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

QRadioButton* radio(const QString& text, QGroupBox* box) {
    auto* button = new QRadioButton(text, box);
    if (!box->layout())
        new QVBoxLayout(box);
    static_cast<QVBoxLayout*>(box->layout())->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

// The output as lines for the memo, without the last line end.
QString memoText(const QString& output) {
    QString text = ClipboardText::forPlatform(output);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

TMengeDialog::TMengeDialog(UiContext context, QuantitySession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Menge berechnen"));
    setHelpContext(2410);
    setFixedSize(500, 400);
    buildControls();
}

void TMengeDialog::buildControls() {
    QGroupBox* amount = group(QStringLiteral("&Menge"), QRect(20, 32, 170, 58), this);
    MengeEdit = new NumberField(1, QuantitySession::kMaxQuantity, amount);
    MengeEdit->setObjectName(QStringLiteral("MengeEdit"));
    MengeEdit->setGeometry(14, 24, 90, 24);
    MengeEdit->setText(QStringLiteral("1"));

    QGroupBox* units = group(QStringLiteral("Maß&einheit"), QRect(20, 96, 170, 160), this);
    RadioButton1 = radio(QStringLiteral("Stück"), units);
    RadioButton2 = radio(QStringLiteral("Milliliter"), units);
    RadioButton3 = radio(QStringLiteral("Centiliter"), units);
    RadioButton4 = radio(QStringLiteral("Pint"), units);
    RadioButton5 = radio(QStringLiteral("Liter"), units);
    RadioButton1->setChecked(true);

    QGroupBox* output = group(QStringLiteral("&Ausgabe in"), QRect(20, 262, 170, 76), this);
    ausg1 = radio(QStringLiteral("Centiliter"), output);
    ausg2 = radio(QStringLiteral("Liter"), output);
    ausg1->setChecked(true);

    Namelabel = new QLabel(this);
    Namelabel->setGeometry(206, 34, 244, 22);
    Namelabel->setFont(emphasis(13));
    Ausgabememo = new QPlainTextEdit(this);
    Ausgabememo->setGeometry(206, 60, 244, 242);
    Ausgabememo->setReadOnly(true);
    Ausgabememo->setFocusPolicy(Qt::NoFocus); // the focus stays with the quantity
    Ausgabememo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Ausgabememo->setContextMenuPolicy(Qt::NoContextMenu);

    // "Vorratsflasche": the quantity is a bottle's volume, the output what goes into it.
    VorratBox = new QCheckBox(QStringLiteral("Als &Vorratsflasche (mit Schmelzwasser)"), this);
    VorratBox->setObjectName(QStringLiteral("VorratBox"));
    VorratBox->setGeometry(20, 346, 300, 22);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(370, 312, 80, 26);
    OkButton->setDefault(true);
    PartyButton = new QPushButton(QStringLiteral("&Partyplaner..."), this);
    PartyButton->setGeometry(206, 312, 120, 26);

    PopupMenu = new QMenu(this);
    Zwischenablage1 =
        PopupMenu->addAction(QStringLiteral("Zwischenablage"), this, &TMengeDialog::copyToClipboard);

    connect(MengeEdit->edit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            Recompute();
    });
    for (QRadioButton* b :
         {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, ausg1, ausg2})
        connect(b, &QRadioButton::clicked, this, &TMengeDialog::Recompute);
    connect(VorratBox, &QCheckBox::toggled, this, &TMengeDialog::Recompute);
    connect(OkButton, &QPushButton::clicked, this, &TMengeDialog::accept);
    connect(PartyButton, &QPushButton::clicked, this, &TMengeDialog::partyRequested);
}

QuantitySession::Unit TMengeDialog::unit() const {
    if (RadioButton2->isChecked())
        return QuantitySession::Unit::Milliliter;
    if (RadioButton3->isChecked())
        return QuantitySession::Unit::Centiliter;
    if (RadioButton4->isChecked())
        return QuantitySession::Unit::Pint;
    if (RadioButton5->isChecked())
        return QuantitySession::Unit::Liter;
    return QuantitySession::Unit::Stueck;
}

void TMengeDialog::Recompute() {
    const bool batch = VorratBox->isChecked();
    const QuantitySession::Result& r =
        m_session.recompute(MengeEdit->text(), unit(), ausg2->isChecked(), batch);
    // The bottle's serving note is a sentence; the recipe lines stay one to a line.
    Ausgabememo->setLineWrapMode(batch ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (!r.field.isEmpty()) {
        const QSignalBlocker quiet(MengeEdit->edit());
        MengeEdit->setText(r.field);
        MengeEdit->edit()->selectAll();
    }
    Namelabel->setText(r.heading);
    Ausgabememo->setPlainText(memoText(r.output));
}

void TMengeDialog::copyToClipboard() {
    ClipboardText::putAndConfirm(m_session.clipboardText());
}

// Loading: the session holds the recipe; it is computed with the quantity and units as they stand.
void TMengeDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    Recompute();
    MengeEdit->setFocus();
    MengeEdit->edit()->selectAll();
    // The window is drawn completely before the noise starts.
    QTimer::singleShot(0, this, [this] {
        repaint();
        m_context.sound->PlaySound(SoundKind::Noise, QuantitySession::kNoise);
    });
}

void TMengeDialog::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
}
