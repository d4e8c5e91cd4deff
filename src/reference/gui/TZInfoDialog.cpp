#include "reference/gui/TZInfoDialog.h"

#include "reference/gui/IngredientInfoView.h"
#include "ui/ClipboardText.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

TZInfoDialog::TZInfoDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Zutateninfo"));
    setHelpContext(2460);
    setFixedSize(460, 320);
    info = new IngredientInfoView(this);
    info->setGeometry(20, 34, 386, 230);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(326, 278, 80, 26);
    OkButton->setDefault(true);
    PopupMenu = new QMenu(this);
    Zwischenablage1 = PopupMenu->addAction(QStringLiteral("Zwischenablage"), this,
                                           [this] { ClipboardText::putAndConfirm(info->clipboardText()); });
    connect(OkButton, &QPushButton::clicked, this, &TZInfoDialog::accept);
}

void TZInfoDialog::setInfo(const IngredientFacts& shown) {
    info->setInfo(shown);
}

void TZInfoDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    OkButton->setFocus();
}

void TZInfoDialog::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
}
