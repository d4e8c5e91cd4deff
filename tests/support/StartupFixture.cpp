#include "StartupFixture.h"

#include "app/ProgramWindows.h"

#include <QDir>
#include <QFile>
#include <QImage>

QColor StartupFixture::skinColour(char suffix) {
    switch (suffix) {
    case 'O':
        return QColor(200, 40, 40);
    case 'U':
        return QColor(40, 200, 40);
    case 'R':
        return QColor(40, 40, 200);
    default:
        return QColor(200, 200, 40);
    }
}

void StartupFixture::writeSkins(const QString& dataFolder) {
    const char* skins[] = {"ORIENT_F", "ORIENT_D", "BEACH_F", "BEACH_D", "TOP2_F",
                           "TOP_D",    "BEACH2_F", "TOP_F",   "LOW_F",   "LOW_D"};
    for (const char* skin : skins) {
        for (char suffix : {'O', 'U', 'R', 'L'}) {
            const QSize size = suffix == 'O' ? QSize(64, 44) : suffix == 'U' ? QSize(64, 11) : QSize(12, 64);
            QImage image(size, QImage::Format_RGB888);
            image.fill(skinColour(suffix));
            image.save(dataFolder + QLatin1Char('/') + QString::fromLatin1(skin) + QLatin1Char(suffix) +
                           QStringLiteral(".BMP"),
                       "BMP");
        }
    }
}

bool StartupFixture::make(const QString& programFolder) {
    const QString data = programFolder + QStringLiteral("/DATEN");
    QDir().mkpath(data);
    QDir().mkpath(programFolder + QStringLiteral("/BILDER"));
    for (const char* name : {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT", "DE.DBF", "DE.SMT", "BA.DBF", "BA.SMT",
                             "V98_D.DBF", "V98_D.DBT", "VE.DAT", "ERSATZ.TXT", "ALIAS.TXT", "MERKMALE.TXT"}) {
        const QString target = data + QLatin1Char('/') + QString::fromLatin1(name);
        if (!QFile::copy(QStringLiteral(VELTA_IMAGE_DIR "/DATEN/") + QString::fromLatin1(name), target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    QImage photo(140, 200, QImage::Format_RGB888);
    photo.fill(Qt::gray);
    photo.save(data + QStringLiteral("/DEFAULT.BMP"), "BMP");
    writeSkins(data);
    for (const char* prefix : {"K1_", "K2_", "K3_"}) {
        for (const auto& [suffix, colour] :
             {std::pair{"D", QColor(30, 30, 60)}, std::pair{"H", QColor(240, 235, 220)}}) {
            QImage tile(16, 16, QImage::Format_RGB888);
            tile.fill(colour);
            tile.save(data + QLatin1Char('/') + QString::fromLatin1(prefix) + QString::fromLatin1(suffix) +
                          QStringLiteral(".BMP"),
                      "BMP");
        }
    }
    return true;
}

std::unique_ptr<ProgramWindows> StartupFixture::showProgram(const QString& programFolder, bool writable) {
    if (!make(programFolder))
        return nullptr;
    auto windows = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(programFolder));
    if (!windows->main.create())
        return nullptr;
    if (writable)
        windows->state.run.readOnly = false;
    windows->main.show();
    return windows;
}

void StartupFixture::closeProgram(std::unique_ptr<ProgramWindows>& windows) {
    if (windows)
        windows->main.close();
    windows.reset();
}
