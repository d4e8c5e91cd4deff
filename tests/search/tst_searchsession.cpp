#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/AppState.h"
#include "search/SearchSession.h"
#include "store/SavedSearches.h"

using namespace Qt::StringLiterals;

namespace {
const QString kNone = u"(keine Auswahl)"_s;

// The shared lists: the sorted master ingredient list, categories and tastes with a free slot.
void fillShared(AppState& state) {
    state.catalogue.changeIngredients([&](IngredientChoices& c) {
        c.zutatliste = {{u"Ananassaft"_s, 21},
                        {u"Cachaça"_s, 12},
                        {u"Rum weiß"_s, 7},
                        {u"Sahne"_s, 305},
                        {u"Zitronensaft"_s, 3}};
    });
    state.catalogue.setLists({u"Longdrink"_s, u"~"_s, u"Tiki"_s, u"Shortdrink"_s},
                             {u"süß"_s, u"~"_s, u"sauer"_s});
}

int indexOf(const QList<ListEntry>& entries, const QString& text) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text == text)
            return i;
    }
    return -1;
}

struct Fixture {
    QTemporaryDir dir;
    AppState state;
    SearchSession session{state};
    Fixture() {
        state.folders.dataFolder = dir.path() + u'/';
        fillShared(state);
        session.begin();
    }
    int ingredient(const QString& name) const { return indexOf(session.choices().ingredients, name); }
    int category(const QString& name) const { return indexOf(session.choices().categories, name); }
    // "rum or cachaça but without cream, category Tiki, 10 to 25 %"
    void fillExample() {
        session.setIngredient(0, ingredient(u"Rum weiß"_s));
        session.setAlternative(0, ingredient(u"Cachaça"_s));
        session.setIngredient(1, ingredient(u"Sahne"_s));
        session.setWithout(1, true);
        session.setCategory(category(u"Tiki"_s));
        session.editMinimum(u"10"_s);
        session.editMaximum(u"25"_s);
    }
};
} // namespace

class TestSearchSession : public QObject {
    Q_OBJECT

private slots:
    void choicesFromTheSharedLists() {
        Fixture f;
        const SearchChoices& c = f.session.choices();
        const QString none = u"(keine Auswahl)"_s;
        QCOMPARE(c.ingredients.size(), 6);
        QCOMPARE(c.ingredients.at(0), (ListEntry{none, 0}));
        QCOMPARE(c.ingredients.at(1), (ListEntry{u"Ananassaft"_s, 21}));
        // Categories sorted by name, tastes in list order; the free slot is left out, keys keep.
        QCOMPARE(c.categories,
                 (QList<ListEntry>{{none, 0}, {u"Longdrink"_s, 0}, {u"Shortdrink"_s, 3}, {u"Tiki"_s, 2}}));
        QCOMPARE(c.tastes, (QList<ListEntry>{{none, 0}, {u"süß"_s, 0}, {u"sauer"_s, 2}}));
    }

    void percentText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("caret");
        QTest::newRow("digits") << "12"
                                << "12%" << 2;
        QTest::newRow("typed behind the sign") << "1%0"
                                               << "10%" << 2;
        QTest::newRow("leading blanks and letters") << "  1a2%"
                                                    << "12%" << 2;
        QTest::newRow("emptied") << ""
                                 << "%" << 0;
        QTest::newRow("only the sign") << "%"
                                       << "%" << 0;
        QTest::newRow("three digits") << "100"
                                      << "100%" << 3;
    }
    void percentText() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, caret);
        Fixture f;
        const NumberText::Edited edited = f.session.editMaximum(typed);
        QCOMPARE(edited.text, shown);
        QCOMPARE(edited.caret, caret);
        QCOMPARE(f.session.form().maximum, shown);
    }

    void percentValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12%" << 12;
        QTest::newRow("leading zeros") << "007%" << 7;
        QTest::newRow("no digits") << "%" << 0;
        QTest::newRow("no sign") << "12" << 0;
        QTest::newRow("not a number") << "1x%" << 0;
        QTest::newRow("second sign ignored") << "5%%" << 5;
        QTest::newRow("too long for an int stays large") << "99999999999%" << std::numeric_limits<int>::max();
    }
    void percentValue() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(NumberText::percentValue(text), value);
    }

    void stepping_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("result");
        QTest::newRow("up") << "5%" << 1 << "6%";
        QTest::newRow("down") << "5%" << -1 << "4%";
        QTest::newRow("not above 99") << "99%" << 1 << "99%";
        QTest::newRow("not below 0") << "0%" << -1 << "0%";
        QTest::newRow("empty reads 0") << "%" << 1 << "1%";
    }
    void stepping() {
        QFETCH(QString, start);
        QFETCH(int, delta);
        QFETCH(QString, result);
        Fixture f;
        f.session.editMinimum(start);
        f.session.stepMinimum(delta);
        QCOMPARE(f.session.form().minimum, result);
    }

    void purchasesStepping() {
        Fixture f;
        f.session.stepPurchases(-1);
        QCOMPARE(f.session.form().purchases, u"0"_s);
        for (int i = 0; i < 12; ++i)
            f.session.stepPurchases(1);
        QCOMPARE(f.session.form().purchases, u"9"_s);
        f.session.setPurchases(u"x"_s);
        f.session.stepPurchases(1);
        QCOMPARE(f.session.form().purchases, u"1"_s);
    }

    void confirmAlcohol_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("expression");
        const QString range = SearchSession::alcoholRangeNotice();
        const QString order = SearchSession::minimumAboveMaximumNotice();
        QTest::newRow("0-99 builds nothing") << "0%"
                                             << "99%"
                                             << ""
                                             << "";
        QTest::newRow("0-98") << "0%"
                              << "98%"
                              << ""
                              << "ALK >= 0 .AND. ALK <= 98";
        QTest::newRow("1-99") << "1%"
                              << "99%"
                              << ""
                              << "ALK >= 1 .AND. ALK <= 99";
        QTest::newRow("empty fields read 0") << "%"
                                             << "%"
                                             << ""
                                             << "ALK >= 0 .AND. ALK <= 0";
        QTest::newRow("maximum 100 refused") << "0%"
                                             << "100%" << range << "";
        QTest::newRow("range checked before order") << "200%"
                                                    << "100%" << range << "";
        QTest::newRow("50 above 40 refused") << "50%"
                                             << "40%" << order << "";
        QTest::newRow("equal bounds") << "40%"
                                      << "40%"
                                      << ""
                                      << "ALK >= 40 .AND. ALK <= 40";
    }
    void confirmAlcohol() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(QString, notice);
        QFETCH(QString, expression);
        Fixture f;
        f.session.editMinimum(minimum);
        f.session.editMaximum(maximum);
        const Result c = f.session.confirm();
        QCOMPARE(c ? QString() : c.notice().text, notice);
        if (c)
            QCOMPARE(f.session.expression(), expression);
        else
            QCOMPARE(c.notice(), Notice::hint(notice, 2));
    }

    void confirmTakesBarAndPurchasesEvenWhenRefused() {
        Fixture f;
        f.session.setBar(2);
        f.session.setPurchases(u"a"_s);
        f.session.editMaximum(u"100"_s);
        f.state.searchPurchases = 7;
        QVERIFY(!f.session.confirm());
        QCOMPARE(f.state.settings.options().get(OptionsRecord::HomeBar), quint8(3));
        QCOMPARE(f.state.searchPurchases, 0);
        QCOMPARE(f.session.form().purchases, u"0"_s); // shown as "0" after reading
        f.session.setPurchases(u"4"_s);
        QVERIFY(!f.session.confirm());
        QCOMPARE(f.state.searchPurchases, 4);
    }

    void exampleExpression() {
        Fixture f;
        f.fillExample();
        QVERIFY(f.session.confirm());
        QCOMPARE(
            f.session.expression(),
            uR"((AT("    7",Z)>0 .OR. AT("   12",Z)>0) .AND. AT("  305",Z)=0 .AND. KAT = 3 .AND. ALK >= 10 .AND. ALK <= 25)"_s);
    }

    void withoutIgnoresTheDisabledAlternative() {
        Fixture f;
        f.session.setIngredient(2, f.ingredient(u"Sahne"_s));
        f.session.setAlternative(2, f.ingredient(u"Ananassaft"_s));
        QVERIFY(f.session.form().alternativeEnabled(2));
        f.session.setWithout(2, true);
        QVERIFY(!f.session.form().alternativeEnabled(2));
        QCOMPARE(f.session.expression(), uR"(AT("  305",Z)=0)"_s);
        // Still chosen in its box, so "  &Info" lists it.
        QCOMPARE(f.session.infoIngredients().size(), 2);
    }

    void tasteAndCategoryCarryListPositions() {
        Fixture f;
        f.session.setTaste(indexOf(f.session.choices().tastes, u"sauer"_s));
        f.session.setCategory(f.category(u"Shortdrink"_s));
        QCOMPARE(f.session.expression(), u"KAT = 4 .AND. GESCH = 3"_s);
        f.session.setCategory(f.category(u"Longdrink"_s)); // position 0 is still a choice
        f.session.setTaste(0);
        QCOMPARE(f.session.expression(), u"KAT = 1"_s);
    }

    void resetClearsEverything() {
        Fixture f;
        const SearchForm fresh = f.session.form();
        f.fillExample();
        f.session.setMarkedOnly(true);
        f.session.setOwnOnly(true);
        f.session.setHomeBarOnly(true);
        f.session.setBar(2);
        f.session.setPurchases(u"3"_s);
        f.session.setTaste(1);
        f.session.setFullText(u"Zitrone Minze"_s);
        f.session.setPreparation(5);
        f.session.setGlass(3);
        f.session.setFreeOf(IngredientMarks::Mark::Gluten, true);
        QCOMPARE(f.session.form().traits.count(), 3);
        f.session.Reset();
        QCOMPARE(f.session.form(), fresh);
        QCOMPARE(f.session.form().traits.count(), 0);
        QCOMPARE(f.session.form().minimum, u"0%"_s);
        QCOMPARE(f.session.form().maximum, u"99%"_s);
        QCOMPARE(f.session.form().bar, 0);
        QCOMPARE(f.session.expression(), QString());
    }

    void cancelRestoresWhatWasShown() {
        Fixture f;
        f.fillExample();
        f.session.setFullText(u"Minze"_s);
        f.session.setGlass(2);
        f.state.settings.changeOptions().set(OptionsRecord::HomeBar, 3);
        f.session.begin(); // the bar comes from the options first
        QCOMPARE(f.session.form().bar, 2);
        const SearchForm atOpening = f.session.form();
        f.session.Reset();
        f.session.setIngredient(3, 1);
        f.session.setBar(0);
        f.session.setFullText(u"Sahne"_s);
        f.session.setPreparation(1);
        f.session.setFreeOf(IngredientMarks::Mark::Egg, true);
        f.session.cancelled();
        QCOMPARE(f.session.form(), atOpening);
    }

    void storedRecordIsByteExact() {
        Fixture f;
        f.fillExample();
        f.session.setTaste(2);
        f.session.setMarkedOnly(true);
        f.session.setHomeBarOnly(true);
        f.session.setPurchases(u"2"_s);
        f.session.setBar(2);
        SearchCriteria c(QByteArray(SearchCriteria::kSize, '\xAA'));
        f.session.storeInto(c);
        const QByteArray b = c.bytes();
        QCOMPARE(b.size(), 436);
        QCOMPARE(b.left(72), QByteArray(72, '\xAA')); // name and padding untouched
        QCOMPARE(b.mid(72, 4), QByteArray("\x02\x00\x00\x00", 4));
        QCOMPARE(b.mid(76, 10), QByteArray("\x00\x00\x01\x00\x00\x0A\x19\x01\x01\x02", 10));
        QCOMPARE(b.mid(86, 9), QByteArray("\x08Rum wei\xDF"));
        QCOMPARE(b.mid(117, 6), QByteArray("\x05Sahne"));
        QCOMPARE(b.mid(148, 16), QByteArray("\x0F(keine Auswahl)"));
        QCOMPARE(b.mid(210, 8), QByteArray("\x07"
                                           "Cacha\xE7"
                                           "a"));
        QCOMPARE(b.mid(241, 16), QByteArray("\x0F(keine Auswahl)"));
        QCOMPARE(b.mid(334, 5), QByteArray("\x04Tiki"));
        QCOMPARE(b.mid(385, 6), QByteArray("\x05sauer"));
        // Bytes after a shorter text keep what they held.
        QCOMPARE(b.at(334 + 5), '\xAA');
    }

    void setzeKriteriumByName_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("selected");
        QTest::newRow("exact") << "Sahne"
                               << "Sahne";
        QTest::newRow("case ignored") << "RUM WEISS"
                                      << "(keine Auswahl)"; // ß is not ss here
        QTest::newRow("case ignored, umlaut") << "rum WEIß"
                                              << "Rum weiß";
        QTest::newRow("deleted since") << "Blue Curaçao"
                                       << "(keine Auswahl)";
        QTest::newRow("empty name") << ""
                                    << "(keine Auswahl)";
        QTest::newRow("stored as none") << "(keine Auswahl)"
                                        << "(keine Auswahl)";
    }
    void setzeKriteriumByName() {
        QFETCH(QString, stored);
        QFETCH(QString, selected);
        Fixture f;
        SearchCriteria c;
        c.setIngredient(1, stored);
        c.setAlternative(3, stored);
        f.session.SetzeKriterium(c);
        const QList<ListEntry>& box = f.session.choices().ingredients;
        QCOMPARE(box.at(f.session.form().ingredient[1]).text, selected);
        QCOMPARE(box.at(f.session.form().alternative[3]).text, selected);
    }

    void setzeKriteriumFields() {
        Fixture f;
        SearchCriteria c;
        c.setMinAlcohol(5);
        c.setMaxAlcohol(150);
        c.setPurchases(4);
        c.setWithout(0, true);
        c.setWithout(3, true);
        c.setHomeBarIndex(2);
        c.setOwnOnly(true);
        c.setMarkedOnly(true);
        c.setCategory(u"tiki"_s);
        c.setTaste(u"SÜSS"_s);
        f.session.SetzeKriterium(c);
        const SearchForm& form = f.session.form();
        QCOMPARE(form.minimum, u"5%"_s);
        QCOMPARE(form.maximum, u"150%"_s);
        QCOMPARE(form.purchases, u"4"_s);
        QVERIFY(!form.alternativeEnabled(0) && form.alternativeEnabled(1) && !form.alternativeEnabled(3));
        QCOMPARE(form.bar, 2);
        QVERIFY(form.ownOnly && form.markedOnly && !form.homeBarOnly);
        QCOMPARE(f.session.choices().categories.at(form.category).text, u"Tiki"_s);
        QCOMPARE(form.taste, 0); // "SÜSS" is not "süß"
        QCOMPARE(f.session.confirm().notice().text, SearchSession::alcoholRangeNotice());
    }

    // Purchases from a damaged file beyond what the one-digit field shows: the form holds what it
    // shows, so the search runs with what the user sees (not 50 behind a "5").
    void setzeKriteriumClampsPurchasesTheFieldCannotShow() {
        Fixture f;
        SearchCriteria c;
        c.setPurchases(50);
        f.session.SetzeKriterium(c);
        QCOMPARE(f.session.form().purchases, u"9"_s);
        QVERIFY(f.session.confirm());
        QCOMPARE(f.state.searchPurchases, 9);
    }

    void barOutsideTheChoiceFallsBackToTheFirst() {
        Fixture f;
        SearchCriteria c;
        c.setHomeBarIndex(7);
        f.session.SetzeKriterium(c);
        QCOMPARE(f.session.form().bar, 0);
        c.setHomeBarIndex(-1);
        f.session.SetzeKriterium(c);
        QCOMPARE(f.session.form().bar, 0);
    }

    void emptySlotLoadsDefaults() {
        Fixture f;
        f.fillExample();
        f.session.loadSlot(4);
        const SearchForm& form = f.session.form();
        QCOMPARE(form.minimum, u"0%"_s);
        QCOMPARE(form.maximum, u"99%"_s);
        QCOMPARE(form.bar, 1); // "Hausbar Nr. 2"
        QCOMPARE(form.ingredient, (std::array<int, 4>{}));
        QCOMPARE(form.alternative, (std::array<int, 4>{}));
        QCOMPARE(form.category, 0);
        QCOMPARE(form.without, (std::array<bool, 4>{}));
        QCOMPARE(f.session.slotNames(), QStringList(10, u"Leer"_s));
    }

    void saveSlot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("slotName");
        QTest::newRow("plain") << "Tiki" << true << "Tiki";
        QTest::newRow("spaces stripped") << "   Rum ohne Sahne  " << true << "Rum ohne Sahne";
        QTest::newRow("only spaces") << "    " << false << "Leer";
        QTest::newRow("empty") << "" << false << "Leer";
        QTest::newRow("cut to 70") << QString(80, u'x') << true << QString(70, u'x');
        QTest::newRow("inner spaces kept") << " a  b " << true << "a  b";
    }
    void saveSlot() {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        QFETCH(QString, slotName);
        Fixture f;
        f.fillExample();
        const QByteArray before = f.state.savedSearches.toBytes();
        QVERIFY(f.session.saveSlot(2, name));
        QCOMPARE(f.session.slotNames().at(2), slotName);
        QCOMPARE(f.state.savedSearches.toBytes() == before, !saved);
    }

    void savingWhileReadOnlyIsRefused() {
        Fixture f;
        f.fillExample();
        f.state.run.readOnly = true;
        const QByteArray before = f.state.savedSearches.toBytes();
        const Result saved = f.session.saveSlot(0, u"Tiki"_s);
        QVERIFY(!saved);
        QCOMPARE(saved.notice(), Notice::readOnly());
        QCOMPARE(f.state.savedSearches.toBytes(), before);
    }

    void savedSlotRoundTripsThroughTheFile() {
        Fixture f;
        f.fillExample();
        f.session.setHomeBarOnly(true);
        f.session.setPurchases(u"2"_s);
        f.session.setFullText(u"  Limette   Minze "_s);
        f.session.setPreparation(int(DrinkTraits::preparationNames().indexOf(u"heiß"_s)));
        f.session.setGlass(int(DrinkTraits::glassNames().indexOf(u"Tumbler, Old Fashioned"_s)));
        f.session.setFreeOf(IngredientMarks::Mark::Dairy, true);
        f.session.setFreeOf(IngredientMarks::Mark::Nuts, true);
        f.session.setMinStars(3);
        const SearchForm savedForm = f.session.form();
        QVERIFY(f.session.saveSlot(2, u"Tiki mit Rum"_s));
        // Words a reader of the file understands, in Windows-1252.
        const QByteArray file = TestFiles::readAll(f.state.savedSearchTextsPath());
        QVERIFY2(
            file.contains(
                "Zubereitung=hei\xDF\r\nGlas=Tumbler, Old Fashioned\r\nOhne=Milch,N\xFCsse\r\nSterne=3\r\n"),
            file.constData());
        QVERIFY(f.state.savedSearches.save(f.state.savedSearchesPath(), false));

        AppState other;
        fillShared(other);
        other.folders = f.state.folders;
        other.savedSearches = SavedSearches::load(other.savedSearchesPath());
        other.savedSearchTexts = SavedSearchTexts::load(other.savedSearchTextsPath());
        SearchSession second(other);
        second.begin();
        second.loadSlot(2);
        QCOMPARE(second.form().fullText, u"Limette   Minze"_s); // kept as one clean line
        second.setFullText(savedForm.fullText);
        QCOMPARE(second.form(), savedForm);
        QCOMPARE(second.slotNames().at(2), u"Tiki mit Rum"_s);
        QCOMPARE(second.expression(), f.session.expression());
    }

    // The full text lives beside SUCHEN.CFG: a slot saved anew under another name elsewhere, a
    // missing or damaged side file loads the slot without it.
    void fullTextOfASlot_data() {
        QTest::addColumn<QByteArray>("sideFile");
        QTest::addColumn<QString>("slotName");
        QTest::addColumn<QString>("loaded");
        const QByteArray kept = "[Suche2]\r\nName=Sommer\r\nVolltext=Gurke Minze\r\n";
        QTest::newRow("kept with its slot") << kept << u"Sommer"_s << u"Gurke Minze"_s;
        QTest::newRow("slot renamed since") << kept << u"Winter"_s << QString();
        QTest::newRow("section names ignore case")
            << QByteArray("[SUCHE2]\nname=Sommer\nvolltext=Gurke\n") << u"Sommer"_s << u"Gurke"_s;
        QTest::newRow("Windows-1252 text")
            << QByteArray("[Suche2]\r\nName=Sommer\r\nVolltext=K\xFCmmel\r\n") << u"Sommer"_s << u"Kümmel"_s;
        QTest::newRow("overlong text cut")
            << "[Suche2]\r\nName=Sommer\r\nVolltext=" + QByteArray(300, 'x') + "\r\n"
            << u"Sommer"_s << QString(SavedSearchTexts::kMaxText, u'x');
        QTest::newRow("damaged") << QByteArray("\xFF\xFE[Such\x01"
                                               "e2\r\nVolltext")
                                 << u"Sommer"_s << QString();
        QTest::newRow("missing") << QByteArray() << u"Sommer"_s << QString();
    }
    void fullTextOfASlot() {
        QFETCH(QByteArray, sideFile);
        QFETCH(QString, slotName);
        Fixture f;
        f.state.savedSearches.slot(1).setName(slotName);
        f.state.savedSearchTexts = SavedSearchTexts::fromBytes(sideFile);
        f.session.setFullText(u"vorher"_s);
        f.session.loadSlot(1);
        QTEST(f.session.form().fullText, "loaded");
    }

    // The second page's criteria live beside the full text: a file of an older program without their
    // keys, a slot renamed since, or words the boxes do not know leave them at "egal"; the keys of
    // unset criteria are not written at all.
    void furtherCriteriaOfASlot_data() {
        QTest::addColumn<QByteArray>("sideFile");
        QTest::addColumn<int>("preparation");
        QTest::addColumn<int>("glass");
        QTest::addColumn<QList<bool>>("freeOf");
        QTest::addColumn<int>("minStars");
        const QList<bool> none{false, false, false, false};
        QTest::newRow("older file without the keys")
            << QByteArray("[Suche2]\r\nName=Sommer\r\nVolltext=Gurke\r\n") << 0 << 0 << none << 0;
        QTest::newRow("kept with the slot")
            << QByteArray("[Suche2]\r\nName=Sommer\r\nVolltext=\r\nZubereitung=ger\xFChrt\r\n"
                          "Glas=Weinglas\r\nOhne=Ei,Gluten\r\n")
            << 2 << 5 << QList<bool>{true, false, false, true} << 0;
        QTest::newRow("written by hand: letter case, blanks, umlaut spelled")
            << QByteArray("[suche2]\nname=Sommer\nzubereitung=MIXER\nglas= tumbler, old fashioned \n"
                          "ohne= nuesse , milch\n")
            << 4 << 3 << QList<bool>{false, true, true, false} << 0;
        QTest::newRow("slot renamed since")
            << QByteArray("[Suche2]\r\nName=Winter\r\nZubereitung=hei\xDF\r\nOhne=Ei\r\n") << 0 << 0 << none
            << 0;
        QTest::newRow("unknown words") << QByteArray("[Suche2]\r\nName=Sommer\r\nZubereitung=flambiert\r\n"
                                                     "Glas=Bembel\r\nOhne=Senf,N\xFCsse\r\nSterne=7\r\n")
                                       << 0 << 0 << QList<bool>{false, false, true, false} << 0;
        QTest::newRow("stars") << QByteArray("[Suche2]\r\nName=Sommer\r\nSterne= 4\r\n") << 0 << 0 << none
                               << 4;
    }
    void furtherCriteriaOfASlot() {
        QFETCH(QByteArray, sideFile);
        QFETCH(int, preparation);
        QFETCH(int, glass);
        QFETCH(QList<bool>, freeOf);
        Fixture f;
        f.state.savedSearches.slot(1).setName(u"Sommer"_s);
        f.state.savedSearchTexts = SavedSearchTexts::fromBytes(sideFile);
        f.session.setPreparation(1); // whatever was shown before goes
        f.session.setFreeOf(IngredientMarks::Mark::Egg, true);
        f.session.loadSlot(1);
        const SearchForm::Traits& t = f.session.form().traits;
        QCOMPARE(t.preparation, preparation);
        QCOMPARE(t.glass, glass);
        QCOMPARE(QList<bool>(t.freeOf.cbegin(), t.freeOf.cend()), freeOf);
        QTEST(t.minStars, "minStars");
    }

    void unsetCriteriaWriteNoKeys() {
        Fixture f;
        f.session.setFullText(u"Minze"_s);
        f.session.setGlass(1);
        QVERIFY(f.session.saveSlot(0, u"Minze"_s));
        QVERIFY(TestFiles::readAll(f.state.savedSearchTextsPath()).contains("Glas="));
        f.session.setGlass(0);
        QVERIFY(f.session.saveSlot(0, u"Minze"_s));
        QCOMPARE(TestFiles::readAll(f.state.savedSearchTextsPath()),
                 QByteArray("[Suche1]\r\nName=Minze\r\nVolltext=Minze\r\n"));
    }

    // The marks: a line that cannot be read or names no ingredient is said once a run, when the
    // second page is seen or at OK with an "ohne"; the rest of the file counts. Without the file
    // nothing is marked, and the page says so.
    void marksFileProblemsSaidOnce() {
        Fixture f;
        QVERIFY(f.session.marksNote().contains(u"MERKMALE.TXT fehlt"_s));
        QVERIFY(!f.session.marksNotice(false));
        f.state.marks = IngredientMarks::parse(u"# Anmerkung\nMilch: Sahne, Joghurt\nKäse: Sahne\n"_s);
        QVERIFY(f.session.marksNote().contains(u"keine Garantie"_s));
        QVERIFY(!f.session.marksNotice(true)); // OK without an "ohne" keeps it for later
        f.session.setFreeOf(IngredientMarks::Mark::Dairy, true);
        const std::optional<Notice> notice = f.session.marksNotice(true);
        QVERIFY(notice);
        QCOMPARE(notice->caption, Notice::Caption::Hint);
        QCOMPARE(notice->text,
                 u"In MERKMALE.TXT im Datenordner kann die Suche diese Zeilen nicht lesen und "
                 u"übergeht sie:\rZeile 2: unbekannte Zutat „Joghurt“\rZeile 3: am Anfang „Ei:“, "
                 u"„Milch:“, „Nüsse:“ oder „Gluten:“ erwartet"_s);
        QCOMPARE(notice->lines, 4);
        QVERIFY(!f.session.marksNotice(false));
        QVERIFY(!f.session.marksNotice(true));
        QCOMPARE(f.session.traits().avoided, QSet<int>{305}); // "Sahne" still counts
    }

    // When the side file cannot be written the criteria are saved all the same and the error says
    // which file failed.
    void unwritableSideFileIsReported() {
        Fixture f;
        f.fillExample();
        f.session.setFullText(u"Minze"_s);
        f.state.folders.dataFolder = f.dir.path() + u"/"_s;
        QVERIFY(QDir(f.dir.path()).mkdir(u"SUCHTEXT.CFG"_s)); // a folder where the file should go
        const Result saved = f.session.saveSlot(4, u"Minze"_s);
        QVERIFY(!saved);
        QCOMPARE(saved.notice().caption, Notice::Caption::Error);
        QVERIFY(saved.notice().text.contains(u"SUCHTEXT.CFG"_s));
        QCOMPARE(f.session.slotNames().at(4), u"Minze"_s);
        QCOMPARE(SavedSearches::load(f.state.savedSearchesPath()).slot(4).name(), u"Minze"_s);
    }

    // A saved search is on disk at once; when SUCHEN.CFG cannot be written the error names it and
    // the slot keeps what it held, as the file does.
    void savedSearchIsWrittenAtOnce() {
        Fixture f;
        f.fillExample();
        f.state.folders.dataFolder = f.dir.path() + u"/"_s;
        QVERIFY(f.session.saveSlot(2, u"Sauer"_s));
        QCOMPARE(SavedSearches::load(f.state.savedSearchesPath()).slot(2).name(), u"Sauer"_s);
        const QByteArray file = TestFiles::readAll(f.state.savedSearchesPath());

        f.state.folders.dataFolder = f.dir.filePath(u"fehlt/"_s);
        const Result refused = f.session.saveSlot(2, u"Anders"_s);
        QVERIFY(!refused);
        QCOMPARE(refused.notice().caption, Notice::Caption::Error);
        QVERIFY2(refused.notice().text.contains(u"SUCHEN.CFG"_s), qPrintable(refused.notice().text));
        QCOMPARE(f.session.slotNames().at(2), u"Sauer"_s);
        f.state.folders.dataFolder = f.dir.path() + u"/"_s;
        QCOMPARE(TestFiles::readAll(f.state.savedSearchesPath()), file);
    }

    void slotWithDeletedIngredientLoadsWithoutIt() {
        Fixture f;
        f.fillExample();
        QVERIFY(f.session.saveSlot(0, u"Rum"_s));
        f.state.catalogue.changeIngredients(
            [](IngredientChoices& c) { c.zutatliste.removeAt(2); }); // "Rum weiß" deleted
        f.session.begin();
        f.session.loadSlot(0);
        QCOMPARE(f.session.form().ingredient[0], 0);
        QCOMPARE(f.session.choices().ingredients.at(f.session.form().alternative[0]).text, u"Cachaça"_s);
    }

    void refreshedChoicesKeepTheChoiceByName() {
        Fixture f;
        f.fillExample();
        f.state.catalogue.changeIngredients([](IngredientChoices& c) {
            c.zutatliste.insert(0, {u"Absinth"_s, 400});
        });
        f.state.catalogue.setLists(f.state.catalogue.categories() + QStringList{u"Fizz"_s},
                                   f.state.catalogue.tastes());
        f.session.begin();
        const SearchForm& form = f.session.form();
        const SearchChoices& more = f.session.choices();
        QCOMPARE(more.categories.at(1).text, u"Fizz"_s);
        QCOMPARE(more.ingredients.at(form.ingredient[0]).text, u"Rum weiß"_s);
        QCOMPARE(more.ingredients.at(form.alternative[0]).text, u"Cachaça"_s);
        QCOMPARE(more.categories.at(form.category).text, u"Tiki"_s);
        QCOMPARE(
            f.session.expression(),
            uR"((AT("    7",Z)>0 .OR. AT("   12",Z)>0) .AND. AT("  305",Z)=0 .AND. KAT = 3 .AND. ALK >= 10 .AND. ALK <= 25)"_s);
    }

    void infoIngredientsInRowOrder() {
        Fixture f;
        QVERIFY(f.session.infoIngredients().isEmpty());
        QCOMPARE(f.session.infoNotice(), Notice::hint(u"Es wurden noch keine Zutaten ausgewählt."_s, 1));
        f.session.setAlternative(3, f.ingredient(u"Zitronensaft"_s));
        f.session.setIngredient(1, f.ingredient(u"Sahne"_s));
        f.session.setIngredient(0, f.ingredient(u"Ananassaft"_s));
        const QList<ListEntry> expected = {{u"Ananassaft"_s, 21}, {u"Sahne"_s, 305}, {u"Zitronensaft"_s, 3}};
        QCOMPARE(f.session.infoIngredients(), expected);
        QVERIFY(!f.session.infoNotice());
    }

    void outOfRangeSelectionsFallBackToNone() {
        Fixture f;
        f.session.setIngredient(0, 99);
        f.session.setCategory(-4);
        QCOMPARE(f.session.form().ingredient[0], 0);
        QCOMPARE(f.session.form().category, 0);
        QCOMPARE(f.session.expression(), QString());
    }
};

VELTA_TEST_MAIN_CORE(TestSearchSession)
#include "tst_searchsession.moc"
