#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "common/AppState.h"
#include "search/SearchSession.h"
#include "search/gui/TSaveSuchedialog.h"
#include "search/gui/TSuchenDialog.h"
#include "ui/Skins.h"
#include "ui/UpDownButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

namespace {

// The shared lists the dialog takes its boxes from.
void fillShared(AppState& state) {
    state.catalogue.changeIngredients([&](IngredientChoices& c) {
        c.zutatliste = {{u"Cachaça"_s, 12}, {u"Sahne"_s, 305}, {u"Weißer Rum"_s, 7}};
    });
    state.catalogue.setLists({u"Longdrink"_s, u"~"_s, u"Tiki"_s}, {u"süß"_s, u"sauer"_s});
}

// Runs the step once the next popup menu or modal window is up, while the caller is blocked in it;
// gives up after about two seconds so that a failed test cannot hang.
void whenUp(std::function<void(QWidget*)> step, bool popup, int tries = 200) {
    QTimer::singleShot(10, [step = std::move(step), popup, tries] {
        QWidget* w = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (w)
            step(w);
        else if (tries > 0)
            whenUp(step, popup, tries - 1);
    });
}

} // namespace

// The search dialog driven like a user would: keys and clicks on the real controls.
class TestSearchDialog : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    AppState m_state;
    std::unique_ptr<Skins> m_skins;
    std::unique_ptr<SearchSession> m_session;
    std::unique_ptr<TSaveSuchedialog> m_names;
    std::unique_ptr<TSuchenDialog> m_dialog;

    // Chooses a slot in a drop-down menu of the dialog, as the user does: click, arrows, Enter.
    void chooseSlot(QPushButton* button, int slot) {
        whenUp(
            [slot](QWidget* menu) {
                for (int i = 0; i <= slot; ++i) // the first Down selects the first item
                    QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            },
            true);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void initTestCase() {
        StartupFixture::writeSkins(m_dir.path());
        m_state.folders.dataFolder = m_dir.path() + QLatin1Char('/');
        m_state.run.mainBounds = QRect(0, 0, 800, 600);
        m_skins = std::make_unique<Skins>(m_state);
    }

    void init() {
        m_state.savedSearches = SavedSearches();
        m_state.savedSearchTexts = SavedSearchTexts();
        QFile::remove(m_state.savedSearchTextsPath());
        m_state.run.readOnly = false;
        m_state.settings.changeOptions().set(OptionsRecord::HomeBar, 2);
        fillShared(m_state);
        m_session = std::make_unique<SearchSession>(m_state);
        m_names = std::make_unique<TSaveSuchedialog>(UiContext{m_state, *m_skins});
        m_dialog = std::make_unique<TSuchenDialog>(UiContext{m_state, *m_skins}, *m_session, *m_names);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup() {
        m_dialog.reset();
        m_names.reset();
        m_session.reset();
    }

    void showingTakesTheBarFromTheOptionsAndFocusesOk() {
        QCOMPARE(m_dialog->bar->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), m_dialog->OkButton);
        QCOMPARE(m_dialog->MaxAlkEdit->text(), u"99%"_s);
        QCOMPARE(m_dialog->undcombo[0]->currentText(), u"(keine Auswahl)"_s);
        QCOMPARE(m_dialog->LadenPopup->actions().at(9)->text(), u"Leer"_s);
    }

    void percentFieldsKeepTheirSign() {
        type(m_dialog->MaxAlkEdit, u"2a5"_s);
        QCOMPARE(m_dialog->MaxAlkEdit->text(), u"25%"_s);
        QCOMPARE(m_dialog->MaxAlkEdit->cursorPosition(), 2);
        QTest::mouseClick(m_dialog->UpMax->up(), Qt::LeftButton);
        QCOMPARE(m_dialog->MaxAlkEdit->text(), u"26%"_s);
        QTest::mouseClick(m_dialog->UpMin->down(), Qt::LeftButton);
        QCOMPARE(m_dialog->MinAlkEdit->text(), u"0%"_s);
        QTest::mouseClick(m_dialog->UpDown1->up(), Qt::LeftButton);
        QCOMPARE(m_dialog->ZukaufEdit->text(), u"1"_s);
        QCOMPARE(m_session->expression(), u"ALK >= 0 .AND. ALK <= 26"_s);
    }

    void ohneDisablesTheAlternative() {
        QComboBox* mit = m_dialog->mitcombo[1];
        mit->setFocus();
        QTest::keyClick(mit, Qt::Key_Down);
        QCOMPARE(mit->currentText(), u"ohne"_s);
        QVERIFY(!m_dialog->odercombo[1]->isEnabled());
        QTest::keyClick(mit, Qt::Key_Up);
        QVERIFY(m_dialog->odercombo[1]->isEnabled());
    }

    void okRefusesImpossibleRanges_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("notice");
        QTest::newRow("maximum 100") << "0"
                                     << "100" << SearchSession::alcoholRangeNotice();
        QTest::newRow("50 above 40") << "50"
                                     << "40" << SearchSession::minimumAboveMaximumNotice();
        QTest::newRow("10 to 25") << "10"
                                  << "25" << QString();
    }
    void okRefusesImpossibleRanges() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(QString, notice);
        QSignalSpy accepted(m_dialog.get(), &QDialog::accepted);
        type(m_dialog->MinAlkEdit, minimum);
        type(m_dialog->MaxAlkEdit, maximum);
        m_dialog->bar->setFocus();
        QTest::keyClick(m_dialog->bar, Qt::Key_Down); // "Hausbar Nr. 3"
        MessageBoxAnswerer answers;
        QTest::mouseClick(m_dialog->OkButton, Qt::LeftButton);
        QCOMPARE(m_state.settings.options().get(OptionsRecord::HomeBar),
                 quint8(3)); // taken even when refused
        QCOMPARE(answers.lastText(), notice);
        QCOMPARE(accepted.count(), notice.isEmpty() ? 1 : 0);
        QCOMPARE(m_dialog->isVisible(), !notice.isEmpty());
        if (!notice.isEmpty()) {
            QCOMPARE(answers.shown().last().caption, u"Hinweis"_s);
            QCOMPARE(answers.shown().last().lines, 2);
        }
    }

    void resetClearsEveryControl() {
        type(m_dialog->MaxAlkEdit, u"40"_s);
        QTest::mouseClick(m_dialog->checkmarkierung, Qt::LeftButton);
        m_dialog->undcombo[2]->setFocus();
        QTest::keyClick(m_dialog->undcombo[2], Qt::Key_Down);
        m_dialog->mitcombo[3]->setFocus();
        QTest::keyClick(m_dialog->mitcombo[3], Qt::Key_Down);
        QVERIFY(!m_session->expression().isEmpty());
        QTest::mouseClick(m_dialog->ExplorerButton3, Qt::LeftButton);
        QCOMPARE(m_dialog->MaxAlkEdit->text(), u"99%"_s);
        QVERIFY(!m_dialog->checkmarkierung->isChecked());
        QCOMPARE(m_dialog->undcombo[2]->currentIndex(), 0);
        QCOMPARE(m_dialog->mitcombo[3]->currentText(), u"mit"_s);
        QVERIFY(m_dialog->odercombo[3]->isEnabled());
        QCOMPARE(m_dialog->bar->currentText(), u"Hausbar Nr. 1"_s);
        QCOMPARE(m_session->expression(), QString());
    }

    void infoNeedsAnIngredient() {
        QSignalSpy requested(m_dialog.get(), &TSuchenDialog::ingredientInfoRequested);
        {
            MessageBoxAnswerer answers;
            QTest::mouseClick(m_dialog->ExplorerButton2, Qt::LeftButton);
            QCOMPARE(answers.lastText(), u"Es wurden noch keine Zutaten ausgewählt."_s);
            QCOMPARE(answers.shown().last().lines, 1);
        }
        m_dialog->odercombo[0]->setFocus();
        QTest::keyClick(m_dialog->odercombo[0], Qt::Key_End);
        QTest::mouseClick(m_dialog->ExplorerButton2, Qt::LeftButton);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().first().value<Entries>(), (Entries{{u"Weißer Rum"_s, 7}}));
    }

    // The full text goes with a saved search into SUCHTEXT.CFG and comes back with "Laden"; "Reset"
    // clears it.
    void fullTextTravelsWithTheSlot() {
        type(m_dialog->VolltextEdit, u"Minze Limette"_s);
        whenUp(
            [](QWidget* w) {
                if (auto* names = qobject_cast<TSaveSuchedialog*>(w)) {
                    QTest::keyClicks(names->Edit, u"Frisch"_s);
                    QTest::keyClick(names->Edit, Qt::Key_Return);
                }
            },
            false);
        chooseSlot(m_dialog->Speichernbutton, 1);
        const SavedSearchTexts onDisk = SavedSearchTexts::load(m_state.savedSearchTextsPath());
        QCOMPARE(onDisk.text(1, u"Frisch"_s), u"Minze Limette"_s);

        QTest::mouseClick(m_dialog->ExplorerButton3, Qt::LeftButton);
        QCOMPARE(m_dialog->VolltextEdit->text(), QString());
        QVERIFY(!m_session->fullTextTest());
        chooseSlot(m_dialog->ExplorerButton1, 1);
        QCOMPARE(m_dialog->VolltextEdit->text(), u"Minze Limette"_s);
        QCOMPARE(m_session->form().fullText, u"Minze Limette"_s);
    }

    // Letters typed on a closed choice box select folded, as in every list.
    void choiceBoxTypeAheadFolds() {
        QComboBox* box = m_dialog->undcombo[0];
        box->setFocus();
        QTest::keyClicks(box, u"weiss"_s);
        QCOMPARE(box->currentText(), u"Weißer Rum"_s);
        QCOMPARE(m_session->form().ingredient[0], 3);
    }

    void savingCancelledOrReadOnlyChangesNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("messages");
        QTest::newRow("name dialog cancelled") << false << int(Qt::Key_Escape) << 0;
        QTest::newRow("started read-only") << true << int(Qt::Key_Return) << 1;
    }
    void savingCancelledOrReadOnlyChangesNothing() {
        QFETCH(bool, readOnly);
        QFETCH(int, key);
        QFETCH(int, messages);
        m_state.run.readOnly = readOnly;
        const QByteArray before = m_state.savedSearches.toBytes();
        MessageBoxAnswerer answers;
        whenUp(
            [key](QWidget* w) {
                if (auto* names = qobject_cast<TSaveSuchedialog*>(w)) {
                    QTest::keyClicks(names->Edit, u"Neu"_s);
                    QTest::keyClick(names->Edit, Qt::Key(key));
                }
            },
            false);
        chooseSlot(m_dialog->Speichernbutton, 0);
        QCOMPARE(m_state.savedSearches.toBytes(), before);
        QCOMPARE(answers.shown().size(), messages);
        if (messages)
            QVERIFY(answers.lastText().contains(u"CD-ROM"_s));
    }
};

VELTA_TEST_MAIN_GUI(TestSearchDialog)
#include "tst_searchdialog.moc"
