#pragma once

#include "calc/QuantitySession.h"
#include "ui/TOwnFenster.h"

class NumberField;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Menge berechnen": the current recipe scaled to a number of drinks or to a volume.
class TMengeDialog : public TOwnFenster {
    Q_OBJECT
public:
    TMengeDialog(UiContext context, QuantitySession& session, QWidget* parent = nullptr);

    NumberField* MengeEdit = nullptr;
    QRadioButton* RadioButton1 = nullptr; // "Stück"
    QRadioButton* RadioButton2 = nullptr; // "Milliliter"
    QRadioButton* RadioButton3 = nullptr; // "Centiliter"
    QRadioButton* RadioButton4 = nullptr; // "Pint"
    QRadioButton* RadioButton5 = nullptr; // "Liter"
    QRadioButton* ausg1 = nullptr;        // "Centiliter"
    QRadioButton* ausg2 = nullptr;        // "Liter"
    QLabel* Namelabel = nullptr;
    QPlainTextEdit* Ausgabememo = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* Zwischenablage1 = nullptr;
    QCheckBox* VorratBox = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* PartyButton = nullptr;

signals:
    // "&Partyplaner...": the planner for several drinks opens over this dialog.
    void partyRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildControls();
    QuantitySession::Unit unit() const;
    void Recompute();
    void copyToClipboard();

    QuantitySession& m_session;
};
