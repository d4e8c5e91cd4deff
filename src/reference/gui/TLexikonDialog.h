#pragma once

#include "reference/LexiconSession.h"
#include "ui/TOwnFenster.h"

#include <array>

class ArticleView;
class EntryList;
class IngredientInfoView;
class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class TypeAheadField;

// "Barlexikon": bar terms, ingredients and decorations, each a sorted list with a type-ahead field
// beside the details of the selected entry.
class TLexikonDialog : public TOwnFenster {
    Q_OBJECT
public:
    TLexikonDialog(UiContext context, LexiconSession& session, QWidget* parent = nullptr);

    QTabWidget* DasControl = nullptr;
    std::array<TypeAheadField*, LexiconSession::kPages> edits{};
    EntryList* FachListbox = nullptr;
    EntryList* HListbox = nullptr;
    EntryList* DekoListbox = nullptr;
    ArticleView* fach = nullptr;         // `FachLabel`, `fachimage`, `FachMemo`
    IngredientInfoView* zutat = nullptr; // `Namelabel`, `Prozentlabel`, `Ausgabememo`
    ArticleView* deko = nullptr;         // `Dekonamelabel`, `dekoimage`, `DekoMemo`
    QMenu* PopupMenu = nullptr;
    QAction* Zwischenablage1 = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPage(LexiconSession::Page page, QWidget* details);
    EntryList* list(LexiconSession::Page page) const;
    void showDetails(LexiconSession::Page page);
    void copyToClipboard();

    LexiconSession& m_session;
};
