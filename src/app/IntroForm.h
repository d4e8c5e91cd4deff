#pragma once

#include <QPixmap>
#include <QWidget>

// The splash window: the intro picture on black, centred, on top, taking no input. Without a
// readable picture nothing is shown.
class IntroForm : public QWidget {
    Q_OBJECT
public:
    IntroForm(const QString& dataFolder, int colourDepth);
    bool failed() const { return m_picture.isNull(); }
    static QString pictureName(int colourDepth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
