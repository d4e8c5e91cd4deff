#include "editors/gui/TReditdialog.h"

#include "editors/ChoiceLists.h"
#include "editors/RecipeEditSession.h"
#include "ui/EntryList.h"
#include "ui/FoldedComboView.h"
#include "ui/Meldungsfenster.h"
#include "ui/TypeAheadField.h"
#include "ui/UpDownButtons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QList<ListEntry> lineEntries(const QList<RecipeLine>& lines) {
    QList<ListEntry> out;
    for (const RecipeLine& l : lines)
        out.append({l.text, l.ingredient});
    return out;
}

void fillCombo(QComboBox* combo, const QList<ListEntry>& entries, int select) {
    combo->clear();
    for (const ListEntry& e : entries)
        combo->addItem(e.text, e.data);
    combo->setCurrentIndex(select);
}

// A memo that takes no more than its limit, however the text came in.
void limitMemo(QPlainTextEdit* memo, int limit) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, limit] {
        const QString text = memo->toPlainText();
        if (text.size() <= limit)
            return;
        memo->setPlainText(text.left(limit));
        memo->moveCursor(QTextCursor::End);
    });
}

} // namespace

TReditdialog::TReditdialog(UiContext context, RecipeEditSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Rezept bearbeiten"));
    setHelpContext(2120);
    setFixedSize(560, 470);
    buildControls();
}

void TReditdialog::buildControls() {
    auto* nameGroup = new QGroupBox(QStringLiteral("&Name"), this);
    nameGroup->setGeometry(20, 32, 400, 50);
    NameEdit = new QLineEdit(nameGroup);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setMaxLength(RecipeForm::kNameLength);
    NameEdit->setGeometry(10, 20, 380, 22);
    nameGroup->setFocusProxy(NameEdit);
    NameEdit->installEventFilter(this);
    DasControl = new QTabWidget(this);
    DasControl->setObjectName(QStringLiteral("DasControl"));
    DasControl->setGeometry(20, 92, 488, 326);
    DasControl->addTab(buildRecipePage(), QStringLiteral("&Rezept"));
    DasControl->addTab(buildAssignmentPage(), QStringLiteral("&Zuordnung"));
    DasControl->addTab(buildInstructionsPage(), QStringLiteral("&Anleitung"));
    connect(DasControl, &QTabWidget::currentChanged, this, &TReditdialog::focusIngredientField);
    connect(DasControl, &QTabWidget::tabBarClicked, this, [this] { focusIngredientField(); });
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(328, 430, 85, 25);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setGeometry(423, 430, 85, 25);
    for (QPushButton* b : {OkButton, CancelButton})
        b->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &TReditdialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TReditdialog::reject);
}

QWidget* TReditdialog::buildRecipePage() {
    auto* page = new QWidget;
    auto* label = new QLabel(QStringLiteral("mögliche Zutaten:"), page);
    label->setGeometry(10, 8, 180, 18);
    ZutatenListbox = new EntryList(page);
    ZutatenListbox->setObjectName(QStringLiteral("ZutatenListbox"));
    ZutatenListbox->setGeometry(10, 54, 180, 234);
    Editfeld = new TypeAheadField(
        ZutatenListbox, [this](const QString& text) { return m_session.typeAhead(text); }, page);
    Editfeld->setObjectName(QStringLiteral("Editfeld"));
    Editfeld->setGeometry(10, 28, 180, 22);
    connect(ZutatenListbox->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) { ingredientSelected(index.isValid() ? index.row() : -1); });
    connect(ZutatenListbox, &EntryList::rowChosen, this, [this] { Editfeld->setFocus(); });
    connect(ZutatenListbox, &EntryList::rowDoubleClicked, this, &TReditdialog::addLine);
    connect(Editfeld, &TypeAheadField::entered, this, [this] {
        MengeSpin->setFocus();
        MengeSpin->selectAll();
    });
    auto* amountLabel = new QLabel(QStringLiteral("&Menge:"), page);
    amountLabel->setGeometry(200, 28, 90, 18);
    MengeSpin = new QLineEdit(page);
    MengeSpin->setObjectName(QStringLiteral("MengeSpin"));
    MengeSpin->setGeometry(200, 50, 74, 22);
    amountLabel->setBuddy(MengeSpin);
    UpdownButton = new UpDownButtons(page);
    UpdownButton->setObjectName(QStringLiteral("UpdownButton"));
    UpdownButton->setGeometry(275, 50, 16, 22);
    if (logicalDpiX() > 100) // as the original placed it on large fonts
        UpdownButton->setGeometry(275, MengeSpin->y() + 2, 16, MengeSpin->height() - 4);
    connect(MengeSpin, &QLineEdit::textEdited, this, &TReditdialog::amountEdited);
    connect(UpdownButton, &UpDownButtons::stepped, this, &TReditdialog::stepAmount);
    MengeSpin->installEventFilter(this);
    hinzubutton = new QPushButton(QStringLiteral("&Hinzufügen"), page);
    hinzubutton->setGeometry(200, 100, 90, 25);
    entfbutton = new QPushButton(QStringLiteral("&Entfernen"), page);
    entfbutton->setGeometry(200, 132, 90, 25);
    connect(hinzubutton, &QPushButton::clicked, this, &TReditdialog::addLine);
    connect(entfbutton, &QPushButton::clicked, this, &TReditdialog::removeLine);
    RezeptListboxlabel = new QLabel(QStringLiteral("Rezept:"), page);
    RezeptListboxlabel->setGeometry(300, 8, 176, 18);
    RezeptListbox = new EntryList(page);
    RezeptListbox->setObjectName(QStringLiteral("RezeptListbox"));
    RezeptListbox->setGeometry(300, 28, 176, 226);
    connect(RezeptListbox, &EntryList::rowDoubleClicked, this, &TReditdialog::removeLine);
    zutatenbutton = new QPushButton(QStringLiteral("Zutaten &bearbeiten"), page);
    zutatenbutton->setGeometry(300, 262, 176, 25);
    connect(zutatenbutton, &QPushButton::clicked, this,
            [this] { emit listEditorRequested(ChoiceLists::Ingredients); });
    canredit = new QLineEdit(page);
    canredit->setObjectName(QStringLiteral("canredit"));
    canredit->setMaxLength(RecipeForm::kCanrLength);
    canredit->setGeometry(200, 262, 90, 22);
    for (QPushButton* b : {hinzubutton, entfbutton, zutatenbutton})
        b->setAutoDefault(false);
    return page;
}

QWidget* TReditdialog::buildAssignmentPage() {
    auto* page = new QWidget;
    const auto row = [page](const QString& caption, int y, QComboBox** combo, QPushButton** button) {
        auto* label = new QLabel(caption, page);
        label->setGeometry(20, y, 300, 18);
        *combo = new QComboBox(page);
        (*combo)->setGeometry(20, y + 20, 300, 24);
        (*combo)->setMaxVisibleItems(16);
        FoldedComboView::install(*combo);
        label->setBuddy(*combo);
        *button = new QPushButton(QStringLiteral(" Bearbeiten"), page);
        (*button)->setGeometry(332, y + 19, 100, 26);
        (*button)->setAutoDefault(false);
    };
    row(QStringLiteral("&Kategorie"), 20, &KatCombo, &kategoriebutton);
    row(QStringLiteral("&Geschmack"), 90, &GeschmackCombo, &geschmackbutton);
    row(QStringLiteral("&Dekoration"), 160, &DekorationCombo, &dekobutton);
    KatCombo->setObjectName(QStringLiteral("KatCombo"));
    GeschmackCombo->setObjectName(QStringLiteral("GeschmackCombo"));
    DekorationCombo->setObjectName(QStringLiteral("DekorationCombo"));
    connect(kategoriebutton, &QPushButton::clicked, this,
            [this] { emit listEditorRequested(ChoiceLists::Categories); });
    connect(geschmackbutton, &QPushButton::clicked, this,
            [this] { emit listEditorRequested(ChoiceLists::Tastes); });
    connect(dekobutton, &QPushButton::clicked, this,
            [this] { emit listEditorRequested(ChoiceLists::Decorations); });
    return page;
}

QWidget* TReditdialog::buildInstructionsPage() {
    auto* page = new QWidget;
    auto* mixLabel = new QLabel(QStringLiteral("&Mixanleitung"), page);
    mixLabel->setGeometry(10, 6, 300, 18);
    MixMemo = new QPlainTextEdit(page);
    MixMemo->setObjectName(QStringLiteral("MixMemo"));
    MixMemo->setGeometry(10, 24, 464, 140);
    mixLabel->setBuddy(MixMemo);
    auto* remarkLabel = new QLabel(QStringLiteral("&Bemerkung"), page);
    remarkLabel->setGeometry(10, 170, 300, 18);
    BemMemo = new QPlainTextEdit(page);
    BemMemo->setObjectName(QStringLiteral("BemMemo"));
    BemMemo->setGeometry(10, 188, 464, 64);
    remarkLabel->setBuddy(BemMemo);
    for (QPlainTextEdit* memo : {MixMemo, BemMemo})
        memo->setTabChangesFocus(true);
    limitMemo(MixMemo, RecipeForm::kInstructionsLength);
    limitMemo(BemMemo, RecipeForm::kRemarkLength);
    auto* photoLabel = new QLabel(QStringLiteral("eigenes &Foto:"), page);
    photoLabel->setGeometry(10, 264, 100, 22);
    Fotoedit = new QLineEdit(page);
    Fotoedit->setObjectName(QStringLiteral("Fotoedit"));
    Fotoedit->setGeometry(110, 264, 120, 22);
    photoLabel->setBuddy(Fotoedit);
    return page;
}

void TReditdialog::showChoices() {
    const RecipeForm& f = m_session.form();
    ZutatenListbox->setEntries(m_session.ingredients());
    fillCombo(KatCombo, m_session.categories(), f.category);
    fillCombo(GeschmackCombo, m_session.tastes(), f.taste);
    fillCombo(DekorationCombo, m_session.decorations(), f.decoration);
}

void TReditdialog::showForm() {
    const RecipeForm& f = m_session.form();
    setCaption(m_session.caption());
    setHelpContext(m_session.helpContext());
    NameEdit->setMaxLength(f.nameLimit);
    NameEdit->setText(f.name);
    canredit->setVisible(m_session.canrMode());
    canredit->setText(f.canr);
    RezeptListboxlabel->setText(m_session.lineListLabel());
    KatCombo->setCurrentIndex(f.category);
    GeschmackCombo->setCurrentIndex(f.taste);
    DekorationCombo->setCurrentIndex(f.decoration);
    MixMemo->setPlainText(f.instructions);
    BemMemo->setPlainText(f.remark);
    Fotoedit->setMaxLength(f.photoLimit);
    Fotoedit->setText(f.photo);
    showLines(m_session.lines().isEmpty() ? -1 : 0);
}

void TReditdialog::choicesChanged() {
    showChoices();
    ZutatenListbox->setCurrentRow(m_session.selectedIngredient());
    showAmount();
    focusIngredientField();
}

void TReditdialog::gatherForm() {
    RecipeForm& f = m_session.form();
    f.name = NameEdit->text();
    f.canr = canredit->text();
    f.category = KatCombo->currentIndex();
    f.taste = GeschmackCombo->currentIndex();
    f.decoration = DekorationCombo->currentIndex();
    f.instructions = MixMemo->toPlainText();
    f.remark = BemMemo->toPlainText();
    f.photo = Fotoedit->text();
}

void TReditdialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    showChoices();
    showForm();
    m_session.begin();
    DasControl->setCurrentIndex(0);
    ZutatenListbox->setCurrentRow(m_session.selectedIngredient());
    Editfeld->clear();
    showAmount();
    if (NameEdit->text().isEmpty())
        NameEdit->setFocus();
    else
        Editfeld->setFocus();
}

void TReditdialog::showLines(int select) {
    RezeptListbox->setEntries(lineEntries(m_session.lines()));
    RezeptListbox->setCurrentRow(select);
}

void TReditdialog::showAmount() {
    MengeSpin->setText(m_session.amountText());
    MengeSpin->setEnabled(m_session.amountEnabled());
    UpdownButton->setEnabled(m_session.amountEnabled());
}

void TReditdialog::ingredientSelected(int row) {
    if (m_session.selectIngredient(row))
        showAmount();
}

void TReditdialog::amountEdited(const QString& text) {
    const AmountField::Text shown = m_session.amountTyped(text, MengeSpin->cursorPosition());
    MengeSpin->setText(shown.text);
    MengeSpin->setCursorPosition(shown.caret);
}

void TReditdialog::stepAmount(int delta) {
    MengeSpin->setText(m_session.stepAmount(delta).text);
}

void TReditdialog::addLine() {
    if (const std::optional<Notice> refusal = m_session.addLine())
        Meldungsfenster::show(*refusal);
    else
        showLines(int(m_session.lines().size()) - 1);
    // Selected, so that the next name typed replaces the last one instead of being appended to it.
    Editfeld->setFocus();
    Editfeld->selectAll();
}

void TReditdialog::removeLine() {
    int select = -1;
    if (const std::optional<Notice> refusal = m_session.removeLine(RezeptListbox->currentRow(), &select))
        Meldungsfenster::show(*refusal);
    else
        showLines(select);
    Editfeld->setFocus();
}

void TReditdialog::focusIngredientField() {
    if (DasControl->currentIndex() == 0)
        Editfeld->setFocus();
}

void TReditdialog::accept() {
    gatherForm();
    const RecipeChecks::Outcome outcome = m_session.check();
    NameEdit->setText(m_session.form().name);
    for (const Notice& notice : outcome.notices)
        Meldungsfenster::show(notice);
    if (outcome.accepted)
        TOwnFenster::accept();
}

// Enter in the name field goes on to the ingredients; Enter in the amount adds the line.
bool TReditdialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == NameEdit) {
            DasControl->setCurrentIndex(0);
            Editfeld->setFocus();
            return true;
        }
        if (enter && watched == MengeSpin) {
            addLine();
            return true;
        }
    }
    return TOwnFenster::eventFilter(watched, event);
}
