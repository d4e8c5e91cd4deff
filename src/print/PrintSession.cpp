#include "print/PrintSession.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/ListCollation.h"

#include <algorithm>
#include <optional>

PrintSession::PrintSession(AppState& state, DataTables& tables) : m_state(state), m_tables(tables) {}

void PrintSession::startSingleDrink(const ListEntry& drink) {
    m_mode = Mode::SingleDrink;
    settings.layout = PrintSettings::Layout::RecipeCard;
    m_candidates.clear();
    m_chosen = {drink};
    m_page = LayoutPage;
}

void PrintSession::startSeveralDrinks(const QList<ListEntry>& listed) {
    m_mode = Mode::SeveralDrinks;
    m_candidates = listed;
    ListCollation::sort(m_candidates);
    m_chosen.clear();
    m_page = ChoicePage;
}

QList<int> PrintSession::chosenRecNos() const {
    QList<int> recNos;
    for (const ListEntry& e : m_chosen)
        recNos.append(e.data);
    return recNos;
}

void PrintSession::add(QList<int> candidateRows) {
    std::sort(candidateRows.begin(), candidateRows.end());
    for (int row : candidateRows) {
        if (row >= 0 && row < m_candidates.size())
            m_chosen.append(m_candidates.at(row));
    }
}

int PrintSession::remove(int row) {
    if (row < 0 || row >= m_chosen.size())
        return m_chosen.isEmpty() ? -1 : 0;
    m_chosen.removeAt(row);
    if (m_chosen.isEmpty())
        return -1;
    return qMax(0, row - 1);
}

Result PrintSession::setPage(int page, int lines) {
    if (page == LayoutPage && m_mode == Mode::SeveralDrinks && m_chosen.isEmpty())
        return Result::refused(Notice::hint(noDrinksMessage(), lines));
    if (page == ChoicePage && !choicePageEnabled())
        return Result::refused(Notice::hint(noDrinksMessage(), lines));
    m_page = page;
    return Result::ok();
}

void PrintSession::setPreviewOpen(bool open) {
    m_state.run.previewOpen = open;
}

Result PrintSession::mayOutput() const {
    return m_state.run.mayWrite();
}

QList<PrintRecord> PrintSession::fillPrintTable(PrintTable::Progress* progress) {
    const QHash<int, int> stars = m_state.myDrinks.allStars();
    PrintRecordBuilder::Sources sources{m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_tables.ApolloDeko,
                                        m_state.catalogue.categories(), m_state.catalogue.tastes()};
    sources.stars = &stars;
    sources.unit = m_state.settings.shownUnit();
    std::optional<HomeBarTable::Test> mixable;
    if (settings.keepsOnlyMixable())
        mixable = m_state.barCoverage().test(settings.mixableBar, settings.mixablePurchases);
    PrintTable::fill(m_tables.ApolloHilf, m_state.folders.dataFolder, sources, chosenRecNos(), settings,
                     progress, mixable ? &*mixable : nullptr);
    return PrintTable::readAll(m_tables.ApolloEnv, m_state.folders.dataFolder);
}

// Without the photo collection the cards show the default picture.
PrintReports::PhotoFolders PrintSession::photoFolders() const {
    const StartupFolders& f = m_state.folders;
    if (m_state.run.photosUnavailable)
        return {QString(), QString(), f.dataFolder};
    return {f.picturesFolder, f.ownPhotosFolder, f.dataFolder};
}

QString PrintSession::okCaption() const {
    return m_page == LayoutPage ? QStringLiteral("&Drucken") : QStringLiteral("&Weiter");
}
