#pragma once

#include <QList>
#include <QWidget>

class QMenu;
class QToolButton;

// The toolbar strip (Panel1 with ButtonPaintBox): two interchangeable sets of ten picture
// buttons, "Hi-Color" (MyButton1..10) and "Lo-Color" (ExplorerButton1..10).
class ToolbarPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 52;
    static constexpr int kButtons = 10;

    explicit ToolbarPanel(QWidget* parent = nullptr);

    void useHiColor(bool hiColor);
    void showHints(bool on);
    // Lays the buttons out for the current width; only when the spacing changed.
    void layoutButtons();
    int spacing() const { return m_spacing; }
    // Button k (1..10) of one set.
    QToolButton* button(bool hiColor, int k) const;
    QMenu* DruckPopup = nullptr;
    static QString hint(int k);
    static QString command(int k);
    static QString iconPath(bool hiColor, int k);

signals:
    void triggered(const QString& command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QToolButton*> m_hi;
    QList<QToolButton*> m_lo;
    int m_spacing = 0;
    bool m_hintsOn = true;
};
