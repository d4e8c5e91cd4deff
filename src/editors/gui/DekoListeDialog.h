#pragma once

#include "editors/gui/NameListDialog.h"

class DecorationListSession;
class DekoEditDialog;

// "Dekoration": the decorations by name, each with its record number, edited with their
// descriptions.
class DekoListeDialog : public NameListDialog {
    Q_OBJECT
public:
    DekoListeDialog(UiContext context, DecorationListSession& session, DekoEditDialog& editor,
                    QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void newEntry() override;
    void editEntry() override;
    void deleteEntry() override;
    Result mayChange() const override;

private:
    int usage(int row);

    DecorationListSession& m_session;
    DekoEditDialog& m_editor;
};
