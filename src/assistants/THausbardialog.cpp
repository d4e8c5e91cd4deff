#include "assistants/THausbardialog.h"

#include "app/AppState.h"
#include "assistants/HomeBarEditing.h"
#include "assistants/HomeBarPresets.h"
#include "ui/Meldungsfenster.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {

void fillWidget(QListWidget* w, const QList<ListEntry>& entries) {
    w->setUpdatesEnabled(false);
    w->clear();
    for (const ListEntry& e : entries) {
        auto* item = new QListWidgetItem(e.text);
        item->setData(Qt::UserRole, e.data);
        w->addItem(item);
    }
    w->setUpdatesEnabled(true);
}

} // namespace

THausbardialog::THausbardialog(UiContext context, TApollo& ingredients, QWidget* parent)
    : TOwnFenster(context, parent), m_ingredients(ingredients) {
    setCaption(QStringLiteral("Hausbar"));
    setHelpContext(2420);
    setFixedSize(520, 400);
    buildControls();
}

void THausbardialog::buildControls() {
    auto* label = new QLabel(QStringLiteral("mögliche &Zutaten:"), this);
    label->setGeometry(20, 34, 200, 18);
    Editfeld = new QLineEdit(this);
    Editfeld->setObjectName(QStringLiteral("Editfeld"));
    Editfeld->setGeometry(20, 54, 200, 22);
    label->setBuddy(Editfeld);
    zlistbox = new QListWidget(this);
    zlistbox->setGeometry(20, 80, 200, 250);
    noti = new QTabWidget(this);
    noti->setGeometry(240, 34, 230, 296);
    for (int b = 0; b < 3; ++b) {
        hlistbox[b] = new QListWidget(noti);
        noti->addTab(hlistbox[b], QStringLiteral("Bar &%1").arg(b + 1));
        connect(hlistbox[b], &QListWidget::itemDoubleClicked, this, &THausbardialog::removeSelected);
        hlistbox[b]->installEventFilter(this);
    }
    const auto button = [this](const QString& text, int x, int y, int w) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, y, w, 25);
        return b;
    };
    HinzuButton = button(QStringLiteral("&Hinzufügen"), 20, 340, 95);
    entfbutton = button(QStringLiteral("&Entfernen"), 125, 340, 95);
    button5 = button(QStringLiteral("&Info"), 240, 340, 70);
    VButton = button(QStringLiteral("&Vorgabe"), 315, 340, 75);
    Einkaufbutton = button(QStringLiteral(" &Einkaufsassistent"), 240, 368, 150);
    auto* ok = button(QStringLiteral("OK"), 400, 340, 70);
    auto* cancel = button(QStringLiteral("Abbrechen"), 400, 368, 70);
    ok->setDefault(true);
    VorgabePopup = new QMenu(this);
    VorgabePopup->addAction(HomeBarPresets::emptyMenuText(), this, &THausbardialog::emptyShown);
    VorgabePopup->addSeparator();
    for (auto preset :
         {HomeBarPresets::Preset::Basis, HomeBarPresets::Preset::Standard, HomeBarPresets::Preset::Profi})
        VorgabePopup->addAction(HomeBarPresets::menuText(preset), this,
                                [this, preset] { applyPreset(int(preset)); });
    VButton->setMenu(VorgabePopup);
    connect(HinzuButton, &QPushButton::clicked, this, &THausbardialog::add);
    connect(entfbutton, &QPushButton::clicked, this, &THausbardialog::removeSelected);
    connect(button5, &QPushButton::clicked, this, &THausbardialog::info);
    connect(Einkaufbutton, &QPushButton::clicked, this, &THausbardialog::shoppingRequested);
    connect(ok, &QPushButton::clicked, this, &THausbardialog::accept);
    connect(cancel, &QPushButton::clicked, this, &THausbardialog::reject);
    connect(Editfeld, &QLineEdit::textEdited, this, &THausbardialog::typeAhead);
    connect(zlistbox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Editfeld->setText(item->text().trimmed());
        Editfeld->selectAll();
    });
    connect(zlistbox, &QListWidget::itemDoubleClicked, this, &THausbardialog::add);
    zlistbox->installEventFilter(this);
    Editfeld->installEventFilter(this);
}

void THausbardialog::setBars(const HomeBarStore::BarLists& bars) {
    m_bars = bars;
    for (int b = 0; b < 3; ++b)
        fillBar(b, m_bars[size_t(b)].isEmpty() ? -1 : 0);
}

void THausbardialog::fillBar(int bar, int select) {
    fillWidget(hlistbox[bar], m_bars[size_t(bar)]);
    hlistbox[bar]->setCurrentRow(select);
}

int THausbardialog::shownBar() const {
    return noti->currentIndex();
}

void THausbardialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_changed = false;
    m_all = m_context.state.ingredientChoices.zutatliste;
    fillWidget(zlistbox, m_all);
    zlistbox->setCurrentRow(m_all.isEmpty() ? -1 : 0);
    Editfeld->clear();
    for (int b = 0; b < 3; ++b)
        hlistbox[b]->setCurrentRow(m_bars[size_t(b)].isEmpty() ? -1 : 0);
    Editfeld->setFocus();
}

void THausbardialog::setChanged() {
    m_changed = true;
}

void THausbardialog::typeAhead(const QString& text) {
    const int index = HomeBarEditing::typeAhead(m_all, text);
    if (index >= 0)
        zlistbox->setCurrentRow(index);
}

void THausbardialog::add() {
    const int row = zlistbox->currentRow();
    if (row >= 0 && row < m_all.size()) {
        const int bar = shownBar();
        bool changed = false;
        const int at = HomeBarEditing::add(m_bars[size_t(bar)], m_all.at(row), &changed);
        if (changed)
            setChanged();
        fillBar(bar, at);
    }
    Editfeld->setFocus();
}

void THausbardialog::removeSelected() {
    const int bar = shownBar();
    const int row = hlistbox[bar]->currentRow();
    if (row >= 0) {
        const int select = HomeBarEditing::remove(m_bars[size_t(bar)], row);
        setChanged();
        fillBar(bar, select);
    }
    Editfeld->setFocus();
}

void THausbardialog::emptyShown() {
    m_bars[size_t(shownBar())].clear();
    setChanged();
    fillBar(shownBar(), -1);
}

void THausbardialog::applyPreset(int preset) {
    const int bar = shownBar();
    m_bars[size_t(bar)] = HomeBarPresets::entries(HomeBarPresets::Preset(preset), m_ingredients);
    setChanged();
    fillBar(bar, m_bars[size_t(bar)].isEmpty() ? -1 : 0);
}

void THausbardialog::info() {
    QListWidget* bar = hlistbox[shownBar()];
    QListWidget* source = m_lastFocused && m_lastFocused->currentItem() ? m_lastFocused
                          : zlistbox->currentItem()                     ? zlistbox
                                                                        : bar;
    if (!source->currentItem()) {
        Meldungsfenster::show(HomeBarStore::noSelectionNotice(), QStringLiteral("Hinweis"),
                              HomeBarStore::kNoSelectionLines, false);
        return;
    }
    emit ingredientInfoRequested(source->currentItem()->data(Qt::UserRole).toInt());
    Editfeld->setFocus();
}

void THausbardialog::accept() {
    if (m_changed && Meldungsfenster::show(HomeBarStore::saveQuestion(), QStringLiteral("Frage"),
                                           HomeBarStore::kSaveQuestionLines, true) != Meldungsfenster::Yes) {
        reject();
        return;
    }
    TOwnFenster::accept();
}

// Enter adds; the navigation keys move the ingredient list while the focus stays in the field.
bool THausbardialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched != Editfeld)
        m_lastFocused = qobject_cast<QListWidget*>(watched);
    if (watched != Editfeld || event->type() != QEvent::KeyPress)
        return TOwnFenster::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        add();
        return true;
    }
    const int rows = qMax(1, zlistbox->viewport()->height() / qMax(1, zlistbox->sizeHintForRow(0)));
    const int page = qMax(1, rows - 1);
    const int last = zlistbox->count() - 1;
    int row = zlistbox->currentRow();
    switch (key) {
    case Qt::Key_Up:
        row = qMax(0, row - 1);
        break;
    case Qt::Key_Down:
        row = qMin(last, row + 1);
        break;
    case Qt::Key_PageUp:
        row = qMax(0, row - page);
        break;
    case Qt::Key_PageDown:
        row = qMin(last, row + page);
        break;
    default:
        return TOwnFenster::eventFilter(watched, event);
    }
    zlistbox->setCurrentRow(row);
    if (QListWidgetItem* item = zlistbox->currentItem()) {
        Editfeld->setText(item->text().trimmed());
        Editfeld->selectAll();
    }
    return true;
}
