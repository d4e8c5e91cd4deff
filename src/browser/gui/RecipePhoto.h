#pragma once

#include <QLabel>

struct AppState;

// The recipe photo (`FotoImageHi` / `FotoImageLo` in one): the collection or own photo of the
// shown recipe, the default picture when there is none, exactly 140 × 200 shown unscaled and any
// other size stretched (always stretched below 16-bit colour).
class RecipePhoto : public QLabel {
    Q_OBJECT
public:
    explicit RecipePhoto(const AppState& state, QWidget* parent = nullptr);

    // The photo of a loaded recipe (`PhotoName` and whether it is a collection photo).
    void LoadPhoto(const QString& photoName, bool collectionPhoto);
    // On: below 16-bit colour the neutral picture shows while a dialog with pictures is open.
    void NeutralPhoto(bool on);
    QString lastFile() const { return m_lastFile; }
    bool showsDefault() const { return m_default; }
    static QString photoFile(const AppState& state, const QString& photoName, bool collectionPhoto);

private:
    bool show(const QString& file, bool sizeTest);
    const AppState& m_state;
    QString m_lastFile;
    bool m_default = false;
};
