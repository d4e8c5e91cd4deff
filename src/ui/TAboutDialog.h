#pragma once

#include "ui/TOwnFenster.h"

class QLabel;
class QPushButton;
class ScrollingText;

// "Info über...": the product name, the maker's line and address, a picture, the maker's web
// address as a link and the credits scrolling past while the window is active.
class TAboutDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TAboutDialog(UiContext context, QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* LMDSimpleLabel1 = nullptr;
    QLabel* CopyLabel = nullptr;
    QLabel* LMDSimpleLabel2 = nullptr;
    QLabel* LMDSimpleLabel3 = nullptr;
    QLabel* LMDSimpleLabel4 = nullptr;
    QLabel* LMDSimpleLabel5 = nullptr;
    QLabel* LLL = nullptr;
    ScrollingText* Scrolltext = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* addLabel(const QString& text, int y, int height = 16);
};
