#pragma once

#include "reference/LexiconArticle.h"
#include "ui/TOwnFenster.h"

class ArticleView;
class QPushButton;

// The lexicon info window: one bar term ("Barlexikon") or one decoration ("Dekoration") on its own,
// as the recipe view opens it.
class TLexinfodialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TLexinfodialog(UiContext context, QWidget* parent = nullptr);

    // Heading, text, picture and caption of the article.
    void setArticle(const LexiconArticle& article);

    ArticleView* view = nullptr; // `Namelabel`, `Image`, `Ausgabememo`
    QPushButton* OkButton = nullptr;
};
