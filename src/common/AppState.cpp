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

void AppState::loadBarRules() {
    barSettings = BarSettings::load(barSettingsPath());
    substituteFile = SubstituteFile::load(substitutesPath());
    resolveSubstitutes();
}

Result AppState::saveBarSettings(const BarSettings& changed) {
    if (startedFromCd)
        return Result::refused(Notice::readOnly());
    if (changed == barSettings)
        return Result::ok();
    if (!changed.save(barSettingsPath()))
        return Result::refused(Notice::error(
            QStringLiteral("Die Einstellungen der Hausbar konnten nicht in „%1“ geschrieben werden.")
                .arg(QDir::toNativeSeparators(barSettingsPath())),
            2));
    barSettings = changed;
    return Result::ok();
}

bool AppState::sameFileSystem(const QString& a, const QString& b) {
    const qint64 da = deviceOf(a);
    return da >= 0 && da == deviceOf(b) && QFileInfo::exists(QDir::cleanPath(b));
}

void AppState::probeMedium() {
    cdPresent = QFileInfo::exists(FolderLookup::find(folders.cdFolder, QStringLiteral("DATEN/AUTORUN.ICO")));
    photosUnavailable = sameFileSystem(folders.picturesFolder, folders.cdFolder) && !cdPresent;
    // The read-only attribute of the original: VE.DAT without the owner's write permission.
    const QFileInfo lists(listsPath());
    startedFromCd = lists.exists() && !(lists.permissions() & QFile::WriteOwner);
    if (startedFromCd)
        folders.useMediumPictures();
}

void AppState::applyLowColourOverrides() {
    if (colourDepth > 8)
        return;
    options.set(OptionsRecord::Motif, 7);
    options.set(OptionsRecord::HiColorIcons, 0);
    options.set(OptionsRecord::BackgroundGraphic, 0);
}
