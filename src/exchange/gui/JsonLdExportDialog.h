#pragma once

#include "ui/TOwnFenster.h"

class JsonLdExportSession;
class QCheckBox;
class QPushButton;
class QRadioButton;

// "Exportieren als JSON-LD": the choice of drinks for the file and where its photos go. Accepted
// with "OK".
class JsonLdExportDialog : public TOwnFenster {
    Q_OBJECT
public:
    JsonLdExportDialog(UiContext context, JsonLdExportSession& session, QWidget* parent = nullptr);

    QRadioButton* currentButton = nullptr;
    QRadioButton* selectionButton = nullptr;
    QRadioButton* allButton = nullptr;
    QCheckBox* embedBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* button(int choice) const;

    JsonLdExportSession& m_session;
};
