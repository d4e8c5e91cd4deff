#include "ShippedDataCopy.h"
#include "VeltaTest.h"
#include "common/AppState.h"
#include "exchange/JsonLdExportSession.h"

using namespace Qt::StringLiterals;

// The choice of drinks for the JSON-LD export: what is offered and proposed, and what the file
// receives, without a window.
class TestJsonLdExportSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    DataTables m_tables;

    QString data() const { return m_dir.filePath(u"DATEN"_s); }

private slots:
    void initTestCase() {
        QVERIFY(ShippedDataCopy::make(data()));
        m_tables.openMainTables(data(), true);
        m_state.catalogue.setRecipeTotal(m_tables.ApolloRezepte.Count());
    }

    void proposal_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<QList<int>>("recNos");
        QTest::newRow("a drink shown")
            << 5 << QList<int>{7, 3} << int(JsonLdExportSession::CurrentDrink) << QList<int>{5};
        QTest::newRow("empty list, drinks picked for printing")
            << 0 << QList<int>{7, 3} << int(JsonLdExportSession::PrintSelection) << QList<int>{7, 3};
        QTest::newRow("nothing shown or picked")
            << 0 << QList<int>() << int(JsonLdExportSession::AllDrinks) << QList<int>();
    }
    void proposal() {
        QFETCH(int, current);
        QFETCH(QList<int>, selection);
        QFETCH(int, proposed);
        QFETCH(QList<int>, recNos);
        JsonLdExportSession session(m_state, m_tables);
        session.begin({u"Probe"_s, current}, selection);
        QCOMPARE(int(session.choice()), proposed);
        if (proposed == JsonLdExportSession::AllDrinks)
            QCOMPARE(session.recNos().size(), m_state.catalogue.recipeTotal());
        else
            QCOMPARE(session.recNos(), recNos);
        // A choice without drinks cannot be taken.
        session.choose(JsonLdExportSession::CurrentDrink);
        QCOMPARE(session.choice() == JsonLdExportSession::CurrentDrink, current > 0);
        session.choose(JsonLdExportSession::PrintSelection);
        QCOMPARE(session.choice() == JsonLdExportSession::PrintSelection, !selection.isEmpty());
    }

    // Writing reads every chosen recipe; the main list's table stands where it stood.
    void writeKeepsThePosition() {
        JsonLdExportSession session(m_state, m_tables);
        session.begin({}, {});
        m_tables.ApolloRezepte.Go(17);
        const Notice done = session.write(m_dir.filePath(u"alle.json"_s));
        QCOMPARE(done.caption, Notice::Caption::Hint);
        QCOMPARE(done.text, u"%1 Rezepte exportiert."_s.arg(m_state.catalogue.recipeTotal()));
        QCOMPARE(m_tables.ApolloRezepte.RecNo(), 17);

        const Notice failed = session.write(m_dir.filePath(u"fehlt/alle.json"_s));
        QCOMPARE(failed.caption, Notice::Caption::Error);
        QCOMPARE(failed.text,
                 u"Die Datei konnte nicht gespeichert werden:\r%1\rDer Ordner oder die Datei fehlt."_s.arg(
                     m_dir.filePath(u"fehlt/alle.json"_s)));
        QCOMPARE(m_tables.ApolloRezepte.RecNo(), 17);
    }
};

VELTA_TEST_MAIN_CORE(TestJsonLdExportSession)
#include "tst_jsonldexportsession.moc"
