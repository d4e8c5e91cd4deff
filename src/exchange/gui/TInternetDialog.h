#pragma once

#include "ui/TOwnFenster.h"

#include <QUrl>

class QLabel;
class QPushButton;

// "Internet Import": points to the update page on the web and asks whether a downloaded update
// is to be imported now. Accepted with "Importieren".
class TInternetDialog : public TOwnFenster {
    Q_OBJECT
public:
    TInternetDialog(UiContext context, QWidget* parent = nullptr);

    static QUrl updatePage();

    QLabel* Label1 = nullptr;
    QLabel* LLL = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
