#pragma once

#include "reference/IngredientFacts.h"
#include "ui/TOwnFenster.h"

class IngredientInfoView;
class QAction;
class QMenu;
class QPushButton;

// "Zutateninfo" of one ingredient chosen elsewhere: the home bar's and the search's "&Info", and an
// ingredient clicked in the recipe.
class TZInfoDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TZInfoDialog(UiContext context, QWidget* parent = nullptr);

    void setInfo(const IngredientFacts& shown);

    IngredientInfoView* info = nullptr; // `Namelabel`, `Prozentlabel`, `Ausgabememo`
    QMenu* PopupMenu = nullptr;
    QAction* Zwischenablage1 = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
