#include "assistants/gui/TEinkaufDialog.h"

#include "assistants/gui/PageLabel.h"
#include "common/AppState.h"
#include "ui/HelpWindow.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>

namespace {

constexpr int kPageLeft = 184;
constexpr int kPageTop = 36;
constexpr int kPageWidth = 336;
constexpr int kPageHeight = 250;

QString title() {
    return QStringLiteral("Velta Cocktails 98 - Einkaufsassistent");
}

} // namespace

TEinkaufDialog::TEinkaufDialog(UiContext context, ShoppingSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Einkaufsassistent"));
    setHelpContext(ShoppingSession::kHelpContext);
    setFixedSize(572, 340);
    Bild = new QLabel(this);
    Bild->setGeometry(20, kPageTop, 150, 250);
    Bild->setFrameShape(QFrame::Panel);
    Bild->setFrameShadow(QFrame::Sunken);
    Note = new QStackedWidget(this);
    Note->setGeometry(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    Note->addWidget(buildIntroPage());
    Note->addWidget(buildWaitingPage());
    Note->addWidget(buildResultPage());
    Note->addWidget(buildPlanPage());
    buildButtons();
}

QWidget* TEinkaufDialog::buildIntroPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Intro"));
    pageLabel(title(), page, {0, 0, kPageWidth, 20}, true);
    pageLabel(
        QStringLiteral("Der Einkaufsassistent stellt die Zutaten fest, um die Sie Ihre Hausbar ergänzen "
                       "müssen, damit möglichst viele weitere Cocktails gemixt werden können."),
        page, {0, 30, kPageWidth, 64});
    pageLabel(QStringLiteral("Wählen Sie die gewünschte Hausbar und klicken Sie auf 'Weiter'."), page,
              {0, 100, kPageWidth, 36});
    pageLabel(QStringLiteral("Hausbar:"), page, {0, 152, 70, 20});
    auto* group = new QButtonGroup(page);
    QRadioButton** buttons[] = {&r1, &r2, &r3};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = new QRadioButton(QStringLiteral("Nr. %1").arg(i + 1), page);
        (*buttons[i])->setGeometry(72 + i * 70, 150, qMin((*buttons[i])->sizeHint().width(), 66), 22);
        group->addButton(*buttons[i], i + 1);
    }
    r1->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int bar) { m_session.setBar(bar); });
    Hausbutton = new QPushButton(QStringLiteral(" Einrichten"), page);
    Hausbutton->setGeometry(72, 186, 110, 25);
    connect(Hausbutton, &QPushButton::clicked, this, [this] {
        emit homeBarRequested();
        showSubstitutes(); // the home bar dialog may have changed it
    });
    substitutesBox = new QCheckBox(QStringLiteral("Ersatzzutaten zu&lassen"), page);
    substitutesBox->setObjectName(QStringLiteral("substitutesBox"));
    substitutesBox->setGeometry(72, 222, kPageWidth - 72, 22);
    connect(substitutesBox, &QCheckBox::toggled, this, &TEinkaufDialog::substitutesToggled);
    return page;
}

QWidget* TEinkaufDialog::buildWaitingPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Warten"));
    pageLabel(QStringLiteral("Bitte warten..."), page, {0, 0, kPageWidth, 20}, true);
    pageLabel(QStringLiteral("Der Einkaufsassistent ermittelt die optimalen Zukäufe."), page,
              {0, 30, kPageWidth, 36});
    Balken = new QProgressBar(page);
    Balken->setGeometry(0, 90, kPageWidth - 8, 20);
    Balken->setTextVisible(false);
    return page;
}

QWidget* TEinkaufDialog::buildResultPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Ergebnis"));
    pageLabel(title(), page, {0, 0, kPageWidth, 20}, true);
    pageLabel(QStringLiteral("Mit folgenden Zutaten können Sie Ihre Hausbar besonders sinnvoll ergänzen."),
              page, {0, 30, kPageWidth, 36});
    pageLabel(QStringLiteral("Name der Zutat"), page, {0, 80, 200, 18}, true);
    pageLabel(QStringLiteral("zusätzliche Drinks"), page, {206, 80, 130, 18}, true)
        ->setAlignment(Qt::AlignRight);
    for (int k = 0; k < ShoppingAnalysis::kRanks; ++k) {
        zz[k] = pageLabel(QString(), page, {0, 106 + k * 24, 200, 20});
        zz[k]->setObjectName(QStringLiteral("zz%1").arg(k + 1));
        a[k] = pageLabel(QString(), page, {206, 106 + k * 24, 130, 20});
        a[k]->setObjectName(QStringLiteral("a%1").arg(k + 1));
        a[k]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    ExplorerButton1 = new QPushButton(QStringLiteral("Weitere Tips"), page);
    ExplorerButton1->setGeometry(0, 200, 110, 25);
    FastMixbarButton = new QPushButton(QStringLiteral("Fast mi&xbar"), page);
    FastMixbarButton->setObjectName(QStringLiteral("FastMixbarButton"));
    FastMixbarButton->setGeometry(120, 200, 110, 25);
    connect(FastMixbarButton, &QPushButton::clicked, this, &TEinkaufDialog::nearMissesRequested);
    connect(ExplorerButton1, &QPushButton::clicked, this, [this] {
        if (m_context.help)
            m_context.help->showContext(ShoppingSession::kTipsHelpContext);
    });
    return page;
}

QWidget* TEinkaufDialog::buildPlanPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Einkaufsplan"));
    pageLabel(QStringLiteral("Velta Cocktails 98 - Einkaufsplan"), page, {0, 0, kPageWidth, 20}, true);
    auto* count = pageLabel(QStringLiteral("&Einkäufe:"), page, {0, 29, 70, 20});
    PlanAnzahl = new QSpinBox(page);
    PlanAnzahl->setRange(1, PurchasePlan::kMaxPurchases);
    PlanAnzahl->setValue(m_session.plan().purchases());
    PlanAnzahl->setGeometry(72, 26, 56, 22);
    count->setBuddy(PlanAnzahl);
    connect(PlanAnzahl, &QSpinBox::valueChanged, this, [this](int purchases) {
        if (StoreGuard::run([&] { m_session.plan().setPurchases(purchases); }))
            showPlan();
    });
    PlanListe = new QTreeWidget(page);
    PlanListe->setGeometry(0, 54, kPageWidth - 8, 96);
    PlanListe->setHeaderLabels({QStringLiteral("Schritt"), QStringLiteral("Zutat"),
                                QStringLiteral("neue Drinks"), QStringLiteral("Preis")});
    PlanListe->setRootIsDecorated(false);
    PlanListe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The ingredient column takes what the scroll bar of a longer plan leaves, so the counts stay in
    // view: a stretched last column would never shrink below its first width and slide under it.
    PlanListe->header()->setStretchLastSection(false);
    PlanListe->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    PlanListe->setColumnWidth(0, 48);
    PlanListe->setColumnWidth(2, 80);
    PlanListe->setColumnWidth(3, 70);
    // "je Euro": single purchases by new drinks per euro; the plan's cost beside it.
    PlanJeEuro = new QCheckBox(QStringLiteral("je E&uro"), page);
    PlanJeEuro->setObjectName(QStringLiteral("PlanJeEuro"));
    PlanJeEuro->setGeometry(140, 27, 80, 20);
    PlanJeEuro->setToolTip(
        QStringLiteral("Zuerst die Einkäufe, die je Euro die meisten neuen Drinks bringen"));
    connect(PlanJeEuro, &QCheckBox::toggled, this, [this](bool on) {
        if (StoreGuard::run([&] { m_session.plan().setPerEuro(on); }))
            showPlan();
    });
    PlanKosten = pageLabel(QString(), page, {226, 29, kPageWidth - 234, 20});
    PlanKosten->setObjectName(QStringLiteral("PlanKosten"));
    PlanKosten->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(PlanListe, &QTreeWidget::currentItemChanged, this, &TEinkaufDialog::showPlanDrinks);
    PlanDrinksLabel = pageLabel(QString(), page, {0, 154, kPageWidth, 18});
    PlanDrinks = new QListWidget(page);
    PlanDrinks->setGeometry(0, 174, kPageWidth - 8, 76);
    return page;
}

void TEinkaufDialog::buildButtons() {
    const auto button = [this](const QString& text, int x, int w) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, 298, w, 25);
        return b;
    };
    BackButton = button(QStringLiteral("<<< &Zurück"), kPageLeft, 104);
    Weiterbutton = button(QStringLiteral("&Weiter >>>"), kPageLeft + 112, 104);
    OkButton = button(QStringLiteral("Abbrechen"), kPageLeft + 224, 104);
    Weiterbutton->setDefault(true);
    connect(Weiterbutton, &QPushButton::clicked, this, &TEinkaufDialog::WeiterbuttonClick);
    connect(BackButton, &QPushButton::clicked, this, &TEinkaufDialog::BackButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TEinkaufDialog::reject);
}

void TEinkaufDialog::showEvent(QShowEvent* event) {
    Bild->setPixmap(QPixmap(m_context.state.folders.dataFolder + ShoppingSession::picture()));
    TOwnFenster::showEvent(event);
    Hausbutton->setEnabled(!m_homeBarShowing || !m_homeBarShowing());
    m_session.begin();
    showSubstitutes();
    syncButtons();
    Weiterbutton->setFocus();
}

void TEinkaufDialog::hideEvent(QHideEvent* event) {
    Bild->clear();
    TOwnFenster::hideEvent(event);
}

void TEinkaufDialog::showSubstitutes() {
    const QSignalBlocker quiet(substitutesBox);
    substitutesBox->setChecked(m_session.allowSubstitutes());
}

void TEinkaufDialog::substitutesToggled(bool on) {
    if (const Result saved = m_session.setAllowSubstitutes(on); !saved) {
        Meldungsfenster::show(saved.notice());
        showSubstitutes();
    }
}

void TEinkaufDialog::syncButtons() {
    Weiterbutton->setEnabled(m_session.forwardEnabled());
    BackButton->setEnabled(m_session.backEnabled());
    Note->setCurrentIndex(m_session.page());
}

void TEinkaufDialog::WeiterbuttonClick() {
    if (m_session.page() == ShoppingSession::Result) {
        m_session.forward();
        syncButtons();
        makePlan();
        return;
    }
    m_session.forward();
    Balken->setValue(0);
    syncButtons();
    analyse();
}

void TEinkaufDialog::BackButtonClick() {
    m_session.back();
    syncButtons();
    Weiterbutton->setFocus();
}

void TEinkaufDialog::analyse() {
    Note->repaint();
    int done = 0;
    const bool finished = StoreGuard::run([&] {
        Balken->setRange(0, qMax(1, m_session.progressMaximum()));
        m_session.analyse([&] { Balken->setValue(++done); });
    });
    if (!finished)
        m_session.back(); // the error was shown; the user may try again
    syncButtons();
    if (!finished)
        return;
    showResult();
}

void TEinkaufDialog::showResult() {
    for (size_t k = 0; k < m_session.rows().size(); ++k) {
        zz[k]->setText(m_session.rows()[k].name);
        a[k]->setText(m_session.rows()[k].count);
    }
    if (const std::optional<Notice> notice = m_session.notice())
        Meldungsfenster::show(*notice);
}

void TEinkaufDialog::makePlan() {
    if (!StoreGuard::run([&] { m_session.makePlan(); })) {
        m_session.back(); // the error was shown; the result page stays
        syncButtons();
        return;
    }
    showPlan();
    PlanAnzahl->setFocus();
}

void TEinkaufDialog::showPlan() {
    PlanListe->clear();
    for (const ShoppingPlan::Row& row : m_session.plan().rows()) {
        auto* item = new QTreeWidgetItem(PlanListe, {row.step, row.ingredient, row.drinks, row.price});
        item->setTextAlignment(2, Qt::AlignRight);
        item->setTextAlignment(3, Qt::AlignRight);
    }
    if (PlanListe->topLevelItemCount() > 0)
        PlanListe->setCurrentItem(PlanListe->topLevelItem(0));
    PlanKosten->setText(m_session.plan().costText());
    showPlanDrinks();
}

void TEinkaufDialog::showPlanDrinks() {
    PlanDrinks->clear();
    if (m_session.plan().rows().isEmpty()) {
        PlanDrinksLabel->setText(QStringLiteral("Mit dieser Hausbar ist schon alles mixbar."));
        return;
    }
    const int step = PlanListe->indexOfTopLevelItem(PlanListe->currentItem());
    PlanDrinksLabel->setText(m_session.plan().drinksCaption(step));
    StoreGuard::run([&] { PlanDrinks->addItems(m_session.plan().drinkNames(step)); });
}
