#include "exchange/gui/ImportCommands.h"

#include "common/Aliases.h"
#include "common/AppState.h"
#include "common/ChoiceKind.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "common/TextFold.h"
#include "exchange/JsonLdError.h"
#include "exchange/JsonLdImport.h"
#include "exchange/RecipeUpdate.h"
#include "exchange/Version1Import.h"
#include "exchange/gui/JsonLdFileDialog.h"
#include "exchange/gui/TImportDialog.h"
#include "exchange/gui/TInternetDialog.h"
#include "ui/Meldungsfenster.h"
#include "ui/TWartenDialog.h"
#include "ui/WaitScope.h"

#include <QDir>
#include <QFile>

ImportCommands::ImportCommands(const DialogServices& services)
    : startFolder(QDir::homePath()), m_context(services.context), m_state(services.state),
      m_tables(services.tables), m_main(services.main), m_recipes(services.recipes),
      m_parent(services.parent) {}

void ImportCommands::reopenTables() {
    m_tables.openMainTables(m_context.state.folders.dataFolder, m_context.state.run.readOnly);
}

template <class Work> auto ImportCommands::withTablesClosed(Work work) {
    m_tables.closeMainTables();
    try {
        auto result = work();
        reopenTables();
        return result;
    } catch (...) {
        reopenTables();
        throw;
    }
}

void ImportCommands::runVersion1() {
    if (Meldungsfenster::refuses(m_state.run.mayWrite()))
        return;
    ImportChooserSession chooser(ImportChooserSession::Version1);
    {
        TImportDialog dialog(m_context, chooser, QStringLiteral("Importieren"), Version1Import::chooserText(),
                             m_parent);
        dialog.selectFolder(startFolder);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    Version1Import::Outcome outcome;
    {
        TWartenDialog window(m_context, m_parent);
        WaitScope wait(window, Version1Import::waitText());
        outcome = withTablesClosed([&] {
            return Version1Import::run(m_tables.ApolloEnv, chooser.chosenFolder(),
                                       m_context.state.folders.dataFolder, wait.progressOf());
        });
    }
    if (outcome.tooManyIngredients) {
        Meldungsfenster::showPlain(Version1Import::tooManyText(), QStringLiteral("Fehler"));
        m_main.RunCommand(QStringLiteral("Beenden"));
        return;
    }
    if (outcome.damaged)
        Meldungsfenster::showPlain(Version1Import::damagedText(), QStringLiteral("Fehler"));
    // Without a restart the boxes that offer ingredients must know the imported ones at once.
    if (outcome.ingredients > 0)
        m_state.catalogue.reload(Catalogue::Ingredients, m_tables);
    Meldungsfenster::show(Version1Import::closingNotice(outcome));
    if (outcome.recipes > 0)
        m_main.RunCommand(QStringLiteral("Beenden"));
}

void ImportCommands::runUpdates() {
    if (Meldungsfenster::refuses(m_state.run.mayWrite()))
        return;
    {
        TInternetDialog notice(m_context, m_parent);
        if (notice.exec() != QDialog::Accepted)
            return;
    }
    ImportChooserSession chooser(ImportChooserSession::Updates);
    {
        TImportDialog dialog(m_context, chooser, QStringLiteral("Rezept-Updates"),
                             RecipeUpdate::chooserText(), m_parent);
        dialog.selectFolder(startFolder);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    const RecipeUpdate::Outcome outcome = withTablesClosed([&] {
        return RecipeUpdate::run(m_tables.ApolloEnv, chooser.chosenFolder(),
                                 m_context.state.folders.dataFolder);
    });
    Meldungsfenster::show(RecipeUpdate::closingNotice(outcome));
    if (RecipeUpdate::restart(outcome))
        m_main.RunCommand(QStringLiteral("Beenden"));
}

void ImportCommands::runJsonLd() {
    if (Meldungsfenster::refuses(m_state.run.mayWrite()))
        return;
    const QString path = JsonLdFileDialog::askOpen(m_parent);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Meldungsfenster::show(Notice::error(JsonLdImport::unreadableText(path), 2));
        return;
    }
    const QByteArray bytes = file.readAll();
    AppState& state = m_state;
    const ExchangeLists lists{state.catalogue.categories(), state.catalogue.tastes(),
                              state.catalogue.decorations()};
    JsonLdImport::Outcome outcome;
    try {
        outcome = withTablesClosed([&] {
            // Ingredients are also found by the other names of ALIAS.TXT ("Limejuice").
            const Aliases& aliases = state.aliases;
            return JsonLdImport::run(
                m_tables.ApolloEnv, state.folders.dataFolder, bytes, lists,
                state.settings.options().get(OptionsRecord::DashesPerCl),
                [&aliases](const QString& name) { return aliases.ingredientFor(TextFold::fold(name)); });
        });
    } catch (const JsonLdError& error) {
        Meldungsfenster::show(Notice::error(error.text(), 2));
        return;
    }
    state.catalogue.reload(Catalogue::Recipes, m_tables);
    state.catalogue.reload(Catalogue::Ingredients, m_tables);
    m_recipes.FillRecipeList(false);
    Meldungsfenster::show(Notice::hint(JsonLdImport::doneText(outcome), 1));
}
