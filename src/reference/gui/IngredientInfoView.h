#pragma once

#include "reference/IngredientFacts.h"

#include <QWidget>

class DisplayMemo;
class QLabel;

// One ingredient on screen: its name with the alcohol content right-aligned beside it, and its
// remark below.
class IngredientInfoView : public QWidget {
    Q_OBJECT
public:
    explicit IngredientInfoView(QWidget* parent = nullptr);

    void setInfo(const std::optional<IngredientFacts>& info);
    // "Zwischenablage": what the window copies; empty while nothing is shown.
    QString clipboardText() const;

    QLabel* Namelabel = nullptr;
    QLabel* Prozentlabel = nullptr;
    DisplayMemo* Ausgabememo = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Also before the first showing, so that the text's line count uses the real width.
    void placeChildren();

    std::optional<IngredientFacts> m_info;
};
