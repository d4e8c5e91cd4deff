#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "VeltadbRun.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/gui/HomeBarCommand.h"
#include "assistants/gui/NearMissCommand.h"
#include "common/ShownRecipes.h"
#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

// The home bar dialog as the user meets it: opened by its command on the shipped data, driven by
// keys and clicks, its answers captured and checked after the dialog closed.
class TestHomeBarDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    // Runs the command; `act` drives the open dialog, then the dialog is closed by `close`.
    void runWithDialog(const std::function<void(THausbardialog&)>& act) {
        THausbardialog& dialog = m_w->main.dialogs().get<HomeBarCommand>().dialog;
        QTimer::singleShot(0, &dialog, [&dialog, act] { act(dialog); });
        m_w->main.commands->run(QStringLiteral("Hausbar"));
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    void typingEnterAndOkStoreTheIngredient() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        QString typedName;
        QString fieldAfterEnter;
        int barCount = -1;
        runWithDialog([&](THausbardialog& dialog) {
            QTest::mouseClick(dialog.noti->tabBar(), Qt::LeftButton, {},
                              dialog.noti->tabBar()->tabRect(1).center());
            QTest::keyClicks(dialog.Editfeld, QStringLiteral("gin"));
            QTest::keyClick(dialog.Editfeld, Qt::Key_Down);
            typedName = dialog.zlistbox->currentText().trimmed();
            QTest::keyClick(dialog.Editfeld, Qt::Key_Return);
            fieldAfterEnter = dialog.Editfeld->text();
            barCount = dialog.hlistbox[1]->count();
            QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
        });
        QCOMPARE(barCount, 1);
        QCOMPARE(fieldAfterEnter, typedName);
        QCOMPARE(answers.lastText(), HomeBarStore::saveQuestion());
        const HomeBarTable& table = m_w->state.catalogue.ingredients().homeBars;
        QCOMPARE(table.count(2), 1);
        QCOMPARE(m_w->state.catalogue.ingredients().homeBarLists[1].first().text, typedName);
    }

    // The basics page and the two switches: clicked, confirmed, saved beside the tables, in use at once.
    void switchesAndBasicsReachTheSettings() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        bool presetsOnBasics = true;
        int basicsBefore = -1;
        int basicsAfter = -1;
        runWithDialog([&](THausbardialog& dialog) {
            QTest::mouseClick(dialog.noti->tabBar(), Qt::LeftButton, {},
                              dialog.noti->tabBar()->tabRect(HomeBarSession::kBasicsPage).center());
            presetsOnBasics = dialog.VButton->isEnabled();
            basicsBefore = dialog.basicsList->count();
            QTest::keyClicks(dialog.Editfeld, QStringLiteral("minze"));
            QTest::mouseClick(dialog.HinzuButton, Qt::LeftButton);
            basicsAfter = dialog.basicsList->count();
            QTest::mouseClick(dialog.substitutesBox, Qt::LeftButton, {}, QPoint(8, 11));
            QTest::mouseClick(dialog.alwaysAtHomeBox, Qt::LeftButton, {}, QPoint(8, 11));
            QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
        });
        QVERIFY(!presetsOnBasics);
        QCOMPARE(basicsBefore, BarSettings::defaultBasics().size());
        QCOMPARE(basicsAfter, basicsBefore + 1);
        QCOMPARE(answers.lastText(), HomeBarStore::saveQuestion());
        const BarSettings& s = m_w->state.settings.bar();
        QVERIFY(s.allowSubstitutes && s.alwaysAtHome);
        QVERIFY(s.hasBasic(3)); // Minze
        QCOMPARE(BarSettings::load(m_w->state.barSettingsPath()), s);
        QVERIFY(m_w->state.barCoverage().present(2).test(3)); // an empty bar has the basics
    }

    void presetThenCancelLeavesTheTablesAlone() {
        MessageBoxAnswerer answers;
        int presetCount = 0;
        runWithDialog([&](THausbardialog& dialog) {
            dialog.VorgabePopup->actions().at(2)->trigger(); // Basis
            presetCount = dialog.hlistbox[0]->count();
            QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        });
        QCOMPARE(presetCount, 28);
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(m_w->state.catalogue.ingredients().homeBars.count(1), 0);
    }

    // "Fast mixbar" from the home bar: the drinks the saved bar is short of, as many as veltadb
    // lists; "zwei" adds those two short; double-click on a drink shows it in the main window.
    void nearMissesFromTheHomeBar() {
        NearMissDialog& near = m_w->main.dialogs().get<NearMissCommand>().dialog;
        QString heading;
        int oneShort = 0;
        int twoShort = 0;
        int chosen = 0;
        const auto drinks = [&] {
            int n = 0;
            for (const ListEntry& e : near.Liste->entries())
                n += e.data > 0 ? 1 : 0;
            return n;
        };
        runWithDialog([&](THausbardialog& dialog) {
            UserInput::whileOpen<NearMissDialog>(near, [&](NearMissDialog& d) {
                heading = d.Ueberschrift->text();
                oneShort = drinks();
                QTest::mouseClick(d.ZweiBox, Qt::LeftButton);
                twoShort = drinks();
                const int row = 1; // the first drink, under its group's line
                chosen = d.Liste->entries().at(row).data;
                const QRect r = d.Liste->visualRect(d.Liste->model()->index(row, 0));
                QTest::mousePress(d.Liste->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseRelease(d.Liste->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(d.Liste->viewport(), Qt::LeftButton, {}, r.center());
            });
            QTest::mouseClick(dialog.FastMixbarButton, Qt::LeftButton);
            QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        });
        const QString folder = m_w->state.folders.dataFolder;
        const VeltadbRun one = VeltadbRun::of({u"fastmixbar"_s, folder, u"1"_s});
        const VeltadbRun two = VeltadbRun::of({u"fastmixbar"_s, folder, u"1"_s, u"2"_s});
        QCOMPARE(one.code, 0);
        QCOMPARE(oneShort, int(one.out.count(u'\n')));
        QCOMPARE(twoShort, int(two.out.count(u'\n')));
        QVERIFY(twoShort > oneShort);
        QVERIFY2(heading.contains(u"Hausbar Nr. 1"_s), qPrintable(heading));
        QVERIFY(chosen > 0);
        QCOMPARE(m_w->main.recipes().CurrentRecNo(), chosen);
    }
};

VELTA_TEST_MAIN_GUI(TestHomeBarDialog)
#include "tst_homebardialog.moc"
