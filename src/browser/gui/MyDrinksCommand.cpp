#include "browser/gui/MyDrinksCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/ShownRecipes.h"
#include "ui/Meldungsfenster.h"

#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name, const QRect& geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

} // namespace

NoteDialog::NoteDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setObjectName(QStringLiteral("NoteDialog"));
    setCaption(QStringLiteral("Meine Notiz"));
    setHelpContext(kHelpContext);
    setFixedSize(420, 330);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setGeometry(20, 70, 380, 20);
    NotizEdit = new QPlainTextEdit(this);
    NotizEdit->setObjectName(QStringLiteral("NotizEdit"));
    NotizEdit->setGeometry(20, 94, 380, 170);
    NotizEdit->setAccessibleName(QStringLiteral("Meine Notiz"));
    NotizEdit->setTabChangesFocus(true);
    RestLabel = new QLabel(this);
    RestLabel->setGeometry(20, 270, 190, 20);
    OkButton = button(this, QStringLiteral("OK"), QStringLiteral("OkButton"), {220, 290, 85, 26});
    AbbrechenButton =
        button(this, QStringLiteral("Abbrechen"), QStringLiteral("AbbrechenButton"), {315, 290, 85, 26});
    connect(NotizEdit, &QPlainTextEdit::textChanged, this, &NoteDialog::showRest);
    connect(OkButton, &QPushButton::clicked, this, &NoteDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &NoteDialog::reject);
}

void NoteDialog::begin(const QString& drink, const QString& note) {
    Ueberschrift->setText(QStringLiteral("Ihre Notiz zu „%1“:").arg(drink));
    NotizEdit->setPlainText(note);
    NotizEdit->moveCursor(QTextCursor::End);
    NotizEdit->setFocus();
}

QString NoteDialog::text() const {
    return NotizEdit->toPlainText();
}

void NoteDialog::showRest() {
    const int rest = MyDrinks::kMaxNote - int(NotizEdit->toPlainText().trimmed().size());
    RestLabel->setText(rest >= 0 ? QStringLiteral("noch %1 Zeichen").arg(rest)
                                 : QStringLiteral("%1 Zeichen zu viel").arg(-rest));
    OkButton->setEnabled(rest >= 0);
}

MixedDialog::MixedDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setObjectName(QStringLiteral("MixedDialog"));
    setCaption(QStringLiteral("Gemixt!"));
    setHelpContext(NoteDialog::kHelpContext);
    setFixedSize(340, 180);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setGeometry(20, 70, 300, 36);
    Ueberschrift->setWordWrap(true);
    auto* label = new QLabel(QStringLiteral("&Gläser:"), this);
    label->setGeometry(20, 110, 60, 24);
    GlaeserEdit = new QSpinBox(this);
    GlaeserEdit->setObjectName(QStringLiteral("GlaeserEdit"));
    GlaeserEdit->setGeometry(85, 110, 60, 24);
    GlaeserEdit->setRange(1, MyDrinks::kMaxGlasses);
    label->setBuddy(GlaeserEdit);
    OkButton = button(this, QStringLiteral("OK"), QStringLiteral("OkButton"), {140, 142, 85, 26});
    OkButton->setDefault(true);
    AbbrechenButton =
        button(this, QStringLiteral("Abbrechen"), QStringLiteral("AbbrechenButton"), {235, 142, 85, 26});
    connect(OkButton, &QPushButton::clicked, this, &MixedDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &MixedDialog::reject);
}

void MixedDialog::begin(const QString& drink) {
    Ueberschrift->setText(QStringLiteral("„%1“ heute, am %2, gemixt:")
                              .arg(drink, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    GlaeserEdit->setValue(1);
    GlaeserEdit->selectAll();
    GlaeserEdit->setFocus();
}

int MixedDialog::glasses() const {
    return GlaeserEdit->value();
}

MyDrinksCommand::MyDrinksCommand(const DialogServices& services)
    : session(services.state.myDrinks, services.tables.ApolloRezepte),
      noteDialog(services.context, services.parent), mixedDialog(services.context, services.parent),
      m_recipes(services.recipes) {
    session.setRunFlags(&services.state.run);
}

void MyDrinksCommand::show(const Result& result) {
    Meldungsfenster::refuses(result);
    m_recipes.ReloadCurrent();
}

void MyDrinksCommand::rate(int stars, bool clicked) {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0)
        return;
    if (clicked && stars == session.drinks().stars(recNo))
        stars = 0;
    show(session.rate(recNo, stars));
}

void MyDrinksCommand::editNote() {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0 || Meldungsfenster::refuses(session.mayChange()))
        return;
    noteDialog.begin(session.drinkName(recNo).value_or(QString()), session.drinks().note(recNo));
    if (noteDialog.exec() != QDialog::Accepted)
        return;
    show(session.note(recNo, noteDialog.text()));
}

void MyDrinksCommand::mixed() {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0 || Meldungsfenster::refuses(session.mayChange()))
        return;
    mixedDialog.begin(session.drinkName(recNo).value_or(QString()));
    if (mixedDialog.exec() != QDialog::Accepted)
        return;
    show(session.mixed(recNo, mixedDialog.glasses(), QDate::currentDate()));
}
