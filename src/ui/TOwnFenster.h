#pragma once

#include "ui/UiContext.h"

#include <QDialog>

// The base of every dialog of the program: no system frame; frame, title band, rails, close box
// and optional help box are painted from the current theme's dialog skin. The window is moved by
// dragging anywhere on its surface.
class TOwnFenster : public QDialog {
    Q_OBJECT
public:
    TOwnFenster(UiContext context, QWidget* parent = nullptr);

    void setHelpContext(int context) { m_helpContext = context; }
    int helpContext() const { return m_helpContext; }
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    // Binding coordinates of the two boxes, for a client width cw.
    static QRect closeBox(int cw) { return QRect(QPoint(cw - 32, 31), QPoint(cw - 13, 46)); }
    static QRect helpBox(int cw) { return QRect(QPoint(cw - 32, 47), QPoint(cw - 13, 62)); }
    int railsBottom() const { return m_helpContext != 0 ? 65 : 49; }

    // Applies the placement rule: on the first showing, and on every showing when dialogs are centred.
    void CentreOnMain();
    // The help of this window ("?" box and F1); the contents when it has no help context.
    void openHelp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Dialogs that centre on every showing regardless of the option (message box, wait window).
    virtual bool alwaysCentre() const { return false; }

    UiContext m_context;

private:
    void paintBevels(class QPainter& p);
    void paintRails(class QPainter& p);
    void paintFrame(class QPainter& p);
    void paintTexts(class QPainter& p);

    int m_helpContext = 0;
    QString m_caption;
    bool m_moving = false;
    bool m_shownBefore = false;
    QPoint m_dragOffset;
};
