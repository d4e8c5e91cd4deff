#pragma once

#include "ui/TOwnFenster.h"

class EntryList;
class PrintOutput;
class PrintSession;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

// "Drucken": which drinks are printed (first page, several-drinks mode only) and how (second
// page), then the printout, the preview or the text file. The session holds every rule and
// setting; the dialog shows it and forwards what the user does.
class TDruckdialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 2070;
    // The noise that greets the user whenever the dialog becomes active.
    static constexpr int kGreetingSound = 31;

    TDruckdialog(UiContext context, PrintSession& session, PrintOutput& output, QWidget* parent = nullptr);

    QTabWidget* DasControl = nullptr;
    // First page.
    EntryList* WasListBox = nullptr;
    QLabel* LLabel = nullptr;
    QPushButton* Hinzubutton = nullptr;
    QPushButton* entbutton = nullptr;
    QPushButton* VButton = nullptr;
    QMenu* VorgabePopup = nullptr;
    EntryList* DruckListbox = nullptr;
    // Second page.
    QToolButton* lay1 = nullptr;
    QToolButton* lay2 = nullptr;
    QLineEdit* HeaderEdit = nullptr;
    QComboBox* Trennedit = nullptr;
    QComboBox* AusrichtungCombo = nullptr;
    QComboBox* ZutCombo = nullptr;
    QCheckBox* BemCheck = nullptr;
    QCheckBox* NumCheck = nullptr;
    QCheckBox* KategorienCheck = nullptr; // the bar card in sections by category
    QCheckBox* SterneCheck = nullptr;     // the bar card with the user's stars
    QCheckBox* MixCheck = nullptr;        // "nur mixbare &Getränke aus"
    QComboBox* MixBarCombo = nullptr;     // "Hausbar Nr. 1".."Hausbar Nr. 3"
    QComboBox* MixZukaufCombo = nullptr;  // "ohne Zukauf".."3 Zukäufe"
    QCheckBox* BreiteCheck = nullptr;
    QCheckBox* AnleitungCheck = nullptr;
    QCheckBox* BildCheck = nullptr;
    QCheckBox* InfoCheck = nullptr;
    QComboBox* PapCombo = nullptr;
    QComboBox* AusCombo = nullptr;
    QPushButton* ExplorerButton1 = nullptr;
    QMenu* SchriftPopup = nullptr;
    QPushButton* ExplorerButton2 = nullptr;
    // Below the notebook.
    QPushButton* OkButton = nullptr;
    QPushButton* PrevButton = nullptr;
    QPushButton* Exportbutton = nullptr;
    QPushButton* PdfButton = nullptr;  // "Als &PDF speichern…"
    QComboBox* SpaltenCombo = nullptr; // the bar card's columns, 1 to 3
    QComboBox* BogenCombo = nullptr;   // recipe cards: one a page, or several a sheet
    QPushButton* AbbrechenButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildChoicePage();
    QWidget* buildLayoutPage();
    void buildCardControls(QWidget* page);
    void buildListControls(QWidget* page);
    void buildMixableControls(QWidget* page);
    void connectMixable();
    void showMixable();
    void buildCommonControls(QWidget* page);
    void buildButtons();
    void connectSettings();

    void showSettings();
    void applyLayoutEnabling();
    void showChosen(int select);
    void updateButtons();
    void pageChanged(int page);
    void okClicked();
    void output(bool preview);
    void exportClicked();
    void pdfClicked();
    bool outputAllowed();
    void addChosen();
    void removeChosen();
    void chooseFont(int entry);
    void setUpPrinter();

    PrintSession& m_session;
    PrintOutput& m_output;
    QList<QWidget*> m_listControls;
    QList<QWidget*> m_cardControls;
};
