#pragma once

#include "editors/gui/NameListDialog.h"

class IngredientEditSession;
class IngredientListSession;
class ZutatEditDialog;

// "Zutatenliste": every ingredient by name; new, edit and delete with the usage checks, and the
// recipes' alcohol values following a change of an ingredient's alcohol or liquid unit.
class ZutatenListeDialog : public NameListDialog {
    Q_OBJECT
public:
    ZutatenListeDialog(UiContext context, IngredientListSession& session, IngredientEditSession& editSession,
                       ZutatEditDialog& editor, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void newEntry() override;
    void editEntry() override;
    void deleteEntry() override;
    Result mayChange() const override;

private:
    int usage(int number);
    void recomputeAlcohol(const QString& ingredient);

    IngredientListSession& m_session;
    IngredientEditSession& m_editSession;
    ZutatEditDialog& m_editor;
};
