#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// Parts of a compound control (a spin box's field, a list's scroll bar) are read with it.
bool insideControl(const QWidget* widget) {
    // A combo box's drop-down list is a window of its own, still a part of the box.
    for (const QObject* p = widget->parent(); p; p = p->parent()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QTabBar*>(p) ||
            qobject_cast<const QTextEdit*>(p) || qobject_cast<const QPlainTextEdit*>(p))
            return true;
    }
    return false;
}

QString labelText(const QLabel* label) {
    QString text = label->text();
    if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text))
        return {};
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// The label a reader's eye takes for the control's caption: on its row to the left, or just
// above it, whichever is nearer.
QString nearestLabel(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return {};
    const QRect c = control->geometry();
    QString best;
    int bestDistance = 40;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString text = labelText(label);
        if (text.isEmpty() || label->isHidden())
            continue;
        const QRect l = label->geometry();
        int distance = -1;
        if (l.right() <= c.left() + 2 && l.bottom() >= c.top() && l.top() <= c.bottom())
            distance = c.left() - l.right();
        else if (l.bottom() <= c.top() + 2 && l.right() >= c.left() && l.left() <= c.right())
            distance = c.top() - l.bottom();
        if (distance >= 0 && distance < bestDistance) {
            bestDistance = distance;
            best = text;
        }
    }
    return best;
}

} // namespace

bool AccessibleNames::isControl(const QWidget* widget) {
    if (widget->isWindow() || widget->isHidden() || insideControl(widget) ||
        qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QTabWidget*>(widget))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
           (widget->focusPolicy() & Qt::TabFocus && !qobject_cast<const QLabel*>(widget));
}

QString AccessibleNames::nameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

void AccessibleNames::nameControls(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!isControl(widget) || !nameOf(widget).isEmpty())
            continue;
        QString name = nearestLabel(widget);
        if (name.isEmpty())
            name = widget->toolTip();
        if (name.isEmpty()) {
            if (const auto* group = qobject_cast<const QGroupBox*>(widget->parentWidget()))
                name = group->title().remove(QLatin1Char('&'));
        }
        if (name.isEmpty()) // a window's one list or field without a label: the window's caption
            name = window->windowTitle();
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}
