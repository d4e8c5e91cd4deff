#include "exchange/StagedTables.h"

#include "common/RecipeBook.h"
#include "exchange/DataFileCopy.h"
#include "store/FolderLookup.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Ingredients first: should the replacement be cut short, new ingredients without the recipes
// that use them do no harm.
const QStringList kDataFiles = {QStringLiteral("ZU.DBF"), QStringLiteral("ZU.SMT"), QStringLiteral("RE.DBF"),
                                QStringLiteral("RE.SMT")};

// Beside the data, so that each replacement is a rename on one file system.
QString stagingFolder(const QString& dataFolder) {
    const QFileInfo data(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()));
    return QDir(data.absolutePath())
        .filePath(QStringLiteral(".") + data.fileName() + QStringLiteral(".import"));
}

} // namespace

StagedTables::StagedTables(TApolloEnv& env, const QString& dataFolder)
    : m_data(dataFolder), m_path(stagingFolder(dataFolder)), m_recipeTable(env), m_ingredientTable(env),
      m_recipes(m_recipeTable), m_ingredients(m_ingredientTable) {
    QDir(m_path).removeRecursively();
    if (!QDir().mkpath(m_path))
        throw StoreError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(m_path));
    for (const QString& name : kDataFiles)
        if (!DataFileCopy::CopyDataFile(FolderLookup::find(dataFolder, name), file(name)))
            throw StoreError(QStringLiteral("Die Datei %1 kann nicht kopiert werden.").arg(name));
    m_recipeTable.Open(m_path, QStringLiteral("RE"), false);
    m_ingredientTable.Open(m_path, QStringLiteral("ZU"), false);
}

StagedTables::~StagedTables() {
    try {
        m_recipeTable.Close();
        m_ingredientTable.Close();
    } catch (...) { // the copies are thrown away anyway
    }
    QDir(m_path).removeRecursively();
}

QString StagedTables::file(const QString& name) const {
    return QDir(m_path).filePath(name);
}

QSet<QString> StagedTables::recipeNames() {
    QSet<QString> names;
    for (m_recipes.GoTop(); !m_recipes.Eof(); m_recipes.Skip(1))
        if (!m_recipes.IsDeleted())
            names.insert(nameKey(RecipeBook::name(m_recipes)));
    return names;
}

void StagedTables::replaceData() {
    m_recipeTable.Close();
    m_ingredientTable.Close();
    for (const QString& name : kDataFiles) {
        const QString destination = FolderLookup::find(m_data, name);
        QFile::remove(destination);
        if (!QFile::rename(file(name), destination))
            throw StoreError(QStringLiteral("Die Datei %1 kann nicht ersetzt werden.").arg(name));
    }
}
