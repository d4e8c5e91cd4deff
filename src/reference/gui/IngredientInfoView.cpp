#include "reference/gui/IngredientInfoView.h"

#include "reference/gui/DisplayMemo.h"

#include <QLabel>

IngredientInfoView::IngredientInfoView(QWidget* parent) : QWidget(parent) {
    Namelabel = new QLabel(this);
    // A scalable face: the dialogs' own bitmap face has one size and no bold.
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(16);
    bold.setBold(true);
    Namelabel->setFont(bold);
    Prozentlabel = new QLabel(this);
    Prozentlabel->setFont(bold);
    Prozentlabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Ausgabememo = new DisplayMemo(this);
}

void IngredientInfoView::resizeEvent(QResizeEvent*) {
    placeChildren();
}

void IngredientInfoView::placeChildren() {
    Namelabel->setGeometry(0, 0, width() - 60, 26);
    Prozentlabel->setGeometry(width() - 60, 0, 60, 26);
    Ausgabememo->setGeometry(0, 34, width(), height() - 34);
}

void IngredientInfoView::setInfo(const std::optional<IngredientFacts>& info) {
    placeChildren();
    m_info = info;
    Namelabel->setText(info ? info->name : QString());
    Prozentlabel->setText(info ? info->percent : QString());
    Ausgabememo->setText(info ? info->remark : QString());
}

QString IngredientInfoView::clipboardText() const {
    return m_info ? m_info->clipboardText() : QString();
}
