#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class RecipeEditSession;
class TypeAheadField;
class UpDownButtons;

// "Rezept bearbeiten" / "Rezept hinzufügen": shows a RecipeEditSession on three pages (the recipe
// lines, the category, taste and decoration, the instructions) and forwards the user's input.
class TReditdialog : public TOwnFenster {
    Q_OBJECT
public:
    TReditdialog(UiContext context, RecipeEditSession& session, QWidget* parent = nullptr);

    QLineEdit* NameEdit = nullptr;
    QTabWidget* DasControl = nullptr;
    TypeAheadField* Editfeld = nullptr;
    EntryList* ZutatenListbox = nullptr;
    QLineEdit* MengeSpin = nullptr;
    UpDownButtons* UpdownButton = nullptr;
    QPushButton* hinzubutton = nullptr;
    QPushButton* entfbutton = nullptr;
    QLabel* RezeptListboxlabel = nullptr;
    EntryList* RezeptListbox = nullptr;
    QPushButton* zutatenbutton = nullptr;
    QLineEdit* canredit = nullptr;
    QComboBox* KatCombo = nullptr;
    QComboBox* GeschmackCombo = nullptr;
    QComboBox* DekorationCombo = nullptr;
    QPushButton* kategoriebutton = nullptr;
    QPushButton* geschmackbutton = nullptr;
    QPushButton* dekobutton = nullptr;
    QPlainTextEdit* MixMemo = nullptr;
    QPlainTextEdit* BemMemo = nullptr;
    QLineEdit* Fotoedit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The controls show the session's choices and input (after a preparation), or take the input
    // into the session.
    void showChoices();
    void showForm();
    void gatherForm();
    // After a list editor closed: the rebuilt choices, the input kept.
    void choicesChanged();
    void accept() override;

signals:
    // A " Bearbeiten" button or "Zutaten &bearbeiten": the list editor of that kind of choices
    // (ChoiceLists::Kind) should open.
    void listEditorRequested(int kind);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildRecipePage();
    QWidget* buildAssignmentPage();
    QWidget* buildInstructionsPage();
    void showLines(int select);
    void showAmount();
    void ingredientSelected(int row);
    void amountEdited(const QString& text);
    void stepAmount(int delta);
    void addLine();
    void removeLine();
    void focusIngredientField();

    RecipeEditSession& m_session;
};
