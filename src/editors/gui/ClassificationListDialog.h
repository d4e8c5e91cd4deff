#pragma once

#include "editors/gui/NameListDialog.h"

class ClassificationListSession;
class KatEditDialog;

// The category or taste list: names keyed by their numbers, edited through the shared name dialog.
class ClassificationListDialog : public NameListDialog {
    Q_OBJECT
public:
    ClassificationListDialog(UiContext context, ClassificationListSession& session, KatEditDialog& names,
                             QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void newEntry() override;
    void editEntry() override;
    void deleteEntry() override;
    Result mayChange() const override;

private:
    int usage(int row);

    ClassificationListSession& m_session;
    KatEditDialog& m_names;
};
