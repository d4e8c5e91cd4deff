#include "TestTables.h"
#include "VeltaTest.h"
#include "app/RecipeListListing.h"
#include "browser/RecipeList.h"
#include "common/AppState.h"
#include "common/MyDrinksSession.h"
#include "editors/ChoiceLists.h"
#include "search/MainSearch.h"
#include "search/MainSearchHost.h"
#include "search/SearchSession.h"
#include "store/StoreError.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The main window as the search loop sees it: the list is the real recipe list over the test
// tables; each showing of the dialog runs the next scripted answer.
class ScriptedHost : public MainSearchHost, public RecipeListing {
public:
    using Answer = std::function<bool(SearchSession&)>;

    ScriptedHost(SearchSession& session, RecipeListListing& listing)
        : m_session(session), m_listing(listing) {}

    QList<Answer> answers;
    QStringList events;
    bool failFill = false;
    SearchForm lastShown;
    bool lastAccepted = false;

    bool runSearchDialog() override {
        events << u"dialog"_s;
        m_session.begin();
        lastShown = m_session.form();
        lastAccepted = !answers.isEmpty() && answers.takeFirst()(m_session);
        return lastAccepted;
    }
    void finishPainting() override { events << u"paint"_s; }
    void showExpression(const QString& e) override { events << u"debug "_s + e; }
    void FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep = {}) override {
        if (failFill)
            throw StoreError(u"Lesefehler"_s);
        events << (homeBarOnly ? u"fill bar"_s : u"fill"_s) + (alsoKeep ? u" text"_s : QString());
        m_listing.FillRecipeList(homeBarOnly, alsoKeep);
    }
    int ListedCount() const override { return m_listing.ListedCount(); }
    void playNoise(int number) override { events << u"noise "_s + QString::number(number); }
    void reportNoMatch() override { events << u"no match"_s; }
    void setClearSearchEnabled(bool enabled) override {
        events << (enabled ? u"clear on"_s : u"clear off"_s);
    }
    void setWaitCursor(bool on) override { events << (on ? u"wait"_s : u"unwait"_s); }
    void showFirst() override { events << u"first"_s; }

private:
    SearchSession& m_session;
    RecipeListListing& m_listing;
};

int entryFor(const QList<ListEntry>& entries, int key) {
    for (int i = 1; i < int(entries.size()); ++i) {
        if (entries.at(i).data == key)
            return i;
    }
    return -1;
}

} // namespace

class TestMainSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<TestTables> m_tables;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<SearchSession> m_session;
    RecipeList m_list;
    std::unique_ptr<RecipeListListing> m_listing;
    std::unique_ptr<ScriptedHost> m_host;
    std::unique_ptr<MainSearch> m_search;
    int m_total = 0;

    static ScriptedHost::Answer choose(int ingredient, bool without = false) {
        return [ingredient, without](SearchSession& s) {
            s.Reset();
            s.setIngredient(0, entryFor(s.choices().ingredients, ingredient));
            s.setWithout(0, without);
            return true;
        };
    }
    // Cream and cachaça together: no drink has both.
    static ScriptedHost::Answer noMatch() {
        return [](SearchSession& s) {
            s.setIngredient(0, entryFor(s.choices().ingredients, 3));
            s.setIngredient(1, entryFor(s.choices().ingredients, 4));
            return true;
        };
    }
    static ScriptedHost::Answer nothing() {
        return [](SearchSession& s) {
            s.Reset();
            return true;
        };
    }
    static ScriptedHost::Answer homeBar() {
        return [](SearchSession& s) {
            s.Reset();
            s.setHomeBarOnly(true);
            return true;
        };
    }
    static ScriptedHost::Answer cancel() {
        return [](SearchSession& s) {
            s.Reset();
            s.setHomeBarOnly(true); // changed in the dialog, then thrown away
            return false;
        };
    }
    QStringList listedNames() const {
        QStringList out;
        for (const ListEntry& e : m_list.entries())
            out << e.text;
        return out;
    }

private slots:
    // One store environment at a time: the old tables go before the next test builds new ones.
    void cleanup() {
        m_search.reset();
        m_host.reset();
        m_listing.reset();
        m_session.reset();
        m_tables.reset();
    }
    void init() {
        m_tables = std::make_unique<TestTables>();
        // Ingredients 1..5; bar 1 holds 1, 2 and 5.
        m_tables->addIngredient({1, u"Rum"_s, 0, 40, true});
        m_tables->addIngredient({2, u"Limette"_s, 3, 0, true});
        m_tables->addIngredient({3, u"Sahne"_s, 0, 0});
        m_tables->addIngredient({4, u"Cachaça"_s, 0, 40});
        m_tables->addIngredient({5, u"Mandelsirup"_s, 0, 0, true});
        m_tables->addRecipe({.name = u"Daiquiri"_s,
                             .lines = {{1, 4}, {2, 2}, {5, 1}},
                             .instructions = u"Im Shaker schütteln, in eine Cocktailschale abseihen."_s});
        m_tables->addRecipe({.name = u"Caipirinha"_s,
                             .lines = {{4, 5}, {2, 1}},
                             .instructions = u"Die Limette im Tumbler andrücken, Cachaça darauf."_s});
        m_tables->addRecipe({.name = u"Sahnerum"_s,
                             .lines = {{1, 2}, {3, 4}},
                             .instructions = u"Rum und Sahne erhitzen und in eine Tasse gießen."_s});
        m_tables->addRecipe(
            {.name = u"Rum pur"_s, .lines = {{1, 4}}, .instructions = u"In ein Glas gießen."_s});
        m_tables->addRecipe({.name = u"Gelöscht"_s, .lines = {{3, 4}}, .instructions = u"Schütteln."_s});
        TestTables::deleteRecord(m_tables->re(), 5);
        m_total = m_tables->re().Count();
        m_state = std::make_unique<AppState>();
        m_state->marks = IngredientMarks::parse(u"Milch: Sahne\nNüsse: Mandelsirup\n"_s);
        m_state->catalogue.setIngredients(Catalogue::readIngredients(m_tables->zu()));
        // The user's stars and a note: Daiquiri 4, Rum pur 2, Caipirinha a note.
        m_state->myDrinks.loadFolder(m_tables->path(), m_tables->re(), true);
        MyDrinksSession own(m_state->myDrinks, m_tables->re());
        QVERIFY(own.rate(1, 4) && own.rate(4, 2) && own.note(2, u"Am Strand getrunken."_s));
        m_session = std::make_unique<SearchSession>(*m_state);
        m_list = RecipeList();
        m_listing = std::make_unique<RecipeListListing>(m_list, m_tables->re(),
                                                        m_state->catalogue.ingredients().homeBars.test(1, 0));
        m_host = std::make_unique<ScriptedHost>(*m_session, *m_listing);
        m_search = std::make_unique<MainSearch>(*m_session, m_tables->re(), *m_host, *m_host);
        m_listing->FillRecipeList(false);
    }

    void runs_data() {
        QTest::addColumn<QList<ScriptedHost::Answer>>("answers");
        QTest::addColumn<bool>("filteredBefore");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("listed");
        const QStringList all = {u"Caipirinha"_s, u"Daiquiri"_s, u"Rum pur"_s, u"Sahnerum"_s};

        QTest::newRow("nothing chosen, all listed: nothing to do, clear off")
            << QList<ScriptedHost::Answer>{nothing()} << false
            << QStringList{u"dialog"_s, u"paint"_s, u"noise 1"_s, u"clear off"_s, u"first"_s} << all;
        QTest::newRow("nothing chosen, filtered before: refilled, clear off")
            << QList<ScriptedHost::Answer>{nothing()} << true
            << QStringList{u"dialog"_s, u"paint"_s, u"fill"_s, u"noise 1"_s, u"clear off"_s, u"first"_s}
            << all;
        QTest::newRow("with rum") << QList<ScriptedHost::Answer>{choose(1)} << false
                                  << QStringList{u"dialog"_s, u"paint"_s, u"fill"_s, u"noise 1"_s, u"first"_s}
                                  << QStringList{u"Daiquiri"_s, u"Rum pur"_s, u"Sahnerum"_s};
        QTest::newRow("without rum") << QList<ScriptedHost::Answer>{choose(1, true)} << false
                                     << QStringList{u"dialog"_s, u"paint"_s, u"fill"_s, u"noise 1"_s,
                                                    u"first"_s}
                                     << QStringList{u"Caipirinha"_s};
        QTest::newRow("no match, offered again, then found")
            << QList<ScriptedHost::Answer>{noMatch(), choose(4)} << false
            << QStringList{u"dialog"_s, u"paint"_s, u"noise 2"_s, u"no match"_s, u"dialog"_s,
                           u"paint"_s,  u"fill"_s,  u"noise 1"_s, u"first"_s}
            << QStringList{u"Caipirinha"_s};
        QTest::newRow("no match, then given up: the list stays")
            << QList<ScriptedHost::Answer>{noMatch(), cancel()} << false
            << QStringList{u"dialog"_s, u"paint"_s, u"noise 2"_s, u"no match"_s, u"dialog"_s} << all;
        QTest::newRow("home bar alone")
            << QList<ScriptedHost::Answer>{homeBar()} << false
            << QStringList{u"dialog"_s, u"paint"_s, u"fill bar"_s, u"noise 1"_s, u"first"_s}
            << QStringList{u"Daiquiri"_s, u"Rum pur"_s};
        QTest::newRow("home bar with criteria") << QList<ScriptedHost::Answer>{[](SearchSession& s) {
            s.setIngredient(0, entryFor(s.choices().ingredients, 2));
            s.setHomeBarOnly(true);
            return true;
        }} << false << QStringList{u"dialog"_s, u"paint"_s, u"fill bar"_s, u"noise 1"_s, u"first"_s}
                                                << QStringList{u"Daiquiri"_s};
        QTest::newRow("home bar finds nothing, given up: refilled unfiltered, shown, nothing to clear")
            << QList<ScriptedHost::Answer>{[](SearchSession& s) {
                                               s.setIngredient(0, entryFor(s.choices().ingredients, 3));
                                               s.setHomeBarOnly(true);
                                               return true;
                                           },
                                           cancel()}
            << false << QStringList{u"dialog"_s, u"paint"_s, u"fill bar"_s,  u"noise 2"_s, u"no match"_s,
                                    u"dialog"_s, u"fill"_s,  u"clear off"_s, u"first"_s}
            << all;
        QTest::newRow("cancelled at once") << QList<ScriptedHost::Answer>{cancel()} << true
                                           << QStringList{u"dialog"_s} << QStringList{u"Rum pur"_s};
    }
    void runs() {
        QFETCH(QList<ScriptedHost::Answer>, answers);
        QFETCH(bool, filteredBefore);
        QFETCH(QStringList, events);
        QFETCH(QStringList, listed);
        if (filteredBefore) {
            m_tables->re().Query(uR"(AT("    1",Z)>0 .AND. AT("    2",Z)=0 .AND. AT("    3",Z)=0)"_s);
            m_listing->FillRecipeList(false);
            m_tables->re().Query(QString());
        }
        m_host->answers = answers;
        m_search->start(m_total, false);
        QCOMPARE(m_host->events, events);
        QCOMPARE(listedNames(), listed);
        QVERIFY(m_host->answers.isEmpty());
        QCOMPARE(m_tables->re().filterText(), QString()); // the filter never outlives the search
        if (!m_host->lastAccepted)
            QCOMPARE(m_session->form(), m_host->lastShown); // cancel put the criteria shown back
    }

    // The dialog's live count is what OK then lists: the criteria, the home bar rule, no deleted
    // drink, 0 when nothing matches; the filter does not stay. A range OK refuses has no count.
    void liveCountIsWhatOkLists_data() {
        QTest::addColumn<QList<ScriptedHost::Answer>>("answer");
        QTest::newRow("nothing chosen") << QList<ScriptedHost::Answer>{nothing()};
        QTest::newRow("with rum") << QList<ScriptedHost::Answer>{choose(1)};
        QTest::newRow("without rum") << QList<ScriptedHost::Answer>{choose(1, true)};
        QTest::newRow("cream, its other drink deleted") << QList<ScriptedHost::Answer>{choose(3)};
        QTest::newRow("no match") << QList<ScriptedHost::Answer>{noMatch()};
        QTest::newRow("home bar") << QList<ScriptedHost::Answer>{homeBar()};
    }
    void liveCountIsWhatOkLists() {
        QFETCH(QList<ScriptedHost::Answer>, answer);
        m_session->begin(); // as the dialog shows it
        answer.first()(*m_session);
        const std::optional<int> count = m_session->liveCount(m_tables->re());
        QVERIFY(count);
        QCOMPARE(m_tables->re().filterText(), QString());
        m_host->answers = {answer.first(), cancel()}; // the second only when nothing was found
        m_search->start(m_total, false);
        QCOMPARE(*count, m_host->events.contains(u"no match"_s) ? 0 : int(m_list.entries().size()));
        m_session->editMinimum(u"50"_s);
        m_session->editMaximum(u"40"_s);
        QVERIFY(!m_session->liveCount(m_tables->re()));
    }

    // The second page's criteria, each alone and together, with the filter and the full text: the
    // live count and the list OK leaves agree, a deleted drink never counts, and nothing found
    // offers the dialog again.
    void furtherCriteria_data() {
        QTest::addColumn<ScriptedHost::Answer>("answer");
        QTest::addColumn<QStringList>("listed");
        using Mark = IngredientMarks::Mark;
        const auto traits = [](int preparation, int glass, QList<Mark> without,
                               std::function<void(SearchSession&)> more = {}) {
            return ScriptedHost::Answer([=](SearchSession& s) {
                s.Reset();
                s.setPreparation(preparation);
                s.setGlass(glass);
                for (const Mark m : without)
                    s.setFreeOf(m, true);
                if (more)
                    more(s);
                return true;
            });
        };
        const int shaken = 1;
        const int stirred = 2;
        const int built = 3;
        const int hot = 5;
        const int tumbler = int(DrinkTraits::glassNames().indexOf(u"Tumbler, Old Fashioned"_s));
        const int mug = int(DrinkTraits::glassNames().indexOf(u"Tasse, Becher"_s));
        QTest::newRow("shaken") << traits(shaken, 0, {}) << QStringList{u"Daiquiri"_s};
        QTest::newRow("stirred: none") << traits(stirred, 0, {}) << QStringList{};
        QTest::newRow("built, neat or not")
            << traits(built, 0, {}) << QStringList{u"Caipirinha"_s, u"Rum pur"_s};
        QTest::newRow("hot") << traits(hot, 0, {}) << QStringList{u"Sahnerum"_s};
        QTest::newRow("tumbler") << traits(0, tumbler, {}) << QStringList{u"Caipirinha"_s};
        QTest::newRow("without milk")
            << traits(0, 0, {Mark::Dairy}) << QStringList{u"Caipirinha"_s, u"Daiquiri"_s, u"Rum pur"_s};
        QTest::newRow("without milk and nuts")
            << traits(0, 0, {Mark::Dairy, Mark::Nuts}) << QStringList{u"Caipirinha"_s, u"Rum pur"_s};
        QTest::newRow("without egg: nothing marked")
            << traits(0, 0, {Mark::Egg})
            << QStringList{u"Caipirinha"_s, u"Daiquiri"_s, u"Rum pur"_s, u"Sahnerum"_s};
        QTest::newRow("hot in a mug") << traits(hot, mug, {}) << QStringList{u"Sahnerum"_s};
        QTest::newRow("hot without milk") << traits(hot, 0, {Mark::Dairy}) << QStringList{};
        QTest::newRow("built with rum") << traits(built, 0, {}, [](SearchSession& s) {
            s.setIngredient(0, entryFor(s.choices().ingredients, 1));
        }) << QStringList{u"Rum pur"_s};
        QTest::newRow("without nuts, full text")
            << traits(0, 0, {Mark::Nuts}, [](SearchSession& s) { s.setFullText(u"limette"_s); })
            << QStringList{u"Caipirinha"_s};
        const auto stars = [&traits](int least) {
            return traits(0, 0, {}, [least](SearchSession& s) { s.setMinStars(least); });
        };
        QTest::newRow("at least 2 stars") << stars(2) << QStringList{u"Daiquiri"_s, u"Rum pur"_s};
        QTest::newRow("at least 4 stars") << stars(4) << QStringList{u"Daiquiri"_s};
        QTest::newRow("5 stars: none") << stars(5) << QStringList{};
        QTest::newRow("my note in the full text")
            << traits(0, 0, {}, [](SearchSession& s) { s.setFullText(u"strand"_s); })
            << QStringList{u"Caipirinha"_s};
    }
    void furtherCriteria() {
        QFETCH(ScriptedHost::Answer, answer);
        QFETCH(QStringList, listed);
        m_session->begin();
        answer(*m_session);
        QCOMPARE(m_session->liveCount(m_tables->re()), std::optional<int>(int(listed.size())));
        m_host->answers = {answer, cancel()};
        m_search->start(m_total, false);
        QCOMPARE(m_host->events.contains(u"no match"_s), listed.isEmpty());
        if (!listed.isEmpty())
            QCOMPARE(listedNames(), listed);
        QCOMPARE(m_tables->re().filterText(), QString());
    }

    void aStoreFailureStillLiftsTheFilter() {
        m_host->answers = {choose(1)};
        m_host->failFill = true;
        QVERIFY_THROWS_EXCEPTION(StoreError, m_search->start(m_total, false));
        QCOMPARE(m_tables->re().filterText(), QString());
        QCOMPARE(m_tables->re().Count(), m_total);
    }

    void clearResetsAndRefills() {
        m_host->answers = {[](SearchSession& s) {
            s.setIngredient(0, entryFor(s.choices().ingredients, 4));
            s.setMarkedOnly(false);
            s.editMaximum(u"50"_s);
            return true;
        }};
        m_search->start(m_total, false);
        QCOMPARE(m_list.ListedCount(), 1);
        m_host->events.clear();
        m_search->clear();
        QCOMPARE(m_host->events,
                 (QStringList{u"wait"_s, u"clear off"_s, u"noise 3"_s, u"fill"_s, u"unwait"_s, u"first"_s}));
        QCOMPARE(m_list.ListedCount(), m_total);
        QCOMPARE(m_session->expression(), QString());
        QCOMPARE(m_session->form().maximum, u"99%"_s);
    }

    void clearRestoresTheCursorWhenTheStoreFails() {
        m_host->failFill = true;
        QVERIFY_THROWS_EXCEPTION(StoreError, m_search->clear());
        QCOMPARE(m_host->events.last(), u"unwait"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestMainSearch)
#include "tst_mainsearch.moc"
