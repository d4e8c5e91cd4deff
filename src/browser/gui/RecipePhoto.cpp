#include "browser/gui/RecipePhoto.h"

#include "common/AppState.h"
#include "store/PhotoPath.h"

#include <QPixmap>

RecipePhoto::RecipePhoto(const AppState& state, QWidget* parent) : QLabel(parent), m_state(state) {
    setFixedSize(140, 200);
    setScaledContents(false);
}

QString RecipePhoto::photoFile(const AppState& state, const QString& photoName, bool collectionPhoto) {
    if (state.run.photosUnavailable || state.settings.options().get(OptionsRecord::Photos) == 0)
        return {};
    return collectionPhoto ? PhotoPath::forRecipe(photoName, QString(), state.folders.picturesFolder, {})
                           : PhotoPath::forRecipe(QString(), photoName, {}, state.folders.ownPhotosFolder);
}

bool RecipePhoto::show(const QString& file, bool sizeTest) {
    QPixmap picture;
    if (file.isEmpty() || !picture.load(file))
        return false;
    if (!sizeTest || picture.size() != QSize(140, 200))
        picture = picture.scaled(140, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    setPixmap(picture);
    return true;
}

void RecipePhoto::LoadPhoto(const QString& photoName, bool collectionPhoto) {
    const bool hiColour = m_state.run.colourDepth >= 16;
    const QString file = photoFile(m_state, photoName, collectionPhoto);
    if (!file.isEmpty()) {
        if (file == m_lastFile && !m_default)
            return;
        if (show(file, hiColour)) {
            m_lastFile = file;
            m_default = false;
            return;
        }
    }
    // A missing or damaged photo shows the default picture, never the previous drink's photo.
    if (!m_default) { // errors of the default picture are ignored
        const QString fallback =
            PhotoPath::resolve(m_state.folders.dataFolder, QStringLiteral("DEFAULT.BMP"));
        if (!show(fallback, hiColour))
            clear();
        m_lastFile = fallback;
        m_default = true;
    }
}

void RecipePhoto::NeutralPhoto(bool on) {
    if (m_state.run.colourDepth >= 16)
        return;
    if (on)
        show(PhotoPath::resolve(m_state.folders.dataFolder, QStringLiteral("DEF16.BMP")), false);
    else
        show(m_lastFile, false);
}
