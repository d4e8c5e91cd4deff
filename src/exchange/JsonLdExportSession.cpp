#include "exchange/JsonLdExportSession.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/KeepPosition.h"
#include "exchange/JsonLdExport.h"

JsonLdExportSession::JsonLdExportSession(AppState& state, DataTables& tables)
    : m_state(state), m_tables(tables) {}

void JsonLdExportSession::begin(const ListEntry& current, const QList<int>& printSelection) {
    m_current = current;
    m_printSelection = printSelection;
    m_choice = AllDrinks;
    for (const Choice c : {CurrentDrink, PrintSelection})
        if (available(c)) {
            m_choice = c;
            break;
        }
}

bool JsonLdExportSession::available(Choice choice) const {
    switch (choice) {
    case CurrentDrink:
        return m_current.data > 0;
    case PrintSelection:
        return !m_printSelection.isEmpty();
    case AllDrinks:
        return m_state.catalogue.recipeTotal() > 0;
    }
    return false;
}

QString JsonLdExportSession::label(Choice choice) const {
    switch (choice) {
    case CurrentDrink:
        return available(choice) ? QStringLiteral("&Aktuelles Getränk (%1)").arg(m_current.text)
                                 : QStringLiteral("&Aktuelles Getränk");
    case PrintSelection:
        return QStringLiteral("&Druckauswahl (%1 Getränke)").arg(m_printSelection.size());
    case AllDrinks:
        return QStringLiteral("A&lle Getränke (%1)").arg(m_state.catalogue.recipeTotal());
    }
    return {};
}

void JsonLdExportSession::choose(Choice choice) {
    if (available(choice))
        m_choice = choice;
}

QList<int> JsonLdExportSession::recNos() const {
    switch (m_choice) {
    case CurrentDrink:
        return {m_current.data};
    case PrintSelection:
        return m_printSelection;
    case AllDrinks:
        break;
    }
    KeepPosition keep(m_tables.ApolloRezepte);
    return JsonLdExport::allRecNos(m_tables.ApolloRezepte);
}

Notice JsonLdExportSession::write(const QString& path, const std::function<void(int, int)>& progress) {
    const QList<int> chosen = recNos();
    ExchangeLists lists{m_state.catalogue.categories(), m_state.catalogue.tastes(),
                        m_state.catalogue.decorations()};
    KeepPosition keepRecipe(m_tables.ApolloRezepte);
    KeepPosition keepIngredient(m_tables.ApolloZutaten);
    // Without the medium the collection photos cannot be read; the own photos still can.
    const JsonLdExport::Pictures pictures{
        m_embedPictures, m_state.run.photosUnavailable ? QString() : m_state.folders.picturesFolder,
        m_state.folders.ownPhotosFolder};
    QString failure;
    if (!JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, lists, chosen, pictures,
                             &failure, progress))
        return Notice::error(failure, 3);
    return Notice::hint(JsonLdExport::doneText(int(chosen.size())), 1);
}
