#pragma once

#include "ui/TOwnFenster.h"

class QLineEdit;
class QPushButton;

// The name under which the search dialog's criteria are saved into a slot.
class TSaveSuchedialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kMaxName = 70;

    explicit TSaveSuchedialog(UiContext context, QWidget* parent = nullptr);

    // Shows the dialog modally with the slot's current name; true when closed with OK.
    bool ask(const QString& name);
    QString name() const;

    QLineEdit* Edit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
