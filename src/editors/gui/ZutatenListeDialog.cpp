#include "editors/gui/ZutatenListeDialog.h"

#include "common/AppState.h"
#include "editors/AlcoholRecompute.h"
#include "editors/IngredientListSession.h"
#include "editors/RecipeUsage.h"
#include "editors/gui/ZutatEditDialog.h"
#include "store/StoreError.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/WaitScope.h"

ZutatenListeDialog::ZutatenListeDialog(UiContext context, IngredientListSession& session,
                                       IngredientEditSession& editSession, ZutatEditDialog& editor,
                                       QWidget* parent)
    : NameListDialog(context, parent), m_session(session), m_editSession(editSession), m_editor(editor) {
    setCaption(QStringLiteral("Zutatenliste"));
    setHelpContext(2150);
}

void ZutatenListeDialog::showEvent(QShowEvent* event) {
    NameListDialog::showEvent(event);
    m_session.setEntries(m_context.state.catalogue.ingredients().zutatliste);
    m_session.begin();
    showEntries(m_session.entries(), m_session.entries().isEmpty() ? -1 : 0);
    focusList();
}

int ZutatenListeDialog::usage(int number) {
    return countUsage(IngredientListSession::usageWaitText(), [&](const std::function<void(int)>& progress) {
        return RecipeUsage::ingredient(m_session.recipes(), number, progress);
    });
}

void ZutatenListeDialog::newEntry() {
    if (!follow(m_session.newVerdict()))
        return;
    m_editSession.prepareNew();
    if (m_editor.run() && !m_editSession.form().name.trimmed().isEmpty())
        showEntries(m_session.entries(), m_session.storeNew(m_editSession.form()));
}

void ZutatenListeDialog::editEntry() {
    const int row = ListBox->currentRow();
    if (row < 0 || !m_session.seek(row))
        return;
    m_editSession.prepareEdit();
    if (!m_editor.run())
        return;
    repaint();
    const IngredientEditSession::Outcome& outcome = m_editor.outcome();
    const int number = m_editSession.number();
    const int users = outcome.changed ? usage(number) : 0;
    if (!follow(IngredientListSession::editVerdict(outcome, users)) || !m_session.seek(row))
        return;
    const bool recompute = outcome.recomputeAlcohol && users > 0;
    if (recompute) {
        try {
            AlcoholRecompute::beginChange(m_session.recipes());
        } catch (const StoreError& e) {
            Meldungsfenster::show(Notice::error(
                AlcoholRecompute::failureText(m_editSession.form().name.trimmed(), e.text()), 4));
            return;
        }
    }
    m_session.storeEdit(row, m_editSession.form());
    showEntries(m_session.entries(), row);
    if (recompute)
        recomputeAlcohol(m_editSession.form().name.trimmed());
}

void ZutatenListeDialog::recomputeAlcohol(const QString& ingredient) {
    try {
        WaitScope wait(waitWindow(), m_context.state.catalogue.recipeTotal(), AlcoholRecompute::waitText());
        AlcoholRecompute::run(m_session.recipes(), m_session.ingredients(),
                              m_context.state.settings.options().get(OptionsRecord::DashesPerCl),
                              wait.progress());
    } catch (const StoreError& e) {
        Meldungsfenster::show(Notice::error(AlcoholRecompute::failureText(ingredient, e.text()), 4));
    }
}

void ZutatenListeDialog::deleteEntry() {
    const int row = ListBox->currentRow();
    if (!follow(m_session.deletePrecheck(row)))
        return;
    const int users = usage(m_session.entries().at(row).data);
    if (follow(m_session.deleteVerdict(row, users)))
        showEntries(m_session.entries(), m_session.deleteEntry(row));
}

Result ZutatenListeDialog::mayChange() const {
    return m_session.mayChange();
}
