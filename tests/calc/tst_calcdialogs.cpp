#include "MessageBoxAnswerer.h"
#include "SilentSoundBackend.h"
#include "TestTables.h"
#include "VeltaGuiTest.h"
#include "calc/NumberField.h"
#include "calc/TBlutdialog.h"
#include "calc/TMengeDialog.h"
#include "common/AppState.h"
#include "ui/Skins.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The shared state with sound on, the shipped pictures, and two small tables: rum and lime
// juice, vodka and beer; a daiquiri.
struct Fixture {
    AppState state;
    Skins skins{state};
    UiContext context{state, skins};
    TestTables t;
    SilentSoundBackend sound;
    Fixture() {
        state.folders.dataFolder = QStringLiteral(VELTA_IMAGE_DIR "/DATEN/");
        state.folders.soundFolder = u"/klang/"_s;
        state.waveAvailable = true;
        state.mainShown = true;
        state.options.set(OptionsRecord::Noises, 1);
        state.options.set(OptionsRecord::Speech, 1);
        state.options.set(OptionsRecord::BodyWeight, 80);
        state.options.set(OptionsRecord::DrinkingHours, 0);
        state.options.set(OptionsRecord::AmountUnit, 1);
        t.addIngredient({.number = 1, .name = u"Weißer Rum"_s, .kind = 0, .alcohol = 40});
        t.addIngredient({.number = 2, .name = u"Limettensaft"_s, .kind = 0});
        t.addIngredient({.number = 4, .name = u"Wodka"_s, .kind = 0, .alcohol = 40});
        t.addRecipe({.name = u"Daiquiri"_s, .lines = {{1, 4}, {2, 2}}, .alk = 27});
        state.ingredientChoices.bloodAlcohol = {{u"Weißer Rum***"_s, 20001}, {u"Wodka***"_s, 20004}};
    }
};

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestCalcDialogs : public QObject {
    Q_OBJECT

private slots:
    void quantityDialog() {
        Fixture f;
        TMengeDialog d(f.context);
        d.setRecipe(QuantityRecipe::load(f.t.re(), f.t.zu()));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTRY_COMPARE(f.sound.played(), QStringList{u"/klang/9.WAV"_s});

        typeInto(d.MengeEdit->edit(), u"3"_s);
        QCOMPARE(d.Namelabel->text(), u"3 Daiquiri"_s);
        QCOMPARE(d.Ausgabememo->toPlainText(), u"12 cl Weißer Rum\n6 cl Limettensaft"_s);

        QTest::mouseClick(d.RadioButton3, Qt::LeftButton);
        typeInto(d.MengeEdit->edit(), u"30"_s);
        QCOMPARE(d.Ausgabememo->toPlainText(), u"20 cl Weißer Rum\n10 cl Limettensaft"_s);
        QTest::mouseClick(d.ausg2, Qt::LeftButton);
        QCOMPARE(d.Ausgabememo->toPlainText(), u"0,20 Liter Weißer Rum\n0,10 Liter Limettensaft"_s);
        QTest::mouseClick(d.ausg1, Qt::LeftButton);

        QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
        typeInto(d.MengeEdit->edit(), u"50"_s);
        QCOMPARE(d.Ausgabememo->toPlainText(), u"Wählen Sie eine größere Menge"_s);
        QTest::keyClick(d.MengeEdit->edit(), Qt::Key_Up); // 51 ml
        QCOMPARE(d.Namelabel->text(), u"51 ml Daiquiri"_s);

        // An entry of 0 shows 1 and the list for it; the field takes digits only.
        QTest::mouseClick(d.RadioButton1, Qt::LeftButton);
        typeInto(d.MengeEdit->edit(), u"0"_s);
        QCOMPARE(d.MengeEdit->text(), u"1"_s);
        QCOMPARE(d.Ausgabememo->toPlainText(), u"4 cl Weißer Rum\n2 cl Limettensaft"_s);
        typeInto(d.MengeEdit->edit(), u"-x2"_s);
        QCOMPARE(d.MengeEdit->text(), u"2"_s);
        QTest::mouseClick(d.MengeEdit->downButton(), Qt::LeftButton);
        QTest::mouseClick(d.MengeEdit->downButton(), Qt::LeftButton); // not below 1
        QCOMPARE(d.MengeEdit->text(), u"1"_s);

        // The output memo never keeps the focus.
        QTest::mouseClick(d.Ausgabememo->viewport(), Qt::LeftButton);
        QVERIFY(d.MengeEdit->edit()->hasFocus());

        MessageBoxAnswerer answers;
        typeInto(d.MengeEdit->edit(), u"2"_s);
        d.Zwischenablage1->trigger();
        QCOMPARE(QApplication::clipboard()->text(), u"2 Daiquiri\n\n8 cl Weißer Rum\n4 cl Limettensaft\n"_s);
        QCOMPARE(answers.lastText(), u"Der Text wurde in die Zwischenablage kopiert."_s);
        QCOMPARE(answers.shown().last().caption, u"Hinweis"_s);
        d.reject();
    }

    void quantityDialogIsSilentWithNoisesOff() {
        Fixture f;
        f.state.options.set(OptionsRecord::Noises, 0);
        TMengeDialog d(f.context);
        d.setRecipe(QuantityRecipe::load(f.t.re(), f.t.zu()));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::qWait(20);
        QVERIFY(f.sound.played().isEmpty());
    }

    void bloodAlcoholDialog() {
        Fixture f;
        TBlutdialog d(f.context, f.t.re(), f.t.zu());
        QCOMPARE(d.GewichtEdit->value(), 80);
        QCOMPARE(d.combo->currentText(), u"cl"_s);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTRY_COMPARE(f.sound.played(), QStringList{u"/klang/15.WAV"_s});
        QCOMPARE(items(d.BlutListBox), (QStringList{u"Daiquiri"_s, u"Weißer Rum***"_s, u"Wodka***"_s}));
        QVERIFY(d.Editfeld->hasFocus());
        QVERIFY(!d.zurueckbutton->isEnabled());

        MessageBoxAnswerer answers;
        QTest::keyClicks(d.Editfeld, u"wo"_s);
        QCOMPARE(d.BlutListBox->currentItem()->text(), u"Wodka***"_s);
        typeInto(d.ZukaufEdit->edit(), u"4"_s);
        QTest::keyClick(d.ZukaufEdit->edit(), Qt::Key_Return);
        QCOMPARE(items(d.SuffListbox), QStringList{u"4 cl Wodka***"_s});
        QVERIFY(d.Editfeld->hasFocus());
        QVERIFY(answers.shown().isEmpty());

        // Refused input: no amount, too little, nothing chosen on the right.
        typeInto(d.ZukaufEdit->edit(), QString());
        QTest::mouseClick(d.HinzuButton, Qt::LeftButton);
        QCOMPARE(answers.lastText(), u"Geben Sie bitte eine Menge zwischen 1 und 9999 ein."_s);
        QCOMPARE(answers.shown().last().lines, 2);
        QTest::keyClick(d.combo, Qt::Key_Down); // ml
        typeInto(d.ZukaufEdit->edit(), u"5"_s);
        QTest::mouseClick(d.HinzuButton, Qt::LeftButton);
        QCOMPARE(answers.lastText(), u"Geben Sie bitte mindestens 10 Milliliter an."_s);
        d.SuffListbox->setCurrentRow(-1);
        QTest::mouseClick(d.EntfButton, Qt::LeftButton);
        QCOMPARE(answers.lastText(), u"Bitte wählen Sie erst ein Getränk in der rechten Liste aus."_s);

        // A daiquiri chosen by clicking, double-clicked in: 6 cl at 27 percent is 12 g.
        QTest::keyClick(d.combo, Qt::Key_Up);
        QTest::keyClick(d.combo, Qt::Key_Up); // Stück
        const QRect first = d.BlutListBox->visualItemRect(d.BlutListBox->item(0));
        QTest::mouseClick(d.BlutListBox->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(d.Editfeld->text(), u"Daiquiri"_s);
        typeInto(d.ZukaufEdit->edit(), u"1"_s);
        QTest::mouseDClick(d.BlutListBox->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(items(d.SuffListbox), (QStringList{u"4 cl Wodka***"_s, u"6 cl Daiquiri"_s}));
        QCOMPARE(d.session().totalGrams(), qint64(24));

        // Weight 5 kg, confirmed by the button's key while typing, is refused; 80 kg, 0 hours:
        // 24 / 56 = 0.43.
        QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
        QCOMPARE(d.note->currentIndex(), 1);
        QVERIFY(d.GewichtEdit->hasFocus());
        d.GewichtEdit->selectAll();
        QTest::keyClicks(d.GewichtEdit, u"5"_s);
        QTest::keyClick(d.GewichtEdit, Qt::Key_W, Qt::AltModifier);
        // The button's key clicks after a short press.
        QTRY_COMPARE(answers.lastText(), u"Geben Sie bitte ein Körpergewicht zwischen 20 und 300 kg ein."_s);
        QCOMPARE(d.note->currentIndex(), 1);
        d.GewichtEdit->selectAll();
        QTest::keyClicks(d.GewichtEdit, u"80"_s);
        QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
        QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
        QCOMPARE(d.note->currentIndex(), 3);
        QCOMPARE(d.PromilleLabel->text(), u"0.43"_s);
        QVERIFY(!d.weiterbutton->isEnabled());
        QCOMPARE(f.sound.played(), (QStringList{u"/klang/15.WAV"_s, u"/klang/17.WAV"_s, u"/klang/19.WAV"_s,
                                                u"/klang/16.WAV"_s, u"/klang/20.WAV"_s, u"/klang/4.WAV"_s,
                                                u"/klang/24.WAV"_s, u"/klang/23.WAV"_s, u"/klang/5.WAV"_s}));

        // Back on the drinks page with the list kept and silent pages; the pictures go on hiding.
        QTest::mouseClick(d.zurueckbutton, Qt::LeftButton);
        QCOMPARE(d.note->currentIndex(), 0);
        QCOMPARE(d.SuffListbox->count(), 2);
        QVERIFY(d.Editfeld->hasFocus());
        QCOMPARE(f.sound.played().size(), 9);
        QVERIFY(!d.Bild->pixmap().isNull());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QVERIFY(d.Bild->pixmap().isNull());

        // A new showing starts over, with what the user entered as weight.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.SuffListbox->count(), 0);
        QCOMPARE(d.GewichtEdit->value(), 80);
        QCOMPARE(d.ZukaufEdit->text(), u"1"_s);
        d.reject();
    }

    void arrowKeysMoveTheDrinkList() {
        Fixture f;
        TBlutdialog d(f.context, f.t.re(), f.t.zu());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.BlutListBox->currentRow(), 0);
        QTest::keyClick(d.Editfeld, Qt::Key_Down);
        QCOMPARE(d.BlutListBox->currentRow(), 1);
        QCOMPARE(d.Editfeld->text(), u"Weißer Rum***"_s);
        QTest::keyClick(d.Editfeld, Qt::Key_PageDown);
        QCOMPARE(d.BlutListBox->currentRow(), 2);
        d.reject();
    }
};

VELTA_TEST_MAIN_GUI(TestCalcDialogs)
#include "tst_calcdialogs.moc"
