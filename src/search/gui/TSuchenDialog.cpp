#include "search/gui/TSuchenDialog.h"

#include "search/SearchSession.h"
#include "search/gui/TSaveSuchedialog.h"
#include "store/SavedSearches.h"
#include "ui/EntryListModel.h"
#include "ui/FoldedComboView.h"
#include "ui/Meldungsfenster.h"
#include "ui/UpDownButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {

// The eight ingredient boxes share one model, so that 1500 names are one reset, not 12000 items.
void setEntries(EntryListModel* model, const QList<ListEntry>& entries) {
    if (model->entries() != entries)
        model->setEntries(entries);
}

void selectRow(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index < box->count() ? index : 0);
}

void setText(QLineEdit* edit, const QString& text) {
    const QSignalBlocker block(edit);
    if (edit->text() != text)
        edit->setText(text);
}

QGroupBox* group(QWidget* parent, const QString& title, const QRect& geometry) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

QComboBox* dropDown(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMaxVisibleItems(16);
    FoldedComboView::install(box);
    return box;
}

} // namespace

TSuchenDialog::TSuchenDialog(UiContext context, SearchSession& session, TSaveSuchedialog& nameDialog,
                             QWidget* parent)
    : TOwnFenster(context, parent), m_session(session), m_nameDialog(nameDialog),
      m_ingredients(new EntryListModel(this)), m_categories(new EntryListModel(this)),
      m_tastes(new EntryListModel(this)) {
    setCaption(QStringLiteral("Suchkriterien"));
    setHelpContext(2310);
    setFixedSize(600, 448);
    buildRows();
    buildGroups();
    for (QGroupBox* box : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        m_firstPageGroups << box;
    buildSecondPage();
    buildButtons();
    buildMenus();
    connectInput();
    connectCount();
}

void TSuchenDialog::buildRows() {
    auto* rows = group(this, QStringLiteral("&Zutaten"), QRect(16, 32, 424, 142));
    for (int r = 0; r < kRows; ++r) {
        const int y = 22 + 29 * r;
        const QString n = QString::number(r + 1);
        mitcombo[size_t(r)] =
            dropDown(rows, QStringLiteral("mit") + n + QStringLiteral("combo"), {10, y, 58, 22});
        mitcombo[size_t(r)]->addItems({QStringLiteral("mit"), QStringLiteral("ohne")});
        undcombo[size_t(r)] =
            dropDown(rows, QStringLiteral("und") + n + QStringLiteral("combo"), {74, y, 150, 22});
        undcombo[size_t(r)]->setModel(m_ingredients);
        auto* oder = new QLabel(QStringLiteral("oder"), rows);
        oder->setGeometry(232, y, 30, 22);
        odercombo[size_t(r)] =
            dropDown(rows, QStringLiteral("oder") + n + QStringLiteral("combo"), {264, y, 150, 22});
        odercombo[size_t(r)]->setModel(m_ingredients);
    }
}

void TSuchenDialog::buildGroups() {
    katcombo = dropDown(group(this, QStringLiteral("&Kategorie"), {16, 180, 208, 52}),
                        QStringLiteral("katcombo"), {10, 20, 188, 22});
    geschmackcombo = dropDown(group(this, QStringLiteral("&Geschmack"), {232, 180, 208, 52}),
                              QStringLiteral("geschmackcombo"), {10, 20, 188, 22});
    katcombo->setModel(m_categories);
    geschmackcombo->setModel(m_tastes);

    auto* alcohol = group(this, QStringLiteral("&Alkoholgehalt"), {16, 238, 208, 52});
    const auto percent = [alcohol](const QString& label, const QString& name, int x, UpDownButtons** arrows) {
        auto* caption = new QLabel(label, alcohol);
        caption->setGeometry(x, 20, 28, 22);
        auto* edit = new QLineEdit(alcohol);
        edit->setObjectName(name);
        edit->setGeometry(x + 30, 20, 40, 22);
        edit->setMaxLength(4); // three digits and the sign
        caption->setBuddy(edit);
        *arrows = new UpDownButtons(alcohol);
        (*arrows)->setArrowSize(QSize(7, 4));
        (*arrows)->setGeometry(x + 71, 20, 15, 22);
        return edit;
    };
    MinAlkEdit = percent(QStringLiteral("min:"), QStringLiteral("MinAlkEdit"), 10, &UpMin);
    MaxAlkEdit = percent(QStringLiteral("max:"), QStringLiteral("MaxAlkEdit"), 104, &UpMax);

    auto* recipes = group(this, QStringLiteral("R&ezepte"), {232, 238, 208, 52});
    checkmarkierung = new QCheckBox(QStringLiteral("Markierte"), recipes);
    checkmarkierung->setGeometry(10, 20, 90, 22);
    CheckEigene = new QCheckBox(QStringLiteral("Eigene"), recipes);
    CheckEigene->setGeometry(110, 20, 90, 22);

    auto* homeBar = group(this, QStringLiteral("&Hausbar"), {16, 296, 424, 78});
    checkhausbar = new QCheckBox(QStringLiteral("nur Zutaten der Hausbar verwenden"), homeBar);
    checkhausbar->setGeometry(10, 20, 300, 22);
    bar = dropDown(homeBar, QStringLiteral("bar"), {10, 46, 120, 22});
    for (int b = 1; b <= SearchSession::kBars; ++b)
        bar->addItem(QStringLiteral("Hausbar Nr. %1").arg(b));
    auto* purchases = new QLabel(QStringLiteral("Zukäufe:"), homeBar);
    purchases->setGeometry(150, 46, 54, 22);
    ZukaufEdit = new QLineEdit(homeBar);
    ZukaufEdit->setObjectName(QStringLiteral("ZukaufEdit"));
    ZukaufEdit->setGeometry(206, 46, 22, 22);
    ZukaufEdit->setMaxLength(1);
    purchases->setBuddy(ZukaufEdit);
    UpDown1 = new UpDownButtons(homeBar);
    UpDown1->setArrowSize(QSize(7, 4));
    UpDown1->setGeometry(229, 46, 15, 22);

    auto* fullText = group(this, QStringLiteral("&Volltext"), {16, 380, 424, 52});
    VolltextEdit = new QLineEdit(fullText);
    VolltextEdit->setObjectName(QStringLiteral("VolltextEdit"));
    VolltextEdit->setGeometry(10, 20, 404, 22);
    VolltextEdit->setMaxLength(SavedSearchTexts::kMaxText);
    VolltextEdit->setToolTip(
        QStringLiteral("Wörter, die Name, Anleitung, Bemerkung, Ihre Notiz oder die Namen der Zutaten, "
                       "Kategorie, Geschmacksrichtung und Dekoration alle enthalten"));
}

// The page keeps the first one's grid: two boxes side by side, then one across.
void TSuchenDialog::buildSecondPage() {
    auto* preparation = group(this, QStringLiteral("Zu&bereitung"), {16, 32, 208, 52});
    PreparationCombo = dropDown(preparation, QStringLiteral("PreparationCombo"), {10, 20, 188, 22});
    PreparationCombo->addItems(DrinkTraits::preparationNames());
    PreparationCombo->setToolTip(
        QStringLiteral("Wie die Anleitung den Drink macht: geschüttelt, im Rührglas gerührt, im Glas "
                       "gebaut, im Mixer oder heiß"));
    auto* glass = group(this, QStringLiteral("&Glas"), {232, 32, 208, 52});
    GlassCombo = dropDown(glass, QStringLiteral("GlassCombo"), {10, 20, 188, 22});
    GlassCombo->addItems(DrinkTraits::glassNames());
    GlassCombo->setToolTip(QStringLiteral("Das Glas, in dem die Anleitung den Drink serviert"));

    auto* freeOf = group(this, QStringLiteral("&Ohne"), {16, 90, 424, 88});
    const std::array<QString, IngredientMarks::kMarks> labels = {
        QStringLiteral("rohes Ei"), QStringLiteral("Milch, Sahne"), QStringLiteral("Nüsse"),
        QStringLiteral("Gluten")};
    const std::array<int, IngredientMarks::kMarks> x = {10, 110, 230, 320};
    for (int m = 0; m < IngredientMarks::kMarks; ++m) {
        auto* box = new QCheckBox(labels.at(size_t(m)), freeOf);
        box->setObjectName(QStringLiteral("FreeOf") + IngredientMarks::word(IngredientMarks::Mark(m)));
        box->setGeometry(x.at(size_t(m)), 20, 100, 22);
        box->setToolTip(QStringLiteral("Drinks mit einer Zutat, die %1 so markiert, fallen weg")
                            .arg(IngredientMarks::fileName()));
        FreeOfChecks[size_t(m)] = box;
    }
    MarksLabel = new QLabel(freeOf);
    MarksLabel->setObjectName(QStringLiteral("MarksLabel"));
    MarksLabel->setGeometry(10, 48, 404, 44);
    MarksLabel->setWordWrap(true);
    MarksLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* stars = group(this, QStringLiteral("S&terne"), {16, 186, 208, 52});
    StarsCombo = dropDown(stars, QStringLiteral("StarsCombo"), {10, 20, 188, 22});
    StarsCombo->addItems(DrinkTraits::starNames());
    StarsCombo->setToolTip(QStringLiteral("Nur Drinks, denen Sie im Rezept mindestens so viele Sterne "
                                          "gegeben haben"));

    m_secondPageGroups = {preparation, glass, freeOf, stars};
    for (QWidget* w : m_secondPageGroups)
        w->hide();
}

void TSuchenDialog::buildButtons() {
    const auto button = [this](const QString& text, const QString& name, int y) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(454, y, 96, 25);
        return b;
    };
    ExplorerButton3 = button(QStringLiteral("  &Reset"), QStringLiteral("ExplorerButton3"), 38);
    ExplorerButton2 = button(QStringLiteral("  &Info"), QStringLiteral("ExplorerButton2"), 68);
    ExplorerButton1 = button(QStringLiteral("  &Laden"), QStringLiteral("ExplorerButton1"), 112);
    Speichernbutton = button(QStringLiteral("  &Speichern"), QStringLiteral("Speichernbutton"), 142);
    MoreButton = button(QStringLiteral("  &Weitere"), QStringLiteral("MoreButton"), 186);
    OkButton = button(QStringLiteral("OK"), QStringLiteral("OkButton"), 376);
    CancelButton = button(QStringLiteral("Abbrechen"), QStringLiteral("CancelButton"), 406);
    OkButton->setDefault(true);
    AnzahlLabel = new QLabel(this);
    AnzahlLabel->setObjectName(QStringLiteral("AnzahlLabel"));
    AnzahlLabel->setGeometry(454, 348, 96, 20);
    AnzahlLabel->setAlignment(Qt::AlignCenter);
}

void TSuchenDialog::buildMenus() {
    LadenPopup = new QMenu(this);
    LadenPopup->setObjectName(QStringLiteral("LadenPopup"));
    SpeichernPopup = new QMenu(this);
    SpeichernPopup->setObjectName(QStringLiteral("SpeichernPopup"));
    for (int k = 1; k <= SavedSearches::kSlots; ++k) {
        QAction* load = LadenPopup->addAction(QString(), this, [this, k] { this->load(k - 1); });
        load->setObjectName(QStringLiteral("L%1").arg(k));
        load->setData(k);
        QAction* save = SpeichernPopup->addAction(QString(), this, [this, k] { this->save(k - 1); });
        save->setObjectName(QStringLiteral("s%1").arg(k));
        save->setData(k);
    }
    ExplorerButton1->setMenu(LadenPopup);
    Speichernbutton->setMenu(SpeichernPopup);
    refreshMenuCaptions();
}

void TSuchenDialog::connectInput() {
    SearchSession& s = m_session;
    for (int r = 0; r < kRows; ++r) {
        connect(undcombo[size_t(r)], &QComboBox::activated, this, [&s, r](int i) { s.setIngredient(r, i); });
        connect(odercombo[size_t(r)], &QComboBox::activated, this,
                [&s, r](int i) { s.setAlternative(r, i); });
        connect(mitcombo[size_t(r)], &QComboBox::activated, this, [this, r](int i) {
            m_session.setWithout(r, i == 1);
            odercombo[size_t(r)]->setEnabled(m_session.form().alternativeEnabled(r));
        });
    }
    connect(katcombo, &QComboBox::activated, this, [&s](int i) { s.setCategory(i); });
    connect(geschmackcombo, &QComboBox::activated, this, [&s](int i) { s.setTaste(i); });
    connect(bar, &QComboBox::activated, this, [&s](int i) { s.setBar(i); });
    connect(checkmarkierung, &QCheckBox::toggled, this, [&s](bool on) { s.setMarkedOnly(on); });
    connect(CheckEigene, &QCheckBox::toggled, this, [&s](bool on) { s.setOwnOnly(on); });
    connect(checkhausbar, &QCheckBox::toggled, this, [&s](bool on) { s.setHomeBarOnly(on); });
    connect(MinAlkEdit, &QLineEdit::textEdited, this, [this] { editPercent(MinAlkEdit, true); });
    connect(MaxAlkEdit, &QLineEdit::textEdited, this, [this] { editPercent(MaxAlkEdit, false); });
    connect(UpMin, &UpDownButtons::stepped, this, [this](int d) {
        m_session.stepMinimum(d);
        setText(MinAlkEdit, m_session.form().minimum);
    });
    connect(UpMax, &UpDownButtons::stepped, this, [this](int d) {
        m_session.stepMaximum(d);
        setText(MaxAlkEdit, m_session.form().maximum);
    });
    connect(ZukaufEdit, &QLineEdit::textEdited, this, [&s](const QString& text) { s.setPurchases(text); });
    connect(VolltextEdit, &QLineEdit::textEdited, this, [&s](const QString& text) { s.setFullText(text); });
    connect(PreparationCombo, &QComboBox::activated, this, [&s](int i) { s.setPreparation(i); });
    connect(GlassCombo, &QComboBox::activated, this, [&s](int i) { s.setGlass(i); });
    connect(StarsCombo, &QComboBox::activated, this, [&s](int i) { s.setMinStars(i); });
    for (int m = 0; m < IngredientMarks::kMarks; ++m)
        connect(FreeOfChecks[size_t(m)], &QCheckBox::toggled, this,
                [&s, m](bool on) { s.setFreeOf(IngredientMarks::Mark(m), on); });
    connect(MoreButton, &QPushButton::clicked, this, [this] { showSecondPage(!m_secondPage); });
    connect(UpDown1, &UpDownButtons::stepped, this, [this](int d) {
        m_session.stepPurchases(d);
        setText(ZukaufEdit, m_session.form().purchases);
    });
    connect(ExplorerButton3, &QPushButton::clicked, this, [this] {
        m_session.Reset();
        showSession();
    });
    connect(ExplorerButton2, &QPushButton::clicked, this, &TSuchenDialog::info);
    connect(OkButton, &QPushButton::clicked, this, &TSuchenDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TSuchenDialog::reject);
}

// Every change of a criterion counts again, a moment after the last one, so that typing stays quick.
void TSuchenDialog::connectCount() {
    constexpr int kCountDelayMs = 150;
    m_countTimer = new QTimer(this);
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(kCountDelayMs);
    connect(m_countTimer, &QTimer::timeout, this, &TSuchenDialog::showCount);
    for (QComboBox* box : undcombo)
        connect(box, &QComboBox::activated, this, &TSuchenDialog::scheduleCount);
    for (QComboBox* box : odercombo)
        connect(box, &QComboBox::activated, this, &TSuchenDialog::scheduleCount);
    for (QComboBox* box : mitcombo)
        connect(box, &QComboBox::activated, this, &TSuchenDialog::scheduleCount);
    for (QComboBox* box : {katcombo, geschmackcombo, bar, PreparationCombo, GlassCombo, StarsCombo})
        connect(box, &QComboBox::activated, this, &TSuchenDialog::scheduleCount);
    for (QCheckBox* box : {checkmarkierung, CheckEigene, checkhausbar})
        connect(box, &QCheckBox::toggled, this, &TSuchenDialog::scheduleCount);
    for (QCheckBox* box : FreeOfChecks)
        connect(box, &QCheckBox::toggled, this, &TSuchenDialog::scheduleCount);
    for (QLineEdit* edit : {MinAlkEdit, MaxAlkEdit, ZukaufEdit, VolltextEdit})
        connect(edit, &QLineEdit::textEdited, this, &TSuchenDialog::scheduleCount);
    for (UpDownButtons* buttons : {UpMin, UpMax, UpDown1})
        connect(buttons, &UpDownButtons::stepped, this, &TSuchenDialog::scheduleCount);
}

void TSuchenDialog::scheduleCount() {
    refreshMoreButton();
    if (m_counter && m_countTimer)
        m_countTimer->start();
}

void TSuchenDialog::refreshMoreButton() {
    const int set = m_session.form().traits.count();
    MoreButton->setText(m_secondPage ? QStringLiteral("  &Zurück")
                        : set > 0    ? QStringLiteral("  &Weitere (%1)").arg(set)
                                     : QStringLiteral("  &Weitere"));
}

// The first page's boxes give way to the second's and back; the buttons, the count and what each
// page holds stay. The marks file's problems are said when its page is first seen.
void TSuchenDialog::showSecondPage(bool second) {
    m_secondPage = second;
    for (QWidget* w : m_firstPageGroups)
        w->setVisible(!second);
    for (QWidget* w : m_secondPageGroups)
        w->setVisible(second);
    refreshMoreButton();
    if (second) {
        MarksLabel->setText(m_session.marksNote());
        if (const std::optional<Notice> notice = m_session.marksNotice(false))
            Meldungsfenster::show(*notice);
    }
}

void TSuchenDialog::showCount() {
    const std::optional<int> count = m_counter ? m_counter() : std::nullopt;
    AnzahlLabel->setText(count ? SearchSession::countText(*count) : QString());
}

void TSuchenDialog::editPercent(QLineEdit* edit, bool minimum) {
    const NumberText::Edited edited =
        minimum ? m_session.editMinimum(edit->text()) : m_session.editMaximum(edit->text());
    setText(edit, edited.text);
    edit->setCursorPosition(edited.caret);
}

void TSuchenDialog::choicesChanged() {
    const SearchChoices& c = m_session.choices();
    for (QComboBox* box : undcombo)
        box->blockSignals(true);
    for (QComboBox* box : odercombo)
        box->blockSignals(true);
    setEntries(m_ingredients, c.ingredients);
    for (QComboBox* box : undcombo)
        box->blockSignals(false);
    for (QComboBox* box : odercombo)
        box->blockSignals(false);
    {
        const QSignalBlocker category(katcombo);
        const QSignalBlocker taste(geschmackcombo);
        setEntries(m_categories, c.categories);
        setEntries(m_tastes, c.tastes);
    }
    showSession();
}

void TSuchenDialog::showSession() {
    const SearchForm& f = m_session.form();
    for (int r = 0; r < kRows; ++r) {
        selectRow(undcombo[size_t(r)], f.ingredient[size_t(r)]);
        selectRow(odercombo[size_t(r)], f.alternative[size_t(r)]);
        selectRow(mitcombo[size_t(r)], f.without[size_t(r)] ? 1 : 0);
        odercombo[size_t(r)]->setEnabled(f.alternativeEnabled(r));
    }
    selectRow(katcombo, f.category);
    selectRow(geschmackcombo, f.taste);
    selectRow(bar, f.bar);
    setText(MinAlkEdit, f.minimum);
    setText(MaxAlkEdit, f.maximum);
    setText(ZukaufEdit, f.purchases);
    setText(VolltextEdit, f.fullText);
    for (auto [box, on] : {std::pair{checkmarkierung, f.markedOnly}, std::pair{CheckEigene, f.ownOnly},
                           std::pair{checkhausbar, f.homeBarOnly}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    selectRow(PreparationCombo, f.traits.preparation);
    selectRow(GlassCombo, f.traits.glass);
    selectRow(StarsCombo, f.traits.minStars);
    for (int m = 0; m < IngredientMarks::kMarks; ++m) {
        const QSignalBlocker block(FreeOfChecks[size_t(m)]);
        FreeOfChecks[size_t(m)]->setChecked(f.traits.freeOf[size_t(m)]);
    }
    scheduleCount();
}

void TSuchenDialog::refreshMenuCaptions() {
    const QStringList names = m_session.slotNames();
    const QList<QAction*> load = LadenPopup->actions();
    const QList<QAction*> save = SpeichernPopup->actions();
    for (int k = 0; k < int(names.size()); ++k) {
        load.at(k)->setText(names.at(k));
        save.at(k)->setText(names.at(k));
    }
}

void TSuchenDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    showSecondPage(false);
    m_session.begin();
    choicesChanged();
    OkButton->setFocus();
}

void TSuchenDialog::info() {
    if (const std::optional<Notice> notice = m_session.infoNotice()) {
        Meldungsfenster::show(*notice);
        return;
    }
    emit ingredientInfoRequested(m_session.infoIngredients());
}

void TSuchenDialog::load(int slot) {
    m_session.loadSlot(slot);
    showSession();
}

void TSuchenDialog::save(int slot) {
    if (!m_nameDialog.ask(m_session.slotNames().at(slot)))
        return;
    const Result saved = m_session.saveSlot(slot, m_nameDialog.name());
    if (!saved)
        Meldungsfenster::show(saved.notice());
    refreshMenuCaptions();
}

void TSuchenDialog::accept() {
    const Result confirmed = m_session.confirm();
    setText(ZukaufEdit, m_session.form().purchases);
    if (!confirmed) {
        Meldungsfenster::show(confirmed.notice());
        return;
    }
    if (const std::optional<Notice> notice = m_session.marksNotice(true))
        Meldungsfenster::show(*notice);
    TOwnFenster::accept();
}
