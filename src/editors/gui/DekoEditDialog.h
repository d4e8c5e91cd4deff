#pragma once

#include "ui/TOwnFenster.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The decoration dialog: name and description. OK closes it with OK when the description was
// changed or the name, blanks around it removed, differs from the one shown at opening.
class DekoEditDialog : public TOwnFenster {
    Q_OBJECT
public:
    DekoEditDialog(UiContext context, QWidget* parent = nullptr);

    bool ask(const QString& caption, const QString& name, const QString& description);
    QString name() const;
    QString description() const;

    QLineEdit* NameEdit2 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

    void accept() override;

private:
    QString m_shownName;
    QString m_shownDescription;
};
