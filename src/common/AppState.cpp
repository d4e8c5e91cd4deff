#include "common/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// The device of a folder, or of its nearest existing parent; -1 when none can be found.
qint64 deviceOf(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    for (int guard = 0; guard < 64 && !path.isEmpty(); ++guard) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0)
            return qint64(st.st_dev);
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return -1;
}

} // namespace

AppState::AppState() {
    // The substitutes file names ingredients: whenever their names are read again, so is the file.
    QObject::connect(&catalogue, &Catalogue::changed, &catalogue, [this](int kind) {
        if (kind == Catalogue::Ingredients)
            settings.resolveSubstitutes(catalogue.ingredients().zutatliste);
    });
}

void AppState::loadForBars(const QString& dataFolder, TApollo& ingredients) {
    folders.dataFolder = dataFolder;
    catalogue.setIngredients(Catalogue::readIngredients(ingredients));
    loadBarRules();
}

void AppState::loadBarRules() {
    settings.useBar(BarSettings::load(barSettingsPath()));
    settings.useSubstitutes(SubstituteFile::load(substitutesPath()), catalogue.ingredients().zutatliste);
}

bool AppState::sameFileSystem(const QString& a, const QString& b) {
    const qint64 da = deviceOf(a);
    return da >= 0 && da == deviceOf(b) && QFileInfo::exists(QDir::cleanPath(b));
}

void AppState::probeMedium() {
    run.cdPresent =
        QFileInfo::exists(FolderLookup::find(folders.cdFolder, QStringLiteral("DATEN/AUTORUN.ICO")));
    run.photosUnavailable = sameFileSystem(folders.picturesFolder, folders.cdFolder) && !run.cdPresent;
    // The read-only attribute of the original: VE.DAT without the owner's write permission.
    const QFileInfo lists(listsPath());
    run.readOnly = lists.exists() && !(lists.permissions() & QFile::WriteOwner);
    if (run.readOnly)
        folders.useMediumPictures();
}

void AppState::applyLowColourOverrides() {
    if (run.colourDepth > 8)
        return;
    OptionsRecord& options = settings.changeOptions();
    options.set(OptionsRecord::Motif, 7);
    options.set(OptionsRecord::HiColorIcons, 0);
    options.set(OptionsRecord::BackgroundGraphic, 0);
}
