#include "MessageBoxAnswerer.h"
#include "SilentSoundBackend.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/gui/HomeBarCommand.h"
#include "print/gui/PrintCommand.h"
#include "search/gui/SearchCommand.h"

#include <QTimer>

using namespace Qt::StringLiterals;

// The program's own sounds end to end: the commands ask, the options and the start-up flags decide,
// and the backend (silent here) receives the clips in order.
class TestProgramSounds : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<SilentSoundBackend> m_sound;
    std::unique_ptr<ProgramWindows> m_w;

private slots:
    void init() {
        m_sound = std::make_unique<SilentSoundBackend>();
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()));
        QVERIFY(m_w->main.create());
        m_w->state.run.readOnly = false;
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
        m_sound.reset();
    }

    void nothingBeforeTheMainWindowIsShown() {
        m_w->main.commands->run(u"MarkAktuell"_s);
        QVERIFY(m_sound->played().isEmpty());
        m_w->main.show();
        QVERIFY(m_w->state.run.waveAvailable); // the backend has an output
        m_w->main.commands->run(u"MarkAktuell"_s);
        QCOMPARE(m_sound->playedNumbers(), QList<int>{6});
        QCOMPARE(m_sound->played().first(), m_w->state.folders.soundFolder + u"6.WAV"_s);
    }

    void markingAndTheHomeBarPlayTheirNoises() {
        m_w->main.show();
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        m_w->main.commands->run(u"MarkAlle"_s);
        m_w->main.commands->run(u"MarkAufheben"_s); // answered "no": nothing happens, no noise
        THausbardialog& bar = m_w->main.dialogs().get<HomeBarCommand>().dialog;
        QTimer::singleShot(50, &bar, [&bar] { bar.reject(); });
        m_w->main.commands->run(u"Hausbar"_s);
        QCOMPARE(m_sound->playedNumbers(), (QList<int>{6, 8}));
    }

    // Every window plays by the same rule: any value of "Geräusche" but 0 lets the noise play,
    // 0 silences it, in the search as in the print dialog.
    void oneRuleForEveryWindow_data() {
        QTest::addColumn<int>("noises");
        QTest::newRow("an") << 1;
        QTest::newRow("anderer Wert") << 2;
        QTest::newRow("aus") << 0;
    }
    void oneRuleForEveryWindow() {
        QFETCH(int, noises);
        m_w->main.show();
        m_w->state.settings.changeOptions().set(OptionsRecord::Noises, quint8(noises));
        m_w->main.dialogs().get<SearchCommand>().clear(); // "Suchkriterien aufheben": noise 3
        PrintCommand& print = m_w->main.dialogs().get<PrintCommand>();
        bool active = false;
        QTimer::singleShot(50, &print.dialog, [&print, &active] {
            print.dialog.activateWindow();
            active = QTest::qWaitFor([&print] { return print.dialog.isActiveWindow(); }, 5000);
            print.dialog.reject();
        });
        m_w->main.commands->run(u"DruckenAktuell"_s);
        QVERIFY(active);
        QCOMPARE(m_sound->playedNumbers(), noises ? (QList<int>{3, 31}) : QList<int>{});
    }

    void noisesOptionSilencesThem() {
        m_w->main.show();
        m_w->state.settings.changeOptions().set(OptionsRecord::Noises, 0);
        m_w->main.commands->run(u"MarkAktuell"_s);
        QVERIFY(m_sound->played().isEmpty());
    }

    void noOutputNoSound() {
        struct Mute : SilentSoundBackend {
            bool isAvailable() const override { return false; }
        } mute;
        m_w->main.show();
        QVERIFY(!m_w->state.run.waveAvailable);
        m_w->main.commands->run(u"MarkAktuell"_s);
        QVERIFY(mute.played().isEmpty());
        QVERIFY(m_sound->played().isEmpty());
    }
};

VELTA_TEST_MAIN_GUI(TestProgramSounds)
#include "tst_programsounds.moc"
