#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "app/Installer.h"
#include "app/PlatformFolders.h"
#include "store/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>

class TestInstaller : public QObject {
    Q_OBJECT

    TempDataFolder m_root;
    Installer::Paths m_paths;

private slots:
    void init() {
        m_paths = {m_root.filePath(QStringLiteral("image")), m_root.filePath(QStringLiteral("home/velta98")),
                   m_root.filePath(QStringLiteral("config/VELTA98.INI"))};
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
        QVERIFY(TestFiles::writeAll(m_paths.imageFolder + QStringLiteral("/DATEN/VE.DAT"), "liste"));
        QVERIFY(TestFiles::writeAll(m_paths.imageFolder + QStringLiteral("/BILDER/05/517.BMP"), "bild"));
        QFile::setPermissions(m_paths.imageFolder + QStringLiteral("/DATEN/VE.DAT"), QFile::ReadOwner);
    }

    void installsWritableCopyAndIni() {
        Installer installer;
        QCOMPARE(installer.install(m_paths), Installer::Result::Installed);
        const QString data = m_paths.programFolder + QStringLiteral("/DATEN/VE.DAT");
        QCOMPARE(TestFiles::readAll(data), QByteArray("liste"));
        QVERIFY(QFile::permissions(data) & QFile::WriteOwner);
        QCOMPARE(TestFiles::readAll(m_paths.programFolder + QStringLiteral("/BILDER/05/517.BMP")),
                 QByteArray("bild"));
        QVERIFY(QDir(m_paths.programFolder + QStringLiteral("/EIGENE")).exists());
        IniFile ini;
        QVERIFY(ini.load(m_paths.iniPath));
        const QString program = QFileInfo(m_paths.programFolder).absoluteFilePath() + QLatin1Char('/');
        QCOMPARE(ini.value(QStringLiteral("VERZEICHNISSE"), QStringLiteral("PROGRAMM")), program);
        QCOMPARE(ini.value(QStringLiteral("VERZEICHNISSE"), QStringLiteral("SOUND")), program);
        QVERIFY(!QFileInfo::exists(m_paths.programFolder + QStringLiteral(".setup-tmp")));
    }

    // A rebuild runs the setup again: what the user entered must survive it.
    void secondRunLeavesInstallationUntouched() {
        QCOMPARE(Installer().install(m_paths), Installer::Result::Installed);
        const QString data = m_paths.programFolder + QStringLiteral("/DATEN/VE.DAT");
        QVERIFY(TestFiles::writeAll(data, "vom Benutzer geändert"));
        QVERIFY(TestFiles::writeAll(m_paths.imageFolder + QStringLiteral("/DATEN/NEU.DAT"), "neu"));
        QProcess setup;
        setup.setProgram(QStringLiteral(VELTA_IMAGE_DIR "/velta98-setup"));
        setup.setArguments({QStringLiteral("--target"), m_paths.programFolder});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELTA98_WINDIR"), QFileInfo(m_paths.iniPath).absolutePath());
        setup.setProcessEnvironment(env);
        setup.start();
        QVERIFY(setup.waitForFinished(30000));
        QCOMPARE(setup.exitCode(), 0);
        QCOMPARE(TestFiles::readAll(data), QByteArray("vom Benutzer geändert"));
        QVERIFY(!QFileInfo::exists(m_paths.programFolder + QStringLiteral("/DATEN/NEU.DAT")));
    }

    // The build runs the program beside its image; a package puts it in PREFIX/bin and the image in
    // PREFIX/share/velta98.
    void findsTheImageBesideOrUnderShare() {
        const QString bin = m_root.filePath(QStringLiteral("usr/bin"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(PlatformFolders::imageFolder(bin), bin);
        QVERIFY(!PlatformFolders::isInstalledImage(bin));
        const QString shared = m_root.filePath(QStringLiteral("usr/share/velta98"));
        QVERIFY(QDir().mkpath(shared + QStringLiteral("/DATEN")));
        QCOMPARE(PlatformFolders::imageFolder(bin), QDir::cleanPath(shared));
        QVERIFY(PlatformFolders::isInstalledImage(bin));
        QVERIFY(!PlatformFolders::isInstalledImage(m_paths.imageFolder));
        QCOMPARE(PlatformFolders::imageFolder(m_paths.imageFolder), m_paths.imageFolder);
    }

    void refusesWithoutImageOrIntoForeignFolder() {
        Installer installer;
        Installer::Paths noImage = m_paths;
        noImage.imageFolder = m_root.filePath(QStringLiteral("nirgends"));
        QCOMPARE(installer.install(noImage), Installer::Result::Failed);
        QVERIFY(!installer.errorText().isEmpty());
        QVERIFY(!QFileInfo::exists(m_paths.iniPath));

        QVERIFY(TestFiles::writeAll(m_paths.programFolder + QStringLiteral("/fremd.txt"), "x"));
        QCOMPARE(installer.install(m_paths), Installer::Result::Failed);
        QCOMPARE(TestFiles::readAll(m_paths.programFolder + QStringLiteral("/fremd.txt")), QByteArray("x"));
        QVERIFY(!QFileInfo::exists(m_paths.iniPath));
    }
};

VELTA_TEST_MAIN_CORE(TestInstaller)
#include "tst_installer.moc"
