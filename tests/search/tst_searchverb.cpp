#include "TempDataFolder.h"
#include "TypedSpelling.h"
#include "VeltaTest.h"
#include "common/Aliases.h"
#include "common/GlassStrength.h"
#include "common/IngredientMarks.h"
#include "common/ServingGlass.h"
#include "search/DrinkTraits.h"
#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/RecipeMemo.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Run veltadb(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VELTADB_PATH), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

// One recipe as a direct reading of its fields, without the filter language.
struct Recipe {
    int recNo = 0;
    QSet<int> anywhere; // every ingredient number in Z
    QList<int> mixList; // the numbers up to the first empty slot, as the mixable test reads them
    int kat = 0;
    int gesch = 0;
    int alk = 0;
    int mark = 0;
    int deko = 0;
    QString bild;
    QString text; // name, instructions and remark, for the full text
    QString instructions;
};

// Criteria as numbers, with the names they are saved under.
struct Chosen {
    std::array<int, 4> first{};
    std::array<int, 4> alternative{};
    std::array<bool, 4> without{};
    int category = -1; // list position
    int taste = -1;
    int minimum = 0;
    int maximum = 99;
    bool marked = false;
    bool own = false;
    bool homeBar = false;
    int bar = 0;
    int purchases = 0;
    QString fullText;
    // The second page: entries of DrinkTraits' names (0 "egal") and the marks to leave out.
    int preparation = 0;
    int glass = 0;
    QList<IngredientMarks::Mark> freeOf;
};

// The full text's rule read directly: every word, without accents and letter case, is in the text
// as written, or with the umlauts of both spelled out with e; a word of five letters or more may
// leave off a last "en", "n" or "e" (as long as four letters remain), as compounds do.
using TypedSpelling::umlautsSpelled;
using TypedSpelling::withoutAccents;
bool holdsAllWords(const QString& text, const QString& words) {
    const QString plain = withoutAccents(text);
    const QString spelled = umlautsSpelled(text);
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString bare = withoutAccents(word);
        qsizetype cut = 0;
        if (bare.endsWith(u"en"_s) && bare.size() - 2 >= 4)
            cut = 2;
        else if ((bare.endsWith(u'n') || bare.endsWith(u'e')) && bare.size() - 1 >= 4)
            cut = 1;
        if (!plain.contains(bare.chopped(cut)) && !spelled.contains(umlautsSpelled(word).chopped(cut)))
            return false;
    }
    return true;
}

} // namespace

// `veltadb suche` on a copy of the shipped data, and the cross-check: random saved searches give
// exactly the drinks that a direct reading of the criteria over the recipe table selects.
class TestSearchVerb : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    QString m_data;
    QList<Recipe> m_recipes;
    QHash<int, QString> m_ingredientNames;     // those a saved search can name
    QHash<int, QString> m_everyIngredientName; // for the full text
    QHash<int, QString> m_decorationNames;
    QList<int> m_usedIngredients;
    std::array<QSet<int>, 3> m_bars;
    QStringList m_categories;
    QStringList m_tastes;
    Aliases m_aliases;
    IngredientMarks m_marks;
    QList<ListEntry> m_ingredientEntries;

    QString cfg() const { return m_data + u"/SUCHEN.CFG"_s; }
    QString textsCfg() const { return m_data + u"/SUCHTEXT.CFG"_s; }

    void readTables() {
        TApolloEnv env;
        env.SetDeleted(true);
        TTable re(env);
        TTable zu(env);
        TTable de(env);
        for (auto [table, name] : {std::pair{&re, "RE"}, std::pair{&zu, "ZU"}, std::pair{&de, "DE"}}) {
            table->setDatabaseName(m_data);
            table->setTableName(QString::fromLatin1(name));
            table->Open();
        }
        TApollo decorations(de);
        for (decorations.GoTop(); !decorations.Eof(); decorations.Skip())
            m_decorationNames.insert(decorations.RecNo(), decorations.GetTrimString(u"NAME"_s));
        TApollo ingredients(zu);
        QHash<QString, int> uses;
        QRandomGenerator rng(1998);
        for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
            const int number = int(ingredients.GetInteger(u"INDEX"_s));
            const QString name = ingredients.GetTrimString(u"NAME"_s);
            m_everyIngredientName.insert(number, name);
            uses[name.toCaseFolded()]++;
            m_ingredientNames.insert(number, name);
            // Give the three bars a random third of the ingredients each.
            ingredients.Edit();
            for (int bar = 0; bar < 3; ++bar) {
                const bool in = rng.bounded(3) == 0;
                ingredients.ReplaceLogical(u"H"_s + QString::number(bar + 1), in);
                if (in)
                    m_bars[size_t(bar)].insert(number);
            }
            ingredients.Commit();
        }
        // Names shared by two ingredients cannot be told apart by a saved search.
        for (auto it = m_ingredientNames.begin(); it != m_ingredientNames.end();)
            it = uses.value(it.value().toCaseFolded()) > 1 ? m_ingredientNames.erase(it) : std::next(it);

        TApollo recipes(re);
        QSet<int> used;
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            Recipe r;
            r.recNo = recipes.RecNo();
            const QString z = recipes.GetPaddedString(u"Z"_s);
            for (int k = 0; k < IngredientSlots::kMaxSlots; ++k) {
                if (const int n = IngredientSlots::decodeSlot(z, k); n > 0)
                    r.anywhere.insert(n);
            }
            for (const IngredientSlots::Line& line : IngredientSlots(z, QString()).lines())
                r.mixList << line.ingredient;
            r.kat = int(recipes.GetInteger(u"KAT"_s));
            r.gesch = int(recipes.GetInteger(u"GESCH"_s));
            r.alk = int(recipes.GetInteger(u"ALK"_s));
            r.mark = int(recipes.GetInteger(u"MARK"_s));
            r.deko = int(recipes.GetInteger(u"DEKO"_s));
            r.bild = recipes.GetTrimString(u"BILD"_s);
            QString instructions;
            QString remark;
            RecipeMemo::split(recipes.GetMemo(u"ANLEITUNG"_s), &instructions, &remark);
            r.text = recipes.GetTrimString(u"NAME"_s) + u'\n' + instructions + u'\n' + remark;
            r.instructions = instructions;
            used.unite(r.anywhere);
            m_recipes << r;
        }
        for (const int n : used) {
            if (m_ingredientNames.contains(n))
                m_usedIngredients << n;
        }
        std::sort(m_usedIngredients.begin(), m_usedIngredients.end());
    }

    int recNoOf(const QString& name) const {
        for (const Recipe& r : m_recipes)
            if (r.text.section(u'\n', 0, 0) == name)
                return r.recNo;
        return 0;
    }

    const Recipe& recipeNamed(const QString& name) const {
        static const Recipe none;
        for (const Recipe& r : m_recipes)
            if (r.text.section(u'\n', 0, 0) == name)
                return r;
        return none;
    }

    int numberOf(const QString& name) const {
        for (auto it = m_ingredientNames.begin(); it != m_ingredientNames.end(); ++it) {
            if (it.value() == name)
                return it.key();
        }
        return 0;
    }

    SearchCriteria saved(const Chosen& c) const {
        SearchCriteria s;
        for (int row = 0; row < 4; ++row) {
            s.setIngredient(row, m_ingredientNames.value(c.first[size_t(row)], u"(keine Auswahl)"_s));
            s.setAlternative(row, m_ingredientNames.value(c.alternative[size_t(row)], u"(keine Auswahl)"_s));
            s.setWithout(row, c.without[size_t(row)]);
        }
        s.setCategory(c.category >= 0 ? m_categories.at(c.category) : u"(keine Auswahl)"_s);
        s.setTaste(c.taste >= 0 ? m_tastes.at(c.taste) : u"(keine Auswahl)"_s);
        s.setMinAlcohol(c.minimum);
        s.setMaxAlcohol(c.maximum);
        s.setMarkedOnly(c.marked);
        s.setOwnOnly(c.own);
        s.setHomeBarOnly(c.homeBar);
        s.setHomeBarIndex(c.bar);
        s.setPurchases(c.purchases);
        return s;
    }

    bool selects(const Chosen& c, const Recipe& r) const {
        for (int row = 0; row < 4; ++row) {
            const int first = c.first[size_t(row)];
            if (first == 0)
                continue;
            const int alternative = c.alternative[size_t(row)];
            if (c.without[size_t(row)] ? r.anywhere.contains(first)
                                       : !r.anywhere.contains(first) && !r.anywhere.contains(alternative))
                return false;
        }
        if ((c.category >= 0 && r.kat != c.category + 1) || (c.taste >= 0 && r.gesch != c.taste + 1))
            return false;
        if (!(c.minimum == 0 && c.maximum == 99) && (r.alk < c.minimum || r.alk > c.maximum))
            return false;
        if ((c.marked && r.mark != 1) || (c.own && !r.bild.startsWith(u'e')))
            return false;
        if (!c.fullText.isEmpty() && !holdsAllWords(fullText(r), c.fullText))
            return false;
        if (c.preparation > 0 &&
            GlassStrength::preparationOf(r.instructions) != GlassStrength::Preparation(c.preparation - 1))
            return false;
        if (c.glass > 0 && ServingGlass::of(r.instructions) != ServingGlass::Kind(c.glass - 1))
            return false;
        if (!c.freeOf.isEmpty()) {
            const QSet<int> marked = m_marks.marked(c.freeOf, m_ingredientEntries);
            if (r.anywhere.intersects(marked))
                return false;
        }
        if (c.homeBar) {
            const auto missing = std::count_if(r.mixList.begin(), r.mixList.end(),
                                               [&](int n) { return !m_bars[size_t(c.bar)].contains(n); });
            if (missing > c.purchases)
                return false;
        }
        return true;
    }

    // The full text covers the names of the drink's ingredients, category, taste and decoration too,
    // and the other names ALIAS.TXT gives the drink and its ingredients.
    QString fullText(const Recipe& r) const {
        QStringList names{r.text};
        names << m_aliases.ofDrink(r.text.section(u'\n', 0, 0));
        for (int n : r.mixList)
            names << m_everyIngredientName.value(n) << m_aliases.ofIngredient(m_everyIngredientName.value(n));
        if (r.kat >= 1 && r.kat <= m_categories.size() && !m_categories.at(r.kat - 1).startsWith(u'~'))
            names << m_categories.at(r.kat - 1);
        if (r.gesch >= 1 && r.gesch <= m_tastes.size() && !m_tastes.at(r.gesch - 1).startsWith(u'~'))
            names << m_tastes.at(r.gesch - 1);
        names << m_decorationNames.value(r.deko);
        return names.join(u'\n');
    }

    // The second page as SUCHTEXT.CFG keeps it.
    static SavedSearchTexts::Extras extras(const Chosen& c) {
        SavedSearchTexts::Extras e;
        if (c.preparation > 0)
            e.preparation = DrinkTraits::preparationNames().at(c.preparation);
        if (c.glass > 0)
            e.glass = DrinkTraits::glassNames().at(c.glass);
        for (const IngredientMarks::Mark m : c.freeOf)
            e.without << IngredientMarks::word(m);
        return e;
    }

    QStringList expectedLines(const Chosen& c) const {
        QStringList lines;
        for (const Recipe& r : m_recipes) {
            if (selects(c, r))
                lines << QString::number(r.recNo);
        }
        return lines;
    }

    int randomIngredient(QRandomGenerator& rng) const {
        return m_usedIngredients.at(rng.bounded(int(m_usedIngredients.size())));
    }
    int randomPosition(QRandomGenerator& rng, const QStringList& list) const {
        int position = 0;
        do
            position = rng.bounded(int(list.size()));
        while (list.at(position).startsWith(u'~'));
        return position;
    }

    // One to three words out of the drinks' texts, some with their umlauts spelled out.
    QString randomWords(QRandomGenerator& rng) const {
        QStringList words;
        const int count = 1 + rng.bounded(3);
        while (words.size() < count) {
            const QString& text = m_recipes.at(rng.bounded(int(m_recipes.size()))).text;
            const QStringList inText = text.split(QRegularExpression(u"[^\\w]+"_s), Qt::SkipEmptyParts);
            if (inText.isEmpty())
                continue;
            QString word = inText.at(rng.bounded(int(inText.size())));
            if (word.size() > 6 && rng.bounded(2))
                word = word.mid(1, word.size() - 2); // inside a word
            words << (rng.bounded(2) ? umlautsSpelled(word) : word.toUpper());
        }
        return words.join(u' ');
    }

    Chosen randomCriteria(QRandomGenerator& rng) const {
        Chosen c;
        if (rng.bounded(2))
            c.fullText = randomWords(rng);
        const int rows = rng.bounded(4);
        for (int row = 0; row < rows; ++row) {
            const int at = rng.bounded(4);
            c.first[size_t(at)] = randomIngredient(rng);
            if (rng.bounded(2))
                c.alternative[size_t(at)] = randomIngredient(rng);
            c.without[size_t(at)] = rng.bounded(3) == 0;
        }
        if (rng.bounded(4) == 0)
            c.alternative[size_t(rng.bounded(4))] = randomIngredient(rng); // maybe without a first
        if (rng.bounded(3) == 0)
            c.category = randomPosition(rng, m_categories);
        if (rng.bounded(4) == 0)
            c.taste = randomPosition(rng, m_tastes);
        if (rng.bounded(2)) {
            c.minimum = rng.bounded(40);
            c.maximum = c.minimum + rng.bounded(100 - c.minimum);
        }
        c.own = rng.bounded(8) == 0;
        if (rng.bounded(4) == 0)
            c.preparation = 1 + rng.bounded(int(DrinkTraits::preparationNames().size()) - 1);
        if (rng.bounded(4) == 0)
            c.glass = 1 + rng.bounded(int(DrinkTraits::glassNames().size()) - 1);
        for (int m = 0; m < IngredientMarks::kMarks; ++m) {
            if (rng.bounded(5) == 0)
                c.freeOf << IngredientMarks::Mark(m);
        }
        if (rng.bounded(3) == 0) {
            c.homeBar = true;
            c.bar = rng.bounded(3);
            c.purchases = rng.bounded(10);
        }
        return c;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_data = m_dir.filePath(u"DATEN"_s);
        QVERIFY(TempDataFolder::copyFolder(QStringLiteral(VELTA_IMAGE_DATA_DIR), m_data));
        for (const QFileInfo& f : QDir(m_data).entryInfoList(QDir::Files))
            QFile::setPermissions(f.filePath(), QFile::ReadOwner | QFile::WriteOwner);
        readTables();
        ListsFile::load(m_data + u"/VE.DAT"_s, &m_categories, &m_tastes);
        m_aliases = Aliases::ofFolder(m_data);
        m_marks = IngredientMarks::ofFolder(m_data);
        for (auto it = m_everyIngredientName.cbegin(); it != m_everyIngredientName.cend(); ++it)
            m_ingredientEntries.append({it.value(), it.key()});
        QVERIFY(m_recipes.size() > 100);
        QVERIFY(m_usedIngredients.size() > 50);
    }

    void init() {
        QFile::remove(cfg());
        QFile::remove(textsCfg());
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        const QString slotError = u"zwischen 1 und 10"_s;
        QTest::newRow("slot 0") << QStringList{u"suche"_s, u"DATA"_s, u"0"_s} << slotError;
        QTest::newRow("slot 11") << QStringList{u"suche"_s, u"DATA"_s, u"11"_s} << slotError;
        QTest::newRow("slot not a number") << QStringList{u"suche"_s, u"DATA"_s, u"drei"_s} << slotError;
        QTest::newRow("missing folder")
            << QStringList{u"suche"_s, u"/nicht/vorhanden"_s, u"1"_s} << u"wurde nicht gefunden"_s;
        QTest::newRow("folder without tables") << QStringList{u"suche"_s, u"EMPTY"_s, u"1"_s} << u"RE"_s;
        QTest::newRow("missing slot number") << QStringList{u"suche"_s, u"DATA"_s} << u"Aufruf"_s;
        QTest::newRow("finde without text") << QStringList{u"finde"_s, u"DATA"_s, u" "_s} << u"Text"_s;
        QTest::newRow("finde in a missing folder")
            << QStringList{u"finde"_s, u"/nicht/vorhanden"_s, u"gin"_s} << u"wurde nicht gefunden"_s;
        QTest::newRow("finde without tables") << QStringList{u"finde"_s, u"EMPTY"_s, u"gin"_s} << u"RE"_s;
        QTest::newRow("aehnlich of no drink")
            << QStringList{u"aehnlich"_s, u"DATA"_s, u"99999"_s} << u"kein Getränk"_s;
        QTest::newRow("aehnlich of no number")
            << QStringList{u"aehnlich"_s, u"DATA"_s, u"Mojito"_s} << u"kein Getränk"_s;
        QTest::newRow("aehnlich without tables") << QStringList{u"aehnlich"_s, u"EMPTY"_s, u"1"_s} << u"RE"_s;
    }

    // Similar drinks from the command line: ten lines PUNKTE<TAB>SATZ<TAB>NAME, best first, never the
    // drink itself, each a real record with its name; the Margarita's closest are Margaritas.
    void aehnlichListsBestFirst() {
        const Run found = veltadb({u"finde"_s, m_data, u"Margarita"_s});
        QCOMPARE(found.exitCode, 0);
        const QString margarita = found.lines.first().section(u'\t', 0, 0);
        const Run run = veltadb({u"aehnlich"_s, m_data, margarita});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), 10);
        int previous = 100;
        for (const QString& line : run.lines) {
            const QStringList f = line.split(u'\t');
            QCOMPARE(f.size(), 3);
            const int points = f.at(0).toInt();
            QVERIFY2(points > 0 && points <= previous, qPrintable(line));
            previous = points;
            QVERIFY(f.at(1) != margarita);
            const auto recipe = std::find_if(m_recipes.cbegin(), m_recipes.cend(),
                                             [&](const Recipe& r) { return r.recNo == f.at(1).toInt(); });
            QVERIFY(recipe != m_recipes.cend());
            QVERIFY2(recipe->text.startsWith(f.at(2) + u'\n'), qPrintable(line));
        }
        QVERIFY2(run.lines.first().contains(u"Margarita"_s), qPrintable(run.lines.first()));
    }
    void badArguments() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QTemporaryDir empty;
        args.replaceInStrings(u"DATA"_s, m_data).replaceInStrings(u"EMPTY"_s, empty.path());
        const Run run = veltadb(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
        QVERIFY(run.lines.isEmpty());
    }

    // The quick search from the command line: beginnings first, then names holding the text (word
    // start and short first), then the close ones; every line a real record with its name.
    void findeListsBestFirst() {
        const Run gin = veltadb({u"finde"_s, m_data, u"gin"_s});
        QCOMPARE(gin.exitCode, 0);
        QStringList kinds;
        for (const QString& line : gin.lines) {
            const QStringList fields = line.split(u'\t');
            QCOMPARE(fields.size(), 3);
            const int recNo = fields.at(0).toInt();
            const auto recipe = std::find_if(m_recipes.cbegin(), m_recipes.cend(),
                                             [recNo](const Recipe& r) { return r.recNo == recNo; });
            QVERIFY2(recipe != m_recipes.cend() && recipe->text.startsWith(fields.at(1)), qPrintable(line));
            // "Gin Collins" is another name of the Tom Collins.
            const QStringList names = m_aliases.ofDrink(fields.at(1)) << fields.at(1);
            QVERIFY2(names.join(u'\n').contains(u"gin"_s, Qt::CaseInsensitive), qPrintable(line));
            if (kinds.isEmpty() || kinds.last() != fields.at(2))
                kinds << fields.at(2);
        }
        QCOMPARE(kinds, strings({"anfang", "alias", "enthalten"}));
        const Run colada = veltadb({u"finde"_s, m_data, u"colada"_s});
        QVERIFY(colada.lines.size() > 3);
        QVERIFY2(colada.lines.first().endsWith(u"\tPiña Colada\tenthalten"_s),
                 qPrintable(colada.lines.first()));
        const Run typo = veltadb({u"finde"_s, m_data, u"margerita"_s});
        QVERIFY2(typo.lines.value(0).endsWith(u"\tMargarita\ttippfehler"_s), qPrintable(typo.lines.value(0)));
        // Other names come after the names that begin with the text and before the fallbacks.
        const Run other = veltadb({u"finde"_s, m_data, u"wodka-o"_s});
        QVERIFY2(other.lines.value(0).endsWith(u"\tWodka Orange\talias"_s), qPrintable(other.lines.value(0)));
        QVERIFY(veltadb({u"finde"_s, m_data, u"campari"_s})
                    .lines.contains(QString::number(recNoOf(u"Garibaldi"_s)) + u"\tGaribaldi\talias"_s));
        const Run none = veltadb({u"finde"_s, m_data, u"xyzzyq"_s});
        QCOMPARE(none.exitCode, 1);
        QVERIFY2(none.errors.contains(u"Kein Getränk passt zu „xyzzyq“."_s), qPrintable(none.errors));
        QVERIFY(none.lines.isEmpty());
    }

    void withoutSavedSearchesEverySlotListsAll() {
        const Run run = veltadb({u"suche"_s, m_data, u"10"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.first(), u"filter: "_s);
        QCOMPARE(run.lines.last(), u"count: "_s + QString::number(m_recipes.size()));
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expectedLines(Chosen()));
    }

    void rumOrCachacaWithoutCreamTiki() {
        Chosen c;
        c.first[0] = numberOf(u"Weißer Rum"_s);
        c.alternative[0] = numberOf(u"Cachaça"_s);
        c.first[1] = numberOf(u"Sahne"_s);
        c.without[1] = true;
        c.alternative[1] = numberOf(u"Cachaça"_s); // ignored: the row says "ohne"
        c.category = int(m_categories.indexOf(u"Tiki"_s));
        c.minimum = 10;
        c.maximum = 25;
        QVERIFY(c.first[0] && c.alternative[0] && c.first[1] && c.category >= 0);
        SavedSearches searches;
        searches.slot(2) = saved(c);
        searches.slot(2).setName(u"Rum ohne Sahne"_s);
        QVERIFY(searches.save(cfg(), false));
        const Run run = veltadb({u"suche"_s, m_data, u"3"_s});
        QCOMPARE(run.exitCode, 0);
        const QString expected =
            u"filter: (AT(\"%1\",Z)>0 .OR. AT(\"%2\",Z)>0) .AND. AT(\"%3\",Z)=0 .AND. "
            u"KAT = %4 .AND. ALK >= 10 .AND. ALK <= 25"_s.arg(
                IngredientSlots::FormatNumber5(c.first[0]), IngredientSlots::FormatNumber5(c.alternative[0]),
                IngredientSlots::FormatNumber5(c.first[1]), QString::number(c.category + 1));
        QCOMPARE(run.lines.first(), expected);
        const QStringList found = expectedLines(c);
        QVERIFY(!found.isEmpty());
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), found);
        QCOMPARE(run.lines.last(), u"count: "_s + QString::number(found.size()));
    }

    void refusedRangeIsNoSearch() {
        SavedSearches searches;
        searches.slot(0).setMaxAlcohol(120);
        searches.slot(1).setMinAlcohol(50);
        searches.slot(1).setMaxAlcohol(40);
        QVERIFY(searches.save(cfg(), false));
        const Run high = veltadb({u"suche"_s, m_data, u"1"_s});
        QCOMPARE(high.exitCode, 1);
        QVERIFY(high.errors.contains(u"zwischen 0 und 99"_s));
        QVERIFY(high.lines.isEmpty());
        const Run order = veltadb({u"suche"_s, m_data, u"2"_s});
        QCOMPARE(order.exitCode, 1);
        QVERIFY(order.errors.contains(u"größer als der maximale"_s));
    }

    // The full text of a saved search narrows the criteria; it applies only to the slot saved under
    // the name it was kept with, and a damaged file gives none.
    void fullTextWithCriteria_data() {
        QTest::addColumn<QByteArray>("textsFile");
        QTest::addColumn<bool>("applies");
        QTest::newRow("kept with the slot")
            << QByteArray("[Suche4]\r\nName=Zitrus\r\nVolltext=ZITRONE eis\r\n") << true;
        QTest::newRow("slot since renamed")
            << QByteArray("[Suche4]\r\nName=Andere\r\nVolltext=zitrone eis\r\n") << false;
        QTest::newRow("damaged file") << QByteArray("\x01\xFF[Su\r\n=\r\nVolltext") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void fullTextWithCriteria() {
        QFETCH(QByteArray, textsFile);
        QFETCH(bool, applies);
        Chosen c;
        c.minimum = 1;
        c.maximum = 30;
        SavedSearches searches;
        searches.slot(3) = saved(c);
        searches.slot(3).setName(u"Zitrus"_s);
        QVERIFY(searches.save(cfg(), false));
        if (!textsFile.isEmpty()) {
            QFile f(textsCfg());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(textsFile);
        }
        if (applies)
            c.fullText = u"ZITRONE eis"_s;
        const QStringList expected = expectedLines(c);
        QVERIFY(!expected.isEmpty());
        const Run run = veltadb({u"suche"_s, m_data, u"4"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.first(), u"filter: ALK >= 1 .AND. ALK <= 30"_s);
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expected);
        Chosen withoutText = c;
        withoutText.fullText.clear();
        QCOMPARE(expected.size() < expectedLines(withoutText).size(), applies);
    }

    // The full text finds a drink by its other names and by those of its ingredients.
    void fullTextFindsOtherNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("drink");
        QTest::newRow("ingredient") << u"limejuice"_s << u"Mojito"_s;
        QTest::newRow("trade name of an ingredient") << u"Campari"_s << u"Garibaldi"_s;
        QTest::newRow("drink") << u"cubata"_s << u"Cuba Libre"_s;
    }
    void fullTextFindsOtherNames() {
        QFETCH(QString, text);
        QFETCH(QString, drink);
        SavedSearches searches;
        searches.slot(0).setName(u"Anders"_s);
        QVERIFY(searches.save(cfg(), false));
        SavedSearchTexts texts;
        texts.set(0, u"Anders"_s, text);
        QVERIFY(texts.save(textsCfg()));
        Chosen c;
        c.fullText = text;
        const QStringList expected = expectedLines(c);
        QVERIFY(expected.contains(QString::number(recNoOf(drink))));
        const Run run = veltadb({u"suche"_s, m_data, u"1"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expected);
    }

    // A full text alone, without any other criterion, still narrows the list.
    void fullTextAlone() {
        SavedSearches searches;
        searches.slot(0).setName(u"Glühwein"_s);
        QVERIFY(searches.save(cfg(), false));
        SavedSearchTexts texts;
        texts.set(0, u"Glühwein"_s, u"gluehwein"_s);
        QVERIFY(texts.save(textsCfg()));
        Chosen c;
        c.fullText = u"gluehwein"_s;
        const QStringList expected = expectedLines(c);
        QVERIFY(expected.size() > 2 && expected.size() < 40);
        const Run run = veltadb({u"suche"_s, m_data, u"1"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.first(), u"filter: "_s);
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expected);
    }

    // A criterion naming what the folder does not hold is never left out in silence: the search
    // would find other drinks than the one saved. An alternative the search ignores does not count.
    void criteriaNamingWhatIsMissing_data() {
        QTest::addColumn<QString>("ingredient");
        QTest::addColumn<bool>("without");
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<QString>("taste");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("deleted ingredient")
            << u"Hausrum von 1999"_s << false << QString() << QString() << 1 << u"Zutat „Hausrum von 1999“"_s;
        QTest::newRow("deleted alternative") << u"Sahne"_s << false << u"Hausrum von 1999"_s << QString() << 1
                                             << u"Zutat „Hausrum von 1999“"_s;
        QTest::newRow("alternative of a row without")
            << u"Sahne"_s << true << u"Hausrum von 1999"_s << QString() << 0 << QString();
        QTest::newRow("deleted taste") << QString() << false << QString() << u"rauchig-süß"_s << 1
                                       << u"Geschmacksrichtung „rauchig-süß“"_s;
    }
    void criteriaNamingWhatIsMissing() {
        QFETCH(QString, ingredient);
        QFETCH(bool, without);
        QFETCH(QString, alternative);
        QFETCH(QString, taste);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        SavedSearches searches;
        if (!ingredient.isEmpty())
            searches.slot(0).setIngredient(0, ingredient);
        searches.slot(0).setWithout(0, without);
        if (!alternative.isEmpty())
            searches.slot(0).setAlternative(0, alternative);
        if (!taste.isEmpty())
            searches.slot(0).setTaste(taste);
        QVERIFY(searches.save(cfg(), false));
        const Run run = veltadb({u"suche"_s, m_data, u"1"_s});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
        QCOMPARE(run.lines.isEmpty(), exitCode != 0);
    }

    // Without VE.DAT there are no categories: a search for one says so instead of listing every drink.
    void categoryWithoutTheListsFile() {
        QTemporaryDir dir;
        const QString data = dir.filePath(u"DATEN"_s);
        QVERIFY(TempDataFolder::copyFolder(m_data, data));
        QVERIFY(QFile::remove(data + u"/VE.DAT"_s));
        SavedSearches searches;
        searches.slot(0).setCategory(u"Tiki"_s);
        QVERIFY(searches.save(data + u"/SUCHEN.CFG"_s, false));
        const Run run = veltadb({u"suche"_s, data, u"1"_s});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(u"Kategorie „Tiki“"_s) && run.errors.contains(u"VE.DAT fehlt"_s),
                 qPrintable(run.errors));
        QVERIFY(run.lines.isEmpty());
    }

    // The readings of the shipped instructions: nearly every drink gets a glass, every glass and way
    // of making is found somewhere, and the well-known drinks land where a bartender puts them.
    void classifiersOnTheShippedDrinks() {
        QHash<int, int> glasses;
        QHash<int, int> preparations;
        qsizetype withGlass = 0;
        for (const Recipe& r : m_recipes) {
            if (const std::optional<ServingGlass::Kind> g = ServingGlass::of(r.instructions)) {
                ++withGlass;
                ++glasses[int(*g)];
            }
            ++preparations[int(GlassStrength::preparationOf(r.instructions))];
        }
        QVERIFY2(withGlass * 100 >= m_recipes.size() * 93,
                 qPrintable(u"%1 of %2"_s.arg(withGlass).arg(m_recipes.size())));
        for (int kind = 0; kind < ServingGlass::kKinds; ++kind)
            QVERIFY2(glasses.value(kind) > 0, qPrintable(ServingGlass::name(ServingGlass::Kind(kind))));
        QCOMPARE(preparations.size(), int(DrinkTraits::preparationNames().size()) - 1);

        using Glass = ServingGlass::Kind;
        using Preparation = GlassStrength::Preparation;
        const struct {
            QString drink;
            std::optional<Glass> glass;
            Preparation preparation;
        } known[] = {
            {u"Mojito"_s, Glass::Highball, Preparation::Built},
            {u"Margarita"_s, Glass::Cocktail, Preparation::Shaken},
            {u"Dry Martini"_s, Glass::Cocktail, Preparation::Stirred},
            {u"Piña Colada"_s, Glass::Highball, Preparation::Blended},
            {u"Zombie"_s, Glass::Tiki, Preparation::Blended},
            {u"Moscow Mule"_s, Glass::Metal, Preparation::Built},
            {u"Kir Royal"_s, Glass::Flute, Preparation::Built},
            {u"Aperol Spritz"_s, Glass::Wine, Preparation::Built},
            {u"Hurricane"_s, Glass::Hurricane, Preparation::Shaken},
            {u"Whiskey Sour"_s, Glass::Tumbler, Preparation::Shaken},
            {u"B-52"_s, Glass::Shot, Preparation::Built},
            {u"Glühwein"_s, Glass::Handle, Preparation::Hot},
            {u"Irish Coffee"_s, Glass::Handle, Preparation::Hot},
            {u"Diesel"_s, std::nullopt, Preparation::Built},
        };
        for (const auto& k : known) {
            const Recipe& r = recipeNamed(k.drink);
            QVERIFY2(r.recNo > 0, qPrintable(k.drink));
            const QString& instructions = r.instructions;
            QVERIFY2(ServingGlass::of(instructions) == k.glass, qPrintable(k.drink));
            QVERIFY2(GlassStrength::preparationOf(instructions) == k.preparation, qPrintable(k.drink));
        }
    }

    // The shipped marks name shipped ingredients only, give every mark some, and leave out what they
    // should.
    void shippedMarks() {
        QVERIFY(m_marks.found());
        QCOMPARE(m_marks.check(m_everyIngredientName.values()), QList<IngredientMarks::Problem>());
        using Mark = IngredientMarks::Mark;
        for (const auto& [mark, drink] :
             {std::pair{Mark::Egg, u"Pisco Sour"_s}, std::pair{Mark::Dairy, u"White Russian"_s},
              std::pair{Mark::Nuts, u"Mai Tai"_s}, std::pair{Mark::Gluten, u"Diesel"_s}}) {
            const QSet<int> marked = m_marks.marked({mark}, m_ingredientEntries);
            QVERIFY2(recipeNamed(drink).anywhere.intersects(marked), qPrintable(drink));
            QVERIFY2(!recipeNamed(u"Cuba Libre"_s).anywhere.intersects(marked), qPrintable(drink));
        }
    }

    // A saved search with the second page's criteria lists what a direct reading of them selects; a
    // line of the marks file that cannot be read is named on the error output, and the rest counts.
    void furtherCriteriaOfASavedSearch() {
        Chosen c;
        c.preparation = int(DrinkTraits::preparationNames().indexOf(u"heiß"_s));
        c.freeOf = {IngredientMarks::Mark::Dairy};
        SavedSearches searches;
        searches.slot(0) = saved(c);
        searches.slot(0).setName(u"Heiß ohne Milch"_s);
        QVERIFY(searches.save(cfg(), false));
        SavedSearchTexts texts;
        texts.set(0, u"Heiß ohne Milch"_s, QString(), extras(c));
        QVERIFY(texts.save(textsCfg()));
        const QStringList expected = expectedLines(c);
        Chosen hot = c;
        hot.freeOf.clear();
        QVERIFY(!expected.isEmpty() && expected.size() < expectedLines(hot).size());
        const Run run = veltadb({u"suche"_s, m_data, u"1"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.first(), u"filter: "_s);
        QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expected);
        QCOMPARE(run.errors, QString());

        QTemporaryDir dir;
        const QString data = dir.filePath(u"DATEN"_s);
        QVERIFY(TempDataFolder::copyFolder(m_data, data));
        QFile marks(data + u"/MERKMALE.TXT"_s);
        QVERIFY(marks.open(QIODevice::WriteOnly | QIODevice::Truncate));
        marks.write("Milch: Milch, Sahne, Buttermilch\r\nK\xE4se: Sahne\r\n");
        marks.close();
        const Run damaged = veltadb({u"suche"_s, data, u"1"_s});
        QCOMPARE(damaged.exitCode, 0);
        QVERIFY2(damaged.errors.contains(u"Zeile 1: unbekannte Zutat „Buttermilch“"_s) &&
                     damaged.errors.contains(u"Zeile 2: am Anfang"_s),
                 qPrintable(damaged.errors));
        IngredientMarks fewer = IngredientMarks::parse(u"Milch: Milch, Sahne"_s);
        QStringList kept;
        for (const Recipe& r : m_recipes) {
            if (GlassStrength::preparationOf(r.instructions) == GlassStrength::Preparation::Hot &&
                !r.anywhere.intersects(fewer.marked({IngredientMarks::Mark::Dairy}, m_ingredientEntries)))
                kept << QString::number(r.recNo);
        }
        QCOMPARE(damaged.lines.mid(1, damaged.lines.size() - 2), kept);
    }

    void noMatchCountsZero() {
        Chosen c;
        c.marked = true; // the shipped drinks carry no marks
        SavedSearches searches;
        searches.slot(4) = saved(c);
        QVERIFY(searches.save(cfg(), false));
        const Run run = veltadb({u"suche"_s, m_data, u"5"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, (QStringList{u"filter: MARK = 1"_s, u"count: 0"_s}));
    }

    void crossCheckRandomCriteria_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {11u, 12u, 13u, 14u})
            QTest::newRow(qPrintable(u"seed "_s + QString::number(seed))) << seed;
    }
    void crossCheckRandomCriteria() {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        SavedSearches searches;
        SavedSearchTexts texts;
        std::array<Chosen, SavedSearches::kSlots> chosen;
        for (int slot = 0; slot < SavedSearches::kSlots; ++slot) {
            chosen[size_t(slot)] = randomCriteria(rng);
            searches.slot(slot) = saved(chosen[size_t(slot)]);
            searches.slot(slot).setName(u"Suche "_s + QString::number(slot + 1));
            texts.set(slot, searches.slot(slot).name(), chosen[size_t(slot)].fullText,
                      extras(chosen[size_t(slot)]));
        }
        QVERIFY(searches.save(cfg(), false));
        QVERIFY(texts.save(textsCfg()));
        for (int slot = 0; slot < SavedSearches::kSlots; ++slot) {
            const Run run = veltadb({u"suche"_s, m_data, QString::number(slot + 1)});
            QCOMPARE(run.exitCode, 0);
            const QStringList expected = expectedLines(chosen[size_t(slot)]);
            QCOMPARE(run.lines.mid(1, run.lines.size() - 2), expected);
            QCOMPARE(run.lines.last(), u"count: "_s + QString::number(expected.size()));
        }
    }
};

VELTA_TEST_MAIN_CORE(TestSearchVerb)
#include "tst_searchverb.moc"
