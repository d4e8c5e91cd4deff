#include "reference/gui/TLexinfodialog.h"

#include "reference/gui/ArticleView.h"

#include <QPushButton>

TLexinfodialog::TLexinfodialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Barlexikon"));
    setHelpContext(2510);
    setFixedSize(560, 340);
    view = new ArticleView(this);
    view->setGeometry(20, 34, 486, 250);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(426, 296, 80, 26);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TLexinfodialog::accept);
}

void TLexinfodialog::setArticle(const LexiconArticle& article) {
    setCaption(article.caption());
    view->setArticle(article);
}
