#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/HomeBarSession.h"
#include "common/AppState.h"
#include "maint/ChoiceLists.h"

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

// The home bar dialog's flow on its session alone: no window, no message box.
class TestHomeBarSession : public QObject {
    Q_OBJECT

    std::unique_ptr<TestTables> m_tables;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<HomeBarSession> m_session;

    int rowOf(const QString& name) const {
        const Entries& all = m_session->ingredients();
        for (int row = 0; row < all.size(); ++row)
            if (all.at(row).text == name)
                return row;
        return -1;
    }
    void reopen() {
        m_state->ingredientChoices = ChoiceLists::readIngredients(m_tables->zu());
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
        QCOMPARE(m_session->okQuestion()->caption, u"Frage"_s);
        QCOMPARE(m_session->remove(0), -1);
        QVERIFY(m_session->bar(1).isEmpty());
        QCOMPARE(m_session->remove(5), -1); // no such row: nothing happens
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
        QCOMPARE(m_state->ingredientChoices.homeBars.contains(1, 1), accepted);
        reopen();
        QCOMPARE(m_session->bar(0).size(), accepted ? 2 : 1);
        QVERIFY(!m_session->changed());
    }

    void readOnlyRefusesButKeepsTheEntriesForTheNextOpening() {
        m_state->startedFromCd = true;
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
        QCOMPARE(HomeBarSession::infoTarget(list, -1).notice->caption, u"Hinweis"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestHomeBarSession)
#include "tst_homebarsession.moc"
