#pragma once

#include "common/DataTables.h"
#include "editors/RecipeSources.h"

#include <QStringList>

// A data folder opened for the maintenance verbs as the program opens it: the four tables, the
// category and taste lists, the dash divisor and the own-photos folder beside it.
class MaintFolder {
public:
    // Throws StoreError when the tables cannot be opened. A verb that only reads opens them
    // read-only, so that it works while the program has them open.
    explicit MaintFolder(const QString& dataFolder, bool writing = true);

    // The data folder of a read-only installation (VE.DAT not writable) is refused, as in the program.
    bool readOnly() const { return m_readOnly; }
    static QString readOnlyText();

    DataTables tables;
    QStringList categories;
    QStringList tastes;
    RecipeSources sources;
    QString listsPath;

private:
    bool m_readOnly = false;
};
