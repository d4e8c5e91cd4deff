#pragma once

#include "ui/TOwnFenster.h"

class QLabel;
class QLineEdit;
class QListWidget;

// "Schriftart": chooses the font name and size of one print font, with a live preview.
class TSchriftdialog : public TOwnFenster {
    Q_OBJECT
public:
    TSchriftdialog(UiContext context, const QString& fontName, int fontSize, QWidget* parent = nullptr);

    QString selectedName() const; // at most 31 characters
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
    QString m_initialName;
    int m_initialSize = 0;
    int m_size = 0;
};
