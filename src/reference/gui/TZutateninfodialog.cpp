#include "reference/gui/TZutateninfodialog.h"

#include "reference/RecipeIngredientsSession.h"
#include "reference/gui/IngredientInfoView.h"
#include "ui/ClipboardText.h"
#include "ui/EntryList.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

TZutateninfodialog::TZutateninfodialog(UiContext context, RecipeIngredientsSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Zutateninfo"));
    setHelpContext(2460);
    setFixedSize(600, 360);
    HListbox = new EntryList(this);
    HListbox->setGeometry(20, 34, 190, 270);
    info = new IngredientInfoView(this);
    info->setGeometry(226, 34, 320, 270);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(466, 318, 80, 26);
    OkButton->setDefault(true);
    PopupMenu = new QMenu(this);
    Zwischenablage1 = PopupMenu->addAction(QStringLiteral("Zwischenablage"), this,
                                           [this] { ClipboardText::putAndConfirm(info->clipboardText()); });
    connect(HListbox->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TZutateninfodialog::showDetails);
    connect(OkButton, &QPushButton::clicked, this, &TZutateninfodialog::accept);
}

void TZutateninfodialog::showDetails() {
    info->setInfo(m_session.info(HListbox->currentRow()));
}

void TZutateninfodialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    HListbox->setEntries(m_session.entries());
    HListbox->setCurrentRow(m_session.entries().isEmpty() ? -1 : 0);
    showDetails();
    HListbox->setFocus();
}

void TZutateninfodialog::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
}
