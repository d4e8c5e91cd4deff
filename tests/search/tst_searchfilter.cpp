#include "VeltaTest.h"
#include "search/SearchFilter.h"

using Terms = SearchFilter::Terms;
Q_DECLARE_METATYPE(SearchFilter::Terms)

namespace {
Terms rows(std::initializer_list<SearchFilter::Row> list) {
    Terms t;
    int i = 0;
    for (const SearchFilter::Row& r : list)
        t.rows[size_t(i++)] = r;
    return t;
}
} // namespace

class TestSearchFilter : public QObject {
    Q_OBJECT

private slots:
    void ingredientCode_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("code");
        QTest::newRow("7: four blanks") << 7 << "    7";
        QTest::newRow("42: three blanks") << 42 << "   42";
        QTest::newRow("1500") << 1500 << " 1500";
        QTest::newRow("none") << 0 << "";
        QTest::newRow("negative") << -3 << "";
    }
    void ingredientCode() {
        QFETCH(int, number);
        QFETCH(QString, code);
        QCOMPARE(SearchFilter::ingredientCode(number), code);
    }

    void build_data() {
        QTest::addColumn<Terms>("terms");
        QTest::addColumn<QString>("expression");

        Terms example = rows({{12, 7, false}, {305, 0, true}});
        example.categoryPosition = 2;
        example.minimumAlcohol = 0;
        example.maximumAlcohol = 20;
        QTest::newRow("the documented example")
            << example
            << R"((AT("   12",Z)>0 .OR. AT("    7",Z)>0) .AND. AT("  305",Z)=0 .AND. KAT = 3 .AND. ALK >= 0 .AND. ALK <= 20)";

        QTest::newRow("nothing") << Terms() << "";
        QTest::newRow("mit") << rows({{42, 0, false}}) << R"(AT("   42",Z)>0)";
        QTest::newRow("ohne") << rows({{42, 0, true}}) << R"(AT("   42",Z)=0)";
        QTest::newRow("ohne ignores its alternative") << rows({{42, 7, true}}) << R"(AT("   42",Z)=0)";
        QTest::newRow("alternative without first adds nothing") << rows({{0, 7, false}}) << "";
        QTest::newRow("rows keep their order, gaps skipped")
            << rows({{0, 0, false}, {3, 0, false}, {0, 9, false}, {1500, 0, true}})
            << R"(AT("    3",Z)>0 .AND. AT(" 1500",Z)=0)";

        Terms taste;
        taste.tastePosition = 0;
        QTest::newRow("first taste is 1") << taste << "GESCH = 1";
        Terms category;
        category.categoryPosition = 0;
        QTest::newRow("first category is 1") << category << "KAT = 1";

        Terms range098;
        range098.minimumAlcohol = 0;
        range098.maximumAlcohol = 98;
        QTest::newRow("0 to 98") << range098 << "ALK >= 0 .AND. ALK <= 98";
        Terms noRange;
        noRange.minimumAlcohol = SearchFilter::kNoAlcoholClause;
        QTest::newRow("minimum 101: no clause") << noRange << "";
        Terms hundred;
        hundred.minimumAlcohol = 100;
        hundred.maximumAlcohol = 100;
        QTest::newRow("minimum 100: no clause") << hundred << "";

        Terms all = rows({{1, 2, false}});
        all.categoryPosition = 4;
        all.tastePosition = 6;
        all.minimumAlcohol = 10;
        all.maximumAlcohol = 25;
        all.markedOnly = true;
        all.ownOnly = true;
        QTest::newRow("every clause in order")
            << all
            << R"((AT("    1",Z)>0 .OR. AT("    2",Z)>0) .AND. KAT = 5 .AND. GESCH = 7 .AND. ALK >= 10 .AND. ALK <= 25 .AND. MARK = 1 .AND. BILD = "e")";
        Terms own;
        own.ownOnly = true;
        QTest::newRow("own alone") << own << R"(BILD = "e")";
    }
    void build() {
        QFETCH(Terms, terms);
        QFETCH(QString, expression);
        QCOMPARE(SearchFilter::build(terms), expression);
    }
};

VELTA_TEST_MAIN_CORE(TestSearchFilter)
#include "tst_searchfilter.moc"
