#include "editors/gui/ZutatEditDialog.h"

#include "common/AppState.h"
#include "ui/DialogGeometry.h"
#include "ui/Meldungsfenster.h"
#include "ui/UpDownButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

ZutatEditDialog::ZutatEditDialog(UiContext context, IngredientEditSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Neue Zutat"));
    setHelpContext(IngredientEditSession::helpContext());
    setFixedSize(430, 400);
    buildControls();
}

void ZutatEditDialog::buildControls() {
    auto* nameGroup = new QGroupBox(QStringLiteral("&Name"), this);
    nameGroup->setGeometry(20, 32, 250, 50);
    NameEdit = new QLineEdit(nameGroup);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setMaxLength(IngredientForm::kNameLength);
    NameEdit->setGeometry(10, 20, 230, 22);
    nameGroup->setFocusProxy(NameEdit);
    auto* alcoholGroup = new QGroupBox(QStringLiteral("&Alkoholgehalt"), this);
    alcoholGroup->setGeometry(280, 32, 100, 50);
    MinAlkEdit = new QLineEdit(alcoholGroup);
    MinAlkEdit->setObjectName(QStringLiteral("MinAlkEdit"));
    MinAlkEdit->setGeometry(10, 20, 60, 22);
    alcoholGroup->setFocusProxy(MinAlkEdit);
    UpMin = new UpDownButtons(alcoholGroup);
    UpMin->setObjectName(QStringLiteral("UpMin"));
    UpMin->setGeometry(71, 20, 16, 22);
    if (logicalDpiX() > 100) // as the original placed it on large fonts
        UpMin->setGeometry(71, MinAlkEdit->y() + 2, 16, MinAlkEdit->height() - 4);
    connect(MinAlkEdit, &QLineEdit::textEdited, this, &ZutatEditDialog::alcoholEdited);
    connect(UpMin, &UpDownButtons::stepped, this,
            [this](int delta) { MinAlkEdit->setText(m_session.stepAlcohol(delta).text); });
    buildUnits();
    buildPrice();
    WichtigCheck = new QCheckBox(QStringLiteral("nicht &drucken"), this);
    WichtigCheck->setObjectName(QStringLiteral("WichtigCheck"));
    WichtigCheck->setGeometry(150, 96, 200, 22);
    auto* memoLabel = new QLabel(QStringLiteral("&Bemerkung:"), this);
    memoLabel->setGeometry(150, 126, 200, 18);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(150, 146, 230, 200);
    Memo->setTabChangesFocus(true);
    memoLabel->setBuddy(Memo);
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        if (Memo->toPlainText().size() > IngredientForm::kRemarkLength) {
            Memo->setPlainText(Memo->toPlainText().left(IngredientForm::kRemarkLength));
            Memo->moveCursor(QTextCursor::End);
        }
    });
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(200, 360, 85, 25);
    OkButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(295, 360, 85, 25);
    AbbrechenButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &ZutatEditDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &ZutatEditDialog::reject);
}

// "Preis je Flasche" and "Inhalt" under the units: what a glass costs is reckoned from them.
void ZutatEditDialog::buildPrice() {
    auto* price = new QGroupBox(QStringLiteral("&Preis je Flasche"), this);
    price->setGeometry(20, 258, 115, 92);
    PreisEdit = new QLineEdit(price);
    PreisEdit->setObjectName(QStringLiteral("PreisEdit"));
    PreisEdit->setGeometry(10, 20, 70, 22);
    PreisEdit->setMaxLength(10);
    PreisEdit->setAccessibleName(QStringLiteral("Preis je Flasche in Euro"));
    auto* euro = new QLabel(QStringLiteral("€"), price);
    euro->setGeometry(84, 20, 20, 22);
    auto* content = new QLabel(QStringLiteral("&Inhalt:"), price);
    content->setGeometry(10, 48, 95, 16);
    InhaltEdit = new QLineEdit(price);
    InhaltEdit->setObjectName(QStringLiteral("InhaltEdit"));
    InhaltEdit->setGeometry(10, 64, 50, 22);
    InhaltEdit->setMaxLength(5);
    InhaltEdit->setAccessibleName(QStringLiteral("Inhalt der Flasche oder Packung"));
    content->setBuddy(InhaltEdit);
    InhaltEinheit = new QLabel(price);
    InhaltEinheit->setGeometry(64, 64, 45, 22);
    price->setFocusProxy(PreisEdit);
}

void ZutatEditDialog::showPackUnit() {
    // The content is counted in the ingredient's unit; dashes are bought by the cl.
    const QString units[] = {QStringLiteral("cl"), QStringLiteral("g"), QStringLiteral("St"), QString(),
                             QStringLiteral("cl")};
    int kind = 0;
    for (int k = 0; k < 5; ++k)
        if (unitButton(k)->isChecked())
            kind = k;
    InhaltEinheit->setText(units[kind]);
}

void ZutatEditDialog::buildUnits() {
    auto* units = new QGroupBox(QStringLiteral("&Maßeinheit"), this);
    units->setGeometry(20, 92, 115, 160);
    auto* group = new QButtonGroup(units);
    const std::pair<QRadioButton**, const char*> buttons[] = {{&clbutton, "cl"},
                                                              {&grammbutton, "Gramm"},
                                                              {&stueckbutton, "Stück"},
                                                              {&keinebutton, "Keine"},
                                                              {&dashbutton, "dash"}};
    int kind = 0;
    for (const auto& [button, text] : buttons) {
        *button = new QRadioButton(QString::fromUtf8(text), units);
        (*button)->setGeometry(12, 22 + 26 * kind, 95, 22);
        group->addButton(*button, kind++);
    }
    clbutton->setObjectName(QStringLiteral("clbutton"));
    grammbutton->setObjectName(QStringLiteral("grammbutton"));
    stueckbutton->setObjectName(QStringLiteral("stueckbutton"));
    keinebutton->setObjectName(QStringLiteral("keinebutton"));
    dashbutton->setObjectName(QStringLiteral("dashbutton"));
    units->setFocusProxy(clbutton);
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showPackUnit();
    });
}

QRadioButton* ZutatEditDialog::unitButton(int kind) const {
    QRadioButton* const buttons[] = {clbutton, grammbutton, stueckbutton, keinebutton, dashbutton};
    return kind >= 0 && kind < 5 ? buttons[kind] : clbutton;
}

bool ZutatEditDialog::run() {
    m_outcome = {};
    setCaption(m_session.caption());
    showForm();
    return exec() == QDialog::Accepted;
}

void ZutatEditDialog::showForm() {
    const IngredientForm& f = m_session.form();
    NameEdit->setText(f.name);
    MinAlkEdit->setText(f.alcohol);
    unitButton(f.kind)->setChecked(true);
    WichtigCheck->setChecked(f.noPrint);
    Memo->setPlainText(f.remark);
    PreisEdit->setText(f.price);
    InhaltEdit->setText(f.pack);
    showPackUnit();
}

void ZutatEditDialog::gatherForm() {
    IngredientForm& f = m_session.form();
    f.name = NameEdit->text();
    f.alcohol = MinAlkEdit->text();
    for (int kind = 0; kind < 5; ++kind) {
        if (unitButton(kind)->isChecked())
            f.kind = kind;
    }
    f.noPrint = WichtigCheck->isChecked();
    f.remark = Memo->toPlainText();
    f.price = PreisEdit->text();
    f.pack = InhaltEdit->text();
}

// Centred vertically, and 40 pixels right of the centre.
void ZutatEditDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    const QRect bounds = m_context.state.run.mainBounds;
    if (bounds.isValid() && pos() == DialogGeometry::centreOn(bounds, size()))
        move(pos() + QPoint(40, 0));
    gatherForm();
    m_session.begin();
    NameEdit->setFocus();
}

void ZutatEditDialog::alcoholEdited(const QString& text) {
    const AlcoholField::Text shown = m_session.alcoholTyped(text, MinAlkEdit->cursorPosition());
    MinAlkEdit->setText(shown.text);
    MinAlkEdit->setCursorPosition(shown.caret);
}

void ZutatEditDialog::accept() {
    gatherForm();
    m_outcome = m_session.ok();
    for (const Notice& notice : m_outcome.notices)
        Meldungsfenster::show(notice);
    if (m_outcome.accepted)
        TOwnFenster::accept();
    else if (m_outcome.notices.isEmpty())
        reject(); // nothing changed: closes as cancelled
}
