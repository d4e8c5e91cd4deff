#pragma once

#include "ui/TOwnFenster.h"

class QLineEdit;
class QPushButton;

// The small name dialog the category and taste lists share. OK closes it with OK only when the
// name, blanks around it removed, differs from the one shown at opening.
class KatEditDialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kLength = 50;

    KatEditDialog(UiContext context, QWidget* parent = nullptr);

    // Shows the dialog with the caption and the text; true when it closed with OK.
    bool ask(const QString& caption, const QString& text);
    QString text() const;

    QLineEdit* Edit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

    void accept() override;

private:
    QString m_shown;
};
