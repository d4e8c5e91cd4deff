#pragma once

#include "ui/TOwnFenster.h"

#include <QHash>

class OptionsSession;
class QAbstractButton;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

// "Optionen": shows an OptionsSession on three pages and forwards every click to it. The check
// boxes and radio buttons carry the names of the options they edit ("HyperCheck", "H7", ...).
class TOptionenDialog : public TOwnFenster {
    Q_OBJECT
public:
    TOptionenDialog(UiContext context, OptionsSession& session, const QStringList& fontNames,
                    QWidget* parent = nullptr);

    QAbstractButton* button(const QString& control) const { return m_buttons.value(control); }

    QTabWidget* DasControl = nullptr;
    QLineEdit* DashEdit = nullptr;
    QListWidget* Schriftnamelist = nullptr;
    QLineEdit* groesseedit = nullptr;
    QListWidget* groesseliste = nullptr;
    QFrame* Previewpanel = nullptr;
    QLabel* Preview = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // F1 explains the page shown; the "?" box the whole dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildDarstellung();
    QWidget* buildVorgaben();
    QWidget* buildSchriftart(const QStringList& fontNames);
    QAbstractButton* addCheck(QWidget* group, const QString& control, const QString& caption, int y);
    QAbstractButton* addRadio(QGroupBox* group, const QString& control, const QString& caption, int x, int y);
    void bind(QAbstractButton* button, const QString& control);
    void showSession();
    void refreshEnabled();
    void updatePreview(bool report);
    void chooseSize(const QString& text, bool report);

    OptionsSession& m_session;
    QHash<QString, QAbstractButton*> m_buttons;
    bool m_loading = false;
};
