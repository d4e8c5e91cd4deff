#pragma once

#include "ui/TOwnFenster.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// "Schriftart": chooses the font name and size of one print font, with a live preview.
class TSchriftdialog : public TOwnFenster {
    Q_OBJECT
public:
    TSchriftdialog(UiContext context, const QString& fontName, int fontSize, QWidget* parent = nullptr);

    // At most 31 characters; the name the dialog opened with while the user keeps its stand-in.
    QString selectedName() const;
    int selectedSize() const { return m_size; }

    QListWidget* Schriftnamelist = nullptr;
    QListWidget* groesseliste = nullptr;
    QLineEdit* groesseedit = nullptr;
    QLabel* Preview = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool validate(bool report);
    QListWidgetItem* chosenItem() const;
    QString m_initialName;
    int m_initialSize = 0;
    int m_size = 0;
    // The installed font shown for a name that is not installed ("ARIAL" is drawn in its
    // metric-compatible stand-in).
    QListWidgetItem* m_standIn = nullptr;
};
