#include "TempDataFolder.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/HomeBarSession.h"
#include "common/AppState.h"
#include "editors/ChoiceLists.h"

#include <QFile>

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

// The home bar dialog's flow on its session alone: no window, no message box.
class TestHomeBarSession : public QObject {
    Q_OBJECT

    std::unique_ptr<TestTables> m_tables;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<HomeBarSession> m_session;
    std::unique_ptr<TempDataFolder> m_dir;

    QString settingsPath() const { return m_dir->filePath(BarSettings::fileName()); }

    int rowOf(const QString& name) const {
        const Entries& all = m_session->ingredients();
        for (int row = 0; row < all.size(); ++row)
            if (all.at(row).text == name)
                return row;
        return -1;
    }
    void reopen() {
        m_state->catalogue.setIngredients(Catalogue::readIngredients(m_tables->zu()));
        m_session->begin();
    }

private slots:
    void init() {
        m_session.reset();
        m_tables.reset(); // one store environment at a time
        m_tables = std::make_unique<TestTables>();
        for (int n : {1, 2, 3})
            m_tables->addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n), .h1 = n == 2});
        m_tables->addIngredient({.number = 1600, .name = u"Eigene Zutat"_s});
        m_state = std::make_unique<AppState>();
        m_dir = std::make_unique<TempDataFolder>();
        m_state->folders.dataFolder = m_dir->path() + QLatin1Char('/');
        m_session = std::make_unique<HomeBarSession>(*m_state, m_tables->zu());
        reopen();
    }

    void openingShowsTheStoredBarsUnchanged() {
        QCOMPARE(m_session->ingredients().size(), 4);
        QCOMPARE(m_session->bar(0), (Entries{{u"Zutat 2"_s, 2}}));
        QVERIFY(!m_session->changed());
        QVERIFY(!m_session->okQuestion());
        QVERIFY(m_session->finish(true)); // nothing changed: nothing written, nothing refused
    }

    void addingRemovingAndPresetsMarkChanges() {
        m_session->showBar(1);
        const HomeBarSession::Added added = m_session->add(rowOf(u"Zutat 3"_s));
        QVERIFY(!added.refusal);
        QCOMPARE(m_session->bar(1), (Entries{{u"Zutat 3"_s, 3}}));
        QCOMPARE(added.select, 0);
        QVERIFY(m_session->changed());
        QCOMPARE(m_session->okQuestion()->caption, Notice::Caption::Question);
        QCOMPARE(m_session->remove(0), -1);
        QVERIFY(m_session->bar(1).isEmpty());
        QCOMPARE(m_session->remove(5), -1); // no such row: nothing happens
    }

    // The basics page edits like a bar; OK saves it with the two switches into the side file and
    // leaves the ingredient table alone. Basics no ingredient carries are dropped from the list.
    void basicsAndSwitchesAreSavedOnOk() {
        QCOMPARE(m_session->bar(HomeBarSession::kBasicsPage),
                 (Entries{{u"Zutat 1"_s, 1}, {u"Zutat 2"_s, 2}}));
        m_session->showBar(HomeBarSession::kBasicsPage);
        QVERIFY(!m_session->presetsEnabled());
        m_session->applyPreset(HomeBarPresets::Preset::Basis); // no presets for the basics
        QCOMPARE(m_session->bar(HomeBarSession::kBasicsPage).size(), 2);
        QVERIFY(!m_session->changed());
        m_session->add(rowOf(u"Zutat 3"_s));
        QCOMPARE(m_session->remove(0), 0);
        m_session->setAllowSubstitutes(true);
        QVERIFY(m_session->okQuestion());
        QVERIFY(m_session->finish(true));
        BarSettings expected;
        expected.allowSubstitutes = true;
        expected.basics = {2, 3};
        QCOMPARE(m_state->settings.bar(), expected);
        QCOMPARE(BarSettings::load(settingsPath()), expected);
        QCOMPARE(m_state->catalogue.ingredients().homeBars.count(1), 1); // the bars stay as they were
        QVERIFY(!m_session->changed());
    }

    // Switching on and off again is no change; cancel brings back what is in use.
    void switchesCancelAndNoChange() {
        m_session->setAlwaysAtHome(true);
        m_session->setAlwaysAtHome(false);
        QVERIFY(m_session->changed()); // toggled: the user may still want to confirm
        m_session->setAllowSubstitutes(true);
        QVERIFY(m_session->finish(false));
        QVERIFY(!m_session->allowSubstitutes());
        QCOMPARE(m_state->settings.bar(), BarSettings());
        QVERIFY(!QFile::exists(settingsPath()));
    }

    // Read-only: nothing is written, and the next opening shows what the user had entered.
    void readOnlyKeepsTheSwitches() {
        m_state->run.readOnly = true;
        m_session->showBar(HomeBarSession::kBasicsPage);
        m_session->empty();
        m_session->setAlwaysAtHome(true);
        const Result refused = m_session->finish(true);
        QVERIFY(!refused);
        QCOMPARE(refused.notice(), Notice::readOnly());
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(m_state->settings.bar(), BarSettings());
        reopen();
        QVERIFY(m_session->alwaysAtHome());
        QVERIFY(m_session->bar(HomeBarSession::kBasicsPage).isEmpty());
    }

    void anIngredientAbove1500IsRefused() {
        const HomeBarSession::Added added = m_session->add(rowOf(u"Eigene Zutat"_s));
        QVERIFY(added.refusal);
        QCOMPARE(*added.refusal, HomeBarSession::tooHighNotice());
        QCOMPARE(m_session->bar(0).size(), 1);
        QVERIFY(!m_session->changed());
    }

    void okStoresAndCancelRestores_data() {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("h1AfterReopen");
        QTest::newRow("OK") << true << QList<int>{1, 1, 0, 0};
        QTest::newRow("Abbrechen") << false << QList<int>{0, 1, 0, 0};
    }
    void okStoresAndCancelRestores() {
        QFETCH(bool, accepted);
        QFETCH(QList<int>, h1AfterReopen);
        m_session->add(rowOf(u"Zutat 1"_s));
        QVERIFY(m_session->finish(accepted));
        QCOMPARE(TestTables::fieldOfAll(m_tables->zu(), u"H1"_s), h1AfterReopen);
        QCOMPARE(m_state->catalogue.ingredients().homeBars.contains(1, 1), accepted);
        reopen();
        QCOMPARE(m_session->bar(0).size(), accepted ? 2 : 1);
        QVERIFY(!m_session->changed());
    }

    void readOnlyRefusesButKeepsTheEntriesForTheNextOpening() {
        m_state->run.readOnly = true;
        m_session->add(rowOf(u"Zutat 3"_s));
        const Result result = m_session->finish(true);
        QVERIFY(!result);
        QCOMPARE(result.notice(), Notice::readOnly());
        QCOMPARE(TestTables::fieldOfAll(m_tables->zu(), u"H1"_s), (QList<int>{0, 1, 0, 0}));
        m_session->begin();
        QCOMPARE(m_session->bar(0).size(), 2); // what the user entered is still there once
        m_session->begin();
        QCOMPARE(m_session->bar(0).size(), 1);
    }

    void infoNeedsAChosenEntry() {
        const Entries list{{u"Gin"_s, 7}};
        QCOMPARE(HomeBarSession::infoTarget(list, 0).number, 7);
        QVERIFY(HomeBarSession::infoTarget(list, -1).notice);
        QCOMPARE(HomeBarSession::infoTarget(list, -1).notice->caption, Notice::Caption::Hint);
    }
};

VELTA_TEST_MAIN_CORE(TestHomeBarSession)
#include "tst_homebarsession.moc"
