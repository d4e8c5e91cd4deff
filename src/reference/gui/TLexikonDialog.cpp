#include "reference/gui/TLexikonDialog.h"

#include "reference/gui/ArticleView.h"
#include "reference/gui/IngredientInfoView.h"
#include "ui/ClipboardText.h"
#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {

const char* const kPageTitles[] = {"&Fachbegriffe", "&Zutaten", "&Dekorationen"};

} // namespace

TLexikonDialog::TLexikonDialog(UiContext context, LexiconSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setObjectName(QStringLiteral("LexikonDialog"));
    setCaption(QStringLiteral("Barlexikon"));
    setHelpContext(2510);
    setFixedSize(740, 500);
    DasControl = new QTabWidget(this);
    DasControl->setGeometry(20, 32, 672, 412);
    fach = new ArticleView;
    zutat = new IngredientInfoView;
    deko = new ArticleView;
    DasControl->addTab(buildPage(LexiconSession::Terms, fach), QString::fromUtf8(kPageTitles[0]));
    DasControl->addTab(buildPage(LexiconSession::Ingredients, zutat), QString::fromUtf8(kPageTitles[1]));
    DasControl->addTab(buildPage(LexiconSession::Decorations, deko), QString::fromUtf8(kPageTitles[2]));
    connect(DasControl, &QTabWidget::currentChanged, this,
            [this](int index) { m_session.setPage(LexiconSession::Page(index)); });
    PopupMenu = new QMenu(this);
    Zwischenablage1 =
        PopupMenu->addAction(QStringLiteral("Zwischenablage"), this, &TLexikonDialog::copyToClipboard);
    DasControl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DasControl, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(DasControl->mapToGlobal(at)); });
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(612, 456, 80, 26);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TLexikonDialog::accept);
}

QWidget* TLexikonDialog::buildPage(LexiconSession::Page page, QWidget* details) {
    auto* widget = new QWidget;
    auto* names = new EntryList(widget);
    names->setGeometry(8, 36, 200, 340);
    names->setContextMenuPolicy(Qt::NoContextMenu);
    auto* edit = new TypeAheadField(
        names, [this, page](const QString& text) { return m_session.typeAhead(page, text); }, widget);
    edit->setGeometry(8, 8, 200, 24);
    details->setParent(widget);
    details->setGeometry(222, 8, 436, 368);
    edits[page] = edit;
    (page == LexiconSession::Terms         ? FachListbox
     : page == LexiconSession::Ingredients ? HListbox
                                           : DekoListbox) = names;
    connect(names->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, page](const QModelIndex& current) {
                m_session.select(page, current.isValid() ? current.row() : -1);
                showDetails(page);
            });
    return widget;
}

EntryList* TLexikonDialog::list(LexiconSession::Page page) const {
    switch (page) {
    case LexiconSession::Terms:
        return FachListbox;
    case LexiconSession::Ingredients:
        return HListbox;
    case LexiconSession::Decorations:
        break;
    }
    return DekoListbox;
}

void TLexikonDialog::showDetails(LexiconSession::Page page) {
    switch (page) {
    case LexiconSession::Terms:
        fach->setArticle(m_session.term());
        break;
    case LexiconSession::Ingredients:
        zutat->setInfo(m_session.ingredient());
        break;
    case LexiconSession::Decorations:
        deko->setArticle(m_session.decoration());
        break;
    }
}

void TLexikonDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_session.begin();
    m_session.setPage(LexiconSession::Page(DasControl->currentIndex()));
    for (int p = 0; p < LexiconSession::kPages; ++p) {
        const auto page = LexiconSession::Page(p);
        const int selected = m_session.selected(page);
        list(page)->setEntries(m_session.entries(page));
        list(page)->setCurrentRow(selected);
        showDetails(page);
        edits[size_t(p)]->clear();
    }
    if (DasControl->currentIndex() == LexiconSession::Terms && FachListbox->count() > 0)
        FachListbox->setFocus();
}

void TLexikonDialog::copyToClipboard() {
    const QString text = m_session.clipboardText();
    if (!text.isEmpty())
        ClipboardText::putAndConfirm(text);
}
