#pragma once

#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "ui/EntryList.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>

// What the window tests do as the user: keys, clicks on rows, tabs and recipe lines, and acting in a
// modal dialog once it is up.
namespace UserInput {

// Keys for every character, also those outside ASCII (which QTest::keyClicks cannot type).
inline void type(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The field's text replaced as the user does: focus, select all, delete, type.
inline void replaceText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    type(edit, text);
}

inline void clickTab(QTabWidget* tabs, int index) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

// Makes the row current and clicks it.
inline void clickRow(EntryList* list, int row) {
    list->setCurrentRow(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

// The middle of a line of the recipe view, as the last drawing placed it.
inline QPoint linePoint(const RecipeDisplay& d, int line) {
    int y = RecipeTextLayout::kTop;
    for (int i = d.topLine; i < line; ++i)
        y += d.lines.at(i).height;
    const DisplayLine& l = d.lines.at(line);
    return {(l.left + l.right) / 2, y + l.height / 2};
}

// Once the caller has entered the dialog's modal loop: activates it (offscreen nobody else does),
// acts, and closes it if the act left it open, so that a failed check cannot hang the test.
template <class Dialog> void whileOpen(Dialog& dialog, const std::function<void(Dialog&)>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        dialog.activateWindow();
        if (QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }))
            act(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
}

} // namespace UserInput
