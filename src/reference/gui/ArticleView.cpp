#include "reference/gui/ArticleView.h"

#include "reference/gui/DisplayMemo.h"

#include <QLabel>
#include <QPixmap>

namespace {

// A scalable face: the dialogs' own bitmap face has one size and no bold.
QFont headingFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

} // namespace

ArticleView::ArticleView(QWidget* parent) : QWidget(parent) {
    heading = new QLabel(this);
    heading->setFont(headingFont());
    image = new QLabel(this);
    image->setAlignment(Qt::AlignCenter);
    memo = new DisplayMemo(this);
}

void ArticleView::resizeEvent(QResizeEvent*) {
    placeChildren();
}

void ArticleView::placeChildren() {
    heading->setGeometry(0, 0, width(), 26);
    image->setGeometry(0, 34, kPictureSize, kPictureSize);
    memo->setGeometry(kPictureSize + 14, 34, width() - kPictureSize - 14, height() - 34);
}

void ArticleView::setArticle(const std::optional<LexiconArticle>& article) {
    placeChildren();
    heading->setText(article ? article->heading : QString());
    QPixmap picture;
    if (article && !article->picture.isEmpty())
        picture.load(article->picture);
    if (!picture.isNull() && picture.size() != QSize(kPictureSize, kPictureSize))
        picture = picture.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image->setPixmap(picture);
    memo->setText(article ? article->text : QString());
}
