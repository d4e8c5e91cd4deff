#include "ReferenceFixture.h"
#include "VeltaTest.h"
#include "reference/LexiconSession.h"

using namespace Qt::StringLiterals;
using namespace ReferenceFixture;
using Entries = QList<ListEntry>;

namespace {

struct Lexicon : Tables {
    LexiconSession s{state, t.ba(), t.zu(), t.de()};
};

QStringList texts(const Entries& entries) {
    QStringList out;
    for (const ListEntry& e : entries)
        out << e.text;
    return out;
}

} // namespace

// The bar lexicon's pages as the user goes through them.
class TestLexiconSession : public QObject {
    Q_OBJECT

private slots:
    void pageFills() {
        Lexicon l;
        l.s.begin();
        QCOMPARE(texts(l.s.entries(LexiconSession::Terms)),
                 (QStringList{u"Abseihen"_s, u"Äquator"_s, u"Shaker"_s}));
        QCOMPARE(l.s.entries(LexiconSession::Terms).first().data, 2);
        QCOMPARE(texts(l.s.entries(LexiconSession::Ingredients)),
                 (QStringList{u"Hausgemachter Likör"_s, u"Wodka"_s}));
        QCOMPARE(texts(l.s.entries(LexiconSession::Decorations)),
                 (QStringList{u"Eigene Deko"_s, u"Zitronenscheibe"_s}));
        for (int p = 0; p < LexiconSession::kPages; ++p)
            QCOMPARE(l.s.selected(LexiconSession::Page(p)), 0);
        QCOMPARE(l.s.term()->heading, u"Abseihen"_s);
        QCOMPARE(l.s.ingredient()->name, u"Hausgemachter Likör"_s);
        QCOMPARE(l.s.decoration()->heading, u"Eigene Deko"_s);
        QCOMPARE(l.s.typeAhead(LexiconSession::Terms, u"aq"_s), 1);
        QCOMPARE(l.s.typeAhead(LexiconSession::Terms, u"aequ"_s), 1);
        QCOMPARE(l.s.typeAhead(LexiconSession::Ingredients, u"hausgemachter likoer"_s), 0);
    }

    // Terms are read once; ingredients and decorations follow every edit.
    void listsFollowTheirSources() {
        Lexicon l;
        l.s.begin();
        addArticle(l.t.ba(), u"Zester"_s, QString(), QString());
        addArticle(l.t.de(), u"Apfelscheibe"_s, QString(), QString());
        l.state.catalogue.changeIngredients([](IngredientChoices& c) {
            c.zutatliste.prepend({u"Absinth"_s, 401});
        });
        l.s.begin();
        QCOMPARE(l.s.entries(LexiconSession::Terms).size(), 3);
        QCOMPARE(l.s.entries(LexiconSession::Decorations).first().text, u"Apfelscheibe"_s);
        QCOMPARE(l.s.entries(LexiconSession::Ingredients).first().text, u"Absinth"_s);
    }

    void emptyListsHaveNoDetails() {
        TestTables t;
        AppState state;
        LexiconSession s(state, t.ba(), t.zu(), t.de());
        s.begin();
        QCOMPARE(s.selected(LexiconSession::Terms), -1);
        QVERIFY(!s.term() && !s.ingredient() && !s.decoration());
        QCOMPARE(s.clipboardText(), QString());
    }

    void selectionsAreKept() {
        Lexicon l;
        l.s.begin();
        l.s.select(LexiconSession::Terms, 2);
        l.s.select(LexiconSession::Ingredients, l.s.typeAhead(LexiconSession::Ingredients, u"wod"_s));
        l.s.select(LexiconSession::Decorations, 1);
        l.s.begin(); // reopening
        QCOMPARE(l.s.selected(LexiconSession::Terms), 2);
        QCOMPARE(l.s.selected(LexiconSession::Ingredients), 1);
        QCOMPARE(l.s.selected(LexiconSession::Decorations), 1);
        // A list that changed keeps the selected key where it moved to ...
        l.state.catalogue.changeIngredients([](IngredientChoices& c) {
            c.zutatliste.prepend({u"Absinth"_s, 401});
        });
        l.s.begin();
        QCOMPARE(l.s.selected(LexiconSession::Ingredients), 2);
        QCOMPARE(l.s.ingredient()->name, u"Wodka"_s);
        // ... and selects the first again when it is gone.
        TestTables::deleteRecord(l.t.de(), 1);
        l.s.begin();
        QCOMPARE(l.s.selected(LexiconSession::Decorations), 0);
        QCOMPARE(l.s.decoration()->heading, u"Eigene Deko"_s);
    }

    void clipboardOfThePageShown() {
        Lexicon l;
        l.s.begin();
        l.s.select(LexiconSession::Terms, 2);
        QCOMPARE(l.s.clipboardText(), u"Shaker\r\n\r\nEin Becher zum Schütteln."_s);
        l.s.setPage(LexiconSession::Ingredients);
        l.s.select(LexiconSession::Ingredients, 1);
        QCOMPARE(l.s.clipboardText(), u"Wodka 40%\r\n\r\n"_s);
        l.s.setPage(LexiconSession::Decorations);
        l.s.select(LexiconSession::Decorations, 1);
        QCOMPARE(l.s.clipboardText(), u"Zitronenscheibe\r\n\r\nQuer schneiden."_s);
    }
};

VELTA_TEST_MAIN_CORE(TestLexiconSession)
#include "tst_lexiconsession.moc"
