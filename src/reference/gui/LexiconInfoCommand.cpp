#include "reference/gui/LexiconInfoCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"

LexiconInfoCommand::LexiconInfoCommand(const DialogServices& services)
    : dialog(services.context, services.parent), m_state(services.state), m_terms(services.tables.ApolloLex),
      m_decorations(services.tables.ApolloDeko) {}

void LexiconInfoCommand::showTerm(int recNo) {
    show(m_terms, recNo, LexiconPicture::Kind::Term);
}

void LexiconInfoCommand::showDecoration(int recNo) {
    show(m_decorations, recNo, LexiconPicture::Kind::Decoration);
}

void LexiconInfoCommand::show(TApollo& table, int recNo, LexiconPicture::Kind kind) {
    const std::optional<LexiconArticle> article = LexiconArticle::read(
        table, recNo, kind, {m_state.folders.picturesFolder, m_state.folders.dataFolder});
    if (!article)
        return;
    dialog.setArticle(*article);
    dialog.exec();
}
