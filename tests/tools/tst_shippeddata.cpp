#include "VeltaTest.h"
#include "store/AlcoholValue.h"
#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/RecipeMemo.h"
#include "store/StoreChecker.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>

// Content rules of the data set the program ships with, checked on the built tables.
class TestShippedData : public QObject {
    Q_OBJECT

    std::unique_ptr<TApolloEnv> m_env;
    std::unique_ptr<TTable> m_tables[4];
    std::unique_ptr<TApollo> m_re, m_zu, m_de, m_ba;
    QHash<int, AlcoholValue::Ingredient> m_ingredients;
    QHash<int, int> m_pieceVolume;
    QSet<int> m_usedIngredients;
    QSet<int> m_usedDecorations;
    QStringList m_categories;
    QStringList m_tastes;

    QList<IngredientSlots::Line> lines() const {
        return IngredientSlots(m_re->GetPaddedString(QStringLiteral("Z")),
                               m_re->GetPaddedString(QStringLiteral("ZMENGE")))
            .lines();
    }

    struct Glass {
        double volume = 0;  // cl
        double alcohol = 0; // cl of pure alcohol
        bool anyAlcohol = false;
    };
    // One glass of the current recipe, pieces counted with their volume.
    Glass glass() const {
        Glass g;
        for (const auto& line : lines()) {
            const AlcoholValue::Ingredient i = m_ingredients.value(line.ingredient);
            double cl = 0;
            if (i.unit == UnitKind::Cl)
                cl = line.amount;
            else if (i.unit == UnitKind::Dash)
                cl = line.amount / 12.0;
            else if (i.unit == UnitKind::Piece)
                cl = double(line.amount) * m_pieceVolume.value(line.ingredient);
            g.volume += cl;
            g.alcohol += cl * i.alcohol / 100.0;
            g.anyAlcohol = g.anyAlcohol || i.alcohol > 0;
        }
        return g;
    }

    std::unique_ptr<TApollo> open(int slot, const char* name) {
        m_tables[slot] = std::make_unique<TTable>(*m_env);
        m_tables[slot]->setDatabaseName(QStringLiteral(VELTA_IMAGE_DATA_DIR));
        m_tables[slot]->setTableName(QString::fromLatin1(name));
        m_tables[slot]->setReadOnly(true);
        m_tables[slot]->Open();
        return std::make_unique<TApollo>(*m_tables[slot]);
    }

private slots:
    void initTestCase() {
        m_env = std::make_unique<TApolloEnv>();
        m_env->SetDeleted(true);
        m_re = open(0, "RE");
        m_zu = open(1, "ZU");
        m_de = open(2, "DE");
        m_ba = open(3, "BA");
        for (m_zu->GoTop(); !m_zu->Eof(); m_zu->Skip()) {
            const int number = int(m_zu->GetInteger(QStringLiteral("INDEX")));
            m_ingredients.insert(number, {int(m_zu->GetInteger(QStringLiteral("KENNUNG"))),
                                          int(m_zu->GetInteger(QStringLiteral("ALKOHOL")))});
            m_pieceVolume.insert(number, int(m_zu->GetInteger(QStringLiteral("MENGE"))));
        }
        for (m_re->GoTop(); !m_re->Eof(); m_re->Skip()) {
            for (const auto& line : lines())
                m_usedIngredients.insert(line.ingredient);
            m_usedDecorations.insert(int(m_re->GetInteger(QStringLiteral("DEKO"))));
        }
        ListsFile::load(QStringLiteral(VELTA_IMAGE_DATA_DIR "/VE.DAT"), &m_categories, &m_tastes);
    }

    void storeCheckIsClean() {
        QCOMPARE(StoreChecker::check(QStringLiteral(VELTA_IMAGE_DATA_DIR), *m_env), QStringList());
    }

    void imageIsReadOnlyMedium() {
        QVERIFY(
            !(QFileInfo(QStringLiteral(VELTA_IMAGE_DATA_DIR "/VE.DAT")).permissions() & QFile::WriteOwner));
    }

    void counts() {
        QVERIFY(m_categories.size() >= 16);
        QVERIFY(m_tastes.size() >= 8);
        QVERIFY(m_re->Count() >= 1000);
        QVERIFY(m_de->Count() >= 80);
        QVERIFY(m_ba->Count() >= 300);
        int supplied = 0;
        for (int number : m_ingredients.keys())
            supplied += number < 400 ? 1 : 0;
        QVERIFY(supplied >= 200);
    }

    void homeBarPresetsExist_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("minCount");
        const QList<int> basis = {5, 26, 58, 74, 67, 99, 52, 93, 134, 2,  25, 15, 23, 10,
                                  8, 34, 1,  45, 85, 14, 97, 48, 4,   17, 7,  9,  6,  19};
        const QList<int> standard = {91, 59,  70,  42,  83,  36, 44, 46, 105, 95, 137,
                                     35, 120, 130, 156, 189, 60, 29, 72, 21,  38, 3};
        const QList<int> profi = {76,  47, 117, 16, 41, 61, 113, 12,  114, 119, 69,  144, 27,
                                  170, 55, 143, 75, 49, 88, 185, 128, 43,  18,  135, 86};
        QTest::newRow("Basis: main spirits") << basis << 35 << 6;
        QTest::newRow("Standard: liqueurs") << standard << 15 << 8;
        QTest::newRow("Profi: specialist bottles") << profi << 15 << 15;
    }
    void homeBarPresetsExist() {
        QFETCH(QList<int>, numbers);
        QFETCH(int, strength);
        QFETCH(int, minCount);
        int strong = 0;
        for (int n : numbers) {
            QVERIFY2(m_ingredients.contains(n), qPrintable(QString::number(n)));
            QVERIFY2(m_usedIngredients.contains(n), qPrintable(QString::number(n)));
            strong += m_ingredients.value(n).alcohol >= strength ? 1 : 0;
        }
        QVERIFY(strong >= minCount);
    }

    void everyAssistantAnswerFindsADrink() {
        QStringList missing;
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                for (int c = 1; c <= 4; ++c)
                    for (int d = 1; d <= 3; ++d) {
                        const QString code = QStringLiteral("%1%2%3%4").arg(a).arg(b).arg(c).arg(d);
                        if (m_re->Query(QStringLiteral("CANR = ") + code) == 0)
                            missing << code;
                    }
        m_re->Query(QString());
        QCOMPARE(missing, QStringList());
    }

    void recipesFollowTheProgramsRules() {
        const auto lookup = [this](int n) -> std::optional<AlcoholValue::Ingredient> {
            return m_ingredients.contains(n) ? std::optional(m_ingredients.value(n)) : std::nullopt;
        };
        int alcoholFree = 0;
        int withRemark = 0;
        QSet<QString> names;
        for (m_re->GoTop(); !m_re->Eof(); m_re->Skip()) {
            const QString name = m_re->GetTrimString(QStringLiteral("NAME"));
            const auto recipeLines = lines();
            QVERIFY2(!recipeLines.isEmpty(), qPrintable(name));
            QCOMPARE(m_re->GetInteger(QStringLiteral("ALK")), AlcoholValue::compute(recipeLines, lookup, 12));
            bool anyAlcohol = false;
            for (const auto& line : recipeLines)
                anyAlcohol = anyAlcohol || m_ingredients.value(line.ingredient).alcohol > 0;
            alcoholFree += anyAlcohol ? 0 : 1;
            QCOMPARE((m_re->GetInteger(QStringLiteral("CANR")) / 10) % 10 == 2, !anyAlcohol);
            QString instructions;
            QString remark;
            RecipeMemo::split(m_re->GetMemo(QStringLiteral("ANLEITUNG")), &instructions, &remark);
            QVERIFY2(instructions.size() > 40, qPrintable(name));
            withRemark += remark.isEmpty() ? 0 : 1;
            QVERIFY2(m_re->GetTrimString(QStringLiteral("BILD")).toInt() > 0, qPrintable(name));
            QVERIFY(m_re->GetInteger(QStringLiteral("KAT")) >= 1);
            QVERIFY2(!names.contains(name.toLower()), qPrintable(name));
            names.insert(name.toLower());
        }
        QVERIFY(alcoholFree >= 200);
        QVERIFY(withRemark * 5 >= m_re->Count());
    }

    void everyIngredientAndDecorationIsUsed() {
        QList<int> unused;
        for (int number : m_ingredients.keys()) {
            if (number < 400 && !m_usedIngredients.contains(number))
                unused << number;
        }
        QCOMPARE(unused, QList<int>());
        for (int deco = 1; deco <= m_de->Count(); ++deco)
            QVERIFY2(m_usedDecorations.contains(deco), qPrintable(QString::number(deco)));
    }

    // Wenig up to 1.5 cl of pure alcohol a glass, viel from 2.4 cl, the middle is "spielt keine
    // Rolle"; bowls and punches are counted by the glass, so none holds more than a litre mug.
    void alcoholDigitFollowsPureAlcohol() {
        QHash<int, int> perDigit;
        for (m_re->GoTop(); !m_re->Eof(); m_re->Skip()) {
            const QString name = m_re->GetTrimString(QStringLiteral("NAME"));
            const Glass g = glass();
            const int expected = !g.anyAlcohol             ? 2
                                 : g.alcohol <= 1.5 + 1e-9 ? 3
                                 : g.alcohol >= 2.4 - 1e-9 ? 4
                                                           : 1;
            const int digit = int(m_re->GetInteger(QStringLiteral("CANR")) / 10 % 10);
            QVERIFY2(digit == expected, qPrintable(name));
            QVERIFY2(g.volume <= 110 && g.alcohol <= 5, qPrintable(name));
            ++perDigit[digit];
        }
        for (int digit = 1; digit <= 4; ++digit)
            QVERIFY2(perDigit.value(digit) >= 50, qPrintable(QString::number(digit)));
    }

    void noTwoRecipesAlike() {
        QHash<QString, QString> seen;
        for (m_re->GoTop(); !m_re->Eof(); m_re->Skip()) {
            QStringList parts;
            for (const auto& line : lines())
                parts << QStringLiteral("%1:%2").arg(line.ingredient).arg(line.amount);
            parts.sort();
            const QString name = m_re->GetTrimString(QStringLiteral("NAME"));
            const QString key = parts.join(QLatin1Char(','));
            QVERIFY2(!seen.contains(key), qPrintable(name + QStringLiteral(" = ") + seen.value(key)));
            seen.insert(key, name);
        }
    }

    void everyTextIsPresent() {
        for (TApollo* t : {m_zu.get(), m_de.get(), m_ba.get()}) {
            const QString memo = t == m_zu.get() ? QStringLiteral("KOMMENTAR") : QStringLiteral("TEXT");
            for (t->GoTop(); !t->Eof(); t->Skip()) {
                QVERIFY2(t->GetMemo(memo).size() > 40, qPrintable(t->GetTrimString(QStringLiteral("NAME"))));
                if (t != m_zu.get())
                    QVERIFY(!t->GetTrimString(QStringLiteral("BILD")).isEmpty());
            }
        }
    }

    void lexiconHasTheTermsInstructionsUse() {
        QSet<QString> terms;
        for (m_ba->GoTop(); !m_ba->Eof(); m_ba->Skip())
            terms.insert(m_ba->GetTrimString(QStringLiteral("NAME")));
        for (const char* term :
             {"Shaker", "Barlöffel", "Rührglas", "Barsieb", "Stößel", "Highballglas", "Cocktailglas",
              "Tumbler", "Sektflöte", "Crushed Ice", "Eiswürfel", "Dash", "Zeste", "Blender"})
            QVERIFY2(terms.contains(QString::fromUtf8(term)), term);
    }

    // A click on a recipe's category opens the first lexicon article that begins with its name.
    void everyCategoryHasALexiconArticle() {
        QStringList terms;
        for (m_ba->GoTop(); !m_ba->Eof(); m_ba->Skip())
            terms << m_ba->GetTrimString(QStringLiteral("NAME"));
        for (const QString& category : m_categories) {
            const bool found = std::any_of(terms.cbegin(), terms.cend(), [&](const QString& term) {
                return term.startsWith(category, Qt::CaseInsensitive);
            });
            QVERIFY2(found, qPrintable(category));
        }
    }

    void textsUseTheHouseWords_data() {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("schütteln, not shaken") << QStringLiteral("\\b(ge)?shak(en|t|te|ter|tes)\\b");
        QTest::newRow("auffüllen, not toppen") << QStringLiteral("\\b(ge)?topp(en|t)\\b");
        QTest::newRow("Trinkhalm, not Strohhalm") << QStringLiteral("Strohhalm");
        QTest::newRow("Champagnercocktail in one word") << QStringLiteral("Champagner Cocktail");
        QTest::newRow("daraufgießen in one word") << QStringLiteral("\\bdarauf gießen\\b");
    }
    void textsUseTheHouseWords() {
        QFETCH(QString, pattern);
        const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
        QStringList offenders;
        const auto scan = [&](TApollo& table, const QString& memo) {
            for (table.GoTop(); !table.Eof(); table.Skip()) {
                if (re.match(table.GetTrimString(QStringLiteral("NAME")) + u' ' + table.GetMemo(memo))
                        .hasMatch())
                    offenders << table.GetTrimString(QStringLiteral("NAME"));
            }
        };
        scan(*m_re, QStringLiteral("ANLEITUNG"));
        scan(*m_zu, QStringLiteral("KOMMENTAR"));
        scan(*m_ba, QStringLiteral("TEXT"));
        scan(*m_de, QStringLiteral("TEXT"));
        QCOMPARE(offenders, QStringList());
    }
};

VELTA_TEST_MAIN_CORE(TestShippedData)
#include "tst_shippeddata.moc"
