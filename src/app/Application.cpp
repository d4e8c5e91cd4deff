#include "app/Application.h"

#include "app/Installer.h"
#include "app/IntroForm.h"
#include "app/PlatformFolders.h"
#include "app/ProgramHelp.h"
#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "app/TMain.h"
#include "app/TerminationSignals.h"
#include "common/AppState.h"
#include "store/AtomicFile.h"
#include "store/SavedSearches.h"
#include "ui/Meldungsfenster.h"
#include "ui/MidiPlayer.h"
#include "ui/ProgramFonts.h"
#include "ui/SoundQueue.h"
#include "ui/TMeldungDialog.h"
#include "ui/TWartenDialog.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <optional>

namespace {

// Said once, at the start; the file is moved aside so that no later save overwrites what may still
// be rescued from it.
void reportDamagedSearches(const AppState& state) {
    const QString path = state.savedSearchesPath();
    QString text = QStringLiteral("Die Datei der gespeicherten Suchen ist beschädigt:\r%1\r").arg(path);
    if (state.run.readOnly) {
        text += QStringLiteral("Die Suchplätze bleiben leer.");
    } else if (const QString aside = AtomicFile::setAside(path); !aside.isEmpty()) {
        text += QStringLiteral("Sie wurde unter diesem Namen beiseitegelegt, die Suchplätze sind leer:\r%1")
                    .arg(aside);
    } else {
        text +=
            QStringLiteral("Sie konnte nicht beiseitegelegt werden und wird beim nächsten Speichern einer "
                           "Suche ersetzt.");
    }
    Meldungsfenster::show(Notice::error(text, 5));
}

// An installed program sets up the user's data from its read-only image at the first start; the
// notice is shown once the main window is up. Empty: nothing was set up.
std::optional<Notice> setUpFirstStart(const Application::Paths& paths) {
    const Installer::Paths install{paths.executableFolder, paths.firstStartFolder, paths.iniPath};
    if (paths.firstStartFolder.isEmpty() || Installer::isInstalled(install))
        return std::nullopt;
    Installer installer;
    if (installer.install(install) == Installer::Result::Installed)
        return Notice::hint(
            QStringLiteral("Willkommen bei Velta Cocktails 98!\rIhre Daten wurden eingerichtet "
                           "in:\r%1\rDort speichert das Programm Ihre Rezepte, Hausbars, "
                           "Einstellungen und eigenen Fotos.")
                .arg(QDir::toNativeSeparators(paths.firstStartFolder)),
            5);
    return Notice::error(
        QStringLiteral("Ihre Daten konnten nicht eingerichtet werden:\r%1\rDie mitgelieferten "
                       "Daten lassen sich nur lesen.")
            .arg(installer.errorText()),
        5);
}

} // namespace

int Application::colourDepth() {
    bool ok = false;
    const int forced = qEnvironmentVariableIntValue("VELTA98_COLOUR_DEPTH", &ok);
    if (ok)
        return forced;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

void Application::prepare() {
    QApplication::setApplicationName(QStringLiteral("Velta Cocktails 98"));
    QApplication::setStyle(QStringLiteral("Windows"));
    ProgramFonts::registerFonts();
    ProgramFonts::applyUiFont();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velta/app/velta98.png")));
    static QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
}

int Application::run(int& argc, char** argv) {
    // Answered before any window system is needed, so they work in a terminal without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const QString text =
            ProgramHelp::answer(QStringLiteral("velta98"), arguments, ProgramHelp::programHelp());
        !text.isEmpty()) {
        QTextStream(stdout) << text;
        return 0;
    }
    QApplication app(argc, argv);
    prepare();
    SingleInstance instance(QStringLiteral("velta98-") +
                            qEnvironmentVariable("USER", QStringLiteral("user")));
    if (!instance.claim())
        return 0;
    // The devices of the real run; without them the program runs silently.
    SoundQueue waves(SoundQueue::defaultDevice());
    SoundBackend* previousBackend = SoundBackend::setCurrent(&waves);
    MidiPlayer music;
    const QStringList args = QApplication::arguments().mid(1);
    const QString executableFolder = QApplication::applicationDirPath();
    Paths paths{PlatformFolders::iniPath(), PlatformFolders::imageFolder(executableFolder), {}};
    if (PlatformFolders::isInstalledImage(executableFolder))
        paths.firstStartFolder = PlatformFolders::defaultProgramFolder();
    const int result = start(paths, args, true, &instance, &music);
    SoundBackend::setCurrent(previousBackend);
    return result;
}

// Open dialogs are cancelled one by one, each given time to return from its command, then the main
// window closes as if the user had closed it.
void Application::closeEverything(QWidget& main) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        QTimer::singleShot(50, &main, [&main] { closeEverything(main); });
        return;
    }
    main.close();
}

int Application::start(const Paths& paths, const QStringList& switchArguments, bool enterLoop,
                       SingleInstance* instance, BackgroundMusic* music) {
    // From the first moment: a signal during the start-up must not kill the program half-way, it
    // is kept and ends the program once the main window is up.
    TerminationSignals termination;
    const std::optional<Notice> firstStart = setUpFirstStart(paths);
    ProgramWindows w(StartupFolders::derive(paths.iniPath, paths.executableFolder), music);
    AppState& state = w.state;
    state.switches = Switches::parse(switchArguments);
    state.run.colourDepth = colourDepth();
    IntroForm intro(state.folders.dataFolder, state.run.colourDepth);
    if (!intro.failed()) {
        intro.show();
        intro.repaint();
        QApplication::processEvents();
    }
    QApplication::setApplicationDisplayName(QStringLiteral("Velta Cocktails 98"));
    TMeldungDialog message(w.context, &w.main);
    Meldungsfenster::setDialog(&message);
    TWartenDialog wait(w.context, &w.main);
    if (instance)
        QObject::connect(instance, &SingleInstance::activationRequested, &w.main, &TMain::bringToFront);
    bool damagedSearches = false;
    state.savedSearches = SavedSearches::load(state.savedSearchesPath(), &damagedSearches);
    state.savedSearchTexts = SavedSearchTexts::load(state.savedSearchTextsPath());
    const bool created = w.main.create();
    intro.hide();
    if (!created) {
        Meldungsfenster::setDialog(nullptr);
        return 1;
    }
    w.main.show();
    // Connected before the notices: a signal while one of them waits for its OK closes it too.
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &w.main,
                     [&w] { closeEverything(w.main); });
    if (firstStart)
        Meldungsfenster::show(*firstStart);
    if (damagedSearches)
        reportDamagedSearches(state);
    if (termination.requested()) // closing needs the running loop to end it
        QTimer::singleShot(0, &w.main, [&w] { closeEverything(w.main); });
    const int result = enterLoop ? QApplication::exec() : 0;
    Meldungsfenster::setDialog(nullptr);
    return result;
}
