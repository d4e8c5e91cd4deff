#include "app/IntroForm.h"

#include "store/PhotoPath.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

QString IntroForm::pictureName(int colourDepth) {
    return colourDepth >= 16 ? QStringLiteral("INTROHI.BMP") : QStringLiteral("INTROLO.BMP");
}

IntroForm::IntroForm(const QString& dataFolder, int colourDepth)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setCursor(Qt::WaitCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    const QString file = PhotoPath::resolve(dataFolder, pictureName(colourDepth));
    if (!file.isEmpty())
        m_picture.load(file);
    if (m_picture.isNull())
        return;
    setFixedSize(m_picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void IntroForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}
