#pragma once

#include "reference/LexiconArticle.h"

#include <QWidget>

class DisplayMemo;
class QLabel;

// A lexicon term or a decoration on screen: its heading, its picture fitted into a square frame
// and its text.
class ArticleView : public QWidget {
    Q_OBJECT
public:
    explicit ArticleView(QWidget* parent = nullptr);

    // Nothing shown for none. A picture that cannot be loaded leaves the frame empty.
    void setArticle(const std::optional<LexiconArticle>& article);

    QLabel* heading = nullptr;
    QLabel* image = nullptr;
    DisplayMemo* memo = nullptr;

    static constexpr int kPictureSize = 160;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Also before the first showing, so that the text's line count uses the real width.
    void placeChildren();
};
