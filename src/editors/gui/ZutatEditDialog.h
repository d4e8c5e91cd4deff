#pragma once

#include "editors/IngredientEditSession.h"
#include "ui/TOwnFenster.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class UpDownButtons;

// "Neue Zutat" / "Zutat bearbeiten": shows an IngredientEditSession and forwards the input.
class ZutatEditDialog : public TOwnFenster {
    Q_OBJECT
public:
    ZutatEditDialog(UiContext context, IngredientEditSession& session, QWidget* parent = nullptr);

    // Shows the prepared ingredient; true when OK closed it with a change.
    bool run();
    const IngredientEditSession::Outcome& outcome() const { return m_outcome; }

    QLineEdit* NameEdit = nullptr;
    QLineEdit* MinAlkEdit = nullptr;
    UpDownButtons* UpMin = nullptr;
    QRadioButton* clbutton = nullptr;
    QRadioButton* grammbutton = nullptr;
    QRadioButton* stueckbutton = nullptr;
    QRadioButton* keinebutton = nullptr;
    QRadioButton* dashbutton = nullptr;
    QLineEdit* PreisEdit = nullptr;
    QLineEdit* InhaltEdit = nullptr;
    QLabel* InhaltEinheit = nullptr;
    QCheckBox* WichtigCheck = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildUnits();
    void buildPrice();
    void showPackUnit();
    void showForm();
    void gatherForm();
    void alcoholEdited(const QString& text);
    QRadioButton* unitButton(int kind) const;

    IngredientEditSession& m_session;
    IngredientEditSession::Outcome m_outcome;
};
