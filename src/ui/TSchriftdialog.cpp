#include "ui/TSchriftdialog.h"

#include "ui/FontSizeRule.h"
#include "ui/Meldungsfenster.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TSchriftdialog::TSchriftdialog(UiContext context, const QString& fontName, int fontSize, QWidget* parent)
    : TOwnFenster(context, parent), m_initialName(fontName), m_initialSize(fontSize) {
    setCaption(QStringLiteral("Schriftart"));
    setFixedSize(420, 330);
    Schriftnamelist = new QListWidget(this);
    Schriftnamelist->setGeometry(20, 40, 200, 180);
    Schriftnamelist->addItems(QFontDatabase::families());
    Schriftnamelist->sortItems();
    groesseedit = new QLineEdit(this);
    groesseedit->setGeometry(230, 40, 60, 22);
    groesseliste = new QListWidget(this);
    groesseliste->setGeometry(230, 64, 60, 156);
    for (const char* size : {"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "30", "34"})
        groesseliste->addItem(QString::fromLatin1(size));
    Preview = new QLabel(QStringLiteral("Velta 98"), this);
    Preview->setGeometry(20, 228, 360, 50);
    Preview->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(200, 288, 85, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(295, 288, 85, 25);
    connect(ok, &QPushButton::clicked, this, &TSchriftdialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TSchriftdialog::reject);
    connect(groesseliste, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        groesseedit->setText(item->text());
        validate(true);
    });
    connect(Schriftnamelist, &QListWidget::itemClicked, this, [this] { validate(true); });
}

// The font in use is selected, or the installed font that draws it; with neither, nothing is, and
// OK asks for a choice instead of taking the first font of the list.
void TSchriftdialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    Schriftnamelist->clearSelection();
    Schriftnamelist->setCurrentItem(nullptr);
    m_standIn = nullptr;
    auto names = Schriftnamelist->findItems(m_initialName, Qt::MatchFixedString);
    if (names.isEmpty() && !m_initialName.isEmpty()) {
        // A stand-in the font system chose for this name, not the face it takes for any unknown one.
        const QString standIn = QFontInfo(QFont(m_initialName)).family();
        const QString anyUnknown = QFontInfo(QFont(QStringLiteral("Velta keine Schrift"))).family();
        if (standIn != anyUnknown)
            names = Schriftnamelist->findItems(standIn, Qt::MatchFixedString);
        if (!names.isEmpty())
            m_standIn = names.first();
    }
    if (!names.isEmpty()) {
        Schriftnamelist->setCurrentItem(names.first());
        Schriftnamelist->scrollToItem(names.first(), QAbstractItemView::PositionAtCenter);
    }
    const auto sizes = groesseliste->findItems(QString::number(m_initialSize), Qt::MatchExactly);
    if (!sizes.isEmpty()) {
        groesseliste->setCurrentItem(sizes.first());
        groesseedit->setText(sizes.first()->text());
    }
    validate(false);
}

bool TSchriftdialog::validate(bool report) {
    int size = 0;
    const QListWidgetItem* chosen = chosenItem();
    const FontSizeRule::Problem problem = FontSizeRule::check(chosen != nullptr, groesseedit->text(), &size);
    if (problem == FontSizeRule::Problem::None) {
        m_size = size;
        QFont preview(chosen->text());
        preview.setPointSize(size);
        Preview->setFont(preview);
        return true;
    }
    if (report) {
        Meldungsfenster::show(Notice::hint(FontSizeRule::message(problem), 1));
        if (problem != FontSizeRule::Problem::NoFont)
            groesseedit->setFocus();
    }
    return false;
}

// Only a selected entry counts: the list's current row alone is where the keyboard would start.
QListWidgetItem* TSchriftdialog::chosenItem() const {
    const QList<QListWidgetItem*> selected = Schriftnamelist->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString TSchriftdialog::selectedName() const {
    const QListWidgetItem* item = chosenItem();
    if (!item)
        return QString();
    return (item == m_standIn ? m_initialName : item->text()).left(31);
}

void TSchriftdialog::accept() {
    if (validate(true))
        TOwnFenster::accept();
}
