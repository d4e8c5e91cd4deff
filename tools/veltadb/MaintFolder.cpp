#include "MaintFolder.h"

#include "editors/AlcoholRecompute.h"
#include "store/ListsFile.h"
#include "store/OptionsRecord.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

MaintFolder::MaintFolder(const QString& dataFolder, bool writing)
    : sources{tables.ApolloRezepte, tables.ApolloZutaten, 12, {}, false} {
    const QString folder = withSeparator(QDir(dataFolder).absolutePath());
    listsPath = folder + QStringLiteral("VE.DAT");
    const QFileInfo lists(listsPath);
    m_readOnly = lists.exists() && !(lists.permissions() & QFile::WriteOwner);
    tables.openMainTables(folder, m_readOnly || !writing);
    ListsFile::load(listsPath, &categories, &tastes);
    const OptionsRecord options = OptionsRecord::load(folder + QStringLiteral("OPTION.CFG"));
    sources.dashesPerCl = options.get(OptionsRecord::DashesPerCl);
    sources.ownPhotosFolder =
        withSeparator(QDir::cleanPath(folder + QStringLiteral(".."))) + QStringLiteral("EIGENE/");
    // A strength change cut off before every recipe had its value is finished before anything else.
    if (writing && !m_readOnly)
        AlcoholRecompute::finishPending(tables.ApolloRezepte, tables.ApolloZutaten, sources.dashesPerCl);
}

QString MaintFolder::readOnlyText() {
    return QStringLiteral("Diese Funktion ist gesperrt: die Daten sind schreibgeschützt.");
}
