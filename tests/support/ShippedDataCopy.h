#pragma once

#include "TempDataFolder.h"
#include "common/Catalogue.h"
#include "common/DataTables.h"
#include "editors/ChoiceLists.h"
#include "exchange/ExchangeLists.h"
#include "store/ListsFile.h"

#include <QDir>
#include <QFile>

// A writable copy of the shipped tables and lists, and the names their numbers stand for.
namespace ShippedDataCopy {

inline bool make(const QString& folder) {
    QDir().mkpath(folder);
    for (const char* name :
         {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT", "DE.DBF", "DE.SMT", "BA.DBF", "BA.SMT", "VE.DAT"}) {
        const QString target = QDir(folder).filePath(QString::fromLatin1(name));
        if (!QFile::copy(QStringLiteral(VELTA_IMAGE_DIR "/DATEN/") + QString::fromLatin1(name), target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}

inline ExchangeLists lists(const QString& folder, DataTables& tables) {
    ExchangeLists lists;
    ListsFile::load(QDir(folder).filePath(QStringLiteral("VE.DAT")), &lists.categories, &lists.tastes);
    lists.decorations = Catalogue::readDecorations(tables.ApolloDeko);
    return lists;
}

} // namespace ShippedDataCopy
